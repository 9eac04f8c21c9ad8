// "Annalix・基点年データに変換": the people to hand over to Annalix, picked
// from the document's people in stored order, several at a time. "変換する"
// stays disabled until the user first clicks into the list (or moves the
// selection there), so that a stray Enter converts nobody.
#pragma once

#include "dialogs/CDialogDataToList.h"

#include <cstddef>
#include <vector>

class CVitachronDoc;
class wxButton;

class CDialogBasePointYearExport : public CDialogDataToList {
public:
    CDialogBasePointYearExport(wxWindow* parent, const CVitachronDoc& doc);

    // After "変換する": the stored positions of the selected people, ascending
    // (possibly none).
    const std::vector<std::size_t>& ChosenRows() const { return chosen_; }

private:
    void EnableConvert();
    void OnConvert(wxCommandEvent&);

    wxButton* convert_;
    std::vector<std::size_t> chosen_;
};
