// Imports a 100,000-line CSV file through the main window as the user does:
// the menu command, the file choice, the kazoe dialog (answered OK), the
// progress window, the sort, and then the first repaint of both views. Each
// run starts from a new, empty document. Prints the time of the command and
// of the repaint after it, and of undoing the import; asserts nothing. Needs a display: run under
// xvfb-run.
//   import_window_bench [RUNS] [LINES]   (100,000 lines unless told)
#include "BenchCsv.h"
#include "app/CAppServices.h"
#include "app/CMainFrame.h"
#include "app/CVitachronDocManager.h"
#include "app/CVitachronDocTemplate.h"
#include "app/CWxDocument.h"
#include "model/CMemoryProfile.h"
#include "model/CVitachronDoc.h"
#include "platform/CFontSetup.h"
#include "res/ids.h"
#include "wxsupport/CFileChooser.h"

#include <wx/app.h>
#include <wx/init.h>
#include <wx/eventfilter.h>
#include <wx/log.h>
#include <wx/modalhook.h>
#include <wx/progdlg.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultLines = 100000;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

class BenchApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

// Always the one file.
class CBenchChooser : public CFileChooser {
public:
    explicit CBenchChooser(wxString file) : file_(std::move(file)) {}
    std::optional<wxString> ChooseOpen(const Request&) override { return file_; }
    std::vector<wxString> ChooseOpenMany(const Request&) override { return {file_}; }
    std::optional<wxString> ChooseSave(const Request&) override { return std::nullopt; }

private:
    wxString file_;
};

// Answers every modal dialog with OK at once (here: the kazoe dialog).
class CAnswerOk : public wxModalDialogHook {
protected:
    int Enter(wxDialog*) override { return wxID_OK; }
    void Exit(wxDialog*) override {}
};

// Notes whether the progress window appeared.
class CProgressSeen : public wxEventFilter {
public:
    int FilterEvent(wxEvent& event) override {
        auto* window = wxDynamicCast(event.GetEventObject(), wxWindow);
        if (window != nullptr && dynamic_cast<wxGenericProgressDialog*>(wxGetTopLevelParent(window)) != nullptr) {
            seen = true;
        }
        return Event_Skip;
    }
    bool seen = false;
};

void Settle() {
    for (int i = 0; i < 3; ++i) {
        wxTheApp->ProcessPendingEvents();
        wxYield();
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const int lines = argc > 2 ? std::max(1, std::atoi(argv[2])) : kDefaultLines;
    CFontSetup::Load(std::filesystem::path(VITACHRON_SOURCE_DIR) / "data" / "fonts" / CFontSetup::kConfigFileName);
    wxApp::SetInstance(new BenchApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "import_window_bench: cannot start wx (is DISPLAY set?)\n");
        return 1;
    }
    delete wxLog::SetActiveTarget(new wxLogStderr);

    const auto file = std::filesystem::temp_directory_path() / "vitachron-import-window-bench.csv";
    const std::string csv = MakeBenchCsv(lines);
    std::ofstream(file, std::ios::binary).write(csv.data(), static_cast<std::streamsize>(csv.size()));

    {
        CMemoryProfile profile;
        CBenchChooser chooser(wxString::FromUTF8(file.string()));
        CAppServices services;
        services.profile = &profile;
        services.fileChooser = &chooser;
        services.openUrl = [](const wxString&) { return true; };
        CVitachronDocManager manager(services);
        new CVitachronDocTemplate(&manager);
        CMainFrame* frame = CMainFrame::Create(manager);
        frame->SetSize(1200, 800);
        frame->Show();
        CAnswerOk answerOk;
        answerOk.Register();
        CProgressSeen progress;
        wxEvtHandler::AddFilter(&progress);

        std::printf("CSV: %d lines, %.1f MB, into an empty document through the window; %d runs\n", lines,
                    static_cast<double>(csv.size()) / 1e6, runs);
        std::printf("%-6s %12s %12s %12s %8s %-15s %10s %8s\n", "run", "command ms", "repaint ms", "total ms",
                    "people", "progress window", "undo ms", "left");
        std::vector<double> totals;
        for (int run = 0; run < runs; ++run) {
            manager.CreateDocument(wxEmptyString, wxDOC_NEW);
            Settle();
            progress.seen = false;
            const auto start = Clock::now();
            wxCommandEvent command(wxEVT_MENU, Id::ImportCsv);
            command.SetEventObject(frame);
            frame->GetEventHandler()->ProcessEvent(command);
            const auto imported = Clock::now();
            frame->Update();  // both views paint what they were told to
            Settle();
            const auto painted = Clock::now();
            CWxDocument* doc = manager.Document();
            const std::size_t people = doc->Core().People().size();
            wxCommandEvent undo(wxEVT_MENU, wxID_UNDO);
            undo.SetEventObject(frame);
            frame->GetEventHandler()->ProcessEvent(undo);
            const auto undone = Clock::now();
            totals.push_back(Ms(painted - start));
            std::printf("%-6d %12.1f %12.1f %12.1f %8zu %-15s %10.1f %8zu\n", run + 1, Ms(imported - start),
                        Ms(painted - imported), totals.back(), people, progress.seen ? "shown" : "not shown",
                        Ms(undone - painted), doc->Core().People().size());
            doc->Modify(false);
        }
        std::sort(totals.begin(), totals.end());
        std::printf("total: best %.1f ms, median %.1f ms (target < %d ms)\n", totals.front(),
                    totals[totals.size() / 2], lines >= 1000000 ? 1500 : 1000);

        wxEvtHandler::RemoveFilter(&progress);
        answerOk.Unregister();
        manager.Clear(true);
        frame->Destroy();
        Settle();
    }
    std::error_code ec;
    std::filesystem::remove(file, ec);
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
