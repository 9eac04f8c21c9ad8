// One undoable change to a document: what doing it and undoing it mean, as
// two functions. The command processor calls Do when the change is made and
// at every redo, Undo at every undo.
#pragma once

#include <wx/cmdproc.h>

#include <functional>

class CDocumentChange : public wxCommand {
public:
    using Action = std::function<void()>;

    CDocumentChange(const wxString& name, Action doIt, Action undoIt)
        : wxCommand(true, name), do_(std::move(doIt)), undo_(std::move(undoIt)) {}

    bool Do() override {
        do_();
        return true;
    }
    bool Undo() override {
        undo_();
        return true;
    }

private:
    Action do_;
    Action undo_;
};
