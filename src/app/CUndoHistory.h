// The document's undo history. Whenever the step to undo or redo changes,
// it says so at once, so that the Edit menu takes its new texts before it
// is next opened: GTK measures a menu before the menu's own update runs,
// and a text that grew then would be cut off.
#pragma once

#include <wx/cmdproc.h>

#include <functional>

class CUndoHistory : public wxCommandProcessor {
public:
    explicit CUndoHistory(std::function<void()> changed) : changed_(std::move(changed)) {}

    // Called by the processor after every submit, undo and redo.
    void SetMenuStrings() override;
    void ClearCommands() override;

private:
    std::function<void()> changed_;
};
