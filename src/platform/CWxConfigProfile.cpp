#include "platform/CWxConfigProfile.h"

#include <wx/confbase.h>
#include <wx/log.h>

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
    Flush();
}

void CWxConfigProfile::WriteString(const std::string& section, const std::string& entry, const std::string& value) {
    config_->Write(KeyPath(section, entry), wxString::FromUTF8(value));
    Flush();
}

void CWxConfigProfile::Flush() {
    bool flushed = false;
    {
        wxLogNull quiet;  // the toolkit's own message would repeat at every write
        flushed = config_->Flush();
    }
    if (!flushed && !writeFailed_) {
        writeFailed_ = true;
        if (onWriteFailed_) {
            onWriteFailed_();
        }
    }
}
