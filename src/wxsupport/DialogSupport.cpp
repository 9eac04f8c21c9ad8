#include "wxsupport/DialogSupport.h"

#include "res/Strings.h"
#include "wxsupport/MessageBox.h"
#include "wxsupport/WxConvert.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string>

wxSizer* CreateOkCancelButtons(wxWindow* parent, const OkCancelOptions& options) {
    auto* ok = new wxButton(parent, wxID_OK, ToWx(options.okLabel));
    if (options.okIsDefault) {
        ok->SetDefault();
    }
    wxButton* cancel = options.withCancel ? new wxButton(parent, wxID_CANCEL, ToWx(options.cancelLabel)) : nullptr;
    switch (options.arrangement) {
        case ButtonArrangement::Column: {
            auto* column = new wxBoxSizer(wxVERTICAL);
            column->Add(ok, 0, wxEXPAND | (cancel != nullptr ? wxBOTTOM : 0), 6);
            if (cancel != nullptr) {
                column->Add(cancel, 0, wxEXPAND);
            }
            return column;
        }
        case ButtonArrangement::Row:
            break;
    }
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(ok);
    if (cancel != nullptr) {
        row->Add(cancel, 0, wxLEFT, 8);
    }
    return row;
}

wxSizer* CreateSideColumnLayout(wxWindow* content, wxWindow* topButton, wxSizer* closingButtons) {
    auto* side = new wxBoxSizer(wxVERTICAL);
    side->Add(topButton, 0, wxEXPAND);
    side->AddStretchSpacer();
    side->Add(closingButtons, 0, wxEXPAND);

    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(content, 1, wxEXPAND | wxALL, 12);
    top->Add(side, 0, wxEXPAND | wxTOP | wxRIGHT | wxBOTTOM, 12);
    return top;
}

wxStaticText* CreatePathLabel(wxWindow* parent, int id, const wxString& path) {
    auto* label = new wxStaticText(parent, id, path, wxDefaultPosition, wxDefaultSize,
                                   wxST_ELLIPSIZE_MIDDLE | wxST_NO_AUTORESIZE);
    label->SetToolTip(path);
    const int textWidth = std::min(label->GetTextExtent(path).x, parent->FromDIP(480));
    label->SetMinSize(wxSize(std::max(textWidth, parent->FromDIP(280)), -1));
    return label;
}

void EndDialogWith(wxDialog& dialog, int rc) {
    if (dialog.IsModal()) {
        dialog.EndModal(rc);
    } else {
        dialog.SetReturnCode(rc);
        dialog.Hide();
    }
}

std::optional<long long> ParseInteger(const wxString& text) {
    std::string s = FromWx(text);
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::nullopt;
    }
    const auto last = s.find_last_not_of(" \t");
    s = s.substr(first, last - first + 1);
    // from_chars takes a minus but not a plus.
    const std::size_t start = s[0] == '+' ? 1 : 0;
    if (start == 1 && (s.size() == 1 || s[1] == '-')) {
        return std::nullopt;
    }
    long long value = 0;
    const char* end = s.data() + s.size();
    const auto [ptr, ec] = std::from_chars(s.data() + start, end, value, 10);
    if (ec != std::errc{} || ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<long long> ReadIntegerField(wxTextCtrl& field, long long min, long long max) {
    const std::optional<long long> value = ParseInteger(field.GetValue());
    if (value && *value >= min && *value <= max) {
        return value;
    }
    char text[256];
    std::snprintf(text, sizeof text, Str::kIntegerRangeFormat, min, max);
    ShowMessageBox(ToWx(text), wxOK | wxICON_EXCLAMATION, wxGetTopLevelParent(&field));
    field.SetFocus();
    field.SelectAll();
    return std::nullopt;
}

void AcceptDigitsOnly(wxTextCtrl& field) {
    field.Bind(wxEVT_CHAR, [](wxKeyEvent& event) {
        // Keys without a character (arrows, Back, Tab) and shortcuts pass;
        // of the characters only the ASCII digits do.
        const wxChar ch = event.GetUnicodeKey();
        const bool printable = ch != WXK_NONE && ch >= WXK_SPACE && ch != WXK_DELETE;
        if (printable && !event.HasAnyModifiers() && !(ch >= '0' && ch <= '9')) {
            return;
        }
        event.Skip();
    });
}

void MnemonicFocusesOnly(wxWindow& control) {
#ifdef __WXGTK__
    // GTK presses a button that a label's mnemonic leads to; taking the
    // signal over leaves only the focus change.
    const auto focusOnly = +[](GtkWidget* widget, gboolean, gpointer) -> gboolean {
        gtk_widget_grab_focus(widget);
        return TRUE;
    };
    g_signal_connect(control.GetHandle(), "mnemonic-activate", G_CALLBACK(focusOnly), nullptr);
#else
    // Elsewhere a label's mnemonic only moves the focus.
    (void)control;
#endif
}
