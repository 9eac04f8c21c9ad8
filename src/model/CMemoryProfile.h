// A settings store held in memory: for tests, and for the command-line tool,
// which has no per-user profile of its own.
#pragma once

#include "model/CProfile.h"

#include <map>
#include <optional>
#include <string>
#include <variant>

class CMemoryProfile : public CProfile {
public:
    using Value = std::variant<int, std::string>;

    int GetInt(const std::string& section, const std::string& entry, int def) const override;
    std::string GetString(const std::string& section, const std::string& entry,
                          const std::string& def) const override;
    void WriteInt(const std::string& section, const std::string& entry, int value) override;
    void WriteString(const std::string& section, const std::string& entry, const std::string& value) override;

    std::optional<Value> Find(const std::string& section, const std::string& entry) const;
    bool Has(const std::string& section, const std::string& entry) const { return Find(section, entry).has_value(); }
    void Remove(const std::string& section, const std::string& entry);
    std::size_t WriteCount() const { return writes_; }

private:
    std::map<std::pair<std::string, std::string>, Value> values_;
    std::size_t writes_ = 0;
};
