// "色－分類名設定": the name and colour of one category. The caller reads
// Name() and Color() after OK.
#pragma once

#include <wx/dialog.h>

#include <cstdint>
#include <string>

class CColorChooser;
class CColorStatic;
class wxTextCtrl;

class CDialogCategory : public wxDialog {
public:
    // An empty name is shown as "未設定", and OK then keeps that text.
    CDialogCategory(wxWindow* parent, std::uint32_t color, const std::string& name, CColorChooser& chooser);

    const std::string& Name() const { return name_; }
    std::uint32_t Color() const { return color_; }

private:
    void OnChangeColor(wxCommandEvent& event);
    void OnOk(wxCommandEvent& event);

    CColorChooser& chooser_;
    std::uint32_t color_;
    std::string name_;
    wxTextCtrl* nameField_ = nullptr;
    CColorStatic* swatch_ = nullptr;
};
