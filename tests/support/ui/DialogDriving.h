// Driving dialogs by control id, as a user would through the mouse: each
// helper changes the control and sends the event the control would send
// (SetText alone changes a field quietly, as a program would).
//
// CDriveDialog answers a ShowModal() inside wxTEST_DIALOG: it shows the
// dialog modelessly, runs the test's steps on it and returns the code the
// dialog ended with, so the code after ShowModal() runs as it does for users:
//   wxTEST_DIALOG(RunColorSettings(nullptr, doc, chooser),
//                 CDriveDialog<CDialogSetColors>([&](CDialogSetColors& d) { Click(d, wxID_OK); }));
#pragma once

#include "TestDialogs.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

template <class T = wxWindow>
T* Ctrl(wxWindow& dialog, int id) {
    auto* control = dynamic_cast<T*>(dialog.FindWindow(id));
    EXPECT_NE(control, nullptr) << "no control " << id << " of that kind";
    return control;
}

// The control with this id, of this type; the test fails with an exception
// when there is none.
template <class T>
T& Control(wxWindow& dialog, int id) {
    T* control = dynamic_cast<T*>(dialog.FindWindow(id));
    if (control == nullptr) {
        throw std::runtime_error("no control " + std::to_string(id) + " of the expected kind");
    }
    return *control;
}

inline void Click(wxWindow& dialog, int id) {
    auto* button = Ctrl<wxButton>(dialog, id);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->IsEnabled()) << "button " << id << " is disabled";
    wxCommandEvent event(wxEVT_BUTTON, id);
    event.SetEventObject(button);
    button->ProcessWindowEvent(event);
}

inline void SetCheck(wxWindow& dialog, int id, bool value) {
    auto* box = Ctrl<wxCheckBox>(dialog, id);
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(box->IsEnabled()) << "check box " << id << " is disabled";
    box->SetValue(value);
    wxCommandEvent event(wxEVT_CHECKBOX, id);
    event.SetInt(value ? 1 : 0);
    event.SetEventObject(box);
    box->ProcessWindowEvent(event);
}

inline void ChooseRadio(wxWindow& dialog, int id) {
    auto* radio = Ctrl<wxRadioButton>(dialog, id);
    ASSERT_NE(radio, nullptr);
    radio->SetValue(true);
    wxCommandEvent event(wxEVT_RADIOBUTTON, id);
    event.SetInt(1);
    event.SetEventObject(radio);
    radio->ProcessWindowEvent(event);
}

// Replaces the field's text the way typing does: the change is notified.
inline void EnterText(wxWindow& dialog, int id, const wxString& text) {
    auto* field = Ctrl<wxTextCtrl>(dialog, id);
    ASSERT_NE(field, nullptr);
    field->SetValue(text);
}

// Replaces the field's text without notifying anyone.
inline void SetText(wxWindow& dialog, int id, const wxString& text) { Control<wxTextCtrl>(dialog, id).ChangeValue(text); }
inline wxString Text(wxWindow& dialog, int id) { return Control<wxTextCtrl>(dialog, id).GetValue(); }
inline bool Checked(wxWindow& dialog, int id) { return Control<wxCheckBox>(dialog, id).GetValue(); }

inline wxString TextOf(wxWindow& dialog, int id) {
    auto* field = Ctrl<wxTextCtrl>(dialog, id);
    return field != nullptr ? field->GetValue() : wxString();
}

inline bool IsChecked(wxWindow& dialog, int id) {
    auto* box = Ctrl<wxCheckBox>(dialog, id);
    return box != nullptr && box->GetValue();
}

template <class T>
class CDriveDialog : public wxExpectModalBase<T, CDriveDialog<T>> {
public:
    explicit CDriveDialog(std::function<void(T&)> steps) : steps_(std::move(steps)) {}

protected:
    int OnInvoked(T* dialog) const override {
        dialog->Show();
        steps_(*dialog);
        if (dialog->IsShown()) {
            ADD_FAILURE() << "the dialog was left open";
            dialog->Hide();
            return wxID_CANCEL;
        }
        return dialog->GetReturnCode();
    }

private:
    std::function<void(T&)> steps_;
};

// wxTEST_DIALOG(openIt(), CDriveModal<CDialogX>([](CDialogX& d) { ...; return d.GetReturnCode(); })):
// the test's steps run on the dialog without showing it, and their result is
// what ShowModal returns.
template <class T>
class CDriveModal : public wxExpectModalBase<T, CDriveModal<T>> {
public:
    explicit CDriveModal(std::function<int(T&)> drive) : drive_(std::move(drive)) {}

protected:
    int OnInvoked(T* dlg) const override { return drive_(*dlg); }

private:
    std::function<int(T&)> drive_;
};
