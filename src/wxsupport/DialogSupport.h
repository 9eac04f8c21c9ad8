// Small pieces the dialogs share: their closing buttons, ending a dialog
// that may run modally or (in tests) modelessly, and the range check of
// numeric fields.
#pragma once

#include "res/Strings.h"

#include <wx/string.h>

#include <optional>

class wxDialog;
class wxSizer;
class wxStaticText;
class wxTextCtrl;
class wxWindow;

// Where a dialog's closing buttons stand.
enum class ButtonArrangement {
    Row,     // side by side, OK first, as in every dialog of the program
    Column,  // one above the other, as wide as a column of side buttons
};

struct OkCancelOptions {
    const char* okLabel = Str::kButtonOk;
    const char* cancelLabel = Str::kButtonCancel;
    bool withCancel = true;
    bool okIsDefault = true;  // Enter presses OK from the start
    ButtonArrangement arrangement = ButtonArrangement::Row;
};

// The OK button (wxID_OK) and, unless left out, the Cancel button
// (wxID_CANCEL) in a sizer for the dialog to place. The labels are always the
// program's own, whatever the desktop's language: stock labels would follow
// the locale. The stock ids keep Esc and the close box on Cancel.
wxSizer* CreateOkCancelButtons(wxWindow* parent, const OkCancelOptions& options = {});

// The file dialogs' layout: the content filling the left, and on the right a
// column with one button at the top and the closing buttons at the bottom.
wxSizer* CreateSideColumnLayout(wxWindow* content, wxWindow* topButton, wxSizer* closingButtons);

// A file's path as a label: a long one is shortened in the middle, where the
// folders are, rather than stretching the dialog off the screen; the tip
// shows all of it.
wxStaticText* CreatePathLabel(wxWindow* parent, int id, const wxString& path);

// Ends the dialog with rc: EndModal when it runs modally, otherwise hides it
// and leaves rc as its return code.
void EndDialogWith(wxDialog& dialog, int rc);

// An integer as a numeric field holds it: blanks around it, an optional sign,
// decimal digits. None for anything else, and for values past 64 bits.
std::optional<long long> ParseInteger(const wxString& text);

// The number in the field when it is an integer within [min, max]. Otherwise
// the range message is shown, the field gets the focus with its text
// selected, and none is returned: the dialog stays open.
std::optional<long long> ReadIntegerField(wxTextCtrl& field, long long min, long long max);

// Typing into the field accepts digits only (editing keys still work).
void AcceptDigitsOnly(wxTextCtrl& field);

// A label's mnemonic that leads to this control (a check box or a button)
// gives it the focus instead of pressing it.
void MnemonicFocusesOnly(wxWindow& control);
