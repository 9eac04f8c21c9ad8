// How an edit field asks the input method to behave. Names are typed through
// the input method, years and ages are plain figures; users expect the input
// method to follow the field. On GTK this is the entry's input purpose and
// hints; elsewhere it does nothing.
#pragma once

class wxTextCtrl;

enum class TextInputKind {
    FreeText,  // names, readings: whatever the input method offers
    Number,    // years and date texts: figures with a sign and separators
    Digits,    // ages: figures only
};

void SetTextInputKind(wxTextCtrl& ctrl, TextInputKind kind);
