// The per-user profile over wxConfig: the registry on Windows, an XDG
// config file on Linux. Sections become groups, entries keys.
#pragma once

#include "model/CProfile.h"

#include <functional>
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

    // Called at the first write that does not reach the store (a full disk,
    // a file or folder the user may not write); later failures stay quiet,
    // so the user hears of it once instead of at every write.
    void OnWriteFailed(std::function<void()> report) { onWriteFailed_ = std::move(report); }

private:
    void Flush();

    wxConfigBase* config_;
    std::function<void()> onWriteFailed_;
    bool writeFailed_ = false;
};
