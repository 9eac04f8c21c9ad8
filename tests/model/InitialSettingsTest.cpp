#include "model/CBaseYearValues.h"
#include "model/CDrawingColors.h"
#include "model/CNullDocHost.h"
#include "model/CVitachronDoc.h"
#include "model/InitialSettings.h"
#include "support/core/CRecordingProfile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

CVitachronDoc NewDocument(CDocHost& host, CProfile& profile) { return CVitachronDoc(host, profile, {}); }

}  // namespace

TEST(InitialSettings, DisplayValuesAreWrittenInTheirOrderAndReadByTheNextDocument) {
    CNullDocHost host;
    CRecordingProfile profile;
    CDocSettings s;
    s.yearOnly = true;
    s.kazoeAster = false;
    s.commentSeparator = "";
    s.displayAge = false;
    s.displayYearRange = true;
    s.displaySuppleMark = false;
    s.defaultBarLength = 0;

    SaveInitialSettings(profile, 0, s);

    EXPECT_THAT(profile.writes, ElementsAre("Init/LeftWidth", "Init/YearOnly", "Init/KazoeAster", "Init/Comment",
                                            "Init/DisplayAge", "Init/DisplayYearRange", "Init/DisplaySuppleMark",
                                            "Init/DefaultBarLength"));
    EXPECT_EQ(profile.Find("Init", "Comment"), CMemoryProfile::Value(std::string()));
    EXPECT_EQ(profile.GetInt("Init", "LeftWidth", -1), 0);
    EXPECT_EQ(profile.GetInt("Init", "YearOnly", -1), 1);

    // An empty separator read back is not the "##" default.
    const CVitachronDoc next = NewDocument(host, profile);
    EXPECT_EQ(next.Settings().commentSeparator, "");
    EXPECT_FALSE(next.Settings().kazoeAster);
    EXPECT_FALSE(next.Settings().displayAge);
    EXPECT_TRUE(next.Settings().displayYearRange);
    EXPECT_FALSE(next.Settings().displaySuppleMark);
    EXPECT_EQ(next.Settings().defaultBarLength, 0);
}

TEST(InitialSettings, ColoursAndCustomColoursReachTheNextDocument) {
    CNullDocHost host;
    CRecordingProfile profile;
    CDocSettings s;
    CDrawingColors{0x010203, 0x040506, 0x070809, 0x0A0B0C, 0x0D0E0F, 0x101112}.ApplyTo(s);
    for (std::size_t i = 0; i < s.customColors.size(); ++i) {
        s.customColors[i] = static_cast<std::uint32_t>(i * 0x10101);
    }

    SaveInitialColors(profile, s);
    EXPECT_THAT(profile.writes, ElementsAre("Color/Name", "Color/BeginEnd", "Color/HeaderYear", "Color/Back",
                                            "Color/Basis", "Color/Supple"));
    WriteCustomColors(profile, s.customColors);
    EXPECT_EQ(profile.writes.size(), 6u + 16u);
    EXPECT_EQ(profile.writes.back(), "Color/Custom15");

    const CVitachronDoc next = NewDocument(host, profile);
    EXPECT_EQ(CDrawingColors::Of(next.Settings()), CDrawingColors::Of(s));
    EXPECT_EQ(next.Settings().customColors, s.customColors);
    // The age colours of a new document follow its base colour.
    EXPECT_EQ(next.Settings().ageColors[3], 0x0D0E0Fu);
}

TEST(InitialSettings, DefaultColoursAreThoseOfADocumentWithAnEmptyProfile) {
    CNullDocHost host;
    CMemoryProfile profile;
    const CVitachronDoc doc = NewDocument(host, profile);
    EXPECT_EQ(CDrawingColors::Of(doc.Settings()), CDrawingColors::Defaults());
    EXPECT_EQ(CDrawingColors::Defaults(), (CDrawingColors{0, 0, 0, 0xFFFFFF, 0xFF0000, 255}));
}

TEST(BaseYearValues, ApplyToChangesExactlyTheNineBaseYearSettings) {
    CDocSettings source;
    source.baseYear = -660;
    source.baseYearShown = true;
    source.showBeforeBirth = false;
    source.showAfterDeath = false;
    source.countFromBirth = false;
    source.memorialCount = true;
    source.basisColor = 0x123456;
    source.baseOnLine = false;
    source.baseBesideAge = true;
    source.nameColor = 0xABCDEF;        // not a base-year setting
    source.ageColors.fill(0x654321);    // kept by the document, not by these values

    CDocSettings target;
    CBaseYearValues::Of(source).ApplyTo(target);

    CDocSettings expected = source;
    expected.nameColor = target.nameColor;
    expected.ageColors = target.ageColors;
    EXPECT_EQ(target, expected);
}
