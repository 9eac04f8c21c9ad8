// The GEDCOM commands driven through the window: the File menu's items, the
// file choice, the import dialog, the report, one undo step per import, a
// progress window that can stop a large import, and the export.
#include "CWindowFixture.h"
#include "DialogDriving.h"

#include "app/CGedcomCommands.h"
#include "app/CMainFrame.h"
#include "app/CScreenshot.h"
#include "app/CWxDocument.h"
#include "dialogs/CDialogGedcomReport.h"
#include "dialogs/CDialogImportGedcom.h"
#include "model/CCategory.h"
#include "model/CVitachronDoc.h"
#include "res/ids.h"
#include "support/core/CScratchDir.h"
#include "wxsupport/WxConvert.h"

#include <wx/eventfilter.h>
#include <wx/menu.h>
#include <wx/progdlg.h>
#include <wx/radiobox.h>
#include <wx/stattext.h>

namespace {

const char* const kTree =
    "0 HEAD\n1 SOUR TREEPROG\n1 GEDC\n2 VERS 5.5.1\n1 CHAR UTF-8\n"
    "0 @I1@ INDI\n1 NAME 信長 /織田/\n2 FONE のぶなが /おだ/\n3 TYPE kana\n1 SEX M\n1 BIRT\n2 DATE 23 JUN 1534\n"
    "1 DEAT\n2 DATE 21 JUN 1582\n1 NOTE 本能寺の変\n"
    "0 @I2@ INDI\n1 NAME 帰蝶 /斎藤/\n1 SEX F\n1 BIRT\n2 DATE ABT 1535\n1 DEAT Y\n"
    "0 @I3@ INDI\n1 NAME 秀吉 /豊臣/\n1 SEX M\n1 CHR\n2 DATE 1537\n1 BURI\n2 DATE BEF 1598\n"
    "0 @I4@ INDI\n1 BIRT\n2 DATE 1540\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n0 TRLR\n";

// With VITACHRON_SCREENSHOT_DIR set, the window as shown goes there as a PNG.
void Screenshot(wxWindow& window, const char* name) {
    const char* dir = std::getenv("VITACHRON_SCREENSHOT_DIR");
    if (dir == nullptr) {
        return;
    }
    window.Raise();
    for (int i = 0; i < 20; ++i) {
        wxYield();
        wxMilliSleep(10);
    }
    CScreenshot::Save(&window, wxString::FromUTF8(dir) + "/" + name + ".png");
}

// Presses the cancel button of the progress window as soon as it shows.
class CCancelProgress : public wxEventFilter {
public:
    CCancelProgress() { wxEvtHandler::AddFilter(this); }
    ~CCancelProgress() override { wxEvtHandler::RemoveFilter(this); }

    int FilterEvent(wxEvent& event) override {
        auto* window = wxDynamicCast(event.GetEventObject(), wxWindow);
        auto* dialog = window != nullptr ? dynamic_cast<wxGenericProgressDialog*>(wxGetTopLevelParent(window)) : nullptr;
        if (dialog != nullptr && !cancelled && dialog->IsShown()) {
            if (wxWindow* button = dialog->FindWindow(wxID_CANCEL)) {
                cancelled = true;
                message = dialog->GetMessage();
                wxCommandEvent click(wxEVT_BUTTON, wxID_CANCEL);
                click.SetEventObject(button);
                button->ProcessWindowEvent(click);
            }
        }
        return Event_Skip;
    }

    bool cancelled = false;
    wxString message;
};

class GedcomCommands : public CWindowFixture {
protected:
    void SetUp() override {
        CWindowFixture::SetUp();
        OpenWindow();
    }
    CVitachronDoc& Core() const { return Doc().Core(); }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& p : Core().People()) {
            names.push_back(p->name);
        }
        return names;
    }
    bool Enabled(int id) {
        UpdateUi();
        return frame->GetMenuBar()->FindItem(id)->IsEnabled();
    }
    CScratchDir dir;
};

}  // namespace

