#include "dialogs/CProgressDialog.h"
#include "res/Strings.h"
#include "wxsupport/WxConvert.h"

#include "TestDialogs.h"

#include <wx/progdlg.h>
#include <wx/stattext.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

#include <utility>

namespace {

wxStaticText* LineSaying(const wxString& text) {
    for (wxWindow* top : wxTopLevelWindows) {
        if (dynamic_cast<wxGenericProgressDialog*>(top) == nullptr) {
            continue;
        }
        for (wxWindow* child : top->GetChildren()) {
            auto* line = dynamic_cast<wxStaticText*>(child);
            if (line != nullptr && line->GetLabel() == text) {
                return line;
            }
        }
    }
    return nullptr;
}

// The line as wide as GTK needs it, within the window.
void ExpectWhole(wxStaticText& line) {
    for (int i = 0; i < 10; ++i) {
        wxYield();
    }
    SCOPED_TRACE(line.GetLabel().utf8_string());
    EXPECT_GE(line.GetSize().x, line.GetBestSize().x);
    EXPECT_LE(line.GetRect().GetRight(), wxGetTopLevelParent(&line)->GetClientSize().x);
#ifdef __WXGTK__
    int natural = 0;
    gtk_widget_get_preferred_width(line.GetHandle(), nullptr, &natural);
    EXPECT_GE(gtk_widget_get_allocated_width(line.GetHandle()), natural);
#endif
}

}  // namespace

TEST(ProgressDialog, BothItsLinesAreShownWhole) {
    for (const auto& [first, finishing] : {std::pair{Str::kProgressReadingCsv, Str::kProgressShowing},
                                           std::pair{Str::kProgressReadingLby, Str::kProgressShowing}}) {
        CProgressDialog progress(nullptr, "import", ToWx(first));
        progress.SetFinishingMessage(ToWx(finishing));
        wxStaticText* line = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (line = LineSaying(ToWx(first))) != nullptr; }));
        ExpectWhole(*line);
        ASSERT_TRUE(progress.Report(10, 10));
        ASSERT_TRUE(WaitFor([&] { return (line = LineSaying(ToWx(finishing))) != nullptr; }));
        ExpectWhole(*line);
    }
}
