#include "app/CGedcomCommands.h"

#include "app/CAppServices.h"
#include "app/CDocumentChange.h"
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

std::filesystem::path ToPath(const wxString& path) { return std::filesystem::path(FromWx(path)); }

}  // namespace

CGedcomCommands::CGedcomCommands(CWxDocument& doc) : doc_(doc) {}

void CGedcomCommands::BindTo(wxEvtHandler& handler) {
    handler.Bind(wxEVT_MENU, [this](wxCommandEvent&) { OnImportGedcom(); }, Id::ImportGedcom);
    handler.Bind(wxEVT_MENU, [this](wxCommandEvent&) { OnExportGedcom(); }, Id::ExportGedcom);
    handler.Bind(wxEVT_UPDATE_UI, &CGedcomCommands::OnUpdateNeedsPeople, this, Id::ExportGedcom);
}

wxWindow* CGedcomCommands::Parent() const { return doc_.Frame(); }

void CGedcomCommands::OnUpdateNeedsPeople(wxUpdateUIEvent& event) { event.Enable(!doc_.Core().People().empty()); }

void CGedcomCommands::RecordAdded(std::size_t added) {
    wxCommandProcessor* processor = doc_.GetCommandProcessor();
    if (processor == nullptr || added == 0) {
        return;
    }
    // As the CSV import's step: undone, the people wait here for a redo.
    auto held = std::make_shared<std::vector<std::unique_ptr<CPerson>>>();
    CVitachronDoc& core = doc_.Core();
    processor->Store(new CDocumentChange(
        ToWx(Str::kUndoImportGedcom),
        [&core, held] {
            for (auto& person : *held) {
                core.AppendPerson(std::move(person));
            }
            held->clear();
            core.Refresh();
        },
        [&core, held, added] {
            *held = core.TakeLastPeople(added);
            core.Refresh();
        }));
}

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
    RecordAdded(result.added);
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
    CFileChooser::Request request;
    request.parent = Parent();
    request.title = ToWx(Str::kSaveAsTitle);
    request.defaultDir = ToWx(proposed.parent_path().string());
    request.defaultFile = ToWx(proposed.filename().string());
    request.wildcard = ToWx(Str::kGedcomFilter);
    request.defaultExtension = "ged";
    request.promptOverwrite = true;
    const std::optional<wxString> chosen = doc_.Services().fileChooser->ChooseSave(request);
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
