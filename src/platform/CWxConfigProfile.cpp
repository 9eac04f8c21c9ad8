#include "platform/CWxConfigProfile.h"

#include <wx/confbase.h>

namespace {

wxString KeyPath(const std::string& section, const std::string& entry) {
    return "/" + wxString::FromUTF8(section) + "/" + wxString::FromUTF8(entry);
}

}  // namespace

int CWxConfigProfile::GetInt(const std::string& section, const std::string& entry, int def) const {
    long value = def;
    if (!config_->Read(KeyPath(section, entry), &value, def)) {
        return def;
    }
    return static_cast<int>(value);
}

std::string CWxConfigProfile::GetString(const std::string& section, const std::string& entry,
                                        const std::string& def) const {
    wxString value;
    if (!config_->Read(KeyPath(section, entry), &value)) {
        return def;
    }
    return std::string(value.utf8_str());
}

void CWxConfigProfile::WriteInt(const std::string& section, const std::string& entry, int value) {
    config_->Write(KeyPath(section, entry), static_cast<long>(value));
    config_->Flush();
}

void CWxConfigProfile::WriteString(const std::string& section, const std::string& entry, const std::string& value) {
    config_->Write(KeyPath(section, entry), wxString::FromUTF8(value));
    config_->Flush();
}
