// The per-user profile over wxConfig: the registry on Windows, an XDG
// config file on Linux. Sections become groups, entries keys.
#pragma once

#include "model/CProfile.h"

#include <memory>

class wxConfigBase;

class CWxConfigProfile : public CProfile {
public:
    // Uses (without owning) the given store, typically wxConfigBase::Get().
    explicit CWxConfigProfile(wxConfigBase& config) : config_(&config) {}

    int GetInt(const std::string& section, const std::string& entry, int def) const override;
    std::string GetString(const std::string& section, const std::string& entry,
                          const std::string& def) const override;
    void WriteInt(const std::string& section, const std::string& entry, int value) override;
    void WriteString(const std::string& section, const std::string& entry, const std::string& value) override;

private:
    wxConfigBase* config_;
};
