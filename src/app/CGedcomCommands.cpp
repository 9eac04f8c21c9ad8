#include "app/CGedcomCommands.h"

#include "app/CAppServices.h"
#include "app/CMainFrame.h"
#include "app/CWxDocument.h"
#include "dialogs/CDialogGedcomReport.h"
#include "dialogs/CDialogImportGedcom.h"
#include "dialogs/CProgressDialog.h"
#include "interchange/CGedcomTransfer.h"
#include "model/CVitachronDoc.h"
#include "model/LocalTime.h"
#include "res/Strings.h"
#include "res/ids.h"
#include "wxsupport/CFileChooser.h"
#include "wxsupport/WxConvert.h"

#include <wx/cmdproc.h>
#include <wx/event.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

namespace {


}  // namespace

CGedcomCommands::CGedcomCommands(CWxDocument& doc) : doc_(doc) {}

void CGedcomCommands::BindTo(wxEvtHandler& handler) {
    handler.Bind(wxEVT_MENU, [this](wxCommandEvent&) { OnImportGedcom(); }, Id::ImportGedcom);
    handler.Bind(wxEVT_MENU, [this](wxCommandEvent&) { OnExportGedcom(); }, Id::ExportGedcom);
    handler.Bind(wxEVT_UPDATE_UI, &CGedcomCommands::OnUpdateNeedsPeople, this, Id::ExportGedcom);
}

wxWindow* CGedcomCommands::Parent() const { return doc_.Frame(); }

void CGedcomCommands::OnUpdateNeedsPeople(wxUpdateUIEvent& event) { event.Enable(!doc_.Core().People().empty()); }

void CGedcomCommands::OnImportGedcom() {
    CFileChooser::Request request;
    request.parent = Parent();
    request.title = ToWx(Str::kOpenTitle);
    request.wildcard = ToWx(Str::kGedcomFilter);
    request.mustExist = true;
    const std::optional<wxString> chosen = doc_.Services().fileChooser->ChooseOpen(request);
    if (!chosen) {
        return;
    }
    CDialogImportGedcom dialog(Parent(), *chosen);
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    const std::filesystem::path file = ToPath(*chosen);
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    std::unique_ptr<CProgressDialog> progress;
    if (!ec && size >= kProgressBytes) {
        progress = std::make_unique<CProgressDialog>(Parent(), ToWx(Str::kMenuImportGedcom),
                                                     ToWx(Str::kProgressReadingGedcom));
        progress->SetFinishingMessage(ToWx(Str::kProgressShowing));
    }
    CGedcomImportOptions options;
    options.grouping = dialog.Grouping();
    options.kazoe = dialog.Kazoe();
    options.currentYear = CurrentLocalYear();
    const CGedcomImportResult result =
        CGedcomTransfer::Import(doc_.Core(), file, options, progress ? progress->Callback() : ProgressCallback{});
    progress.reset();
    doc_.StoreImportStep(Str::kUndoImportGedcom, result.added);
    if (!result.read || result.cancelled || result.reportText.empty()) {
        return;
    }
    CDialogGedcomReport report(Parent(), result.reportText, result.added);
    report.ShowModal();
}

void CGedcomCommands::OnExportGedcom() {
    const CVitachronDoc& core = doc_.Core();
    if (core.People().empty()) {
        return;
    }
    const std::filesystem::path proposed = CGedcomTransfer::ProposedPath(ToPath(doc_.GetFilename()));
    const std::optional<wxString> chosen = doc_.Services().fileChooser->ChooseSave(
        CFileChooser::ExportRequest(Parent(), proposed, ToWx(Str::kGedcomFilter), "ged"));
    if (!chosen) {
        return;
    }
    std::unique_ptr<CProgressDialog> progress;
    if (core.People().size() >= kProgressPeople) {
        progress = std::make_unique<CProgressDialog>(Parent(), ToWx(Str::kMenuExportGedcom),
                                                     ToWx(Str::kProgressWritingGedcom));
    }
    // A failure is told through the document's host; a cancel writes nothing.
    CGedcomTransfer::Export(core, ToPath(*chosen), CGedcomWriter::Version::V551,
                            progress ? progress->Callback() : ProgressCallback{});
}
