// What every record kept in a file of its own has: where the file is, the
// record's title and whether it changed since it was last read or written.
#pragma once

#include <string>

class CDocHost;

class CTableBase {
public:
    CTableBase() = default;
    CTableBase(const CTableBase&) = default;
    CTableBase& operator=(const CTableBase&) = default;
    virtual ~CTableBase() = default;

    // Writes the record to filePath; failures are reported to the host's
    // messages. A record without a file format of its own has nothing to write.
    virtual bool Save(CDocHost& messages);

    std::string filePath;  // empty while not yet known
    std::string title;
    bool modified = false;
};
