#include "app/SettingsCommands.h"
#include "dialogs/CDialogSetColors.h"
#include "model/CDrawingColors.h"
#include "model/CVitachronDoc.h"
#include "res/ids.h"
#include "support/core/CRecordingHost.h"
#include "support/core/CRecordingProfile.h"

#include "CColorStaticProbe.h"
#include "CFakeColorChooser.h"
#include "DialogDriving.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

class CDialogSetColorsTest : public ::testing::Test {
protected:
    CDocSettings& S() { return doc.Settings(); }
    std::vector<std::string> ColorWrites() const {
        std::vector<std::string> out;
        for (const std::string& w : profile.writes) {
            if (w.rfind("Color/Custom", 0) != 0) {
                out.push_back(w);
            }
        }
        return out;
    }

    CRecordingHost host;
    CRecordingProfile profile;
    CVitachronDoc doc{host, profile, {}};
    CWatch watch_doc{doc, host};
    CFakeColorChooser chooser;
};

}  // namespace

TEST_F(CDialogSetColorsTest, EveryChoiceReachesTheDocumentAtOnceAndCancelRestoresThem) {
    const CDrawingColors before = CDrawingColors::Of(S());
    const auto customBefore = S().customColors;
    bool ok = true;
    wxTEST_DIALOG(ok = RunColorSettings(nullptr, doc, chooser), CDriveDialog<CDialogSetColors>([&](CDialogSetColors& d) {
                      const int updates = host.updates;
                      chooser.PickEditingCustom(0x202020, 0, 0x0000FF);
                      Click(d, Id::ColorsBack);
                      EXPECT_EQ(S().backColor, 0x202020u);
                      EXPECT_EQ(host.updates, updates + 1);
                      EXPECT_EQ(SwatchColor(d, Id::ColorsBackSwatch), 0x202020u);
                      chooser.Pick(0xFFFF00);
                      Click(d, Id::ColorsName);
                      EXPECT_EQ(S().nameColor, 0xFFFF00u);
                      chooser.Cancel();
                      Click(d, Id::ColorsSupple);
                      EXPECT_EQ(S().suppleColor, before.supple);
                      Click(d, wxID_CANCEL);
                  }));
    EXPECT_FALSE(ok);
    EXPECT_EQ(CDrawingColors::Of(S()), before);
    EXPECT_EQ(S().customColors, customBefore) << "custom colours keep their old values";
    EXPECT_EQ(host.modifiedCalls, 0);
    ASSERT_EQ(chooser.requests.size(), 3u);
    EXPECT_EQ(chooser.requests[0].initial, before.back);
    EXPECT_EQ(chooser.requests[1].customColors->at(0), 0x0000FFu) << "the dialog's custom slots carry over";
}

TEST_F(CDialogSetColorsTest, DefaultsThenOkWithTheBoxWriteTheDefaultColoursInOrder) {
    CDrawingColors{1, 2, 3, 4, 5, 6}.ApplyTo(S());
    bool ok = false;
    wxTEST_DIALOG(ok = RunColorSettings(nullptr, doc, chooser), CDriveDialog<CDialogSetColors>([&](CDialogSetColors& d) {
                      const int updates = host.updates;
                      Click(d, Id::ColorsDefaults);
                      EXPECT_EQ(host.updates, updates + 6) << "each colour is redrawn as it is set";
                      EXPECT_EQ(CDrawingColors::Of(S()), CDrawingColors::Defaults());
                      EXPECT_EQ(SwatchColor(d, Id::ColorsBasisSwatch), 0xFF0000u);
                      SetCheck(d, Id::ColorsSaveAsInitial, true);
                      Click(d, wxID_OK);
                  }));
    EXPECT_TRUE(ok);
    EXPECT_TRUE(host.modified);
    EXPECT_EQ(CDrawingColors::Of(S()), CDrawingColors::Defaults());
    EXPECT_THAT(ColorWrites(), ElementsAre("Color/Name", "Color/BeginEnd", "Color/HeaderYear", "Color/Back",
                                           "Color/Basis", "Color/Supple"));
    EXPECT_EQ(profile.GetInt("Color", "Name", -1), 0);
    EXPECT_EQ(profile.GetInt("Color", "BeginEnd", -1), 0);
    EXPECT_EQ(profile.GetInt("Color", "HeaderYear", -1), 0);
    EXPECT_EQ(profile.GetInt("Color", "Back", -1), 16777215);
    EXPECT_EQ(profile.GetInt("Color", "Basis", -1), 16711680);
    EXPECT_EQ(profile.GetInt("Color", "Supple", -1), 255);
}

TEST_F(CDialogSetColorsTest, OkWithoutTheBoxKeepsColoursAndCustomSlotsButNoInitialValues) {
    wxTEST_DIALOG(RunColorSettings(nullptr, doc, chooser), CDriveDialog<CDialogSetColors>([&](CDialogSetColors& d) {
                      chooser.PickEditingCustom(0x00A0A0, 7, 0x808000);
                      Click(d, Id::ColorsHeaderYear);
                      chooser.Pick(0x00A000);
                      Click(d, Id::ColorsBeginEnd);
                      chooser.Pick(0xA00000);
                      Click(d, Id::ColorsBasis);
                      Click(d, wxID_OK);
                  }));
    EXPECT_EQ(S().headerYearColor, 0x00A0A0u);
    EXPECT_EQ(S().beginEndColor, 0x00A000u);
    EXPECT_EQ(S().basisColor, 0xA00000u);
    EXPECT_EQ(S().customColors[7], 0x808000u);
    EXPECT_EQ(profile.GetInt("Color", "Custom7", -1), 0x808000);
    EXPECT_TRUE(ColorWrites().empty());
    EXPECT_TRUE(host.modified);
}
