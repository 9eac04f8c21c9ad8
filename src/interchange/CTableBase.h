// What every record kept in a file of its own has: where the file is and the
// record's title.
#pragma once

#include <string>

class CTableBase {
public:
    CTableBase() = default;
    CTableBase(const CTableBase&) = default;
    CTableBase& operator=(const CTableBase&) = default;
    virtual ~CTableBase() = default;

    std::string filePath;  // empty while not yet known
    std::string title;
};
