#include "layout/CRowLayout.h"
#include "support/core/LayoutFixture.h"

#include <gtest/gtest.h>

namespace {

class RowLayout : public ::testing::Test, public LayoutFixture {
protected:
    CTimelineGeometry Geometry() const { return CTimelineGeometry(doc, measurer, kLeftMargin, kCurrentYear); }

    CRowPlan Plan(const CPerson& p) const {
        const CTimelineGeometry g = Geometry();
        return CRowLayout(doc, g, measurer).Plan(p, g.RowTop(0));
    }
    std::string Name(const CPerson& p) const {
        const CTimelineGeometry g = Geometry();
        bool open = false;
        return CRowLayout(doc, g, measurer).NameText(p, open);
    }
    CBaseFigure Figure(const CPerson& p) const {
        const CTimelineGeometry g = Geometry();
        return CRowLayout(doc, g, measurer).BaseFigure(p, g.ComputeBar(p));
    }
    // The texts of a plan in the name font, joined: what reads after the bar.
    static std::string NameTexts(const CRowPlan& plan) {
        std::string s;
        for (const auto& t : plan.texts) {
            if (t.font == TimelineFont::Name) {
                s += t.text;
            }
        }
        return s;
    }
    void ShowBase(int year) {
        doc.Settings().baseYearShown = true;
        doc.Settings().baseYear = year;
    }
};

bool HasFill(const CRowPlan& plan, FillKind kind, std::int64_t left, std::int64_t right) {
    for (const auto& f : plan.fills) {
        if (f.kind == kind && f.left == left && f.right == right) {
            return true;
        }
    }
    return false;
}

}  // namespace

TEST_F(RowLayout, KnownLifeIsOneSolidBarWithItsTextsAroundIt) {
    CPerson& p = Add("源頼朝", "1600", "1650", 0x123456);
    p.birthMonth = 5;
    p.birthDay = 9;
    const CTimelineGeometry g = Geometry();
    const CRowPlan plan = Plan(p);
    ASSERT_TRUE(plan.drawn);
    EXPECT_EQ(plan.barColor, 0x123456u);
    EXPECT_EQ(plan.barTop, g.RowTop(0) + 20);
    EXPECT_EQ(plan.barBottom, plan.barTop + 10);
    ASSERT_EQ(plan.fills.size(), 1u);
    EXPECT_TRUE(HasFill(plan, FillKind::Solid, g.YearToX(1600), g.YearToX(1650)));

    ASSERT_EQ(plan.texts.size(), 3u);
    EXPECT_EQ(plan.texts[0].text, "1600/5/9");
    EXPECT_EQ(plan.texts[0].x + 8 * measurer.charWidth, g.YearToX(1600));  // right edge on the bar start
    EXPECT_EQ(plan.texts[0].y, plan.barTop - measurer.heights[2]);        // bottom on the bar top
    EXPECT_EQ(plan.texts[1].text, "1650");
    EXPECT_EQ(plan.texts[1].x, g.YearToX(1650));
    EXPECT_EQ(plan.texts[2].text, "源頼朝 (50)");
    EXPECT_EQ(plan.texts[2].x, g.YearToX(1650) + 10);
    EXPECT_EQ(plan.texts[2].y, plan.barTop);

    doc.Settings().yearOnly = true;
    EXPECT_EQ(Plan(p).texts[0].text, "1600");
}

TEST_F(RowLayout, OpenUncertainAndOutOfRangeEndsGetTheirPatterns) {
    const CTimelineGeometry g = Geometry();
    const std::int64_t end = g.YearToX(2000);

    CPerson& living = Add("a", "1950", "");
    CRowPlan plan = Plan(living);
    EXPECT_TRUE(HasFill(plan, FillKind::Checker, g.YearToX(1950), end + 8));
    EXPECT_TRUE(HasFill(plan, FillKind::Hatch, end, end + 16));  // today lies past the range
    ASSERT_EQ(plan.texts.size(), 2u);                           // a living person has no death text

    CPerson& uncertain = Add("b", "1700", "");
    uncertain.deathUncertain = true;
    plan = Plan(uncertain);
    const std::int64_t e = g.YearToX(1750);
    EXPECT_TRUE(HasFill(plan, FillKind::Checker, g.YearToX(1700), e - 16 + 8));
    EXPECT_TRUE(HasFill(plan, FillKind::Solid, g.YearToX(1700), e - 16));
    EXPECT_TRUE(HasFill(plan, FillKind::Hatch, e - 16, e));
    EXPECT_EQ(plan.texts[1].text, "?");

    CPerson& bornUncertain = Add("c", "", "1800");
    bornUncertain.birthUncertain = true;
    plan = Plan(bornUncertain);
    EXPECT_TRUE(HasFill(plan, FillKind::Hatch, g.YearToX(1750), g.YearToX(1750) + 16));
    EXPECT_TRUE(HasFill(plan, FillKind::Solid, g.YearToX(1750) + 16, g.YearToX(1800)));
    EXPECT_EQ(plan.texts[0].text, "?");

    CPerson& early = Add("d", "1400", "1550");
    plan = Plan(early);
    EXPECT_TRUE(HasFill(plan, FillKind::Hatch, 0, g.YearToX(1500)));

    // Both ends outside: only the strip after the end.
    CPerson& both = Add("e", "1400", "2100");
    plan = Plan(both);
    EXPECT_TRUE(HasFill(plan, FillKind::Hatch, end, end + 16));
    EXPECT_FALSE(HasFill(plan, FillKind::Hatch, 0, g.YearToX(1500)));
}

