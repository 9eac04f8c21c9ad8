#include "app/CUndoHistory.h"

void CUndoHistory::SetMenuStrings() {
    // The menu texts are the Edit menu's update handlers' to set: this only
    // has them run now.
    if (changed_) {
        changed_();
    }
}

void CUndoHistory::ClearCommands() {
    wxCommandProcessor::ClearCommands();
    SetMenuStrings();
}
