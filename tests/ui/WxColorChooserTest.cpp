#include "wxsupport/CWxColorChooser.h"

#include "TestDialogs.h"

#include <wx/colordlg.h>

#include <gtest/gtest.h>

namespace {

// Answers the platform's colour dialog, keeping what it was started with.
class CExpectColourDialog : public wxExpectModalBase<wxColourDialog, CExpectColourDialog> {
public:
    CExpectColourDialog(int answer, wxColourData* seen) : answer_(answer), seen_(seen) {}

protected:
    int OnInvoked(wxColourDialog* dialog) const override {
        *seen_ = dialog->GetColourData();
        return answer_;
    }

private:
    int answer_;
    wxColourData* seen_;
};

}  // namespace

TEST(CWxColorChooser, StartsTheDialogWithTheColourAndTheCustomSlots) {
    CWxColorChooser chooser;
    CCustomColors custom;
    for (std::size_t i = 0; i < custom.size(); ++i) {
        custom[i] = static_cast<std::uint32_t>(0x010000 * i + 0x20);
    }
    const CCustomColors before = custom;
    wxColourData seen;
    std::optional<std::uint32_t> chosen = 1;
    wxTEST_DIALOG(chosen = chooser.Choose(nullptr, 0x336699, &custom), CExpectColourDialog(wxID_CANCEL, &seen));
    EXPECT_FALSE(chosen);
    EXPECT_EQ(custom, before) << "a cancelled chooser leaves the slots";
    EXPECT_EQ(seen.GetColour(), wxColour(0x99, 0x66, 0x33));
    EXPECT_EQ(seen.GetCustomColour(0), wxColour(0x20, 0, 0));
    EXPECT_EQ(seen.GetCustomColour(15), wxColour(0x20, 0, 15));

    // Accepted as started, the chooser gives the starting colour back.
    wxTEST_DIALOG(chosen = chooser.Choose(nullptr, 0x336699, &custom), CExpectColourDialog(wxID_OK, &seen));
    EXPECT_EQ(chosen, 0x336699u);
    EXPECT_EQ(custom, before);
}