TEST_F(RowLayout, NamesLoseTheSeparatorAndCarryTheirAge) {
    CPerson& p = Add("織田信長##尾張の戦国大名", "1534", "1582");
    EXPECT_EQ(Name(p), "織田信長尾張の戦国大名 (48)");
    p.kazoe = true;
    p.ageUncertain = true;
    EXPECT_EQ(Name(p), "織田信長尾張の戦国大名 (*49?)");
    doc.Settings().kazoeAster = false;
    EXPECT_EQ(Name(p), "織田信長尾張の戦国大名 (49?)");
    doc.Settings().commentSeparator = "";
    doc.Settings().displayAge = false;
    EXPECT_EQ(Name(p), "織田信長##尾張の戦国大名");

    doc.Settings().displayAge = true;
    CPerson& living = Add("山田", "2000", "");
    EXPECT_EQ(Name(living), "山田 (24)");  // at the current year
    living.hideAge = true;
    EXPECT_EQ(Name(living), "山田");
}

TEST_F(RowLayout, BaseFiguresCountFromBirthOrDeathWithMemorialSteps) {
    CPerson& p = Add("a", "1600", "1650");
    ShowBase(1620);
    CBaseFigure f = Figure(p);
    EXPECT_TRUE(f.shown);
    EXPECT_EQ(f.text, "20");

    doc.Settings().countFromBirth = false;
    doc.Settings().memorialCount = true;
    std::vector<std::string> texts;
    for (const int year : {1651, 1652, 1653}) {
        ShowBase(year);
        texts.push_back(Figure(p).text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"1", "3", "4"}));

    p.deathUncertain = true;
    ShowBase(1652);
    EXPECT_EQ(Figure(p).text, "3?");

    doc.Settings().showAfterDeath = false;
    EXPECT_FALSE(Figure(p).shown);

    ShowBase(1590);  // before the birth
    f = Figure(p);
    EXPECT_TRUE(f.shown);
    EXPECT_EQ(f.text, "-10");
    doc.Settings().showBeforeBirth = false;
    EXPECT_FALSE(Figure(p).shown);

    ShowBase(1400);  // outside the drawn range
    EXPECT_FALSE(Figure(p).shown);
}

TEST_F(RowLayout, BaseFigureColoursFollowTheStateOfThePersonAtTheBaseYear) {
    doc.Settings().ageColors = {0x000001, 0x000002, 0x000003, 0x000004};
    CPerson& p = Add("a", "1600", "1650");
    ShowBase(1590);
    EXPECT_EQ(Figure(p).color, 0x000001u);
    ShowBase(1600);
    EXPECT_EQ(Figure(p).color, 0x000002u);
    ShowBase(1660);
    EXPECT_EQ(Figure(p).color, 0x000003u);
    doc.Settings().countFromBirth = false;
    doc.Settings().memorialCount = true;
    EXPECT_EQ(Figure(p).color, 0x000004u);
}

TEST_F(RowLayout, BaseFigureStandsOnTheLineOrBesideTheAge) {
    CPerson& p = Add("a", "1600", "1650");
    ShowBase(1620);
    const CTimelineGeometry g = Geometry();
    CRowPlan plan = Plan(p);
    const CPlacedText& onLine = plan.texts.back();
    EXPECT_EQ(onLine.font, TimelineFont::Basis);
    EXPECT_EQ(onLine.text, "20");
    EXPECT_EQ(onLine.x, g.YearToX(1620) + 6);
    EXPECT_EQ(onLine.y, plan.barBottom + 2);

    doc.Settings().baseOnLine = false;
    doc.Settings().baseBesideAge = true;
    plan = Plan(p);
    EXPECT_EQ(NameTexts(plan), "a (50/20)");
    // Each piece starts where the one before it ends.
    const auto& texts = plan.texts;
    ASSERT_GE(texts.size(), 3u);
    const CPlacedText& slash = texts[texts.size() - 2];
    EXPECT_EQ(slash.x, texts[texts.size() - 3].x + measurer.TextWidth(TimelineFont::Name, "a (50"));
    EXPECT_EQ(texts.back().x, slash.x + measurer.TextWidth(TimelineFont::Name, "/20"));

    p.hideAge = true;
    EXPECT_EQ(NameTexts(Plan(p)), "a(/20)");
    ShowBase(1400);  // no figure: an empty pair of parentheses
    EXPECT_EQ(NameTexts(Plan(p)), "a()");
}

TEST_F(RowLayout, ReachIsTheFurthestTextOrTheAxis) {
    CPerson& p = Add("abc", "1600", "1990");
    const CTimelineGeometry g = Geometry();
    const CRowLayout rows(doc, g, measurer);
    const std::int64_t nameEnd = g.YearToX(1990) + 10 + measurer.TextWidth(TimelineFont::Name, "abc (390)");
    EXPECT_EQ(rows.Reach(p), std::max(nameEnd, g.AxisRight()));
    p.name = std::string(200, 'x');
    EXPECT_GT(rows.Reach(p), g.AxisRight());
    CPerson& none = Add("n", "", "1600");
    EXPECT_EQ(rows.Reach(none), 0);

    // A living person at the right edge with the base figure beside the age:
    // the figure and the closing parenthesis after it are inside the reach.
    CPerson& living = Add("Living", "1348", "");
    ShowBase(1999);
    doc.Settings().baseOnLine = false;
    doc.Settings().baseBesideAge = true;
    const CRowPlan plan = Plan(living);
    EXPECT_EQ(NameTexts(plan), "Living (676/651)");
    const CPlacedText& last = plan.texts.back();
    EXPECT_EQ(rows.Reach(living), last.x + measurer.TextWidth(last.font, last.text));
}
