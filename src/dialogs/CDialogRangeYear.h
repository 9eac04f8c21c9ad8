// The year range (年範囲設定): the first and last year of the timeline's
// axis. It only reads the document; the opener stores the two years after OK.
#pragma once

#include <wx/dialog.h>

#include <cstdint>
#include <optional>

class CVitachronDoc;
class wxTextCtrl;

class CDialogRangeYear : public wxDialog {
public:
    static constexpr std::int32_t kLimit = 2000000000;

    CDialogRangeYear(wxWindow* parent, const CVitachronDoc& doc);

    std::int32_t StartYear() const { return start_; }
    std::int32_t EndYear() const { return end_; }

private:
    void BuildControls();
    // The year in the field, or none after telling the user and focusing it.
    std::optional<std::int32_t> ReadField(wxTextCtrl& field);
    void OnOk(wxCommandEvent& event);

    std::int32_t start_;
    std::int32_t end_;
    wxTextCtrl* startField_ = nullptr;
    wxTextCtrl* endField_ = nullptr;
};
