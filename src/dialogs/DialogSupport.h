// Small pieces the settings dialogs share: ending a dialog that may run
// modally or (in tests) modelessly, and the range check of numeric fields.
#pragma once

#include <wx/string.h>

#include <optional>

class wxDialog;
class wxTextCtrl;

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
