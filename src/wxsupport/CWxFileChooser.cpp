#include "wxsupport/CWxFileChooser.h"

#include "res/Strings.h"
#include "wxsupport/WxConvert.h"

#include <wx/filedlg.h>
#include <wx/filename.h>

namespace {

// A dialog the caller gave no title is named after what it does, as the
// platform's own would be (GTK leaves it blank).
wxString TitleOr(const wxString& title, const char* fallback) { return title.empty() ? ToWx(fallback) : title; }

// The typed name gets the default extension when it has none of its own.
wxString WithExtension(const wxString& path, const wxString& extension) {
    wxFileName name(path);
    if (!extension.empty() && name.GetExt().empty()) {
        name.SetExt(extension);
    }
    return name.GetFullPath();
}

}  // namespace

std::optional<wxString> CWxFileChooser::ChooseOpen(const Request& r) {
    long style = wxFD_OPEN;
    if (r.mustExist) {
        style |= wxFD_FILE_MUST_EXIST;
    }
    wxFileDialog dialog(r.parent, TitleOr(r.title, Str::kOpenTitle), r.defaultDir, r.defaultFile, r.wildcard, style);
    if (dialog.ShowModal() != wxID_OK) {
        return std::nullopt;
    }
    return dialog.GetPath();
}

std::vector<wxString> CWxFileChooser::ChooseOpenMany(const Request& r) {
    long style = wxFD_OPEN | wxFD_MULTIPLE;
    if (r.mustExist) {
        style |= wxFD_FILE_MUST_EXIST;
    }
    wxFileDialog dialog(r.parent, TitleOr(r.title, Str::kOpenTitle), r.defaultDir, r.defaultFile, r.wildcard, style);
    if (dialog.ShowModal() != wxID_OK) {
        return {};
    }
    wxArrayString paths;
    dialog.GetPaths(paths);
    return std::vector<wxString>(paths.begin(), paths.end());
}

std::optional<wxString> CWxFileChooser::ChooseSave(const Request& r) {
    long style = wxFD_SAVE;
    if (r.promptOverwrite) {
        style |= wxFD_OVERWRITE_PROMPT;
    }
    wxFileDialog dialog(r.parent, TitleOr(r.title, Str::kSaveAsTitle), r.defaultDir, r.defaultFile, r.wildcard,
                        style);
    if (dialog.ShowModal() != wxID_OK) {
        return std::nullopt;
    }
    return WithExtension(dialog.GetPath(), r.defaultExtension);
}
