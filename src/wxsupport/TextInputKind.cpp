#include "wxsupport/TextInputKind.h"

#include <wx/textctrl.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

void SetTextInputKind(wxTextCtrl& ctrl, TextInputKind kind) {
#ifdef __WXGTK__
    // A single-line wxTextCtrl is a GtkEntry itself; anything else is left alone.
    GtkWidget* widget = ctrl.GetHandle();
    if (widget == nullptr || !GTK_IS_ENTRY(widget)) {
        return;
    }
    GtkEntry* entry = GTK_ENTRY(widget);
    switch (kind) {
    case TextInputKind::FreeText:
        gtk_entry_set_input_purpose(entry, GTK_INPUT_PURPOSE_FREE_FORM);
        gtk_entry_set_input_hints(entry, GTK_INPUT_HINT_NONE);
        break;
    case TextInputKind::Number:
        gtk_entry_set_input_purpose(entry, GTK_INPUT_PURPOSE_NUMBER);
        gtk_entry_set_input_hints(entry,
                                  static_cast<GtkInputHints>(GTK_INPUT_HINT_NO_SPELLCHECK | GTK_INPUT_HINT_NO_EMOJI));
        break;
    case TextInputKind::Digits:
        gtk_entry_set_input_purpose(entry, GTK_INPUT_PURPOSE_DIGITS);
        gtk_entry_set_input_hints(entry,
                                  static_cast<GtkInputHints>(GTK_INPUT_HINT_NO_SPELLCHECK | GTK_INPUT_HINT_NO_EMOJI));
        break;
    }
#else
    (void)ctrl;
    (void)kind;
#endif
}
