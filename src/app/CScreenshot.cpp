#include "app/CScreenshot.h"

#include <wx/window.h>

#ifdef __WXGTK__
#include <gdk/gdk.h>
#include <gtk/gtk.h>
#else
#include <wx/bitmap.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#endif

bool CScreenshot::Save(wxWindow* window, const wxString& pngFile) {
    if (window == nullptr) {
        return false;
    }
#ifdef __WXGTK__
    GdkWindow* gdk = gtk_widget_get_window(window->GetHandle());
    if (gdk == nullptr) {
        return false;
    }
    const int width = gdk_window_get_width(gdk);
    const int height = gdk_window_get_height(gdk);
    GdkPixbuf* pixbuf = gdk_pixbuf_get_from_window(gdk, 0, 0, width, height);
    if (pixbuf == nullptr) {
        return false;
    }
    const gboolean saved = gdk_pixbuf_save(pixbuf, pngFile.utf8_str(), "png", nullptr, nullptr);
    g_object_unref(pixbuf);
    return saved != FALSE;
#else
    // The pixels as shown on the screen: a window's own DC can lack what
    // the system draws straight to the display (text, under Wine).
    const wxSize size = window->GetSize();
    const wxPoint origin = window->GetScreenPosition();
    // 24 bits: in a 32-bit bitmap what GDI draws keeps alpha 0, and the PNG
    // would show it transparent.
    wxBitmap bitmap(size.x, size.y, 24);
    wxMemoryDC memory(bitmap);
    wxScreenDC screen;
    memory.Blit(0, 0, size.x, size.y, &screen, origin.x, origin.y);
    memory.SelectObject(wxNullBitmap);
    return bitmap.SaveFile(pngFile, wxBITMAP_TYPE_PNG);
#endif
}
