// The data operation bar under the toolbar: add and edit buttons, the name
// search, the sort order and grouping, and the base year. Its command
// controls carry the menu commands' ids and are routed like them; it keeps
// no data of its own.
#pragma once

#include <wx/panel.h>

#include <cstdint>
#include <optional>

class wxButton;
class wxCheckBox;
class wxComboBox;
class wxTextCtrl;

class CBarDataEdit : public wxPanel {
public:
    // What the bar asks of the main window.
    class Owner {
    public:
        virtual ~Owner() = default;
        // Stores the base year when the base year is in force; false otherwise.
        virtual bool SetBaseYear(std::int32_t year) = 0;
        // "設定しない" was clicked: off true switches the base year off.
        virtual void SetBaseYearOff(bool off) = 0;
    };

    static constexpr std::int32_t kMinBaseYear = -2'000'000'000;
    static constexpr std::int32_t kMaxBaseYear = 2'000'000'000;

    CBarDataEdit(wxWindow* parent, Owner& owner);

    void SetBaseYearControls(std::int32_t year, bool shown);
    void SetCategorySortCheck(bool on);

    wxComboBox* SearchText() const { return search_; }
    wxTextCtrl* BaseYearText() const { return baseYear_; }
    wxCheckBox* BaseYearOff() const { return baseYearOff_; }

    // "変更": checks the typed year and hands it on.
    void ApplyBaseYear();
    // The text as a signed 32-bit number; none for anything else.
    static std::optional<std::int32_t> ParseYear(const wxString& text);

private:
    void ForwardAsCommand(wxCommandEvent& event);
    void OnBaseYearOff(wxCommandEvent& event);

    Owner* owner_;
    wxComboBox* search_ = nullptr;
    wxButton* searchButton_ = nullptr;
    wxTextCtrl* baseYear_ = nullptr;
    wxButton* applyButton_ = nullptr;
    wxCheckBox* baseYearOff_ = nullptr;
    wxCheckBox* groupByCategory_ = nullptr;
};
