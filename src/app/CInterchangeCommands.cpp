#include "app/CInterchangeCommands.h"

#include "app/CAppServices.h"
#include "app/CMainFrame.h"
#include "app/CWxDocument.h"
#include "dialogs/CDialogBadCsvMsg.h"
#include "dialogs/CDialogBasePointYearExport.h"
#include "dialogs/CDialogBasePointYearImport.h"
#include "dialogs/CDialogExportFileSet.h"
#include "dialogs/CDialogImportCheck.h"
#include "dialogs/CProgressDialog.h"
#include "interchange/CBasePointYearTransfer.h"
#include "interchange/CCsvTransfer.h"
#include "model/CFileError.h"
#include "model/CVitachronDoc.h"
#include "model/LocalTime.h"
#include "res/Strings.h"
#include "res/ids.h"
#include "wxsupport/CFileChooser.h"
#include "wxsupport/MessageBox.h"
#include "wxsupport/WxConvert.h"

#include <wx/cmdproc.h>
#include <wx/event.h>
#include <wx/utils.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

namespace {


// A progress window when the work is large enough to need one.
std::unique_ptr<CProgressDialog> ProgressFor(bool large, wxWindow* parent, const char* title, const char* message) {
    if (!large) {
        return nullptr;
    }
    return std::make_unique<CProgressDialog>(parent, ToWx(title), ToWx(message));
}

ProgressCallback CallbackOf(const std::unique_ptr<CProgressDialog>& progress) {
    return progress ? progress->Callback() : ProgressCallback{};
}

}  // namespace

CInterchangeCommands::CInterchangeCommands(CWxDocument& doc) : doc_(doc) {}

void CInterchangeCommands::BindTo(wxEvtHandler& handler) {
    handler.Bind(wxEVT_MENU, [this](wxCommandEvent&) { OnImportCsv(); }, Id::ImportCsv);
    handler.Bind(wxEVT_MENU, [this](wxCommandEvent&) { OnExportCsv(); }, Id::ExportCsv);
    handler.Bind(wxEVT_MENU, [this](wxCommandEvent&) { OnImportBasePointYears(); }, Id::ImportBasePointYears);
    handler.Bind(wxEVT_MENU, [this](wxCommandEvent&) { OnExportBasePointYears(); }, Id::ExportBasePointYears);
    handler.Bind(wxEVT_UPDATE_UI, &CInterchangeCommands::OnUpdateNeedsPeople, this, Id::ExportCsv);
    handler.Bind(wxEVT_UPDATE_UI, &CInterchangeCommands::OnUpdateNeedsPeople, this, Id::ExportBasePointYears);
}

wxWindow* CInterchangeCommands::Parent() const { return doc_.Frame(); }

CFileChooser& CInterchangeCommands::Chooser() const { return *doc_.Services().fileChooser; }

void CInterchangeCommands::OnUpdateNeedsPeople(wxUpdateUIEvent& event) {
    event.Enable(!doc_.Core().People().empty());
}

void CInterchangeCommands::OnImportCsv() {
    CVitachronDoc& core = doc_.Core();
    if (!core.People().empty() &&
        ShowMessageBox(ToWx(Str::kCsvAppendConfirm), wxOK | wxCANCEL | wxICON_INFORMATION, Parent()) != wxOK) {
        return;
    }
    CFileChooser::Request request;
    request.parent = Parent();
    request.title = ToWx(Str::kOpenTitle);
    request.wildcard = ToWx(Str::kCsvFilter);
    request.mustExist = true;
    const std::optional<wxString> chosen = Chooser().ChooseOpen(request);
    if (!chosen) {
        return;
    }
    CDialogImportCheck check(Parent(), *chosen);
    if (check.ShowModal() != wxID_OK) {
        return;
    }
    const std::filesystem::path file = ToPath(*chosen);
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    auto progress =
        ProgressFor(!ec && size >= kProgressBytes, Parent(), Str::kMenuImportCsv, Str::kProgressReadingCsv);
    if (progress) {
        // Sorting and measuring the new rows follows, and cannot be stopped.
        progress->SetFinishingMessage(ToWx(Str::kProgressShowing));
    }
    const CCsvImportResult result = CCsvTransfer::Import(core, file, check.Kazoe(), CallbackOf(progress));
    progress.reset();
    doc_.StoreImportStep(Str::kUndoImportCsv, result.added);
    if (!result.read || result.cancelled || result.rejectedText.empty()) {
        return;
    }
    CDialogBadCsvMsg rejected(Parent(), result.rejectedText);
    rejected.ShowModal();
}

