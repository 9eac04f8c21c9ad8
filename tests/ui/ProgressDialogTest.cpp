#include "dialogs/CProgressDialog.h"
#include "res/Strings.h"
#include "view/WxConvert.h"

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
        if (dynamic_cast<wxProgressDialog*>(top) == nullptr) {
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

}  // namespace

TEST(ProgressDialog, ItsLaterLongerLineIsShownWhole) {
    for (const auto& [first, finishing] : {std::pair{Str::kProgressReadingCsv, Str::kProgressShowing},
                                           std::pair{Str::kProgressReadingLby, Str::kProgressShowing}}) {
        SCOPED_TRACE(first);
        CProgressDialog progress(nullptr, "import", ToWx(first));
        progress.SetFinishingMessage(ToWx(finishing));
        ASSERT_TRUE(progress.Report(10, 10));
        wxStaticText* line = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (line = LineSaying(ToWx(finishing))) != nullptr; }));
        wxWindow* window = wxGetTopLevelParent(line);
        for (int i = 0; i < 10; ++i) {
            wxYield();
        }
        EXPECT_GE(line->GetSize().x, line->GetBestSize().x);
        EXPECT_LE(line->GetRect().GetRight(), window->GetClientSize().x);
#ifdef __WXGTK__
        // What GTK gave the line, against what its text needs.
        int natural = 0;
        gtk_widget_get_preferred_width(line->GetHandle(), nullptr, &natural);
        EXPECT_GE(gtk_widget_get_allocated_width(line->GetHandle()), natural);
#endif
    }
}
