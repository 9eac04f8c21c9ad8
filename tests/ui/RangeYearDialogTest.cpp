#include "dialogs/CDialogRangeYear.h"
#include "model/CMemoryProfile.h"
#include "model/CNullDocHost.h"
#include "model/CVitachronDoc.h"
#include "res/ids.h"

#include "DialogDriving.h"

namespace {

class RangeYearDialogTest : public ::testing::Test {
protected:
    wxString OkRefused(CDialogRangeYear& dlg, const char* start, const char* end) {
        SetText(dlg, Id::RangeStart, start);
        SetText(dlg, Id::RangeEnd, end);
        wxString text;
        wxTEST_DIALOG(Click(dlg, wxID_OK), CExpectMessage(wxID_OK, &text));
        EXPECT_EQ(dlg.GetReturnCode(), 0) << start << " " << end;
        return text;
    }

    CNullDocHost host;
    CMemoryProfile profile;
    CVitachronDoc doc{host, profile, {}};
};

}  // namespace

TEST_F(RangeYearDialogTest, OpensWithTheDocumentsRangeAndAcceptsTheLimits) {
    doc.Settings().startYear = -660;
    doc.Settings().endYear = 1868;
    CDialogRangeYear dlg(nullptr, doc);
    EXPECT_EQ(dlg.GetTitle(), wxString::FromUTF8("年範囲設定"));
    EXPECT_EQ(Text(dlg, Id::RangeStart), "-660");
    EXPECT_EQ(Text(dlg, Id::RangeEnd), "1868");

    SetText(dlg, Id::RangeStart, "-2000000000");
    SetText(dlg, Id::RangeEnd, " 2000000000 ");
    Click(dlg, wxID_OK);
    EXPECT_EQ(dlg.GetReturnCode(), wxID_OK);
    EXPECT_EQ(dlg.StartYear(), -2000000000);
    EXPECT_EQ(dlg.EndYear(), 2000000000);
    EXPECT_EQ(doc.Settings().startYear, -660) << "the opener stores the years";
}

TEST_F(RangeYearDialogTest, RefusesYearsOutsideTheRangeAndAnEndNotAfterTheStart) {
    CDialogRangeYear dlg(nullptr, doc);
    const wxString invalid = wxString::FromUTF8("-2000000000から2000000000までの整数を入力してください。");
    EXPECT_EQ(OkRefused(dlg, "2000000001", "2000000000"), invalid);
    EXPECT_EQ(OkRefused(dlg, "0", "-2000000001"), invalid);
    EXPECT_EQ(OkRefused(dlg, "1900.5", "2000"), invalid);
    EXPECT_EQ(OkRefused(dlg, "", "2000"), invalid);
    EXPECT_EQ(OkRefused(dlg, "99999999999999999999", "2000"), invalid);

    const wxString order = wxString::FromUTF8("終了年は開始年よりも大きくしてください。");
    EXPECT_EQ(OkRefused(dlg, "1500", "1500"), order);
    EXPECT_EQ(OkRefused(dlg, "2000", "1999"), order);
    SetText(dlg, Id::RangeEnd, "2001");
    Click(dlg, wxID_OK);
    EXPECT_EQ(dlg.GetReturnCode(), wxID_OK);
    EXPECT_EQ(dlg.StartYear(), 2000);
    EXPECT_EQ(dlg.EndYear(), 2001);
}
