#include "app/CScreenshot.h"

#include <wx/window.h>

#ifdef __WXGTK__
#include <gdk/gdk.h>
#include <gtk/gtk.h>
#else
#include <wx/bitmap.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
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
    const wxSize size = window->GetSize();
    wxBitmap bitmap(size);
    wxMemoryDC memory(bitmap);
    wxWindowDC screen(window);
    memory.Blit(0, 0, size.x, size.y, &screen, 0, 0);
    memory.SelectObject(wxNullBitmap);
    return bitmap.SaveFile(pngFile, wxBITMAP_TYPE_PNG);
#endif
}
