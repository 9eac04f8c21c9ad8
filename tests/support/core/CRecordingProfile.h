// A profile in memory that also keeps the order of its writes as
// "Section/Entry", for checks on the order the program writes entries in.
#pragma once

#include "model/CMemoryProfile.h"

#include <string>
#include <vector>

class CRecordingProfile : public CMemoryProfile {
public:
    void WriteInt(const std::string& section, const std::string& entry, int value) override {
        writes.push_back(section + "/" + entry);
        CMemoryProfile::WriteInt(section, entry, value);
    }
    void WriteString(const std::string& section, const std::string& entry, const std::string& value) override {
        writes.push_back(section + "/" + entry);
        CMemoryProfile::WriteString(section, entry, value);
    }

    std::vector<std::string> writes;
};