void CInterchangeCommands::OnExportCsv() {
    const CVitachronDoc& core = doc_.Core();
    if (core.People().empty()) {
        return;
    }
    const std::filesystem::path proposed = CCsvTransfer::ProposedPath(ToPath(doc_.GetFilename()));
    const std::optional<wxString> chosen =
        Chooser().ChooseSave(CFileChooser::ExportRequest(Parent(), proposed, ToWx(Str::kCsvFilter), "csv"));
    if (!chosen) {
        return;
    }
    const std::filesystem::path file = ToPath(*chosen);
    const bool large = core.People().size() >= kProgressLines;

    auto progress = ProgressFor(large, Parent(), Str::kMenuExportCsv, Str::kProgressWritingCsv);
    auto out = std::make_unique<CExportCSV>(file, CsvEncoding::Cp932);
    std::string problem;
    CCsvWriteStatus status = CCsvTransfer::WriteLines(core, *out, CallbackOf(progress), problem);
    if (status == CCsvWriteStatus::Unencodable) {
        // Code page 932 is what other programs expect of a CSV file; UTF-8
        // with its byte order mark keeps every character, and this program
        // reads it back. The user chooses.
        progress.reset();
        const wxString question = ToWx(problem + "\n" + Str::kCsvAskUtf8);
        if (ShowMessageBox(question, wxYES_NO | wxICON_QUESTION, Parent()) != wxYES) {
            return;
        }
        progress = ProgressFor(large, Parent(), Str::kMenuExportCsv, Str::kProgressWritingCsv);
        out = std::make_unique<CExportCSV>(file, CsvEncoding::Utf8WithBom);
        status = CCsvTransfer::WriteLines(core, *out, CallbackOf(progress), problem);
    }
    progress.reset();
    if (status != CCsvWriteStatus::Written) {
        return;  // cancelled: nothing was written
    }
    try {
        out->Commit();
    } catch (const CFileError& e) {
        ShowMessageBox(ToWx(std::string(Str::kFileWriteFailed) + "\n" + e.Reason()), wxOK | wxICON_ERROR, Parent());
    }
}

void CInterchangeCommands::OnImportBasePointYears() {
    const int currentYear = CurrentLocalYear();
    CDialogBasePointYearImport dialog(Parent(), Chooser());
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    std::vector<std::filesystem::path> files;
    files.reserve(dialog.Paths().size());
    for (const wxString& path : dialog.Paths()) {
        files.push_back(ToPath(path));
    }
    auto progress = ProgressFor(files.size() >= kProgressFiles, Parent(), Str::kBasePointYearImportTitle,
                                Str::kProgressReadingLby);
    if (progress) {
        progress->SetFinishingMessage(ToWx(Str::kProgressShowing));
    }
    const CBasePointYearImportResult result = CBasePointYearTransfer::Import(doc_.Core(), files, currentYear, CallbackOf(progress));
    progress.reset();
    doc_.StoreImportStep(Str::kUndoImportBasePointYears, result.added);
}

void CInterchangeCommands::OnExportBasePointYears() {
    const CVitachronDoc& core = doc_.Core();
    if (core.People().empty()) {
        return;
    }
    CDialogBasePointYearExport pick(Parent(), core);
    if (pick.ShowModal() != wxID_OK) {
        return;
    }
    std::vector<const CPerson*> chosen;
    for (const std::size_t row : pick.ChosenRows()) {
        if (row < core.People().size()) {
            chosen.push_back(core.People()[row].get());
        }
    }
    // Where the file dialogs have not moved it, the current directory is
    // where the program was started; proposing the home folder is no better
    // a guess, so it stands in only when there is no current directory.
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::current_path(ec);
    if (ec) {
        folder = ToPath(wxGetHomeDir());
    }
    CDialogExportFileSet paths(Parent(), CBasePointYearTransfer::ProposeTargets(chosen, folder), Chooser());
    if (paths.ShowModal() != wxID_OK) {
        return;
    }
    auto progress = ProgressFor(paths.Targets().size() >= kProgressFiles, Parent(), Str::kExportFileSetTitle,
                                Str::kProgressWritingLby);
    CBasePointYearTransfer::Export(doc_, paths.Targets(), CallbackOf(progress));
}
