// The per-user settings store as the core sees it: named sections holding
// integer and string entries, each read with a default. The window installs
// one over wxConfig; tests and the command-line tool use CMemoryProfile.
#pragma once

#include <string>

class CLogFont;

class CProfile {
public:
    virtual ~CProfile() = default;

    virtual int GetInt(const std::string& section, const std::string& entry, int def) const = 0;
    virtual std::string GetString(const std::string& section, const std::string& entry,
                                  const std::string& def) const = 0;
    virtual void WriteInt(const std::string& section, const std::string& entry, int value) = 0;
    virtual void WriteString(const std::string& section, const std::string& entry, const std::string& value) = 0;

    // A section without "lfHeight" counts as absent: false, font untouched.
    // Other missing entries read as -1, which the byte fields keep as 255.
    bool GetProfileFont(const std::string& section, CLogFont& font) const;
    void WriteProfileFont(const std::string& section, const CLogFont& font);
};
