// The window's measures of every row, taken a slice at a time and kept
// across edits: the same widths as the layout's full measuring pass, and
// after an edit only the person edited is measured again.
#include "layout/CRowMeasures.h"
#include "layout/CTimelineLayout.h"
#include "support/core/LayoutFixture.h"

#include <gtest/gtest.h>

namespace {

struct RowMeasuresTest : ::testing::Test, LayoutFixture {
    CRowMeasures measures;

    RowMeasuresTest() {
        Add("織田信長", "1534", "1582");
        Add("徳川家康", "1543", "1616");
        Add("とても長い名前の人物です", "1600", "1650");
        Add("生者", "1950", "");
    }

    CRowMeasures::Key Key() const { return {doc.Settings(), 0, kCurrentYear, kLeftMargin}; }

    // Measures in slices of one and checks the widths against the full pass.
    void MeasureAndCompare(std::size_t expectMeasured) {
        measures.Begin(doc, Key());
        CTimelineLayout deferred(doc, measurer, kLeftMargin, kCurrentYear, measures);
        std::size_t slices = 0;
        while (!measures.MeasureSome(doc, deferred.Rows(), deferred.Names(), 1)) {
            ++slices;
        }
        EXPECT_EQ(measures.MeasuredSinceBegin(), expectMeasured);
        deferred.SetMeasuredWidths(measures.WidestRow(), measures.WidestName());
        const CTimelineLayout full(doc, measurer, kLeftMargin, kCurrentYear);
        EXPECT_EQ(deferred.ContentWidth(), full.ContentWidth());
        EXPECT_EQ(deferred.NameListWidth(), full.NameListWidth());
        EXPECT_EQ(deferred.ContentHeight(), full.ContentHeight());
    }
};

}  // namespace

TEST_F(RowMeasuresTest, SlicesGiveTheWidthsOfTheFullPass) {
    measures.Begin(doc, Key());
    EXPECT_FALSE(measures.Done());
    MeasureAndCompare(4);
    EXPECT_TRUE(measures.Done());
    MeasureAndCompare(0);  // nothing changed: nothing measured again
}

TEST_F(RowMeasuresTest, AnEditMeasuresOnlyThePersonEdited) {
    MeasureAndCompare(4);
    doc.People()[0]->name = "織田信長という名のとても長い名前の人物";  // now the widest
    MeasureAndCompare(1);
    doc.People()[0]->name = "信長";
    doc.People()[2]->SetDeath(CScaleYear(1990));  // the bar now ends later
    MeasureAndCompare(2);
    doc.People()[3]->hideAge = true;
    MeasureAndCompare(1);
}

TEST_F(RowMeasuresTest, NewSettingsMeasureEveryoneAgain) {
    MeasureAndCompare(4);
    doc.Settings().displayAge = false;
    MeasureAndCompare(4);
    doc.Settings().endYear = 2100;
    MeasureAndCompare(4);
}
