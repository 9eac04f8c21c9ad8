#include "model/CMemoryProfile.h"

#include <cstdlib>

std::optional<CMemoryProfile::Value> CMemoryProfile::Find(const std::string& section, const std::string& entry) const {
    const auto it = values_.find({section, entry});
    if (it == values_.end()) {
        return std::nullopt;
    }
    return it->second;
}

int CMemoryProfile::GetInt(const std::string& section, const std::string& entry, int def) const {
    const auto v = Find(section, entry);
    if (!v) {
        return def;
    }
    if (const int* i = std::get_if<int>(&*v)) {
        return *i;
    }
    // A string where a number is asked for reads as its leading number, as the registry does.
    return static_cast<int>(std::strtol(std::get<std::string>(*v).c_str(), nullptr, 10));
}

std::string CMemoryProfile::GetString(const std::string& section, const std::string& entry,
                                      const std::string& def) const {
    const auto v = Find(section, entry);
    if (!v) {
        return def;
    }
    if (const int* i = std::get_if<int>(&*v)) {
        return std::to_string(*i);
    }
    return std::get<std::string>(*v);
}

void CMemoryProfile::WriteInt(const std::string& section, const std::string& entry, int value) {
    values_[{section, entry}] = value;
    ++writes_;
}

void CMemoryProfile::WriteString(const std::string& section, const std::string& entry, const std::string& value) {
    values_[{section, entry}] = value;
    ++writes_;
}

void CMemoryProfile::Remove(const std::string& section, const std::string& entry) { values_.erase({section, entry}); }
