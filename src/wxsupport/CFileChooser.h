// Choosing files, behind an interface of ours: the commands ask this rather
// than a wxFileDialog, so tests can answer with paths of their own.
#pragma once

#include <wx/string.h>

#include <filesystem>
#include <optional>
#include <vector>

class wxWindow;

class CFileChooser {
public:
    struct Request {
        wxWindow* parent = nullptr;
        wxString title;
        wxString defaultDir;
        wxString defaultFile;
        wxString wildcard;  // "csvファイル (*.csv)|*.csv|すべてのファイル(*.*)|*.*"
        wxString defaultExtension;  // without the dot; added when the typed name has none
        bool mustExist = false;  // open: the file must exist
        bool promptOverwrite = false;  // save: ask before replacing a file
    };

    virtual ~CFileChooser() = default;

    // Where an export is saved: the proposed file's folder and name, the
    // formats' filter and extension, asking before a file is replaced.
    static Request ExportRequest(wxWindow* parent, const std::filesystem::path& proposed, const wxString& wildcard,
                                 const wxString& extension);

    // A file to open; none when cancelled.
    virtual std::optional<wxString> ChooseOpen(const Request& request) = 0;
    // Several files to open, in the order chosen; empty when cancelled.
    virtual std::vector<wxString> ChooseOpenMany(const Request& request) = 0;
    // A file to save to; none when cancelled.
    virtual std::optional<wxString> ChooseSave(const Request& request) = 0;
};
