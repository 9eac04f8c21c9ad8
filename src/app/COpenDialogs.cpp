#include "app/COpenDialogs.h"

#include <wx/dialog.h>
#include <wx/toplevel.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

int COpenDialogs::CancelAll() {
    int cancelled = 0;
#ifdef __WXGTK__
    // GTK's dialogs answer to a response, whoever runs them: gtk_dialog_run
    // for a message box, the toolkit's loop for the file chooser.
    GList* windows = gtk_window_list_toplevels();
    for (GList* w = windows; w != nullptr; w = w->next) {
        GtkWindow* window = GTK_WINDOW(w->data);
        if (GTK_IS_DIALOG(window) && gtk_widget_get_visible(GTK_WIDGET(window)) && gtk_window_get_modal(window)) {
            gtk_dialog_response(GTK_DIALOG(window), GTK_RESPONSE_CANCEL);
            ++cancelled;
        }
    }
    g_list_free(windows);
#endif
    for (wxWindow* window : wxTopLevelWindows) {
        auto* dialog = dynamic_cast<wxDialog*>(window);
        if (dialog == nullptr || !dialog->IsModal()) {
            continue;
        }
#ifdef __WXGTK__
        if (GTK_IS_DIALOG(dialog->GetHandle())) {
            continue;  // answered above
        }
#endif
        dialog->EndModal(wxID_CANCEL);
        ++cancelled;
    }
    return cancelled;
}
