// The context menu's Annalix entries keep the window waiting (for an
// answer, for a started Annalix): by the time the link waits, the menu must
// be gone from the screen and the window drawn again under it.
#include "CWindowFixture.h"

#include "app/CMainFrame.h"
#include "app/CWxDocument.h"
#include "model/CVitachronDoc.h"
#include "res/ids.h"
#include "view/CScrollCanvas.h"
#include "view/CVitachronView.h"

#include <wx/menu.h>
#include <wx/utils.h>

#include <gtk/gtk.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <utility>

namespace {

class ContextMenuLink : public CWindowFixture {
protected:
    void SetUp() override {
        CWindowFixture::SetUp();
        OpenWindow();
        frame->SetSize(0, 0, 900, 600);
        // Bars all over the window, so that what lies under the menu is drawn, not just background.
        Doc().Core().Settings().startYear = 1500;
        Doc().Core().Settings().endYear = 1800;
        for (int i = 0; i < 40; ++i) {
            AddPerson("人物" + std::to_string(i), 1500 + 5 * i, 1600 + 5 * i);
        }
        Refresh();
        Timeline().Layout();
        Doc().Core().SetLinkedDocument("/tmp/年表.anx");
        Doc().Modify(false);
        Settle();
    }

    // What the screen shows there, as another program sees it: the test's
    // own connection to the display would first send what the program has
    // left unsent, the menu's closing among it, and so hide the fault.
    static wxImage Screen(const wxRect& r) {
        GdkDisplay* other = gdk_display_open(gdk_display_get_name(gdk_display_get_default()));
        if (other == nullptr) {
            ADD_FAILURE() << "no second connection to the display";
            return wxImage(r.width, r.height);
        }
        GdkPixbuf* shot = gdk_pixbuf_get_from_window(gdk_screen_get_root_window(gdk_display_get_default_screen(other)),
                                                     r.x, r.y, r.width, r.height);
        wxImage image(r.width, r.height);
        const int channels = gdk_pixbuf_get_n_channels(shot);
        const int stride = gdk_pixbuf_get_rowstride(shot);
        const guchar* pixels = gdk_pixbuf_get_pixels(shot);
        for (int y = 0; y < r.height; ++y) {
            for (int x = 0; x < r.width; ++x) {
                const guchar* p = pixels + y * stride + x * channels;
                image.SetRGB(x, y, p[0], p[1], p[2]);
            }
        }
        g_object_unref(shot);
        gdk_display_close(other);
        return image;
    }

    // The pixels in which two pictures differ, and where.
    static std::pair<int, wxRect> Differing(const wxImage& a, const wxImage& b) {
        int n = 0;
        wxRect where;
        for (int y = 0; y < a.GetHeight(); ++y) {
            for (int x = 0; x < a.GetWidth(); ++x) {
                if (a.GetRed(x, y) != b.GetRed(x, y) || a.GetGreen(x, y) != b.GetGreen(x, y) ||
                    a.GetBlue(x, y) != b.GetBlue(x, y)) {
                    where = n++ == 0 ? wxRect(x, y, 1, 1) : where.Union(wxRect(x, y, 1, 1));
                }
            }
        }
        return {n, where};
    }
};

// Chooses an entry in a popup menu once it is on the screen, as a click
// does, and notes where on the screen the menu was.
struct CChoice {
    wxMenu* menu;
    int id;
    bool chosen = false;
    wxRect shown;

    static gboolean Choose(gpointer data) {
        auto* self = static_cast<CChoice*>(data);
        GtkWidget* popup = gtk_widget_get_toplevel(self->menu->m_menu);
        if (!gtk_widget_get_mapped(self->menu->m_menu) || gtk_widget_get_window(popup) == nullptr) {
            return G_SOURCE_CONTINUE;
        }
        GdkWindow* window = gtk_widget_get_window(popup);
        gdk_window_get_origin(window, &self->shown.x, &self->shown.y);
        self->shown.SetSize(wxSize(gdk_window_get_width(window), gdk_window_get_height(window)));
        self->chosen = true;
        gtk_menu_shell_activate_item(GTK_MENU_SHELL(self->menu->m_menu), self->menu->FindItem(self->id)->GetMenuItem(),
                                     TRUE);
        return G_SOURCE_REMOVE;
    }
};

}  // namespace

TEST_F(ContextMenuLink, TheMenuIsClosedAndTheWindowDrawnAgainBeforeTheLinkWaits) {
    wxWindow* canvas = Timeline().Canvas();
    const wxRect area = canvas->GetScreenRect();
    const wxPoint at = canvas->ClientToScreen(wxPoint(300, 80));
    frame->Refresh();
    frame->Update();
    wxMilliSleep(200);
    const wxImage before = Screen(area);

    bool inPopup = false;
    wxRect menuShown;
    frame->contextMenuHook = [&](wxMenu& menu) {
        // The real popup: the frame's hook stands in for the program's own call.
        CChoice choice{&menu, Id::ShowAnnalix, false, wxRect()};
        const guint source = g_timeout_add(50, &CChoice::Choose, &choice);
        inPopup = true;
        frame->PopupMenu(&menu, frame->ScreenToClient(at));
        inPopup = false;
        if (!choice.chosen) {
            g_source_remove(source);
        }
        menuShown = choice.shown;
    };
    bool waitedInPopup = true;
    wxImage during;
    linkTransport->duringBroadcast = [&] {
        waitedInPopup = inPopup;
        wxMilliSleep(200);  // a moment into the wait, as a user would look
        during = Screen(area);
    };

    Timeline().ShowContextMenu(at);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (linkTransport->broadcasts.empty() && std::chrono::steady_clock::now() < deadline) {
        Settle();
    }
    ASSERT_FALSE(menuShown.IsEmpty()) << "the popup never showed";
    ASSERT_EQ(linkTransport->broadcasts.size(), 1u) << "the entry never ran";
    EXPECT_EQ(linkTransport->started, std::vector<std::string>{"/tmp/年表.anx"});
    EXPECT_FALSE(waitedInPopup);
    if (const char* dir = std::getenv("VITACHRON_SCREENSHOT_DIR")) {
        before.SaveFile(wxString(dir) + "/context-menu-before.png", wxBITMAP_TYPE_PNG);
        during.SaveFile(wxString(dir) + "/context-menu-during-wait.png", wxBITMAP_TYPE_PNG);
    }
    // Where the menu was, the window as it was drawn before the menu came.
    wxRect under = menuShown.Intersect(area);
    under.Offset(-area.GetTopLeft());
    ASSERT_FALSE(under.IsEmpty());
    const auto [differing, where] = Differing(before.GetSubImage(under), during.GetSubImage(under));
    EXPECT_EQ(differing, 0) << "the menu, or a hole where it was, is on the screen while the link waits, within "
                            << where.x << "," << where.y << " " << where.width << "x" << where.height;
}
