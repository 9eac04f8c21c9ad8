#include "view/CTimelineImageSaver.h"

#include "res/Strings.h"
#include "wxsupport/CFileChooser.h"
#include "wxsupport/MessageBox.h"
#include "wxsupport/WxConvert.h"

#include <wx/filename.h>
#include <wx/utils.h>

#include <filesystem>
#include <optional>
#include <string>

CTimelineImageSaver::CTimelineImageSaver(wxWindow* parent, CFileChooser& chooser)
    : parent_(parent), chooser_(&chooser) {}

void CTimelineImageSaver::Run(const wxString& documentFile, const CTimelineExport::Source& source) {
    CFileChooser::Request request;
    request.parent = parent_;
    request.title = ToWx(Str::kImageSaveTitle);
    const wxFileName current(documentFile);
    request.defaultDir = current.GetPath();
    request.defaultFile = current.GetName().empty() ? wxString() : current.GetName() + ".png";
    request.wildcard = ToWx(Str::kImageFilter);
    request.defaultExtension = "png";
    request.promptOverwrite = true;
    const std::optional<wxString> chosen = chooser_->ChooseSave(request);
    if (!chosen) {
        return;
    }
    const std::filesystem::path file = ToPath(*chosen);
    const CTimelineExport::Format format = CTimelineExport::FormatOf(file).value_or(CTimelineExport::Format::Png);
    wxBusyCursor busy;
    const CTimelineExport picture(source);
    std::string error;
    if (!picture.Write(file, format, error)) {
        ShowMessageBox(ToWx(error), wxOK | wxICON_EXCLAMATION, parent_);
    }
}