TEST_F(GedcomCommands, ImportAsksGroupingAndKazoeReportsWhatItLeftAndIsOneUndoStep) {
    AddPerson("既存", 1800, 1850);
    Refresh();
    Doc().Modify(false);
    EXPECT_EQ(frame->GetMenuBar()->FindItem(Id::ImportGedcom)->GetItemLabel(), ToWx("GEDCOMファイルの読み込み..."));
    EXPECT_EQ(frame->GetMenuBar()->FindItem(Id::ExportGedcom)->GetItemLabel(), ToWx("GEDCOMファイルの書き込み..."));
    const wxString file = PathToWx(dir.Write("sengoku.ged", kTree));

    // Cancelled in the dialog: nothing.
    chooser.answers.push_back({file});
    wxTEST_DIALOG(Command(Id::ImportGedcom),
                  CDriveDialog<CDialogImportGedcom>([](CDialogImportGedcom& d) { Click(d, wxID_CANCEL); }));
    EXPECT_EQ(Names(), (std::vector<std::string>{"既存"}));
    EXPECT_FALSE(Doc().IsModified());

    chooser.answers.push_back({file});
    wxTEST_DIALOG(Command(Id::ImportGedcom), CDriveDialog<CDialogImportGedcom>([&](CDialogImportGedcom& d) {
                      EXPECT_EQ(d.GetTitle(), ToWx("GEDCOM読み込み"));
                      EXPECT_EQ(Ctrl<wxStaticText>(d, Id::GedcomImportPath)->GetLabel(), file);
                      auto& grouping = Control<wxRadioBox>(d, Id::GedcomImportGrouping);
                      EXPECT_EQ(grouping.GetSelection(), 0);
                      EXPECT_EQ(grouping.GetString(2), ToWx("性別ごとの分類"));
                      EXPECT_FALSE(IsChecked(d, Id::GedcomImportKazoe));
                      Screenshot(d, "gedcom-import");
                      grouping.SetSelection(2);
                      SetCheck(d, Id::GedcomImportKazoe, true);
                      Click(d, wxID_OK);
                  }),
                  CDriveDialog<CDialogGedcomReport>([](CDialogGedcomReport& d) {
                      EXPECT_EQ(d.GetTitle(), ToWx("GEDCOMファイルの読み込み結果"));
                      EXPECT_EQ(TextOf(d, Id::GedcomReportText),
                                ToWx("29行目: 名前のない個人@I4@は読み込みませんでした。\n"
                                     "使わなかった項目: FAM（1件、最初は32行目）\n"));
                      Screenshot(d, "gedcom-report");
                      Click(d, wxID_OK);
                  }));
    ASSERT_EQ(chooser.requests.size(), 2u);
    EXPECT_EQ(chooser.requests[1].wildcard, ToWx("GEDCOMファイル (*.ged)|*.ged;*.GED|すべてのファイル(*.*)|*.*"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"既存", "織田信長", "斎藤帰蝶", "豊臣秀吉"}));
    const auto& people = Core().People();
    EXPECT_EQ(people[1]->reading, "おだのぶなが");
    EXPECT_EQ(people[1]->category->name, "男性");
    EXPECT_EQ(people[2]->category->name, "女性");
    EXPECT_NE(people[1]->category->color, people[2]->category->color);
    EXPECT_TRUE(people[2]->kazoe && people[2]->birthUncertain && people[2]->deathUncertain);
    EXPECT_EQ(people[3]->FormatDeathText(false), "1598[埋葬・以前]");
    EXPECT_EQ(Core().DisplayOrder().size(), 4u);
    EXPECT_TRUE(Doc().IsModified());
    if (std::getenv("VITACHRON_SCREENSHOT_DIR") != nullptr) {
        // The years of the people read, for a picture that shows them.
        Core().Settings().startYear = 1500;
        Core().Settings().endYear = 1900;
        Refresh();
        Screenshot(*frame, "gedcom-timeline");
    }

    UpdateUi();
    EXPECT_EQ(frame->GetMenuBar()->FindItem(wxID_UNDO)->GetItemLabel(),
              ToWx("「GEDCOMファイルの読み込み」を元に戻す(&U)\tCtrl+Z"));
    Command(wxID_UNDO);
    EXPECT_EQ(Names(), (std::vector<std::string>{"既存"}));
    Command(wxID_REDO);
    EXPECT_EQ(Names().size(), 4u);
}

TEST_F(GedcomCommands, ALargeImportShowsProgressAndItsCancelAddsNothing) {
    std::string text = "0 HEAD\n1 CHAR UTF-8\n";
    for (int i = 0; i < 20000; ++i) {
        text += "0 @I" + std::to_string(i) + "@ INDI\n1 NAME Person" + std::to_string(i) + "\n1 BIRT\n2 DATE 1900\n";
    }
    const auto file = dir.Write("big.ged", text + "0 TRLR\n");
    ASSERT_GE(std::filesystem::file_size(file), CGedcomCommands::kProgressBytes);
    chooser.answers.push_back({PathToWx(file)});
    CCancelProgress cancel;
    wxTEST_DIALOG(Command(Id::ImportGedcom),
                  CDriveDialog<CDialogImportGedcom>([](CDialogImportGedcom& d) { Click(d, wxID_OK); }));
    EXPECT_TRUE(cancel.cancelled);
    EXPECT_EQ(cancel.message, ToWx("GEDCOMファイルを読み込んでいます..."));
    EXPECT_TRUE(Core().People().empty());
    EXPECT_FALSE(Doc().IsModified());
    UpdateUi();
    EXPECT_FALSE(frame->GetMenuBar()->FindItem(wxID_UNDO)->IsEnabled());
}

TEST_F(GedcomCommands, ExportIsOfferedWithPeopleAndWritesWhatReadsBack) {
    EXPECT_FALSE(Enabled(Id::ExportGedcom));
    EXPECT_TRUE(Enabled(Id::ImportGedcom));
    AddPerson("源頼朝", 1147, 1199).reading = "みなもとのよりとも";
    Refresh();
    EXPECT_TRUE(Enabled(Id::ExportGedcom));
    const auto out = dir.Path() / "out.ged";
    chooser.answers.push_back({PathToWx(out)});
    Command(Id::ExportGedcom);
    ASSERT_EQ(chooser.requests.size(), 1u);
    EXPECT_EQ(chooser.requests[0].defaultExtension, "ged");
    EXPECT_TRUE(chooser.requests[0].promptOverwrite);
    const std::string written = CScratchDir::Read(out);
    EXPECT_NE(written.find("1 NAME 源頼朝\n2 FONE みなもとのよりとも\n3 TYPE kana\n1 BIRT\n2 DATE 1147\n"),
              std::string::npos)
        << written;
}
