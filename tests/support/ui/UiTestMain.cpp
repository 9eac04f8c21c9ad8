// Entry point of ui_tests: GoogleTest inside a running wx application with
// no visible frame. Needs a display (Xvfb in CI); listing tests does not.
#include "TestDialogs.h"
#include "platform/CFontSetup.h"

#include <wx/app.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/modalhook.h>

#include <gtest/gtest.h>

#include <clocale>

namespace {

class CTestApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

// Any modal dialog that no wxTEST_DIALOG expects fails the test instead of
// blocking it forever.
class CCatchAllModalHook : public wxModalDialogHook {
protected:
    int Enter(wxDialog* dlg) override {
        ADD_FAILURE() << "unexpected modal dialog \"" << dlg->GetTitle().utf8_string() << "\"";
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
};

void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond, const wxString& msg) {
    ADD_FAILURE_AT(file.utf8_string().c_str(), line)
        << "wx assertion in " << func.utf8_string() << ": " << cond.utf8_string() << " " << msg.utf8_string();
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS();
    }
    std::setlocale(LC_ALL, "C.UTF-8");
    // The program's own font mapping, as it loads it before the toolkit starts.
    CFontSetup::Load(std::filesystem::path(VITACHRON_SOURCE_DIR) / "data" / "fonts" / CFontSetup::kConfigFileName);
    wxApp::SetInstance(new CTestApp);  // wx takes ownership
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "cannot start wx (is DISPLAY set?)\n");
        return 1;
    }
    delete wxLog::SetActiveTarget(new wxLogStderr);  // the GUI log target would open a modal box
    wxSetAssertHandler(FailOnAssert);
    wxInitAllImageHandlers();
    CCatchAllModalHook catchAll;
    catchAll.Register();

    const int result = RUN_ALL_TESTS();

    catchAll.Unregister();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
