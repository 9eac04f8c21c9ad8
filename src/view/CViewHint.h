// What changed, passed with an update of all views. Without a hint the
// views assume anything may have changed and measure everything again; a
// change of the found person alone keeps what was measured.
#pragma once

#include <wx/object.h>

class CViewHint : public wxObject {
public:
    enum class Kind { SelectionOnly };

    explicit CViewHint(Kind kind) : kind_(kind) {}
    Kind GetKind() const { return kind_; }

private:
    Kind kind_;
};
