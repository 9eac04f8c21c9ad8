// Driving a dialog through its controls by id, as a user would, without
// showing it; and an expectation for wxTEST_DIALOG that drives a nested modal
// dialog with a test's own steps and returns what it ended with.
#pragma once

#include "TestDialogs.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

// The control with this id, of this type; the test fails with an exception
// when there is none.
template <class T>
T& Control(wxWindow& dlg, int id) {
    T* ctrl = dynamic_cast<T*>(dlg.FindWindow(id));
    if (ctrl == nullptr) {
        throw std::runtime_error("no control " + std::to_string(id) + " of the expected kind");
    }
    return *ctrl;
}

inline void SetText(wxWindow& dlg, int id, const wxString& text) { Control<wxTextCtrl>(dlg, id).ChangeValue(text); }
inline wxString Text(wxWindow& dlg, int id) { return Control<wxTextCtrl>(dlg, id).GetValue(); }
inline void SetCheck(wxWindow& dlg, int id, bool on) { Control<wxCheckBox>(dlg, id).SetValue(on); }
inline bool Checked(wxWindow& dlg, int id) { return Control<wxCheckBox>(dlg, id).GetValue(); }

// A click: the button's event, and only on an enabled button.
inline void Click(wxWindow& dlg, int id) {
    wxButton& button = Control<wxButton>(dlg, id);
    ASSERT_TRUE(button.IsEnabled()) << "button " << id << " is disabled";
    wxCommandEvent event(wxEVT_BUTTON, id);
    event.SetEventObject(&button);
    button.HandleWindowEvent(event);
}

// wxTEST_DIALOG(openIt(), CDriveModal<CDialogX>([](CDialogX& d) { ...; return d.GetReturnCode(); }))
template <class T>
class CDriveModal : public wxExpectModalBase<T, CDriveModal<T>> {
public:
    explicit CDriveModal(std::function<int(T&)> drive) : drive_(std::move(drive)) {}

protected:
    int OnInvoked(T* dlg) const override { return drive_(*dlg); }

private:
    std::function<int(T&)> drive_;
};
