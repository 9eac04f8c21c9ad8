// The four interchange commands driven through the window as users drive
// them: menu command, questions, file choices and dialogs, with files the
// tests write and read back.
#include "CWindowFixture.h"
#include "DialogDriving.h"

#include "app/CInterchangeCommands.h"
#include "app/CMainFrame.h"
#include "app/CScreenshot.h"
#include "app/CWxDocument.h"
#include "dialogs/CDialogBadCsvMsg.h"
#include "dialogs/CDialogBasePointYearExport.h"
#include "dialogs/CDialogBasePointYearImport.h"
#include "dialogs/CDialogExportFileSet.h"
#include "dialogs/CDialogImportCheck.h"
#include "dialogs/CProgressDialog.h"
#include "model/CVitachronDoc.h"
#include "res/ids.h"
#include "support/core/CScratchDir.h"
#include "support/interchange/Cp932Text.h"
#include "wxsupport/WxConvert.h"

#include <wx/eventfilter.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/progdlg.h>
#include <wx/stattext.h>
#include <wx/uiaction.h>

#include <set>
#include <vector>

namespace {

const char* const kCsvFilter = "csvファイル (*.csv)|*.csv|すべてのファイル(*.*)|*.*";
const char* const kLbyFilter = "Annalix・基点年(*.lby)|*.lby|All Files (*.*)|*.*";
const char* const kAppendQuestion =
    "「OK」をクリックすると次の画面で指定したCSVファイルをこのデータの末尾に追加します。\r\n"
    "新規画面に表示したい場合は、いったん「キャンセル」を押し、「ファイル」-「新規作成」したあとで再度やりなおしてください。";

std::string Lby(const std::string& title, int start, int end) {
    return Cp932("[基点年],5\r\n" + title + "\r\n" + std::to_string(start) + "\r\n" + std::to_string(end) +
                 "\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
}

// With VITACHRON_SCREENSHOT_DIR set, the dialog as shown goes there as a PNG.
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

// Watches every event for the progress window of a long command: notes what
// it says and, when asked to, presses its cancel button as soon as it shows.
class CProgressWatch : public wxEventFilter {
public:
    explicit CProgressWatch(bool cancel) : cancel_(cancel) { wxEvtHandler::AddFilter(this); }
    ~CProgressWatch() override { wxEvtHandler::RemoveFilter(this); }

    int FilterEvent(wxEvent& event) override {
        auto* window = wxDynamicCast(event.GetEventObject(), wxWindow);
        auto* dialog = window != nullptr ? dynamic_cast<wxGenericProgressDialog*>(wxGetTopLevelParent(window)) : nullptr;
        // Events come while the dialog is being built; only a shown one is whole.
        if (dialog == nullptr || busy_ || !dialog->IsShown()) {
            return Event_Skip;
        }
        busy_ = true;
        shown = true;
        title = dialog->GetTitle();
        messages.insert(dialog->GetMessage());
        if (auto* button = dialog->FindWindow(wxID_CANCEL)) {
            cancelLabel = button->GetLabel();
            if (cancel_ && !cancelled) {
                cancelled = true;
                wxCommandEvent click(wxEVT_BUTTON, wxID_CANCEL);
                click.SetEventObject(button);
                button->ProcessWindowEvent(click);
            }
        }
        busy_ = false;
        return Event_Skip;
    }

    bool shown = false;
    bool cancelled = false;
    wxString title;
    wxString cancelLabel;
    std::set<wxString> messages;

private:
    bool cancel_;
    bool busy_ = false;
};

class InterchangeCommands : public CWindowFixture {
protected:
    void SetUp() override {
        CWindowFixture::SetUp();
        OpenWindow();
    }
    void TearDown() override {
        if (!oldDir_.empty()) {
            std::filesystem::current_path(oldDir_);
        }
        CWindowFixture::TearDown();
    }

    CVitachronDoc& Core() const { return Doc().Core(); }
    wxString Write(const std::string& name, const std::string& bytes) {
        return PathToWx(dir.Write(name, bytes));
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& p : Core().People()) {
            names.push_back(p->name);
        }
        return names;
    }
    void Answer(std::vector<wxString> paths) { chooser.answers.push_back(std::move(paths)); }
    // The conversion proposes files in the current directory.
    void WorkInScratchDir() {
        oldDir_ = std::filesystem::current_path();
        std::filesystem::current_path(dir.Path());
    }
    wxString UndoLabel() {
        UpdateUi();
        return frame->GetMenuBar()->FindItem(wxID_UNDO)->GetItemLabel();
    }
    bool Enabled(int id) {
        UpdateUi();
        return frame->GetMenuBar()->FindItem(id)->IsEnabled();
    }

    // A click into a list with the mouse, at a row or below the last one.
    // The pointer goes back where it was: with no window manager, keys go to
    // the window under it, and later tests type into their own dialogs.
    // Returns once the list has had the whole click and, on a row, that row
    // is selected.
    static void ClickIntoList(wxListCtrl& list, long row) {
        wxRect rect;
        if (row >= 0) {
            ASSERT_TRUE(list.GetItemRect(row, rect));
        } else {
            const long last = list.GetItemCount() - 1;
            ASSERT_TRUE(last >= 0 && list.GetItemRect(last, rect));
            rect.Offset(0, rect.height + 4);
        }
        // The press lands on the list's inner window where the toolkit draws the list itself.
        bool released = false;
        const auto onRelease = [&released](wxMouseEvent& event) {
            released = true;
            event.Skip();
        };
        std::vector<wxWindow*> targets{&list};
        for (wxWindow* child : list.GetChildren()) {
            targets.push_back(child);
        }
        for (wxWindow* target : targets) {
            target->Bind(wxEVT_LEFT_UP, onRelease);
        }
        const wxPoint target = list.ClientToScreen(wxPoint(rect.x + 20, rect.y + rect.height / 2));
        const wxPoint before = wxGetMousePosition();
        wxUIActionSimulator mouse;
        mouse.MouseMove(target);
        wxYield();
        mouse.MouseClick();
        const bool arrived = WaitFor([&] {
            return released && (row < 0 || list.GetItemState(row, wxLIST_STATE_SELECTED) != 0);
        });
        for (wxWindow* t : targets) {
            t->Unbind(wxEVT_LEFT_UP, onRelease);
        }
        mouse.MouseMove(before);
        wxYield();
        ASSERT_TRUE(arrived) << "the click into row " << row << " never arrived";
    }
    static void Select(wxListCtrl& list, std::initializer_list<long> rows) {
        for (long row = 0; row < list.GetItemCount(); ++row) {
            list.SetItemState(row, 0, wxLIST_STATE_SELECTED);
        }
        for (const long row : rows) {
            list.SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        }
    }

    CScratchDir dir;

private:
    std::filesystem::path oldDir_;
};

}  // namespace

TEST_F(InterchangeCommands, CsvImportIntoAnEmptyDocumentAsksOnlyForTheFileAndTheKazoeBox) {
    const wxString file = Write("people.csv", Cp932("1900/10/1,1950/5/1,山田,やまだ,政治,\"a\\r\\nb\"\r\n"
                                                    "1901?,,鈴木,,政治\r\n"));
    Answer({file});
    wxTEST_DIALOG(Command(Id::ImportCsv), CDriveDialog<CDialogImportCheck>([&](CDialogImportCheck& d) {
                      EXPECT_EQ(d.GetTitle(), ToWx("ＣＳＶ読み込み確認"));
                      EXPECT_EQ(Ctrl<wxStaticText>(d, Id::ImportCheckPath)->GetLabel(), file);
                      EXPECT_EQ(Ctrl<wxCheckBox>(d, Id::ImportCheckKazoe)->GetLabel(), ToWx("数え年として設定する"));
                      EXPECT_FALSE(IsChecked(d, Id::ImportCheckKazoe));
                      Screenshot(d, "import-check");
                      SetCheck(d, Id::ImportCheckKazoe, true);
                      Click(d, wxID_OK);
                  }));
    ASSERT_EQ(chooser.requests.size(), 1u);
    EXPECT_EQ(chooser.requests[0].wildcard, ToWx(kCsvFilter));
    EXPECT_TRUE(chooser.requests[0].mustExist);
    EXPECT_EQ(chooser.requests[0].parent, frame);

    EXPECT_EQ(Names(), (std::vector<std::string>{"山田", "鈴木"}));
    EXPECT_TRUE(Core().People()[0]->kazoe && Core().People()[1]->kazoe);
    EXPECT_EQ(Core().People()[0]->comment, "a\r\nb");
    EXPECT_EQ(Core().People()[0]->category->name, "政治");
    EXPECT_TRUE(Core().People()[1]->birthUncertain);
    EXPECT_EQ(Core().DisplayOrder().size(), 2u);
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(InterchangeCommands, CsvImportIntoADocumentWithPeopleAppendsOnlyAfterOk) {
    AddPerson("既存", 1800, 1850).kazoe = false;
    Refresh();
    Doc().Modify(false);
    const wxString file = Write("more.csv", Cp932("1900,1950,追加\r\n"));

    wxString question;
    wxTEST_DIALOG(Command(Id::ImportCsv), CExpectMessage(wxID_CANCEL, &question));
    EXPECT_EQ(question, ToWx(kAppendQuestion));
    EXPECT_TRUE(chooser.requests.empty()) << "cancelled before the file dialog";

    // OK, a file, then cancel in the last dialog: still nothing.
    Answer({file});
    wxTEST_DIALOG(Command(Id::ImportCsv), CExpectMessage(wxID_OK, &question),
                  CDriveDialog<CDialogImportCheck>([](CDialogImportCheck& d) { Click(d, wxID_CANCEL); }));
    EXPECT_EQ(Names(), (std::vector<std::string>{"既存"}));
    EXPECT_FALSE(Doc().IsModified());

    Answer({file});
    wxTEST_DIALOG(Command(Id::ImportCsv), CExpectMessage(wxID_OK, &question),
                  CDriveDialog<CDialogImportCheck>([](CDialogImportCheck& d) { Click(d, wxID_OK); }));
    EXPECT_EQ(Names(), (std::vector<std::string>{"既存", "追加"}));
    EXPECT_FALSE(Core().People()[1]->kazoe);
    EXPECT_TRUE(Doc().IsModified());

    // The import is one step to take back and to make again.
    EXPECT_EQ(UndoLabel(), ToWx("「CSVファイルの読み込み」を元に戻す(&U)\tCtrl+Z"));
    Command(wxID_UNDO);
    EXPECT_EQ(Names(), (std::vector<std::string>{"既存"}));
    EXPECT_EQ(Core().DisplayOrder().size(), 1u);
    Command(wxID_REDO);
    EXPECT_EQ(Names(), (std::vector<std::string>{"既存", "追加"}));
    EXPECT_EQ(Core().DisplayOrder().size(), 2u);
}

TEST_F(InterchangeCommands, RejectedLinesAreListedAfterTheImportAsTheExportWouldWriteThem) {
    const wxString file = Write("bad.csv", Cp932("1900,1950,良い\r\n"
                                                 ",1950,x\r\n"
                                                 "?,?,\"a, b\"\r\n"
                                                 "\r\n"
                                                 "1903,1970\r\n"
                                                 "1904,,also good\r\n"));
    Answer({file});
    wxTEST_DIALOG(Command(Id::ImportCsv),
                  CDriveDialog<CDialogImportCheck>([](CDialogImportCheck& d) { Click(d, wxID_OK); }),
                  CDriveDialog<CDialogBadCsvMsg>([](CDialogBadCsvMsg& d) {
                      EXPECT_EQ(d.GetTitle(), ToWx("不正なCSVファイルデータ"));
                      bool introFound = false;
                      for (wxWindow* child : d.GetChildren()) {
                          if (auto* text = dynamic_cast<wxStaticText*>(child)) {
                              introFound |= text->GetLabel() ==
                                            ToWx("入力したCSVファイルのうち、以下のデータは読み込めませんでした。");
                          }
                      }
                      EXPECT_TRUE(introFound);
                      EXPECT_EQ(TextOf(d, Id::BadCsvText), ToWx(",1950,x\n?,?,\"a, b\"\n\n1903,1970\n"));
                      Screenshot(d, "bad-csv");
                      Click(d, wxID_OK);
                  }));
    EXPECT_EQ(Names(), (std::vector<std::string>{"良い", "also good"}));
}

TEST_F(InterchangeCommands, AnUnreadableCsvChangesNothingAndAUtf8OneIsReadAsUtf8) {
    AddPerson("既存", 1800, 1850);
    Refresh();
    Doc().Modify(false);
    wxString text;
    Answer({Write("open.csv", "1900,1950,\"never closed\r\n")});
    wxTEST_DIALOG(Command(Id::ImportCsv), CExpectMessage(wxID_OK, &text),
                  CDriveDialog<CDialogImportCheck>([](CDialogImportCheck& d) { Click(d, wxID_OK); }),
                  CExpectMessage(wxID_OK, &text));
    EXPECT_EQ(text, ToWx("ＣＳＶファイルの読み込みに失敗しました\n1行目の引用符（\"）が閉じられていません。"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"既存"}));
    EXPECT_FALSE(Doc().IsModified());

    // 𠮷 has no code page 932 form: only a UTF-8 file can carry it.
    Answer({Write("utf8.csv", "\xEF\xBB\xBF" "1900,1950,𠮷田,よしだ\r\n")});
    wxTEST_DIALOG(Command(Id::ImportCsv), CExpectMessage(wxID_OK, &text),
                  CDriveDialog<CDialogImportCheck>([](CDialogImportCheck& d) { Click(d, wxID_OK); }));
    EXPECT_EQ(Names(), (std::vector<std::string>{"既存", "𠮷田"}));
    EXPECT_EQ(Core().People()[1]->reading, "よしだ");
}

TEST_F(InterchangeCommands, CsvExportIsOfferedWithPeopleOnlyAndProposesTheDocumentsName) {
    EXPECT_FALSE(Enabled(Id::ExportCsv));
    EXPECT_FALSE(Enabled(Id::ExportBasePointYears));
    EXPECT_TRUE(Enabled(Id::ImportCsv));
    EXPECT_TRUE(Enabled(Id::ImportBasePointYears));
    AddPerson("源頼朝", 1147, 1199);
    Refresh();
    EXPECT_TRUE(Enabled(Id::ExportCsv));
    EXPECT_TRUE(Enabled(Id::ExportBasePointYears));

    Doc().SetFilename(PathToWx(dir / "年表.vtc"));
    Doc().Modify(false);
    Command(Id::ExportCsv);  // cancelled in the save dialog
    ASSERT_EQ(chooser.requests.size(), 1u);
    const CFileChooser::Request& r = chooser.requests[0];
    EXPECT_EQ(r.defaultDir, PathToWx(dir.Path()));
    EXPECT_EQ(r.defaultFile, ToWx("年表.csv"));
    EXPECT_EQ(r.defaultExtension, "csv");
    EXPECT_EQ(r.wildcard, ToWx(kCsvFilter));
    EXPECT_TRUE(r.promptOverwrite);

    Answer({PathToWx(dir / "out.csv")});
    Command(Id::ExportCsv);
    EXPECT_EQ(CScratchDir::Read(dir / "out.csv"), Cp932("1147,1199,源頼朝,,,\r\n"));
    EXPECT_FALSE(Doc().IsModified()) << "writing a copy changes nothing in the document";

    wxString text;
    Answer({PathToWx(dir / "no such folder" / "out.csv")});
    wxTEST_DIALOG(Command(Id::ExportCsv), CExpectMessage(wxID_OK, &text));
    EXPECT_EQ(text, ToWx("ファイルの書き込みに失敗しました\nファイルまたはフォルダーが見つかりません。"));
}

TEST_F(InterchangeCommands, ExportThenImportThroughTheDialogsGivesTheSamePeople) {
    CPerson& a = AddPerson("織田, \"信長\"", 1534, 1582);
    a.birthNote = "[頃]";
    a.birthUncertain = true;
    a.comment = "一行目\r\n二行目";
    a.reading = "おだ";
    AddPerson("living", 1990, CScaleYear::kUnknownValue);
    Refresh();
    const wxString file = PathToWx(dir / "round.csv");
    Answer({file});
    Command(Id::ExportCsv);

    Doc().Modify(false);
    Command(Id::FileNew);
    ASSERT_TRUE(Core().People().empty());
    Answer({file});
    wxTEST_DIALOG(Command(Id::ImportCsv),
                  CDriveDialog<CDialogImportCheck>([](CDialogImportCheck& d) { Click(d, wxID_OK); }));
    ASSERT_EQ(Names(), (std::vector<std::string>{"織田, \"信長\"", "living"}));
    const CPerson& a2 = *Core().People()[0];
    EXPECT_EQ(a2.FormatBirthText(false), "1534[頃]");
    EXPECT_TRUE(a2.birthUncertain);
    EXPECT_EQ(a2.comment, "一行目\r\n二行目");
    EXPECT_EQ(a2.reading, "おだ");
    EXPECT_TRUE(Core().People()[1]->death.IsUnknown());
}

TEST_F(InterchangeCommands, TextWithoutACodePage932FormIsWrittenAsUtf8OnlyWhenTheUserSaysSo) {
    AddPerson("吉田", 1900, 1950).comment = "🙂";
    Refresh();
    const auto file = dir / "emoji.csv";
    dir.Write("emoji.csv", "previous");
    wxString question;
    Answer({PathToWx(file)});
    wxTEST_DIALOG(Command(Id::ExportCsv), CExpectMessage(wxID_NO, &question));
    EXPECT_EQ(question, ToWx("「吉田」の補足説明に、シフトJIS（コードページ932）で表せない文字「🙂」（U+1F642）があります。\n"
                             "代わりにUTF-8（BOM付き）で書き出しますか？\n「いいえ」を選ぶと、ＣＳＶファイルは書き出しません。"));
    EXPECT_EQ(CScratchDir::Read(file), "previous");

    Answer({PathToWx(file)});
    wxTEST_DIALOG(Command(Id::ExportCsv), CExpectMessage(wxID_YES, &question));
    EXPECT_EQ(CScratchDir::Read(file), "\xEF\xBB\xBF" "1900,1950,吉田,,,🙂\r\n");
}

TEST_F(InterchangeCommands, BaseYearFilesAreReadInTheOrderChosenOnePersonEach) {
    const wxString a = Write("a.lby", Lby("甲", 1900, 1950));
    const wxString b = Write("b.lby", Lby("乙", 1920, 9999));
    const wxString bad = Write("bad.lby", "not one\r\n");
    Doc().Modify(false);

    // Cancelled: nothing.
    Answer({a});
    wxTEST_DIALOG(Command(Id::ImportBasePointYears), CDriveDialog<CDialogBasePointYearImport>([](CDialogBasePointYearImport& d) {
                      Click(d, Id::BasePointYearChoose);
                      Click(d, wxID_CANCEL);
                  }));
    EXPECT_TRUE(Core().People().empty());
    EXPECT_FALSE(Doc().IsModified());

    Answer({a});
    Answer({});  // a selection cancelled adds nothing
    Answer({a, bad, b});
    wxString failure;
    wxTEST_DIALOG(Command(Id::ImportBasePointYears), CDriveDialog<CDialogBasePointYearImport>([&](CDialogBasePointYearImport& d) {
                      EXPECT_EQ(d.GetTitle(), ToWx("Annalix・基点年データ取り込み"));
                      EXPECT_EQ(Ctrl<wxButton>(d, Id::BasePointYearChoose)->GetLabel(), ToWx("ファイル選択..."));
                      EXPECT_EQ(Ctrl<wxButton>(d, wxID_OK)->GetLabel(), ToWx("取り込む"));
                      EXPECT_FALSE(Ctrl<wxButton>(d, wxID_OK)->IsEnabled());
                      Click(d, Id::BasePointYearChoose);
                      EXPECT_TRUE(Ctrl<wxButton>(d, wxID_OK)->IsEnabled());
                      Click(d, Id::BasePointYearChoose);
                      Click(d, Id::BasePointYearChoose);
                      EXPECT_EQ(TextOf(d, Id::BasePointYearFiles), "a.lby\na.lby\nbad.lby\nb.lby\n");
                      Screenshot(d, "input-base-year");
                      Click(d, wxID_OK);
                  }),
                  CExpectMessage(wxID_OK, &failure));
    EXPECT_EQ(failure, ToWx("ファイル" + FromWx(bad) + "は、基点年データではありません"));
    ASSERT_EQ(chooser.requests.size(), 4u);
    EXPECT_EQ(chooser.requests[1].wildcard, ToWx(kLbyFilter));
    EXPECT_TRUE(chooser.requests[1].mustExist);

    EXPECT_EQ(Names(), (std::vector<std::string>{"甲", "甲", "乙"})) << "the same file twice gives two people";
    EXPECT_TRUE(Core().People()[2]->death.IsUnknown()) << "an end in the future is no death";
    EXPECT_EQ(Core().People()[0]->category, Core().DefaultCategory());
    EXPECT_EQ(Core().DisplayOrder().size(), 3u);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(UndoLabel(), ToWx("「Annalixデータの取り込み」を元に戻す(&U)\tCtrl+Z"));
    Command(wxID_UNDO);
    EXPECT_TRUE(Core().People().empty());
}

TEST_F(InterchangeCommands, ConversionWritesOneFilePerChosenPersonWithRenamesAndFailures) {
    SKIP_UNDER_WINE(kWineLosesInput);
    WorkInScratchDir();
    AddPerson("Nobu", 1534, 1582);
    AddPerson("Hide", 1537, 1598);
    AddPerson("Nobu", 1600, 1650);
    Refresh();
    Doc().Modify(false);

    const std::filesystem::path folder = std::filesystem::current_path();
    const wxString renamed = PathToWx(folder / "second Nobu.lby");
    const wxString failing = PathToWx(folder / "no such folder" / "Hide.lby");
    Answer({failing});
    Answer({renamed});
    wxString failure;
    wxString done;
    wxTEST_DIALOG(
        Command(Id::ExportBasePointYears), CDriveDialog<CDialogBasePointYearExport>([&](CDialogBasePointYearExport& d) {
            EXPECT_EQ(d.GetTitle(), ToWx("Annalix・基点年データに変換"));
            auto& list = *Ctrl<wxListCtrl>(d, Id::DataList);
            ASSERT_EQ(list.GetItemCount(), 3);
            EXPECT_EQ(list.GetItemText(2, 1), "1600");
            EXPECT_EQ(Ctrl<wxButton>(d, wxID_OK)->GetLabel(), ToWx("変換する"));
            EXPECT_FALSE(Ctrl<wxButton>(d, wxID_OK)->IsEnabled());
            ClickIntoList(list, 0);
            EXPECT_TRUE(Ctrl<wxButton>(d, wxID_OK)->IsEnabled()) << "enabled by the first click";
            Select(list, {2, 1, 0});
            Screenshot(d, "trans-base-year");
            Click(d, wxID_OK);
        }),
        CDriveDialog<CDialogExportFileSet>([&](CDialogExportFileSet& d) {
            EXPECT_EQ(d.GetTitle(), ToWx("Annalix・基点年変換"));
            auto& list = *d.List();
            ASSERT_EQ(list.GetItemCount(), 3);
            EXPECT_EQ(list.GetItemText(0, 0), "Nobu");
            EXPECT_EQ(list.GetItemText(1, 0), "Hide");
            EXPECT_EQ(list.GetItemText(0, 1), PathToWx(folder / "Nobu.lby"));
            EXPECT_EQ(list.GetItemText(2, 1), PathToWx(folder / "Nobu.lby")) << "the same name, the same file";
            EXPECT_EQ(list.GetColumnWidth(1), d.FromDIP(1000));
            auto* rename = Ctrl<wxButton>(d, Id::ExportFileSetRename);
            EXPECT_EQ(rename->GetLabel(), ToWx("ファイル名変更"));
            EXPECT_FALSE(rename->IsEnabled());
            ClickIntoList(list, 1);
            ASSERT_TRUE(rename->IsEnabled());
            Click(d, Id::ExportFileSetRename);
            EXPECT_EQ(list.GetItemText(1, 1), failing);
            Select(list, {2});
            Click(d, Id::ExportFileSetRename);
            EXPECT_EQ(list.GetItemText(2, 1), renamed);
            Screenshot(d, "export-file-set");
            Click(d, wxID_OK);
        }),
        CExpectMessage(wxID_OK, &failure), CExpectMessage(wxID_OK, &done));
    ASSERT_EQ(chooser.requests.size(), 2u);
    EXPECT_EQ(chooser.requests[0].defaultFile, "Hide.lby");
    EXPECT_EQ(chooser.requests[0].defaultDir, PathToWx(folder));
    EXPECT_TRUE(chooser.requests[0].promptOverwrite);
    EXPECT_EQ(chooser.requests[0].wildcard, ToWx(kLbyFilter));

    EXPECT_EQ(failure, ToWx("ファイル") + failing + ToWx("の書き込みに失敗しました\nファイルまたはフォルダーが見つかりません。"));
    EXPECT_EQ(done, ToWx("ファイルの変換が完了しました"));
    EXPECT_EQ(CScratchDir::Read(dir / "Nobu.lby"), Lby("Nobu", 1534, 1582));
    EXPECT_EQ(CScratchDir::Read(dir / "second Nobu.lby"), Lby("Nobu", 1600, 1650));
    EXPECT_FALSE(Doc().IsModified());

    // Without a rename the second Nobu overwrites the first, unasked.
    wxTEST_DIALOG(Command(Id::ExportBasePointYears), CDriveDialog<CDialogBasePointYearExport>([&](CDialogBasePointYearExport& d) {
                      auto& list = *Ctrl<wxListCtrl>(d, Id::DataList);
                      ClickIntoList(list, 0);
                      Select(list, {0, 2});
                      Click(d, wxID_OK);
                  }),
                  CDriveDialog<CDialogExportFileSet>([](CDialogExportFileSet& d) { Click(d, wxID_OK); }),
                  CExpectMessage(wxID_OK, &done));
    EXPECT_EQ(CScratchDir::Read(dir / "Nobu.lby"), Lby("Nobu", 1600, 1650));
}

TEST_F(InterchangeCommands, ConvertingWithNothingSelectedWritesNothingButStillCompletes) {
    SKIP_UNDER_WINE(kWineLosesInput);
    WorkInScratchDir();
    AddPerson("Nobu", 1534, 1582);
    Refresh();
    wxString done;
    wxTEST_DIALOG(Command(Id::ExportBasePointYears), CDriveDialog<CDialogBasePointYearExport>([&](CDialogBasePointYearExport& d) {
                      auto& list = *Ctrl<wxListCtrl>(d, Id::DataList);
                      ClickIntoList(list, 0);
                      Select(list, {});
                      Click(d, wxID_OK);
                  }),
                  CDriveDialog<CDialogExportFileSet>([](CDialogExportFileSet& d) {
                      EXPECT_EQ(d.List()->GetItemCount(), 0);
                      Click(d, wxID_OK);
                  }),
                  CExpectMessage(wxID_OK, &done));
    EXPECT_EQ(done, ToWx("ファイルの変換が完了しました"));
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));

    // Cancelling either dialog ends the command without a word.
    wxTEST_DIALOG(Command(Id::ExportBasePointYears), CDriveDialog<CDialogBasePointYearExport>([](CDialogBasePointYearExport& d) {
                      Click(d, wxID_CANCEL);
                  }));
    wxTEST_DIALOG(Command(Id::ExportBasePointYears), CDriveDialog<CDialogBasePointYearExport>([&](CDialogBasePointYearExport& d) {
                      ClickIntoList(*Ctrl<wxListCtrl>(d, Id::DataList), 0);
                      Click(d, wxID_OK);
                  }),
                  CDriveDialog<CDialogExportFileSet>([](CDialogExportFileSet& d) { Click(d, wxID_CANCEL); }));
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST_F(InterchangeCommands, ALargeImportShowsItsProgressAndACancelledOneAddsNothing) {
    std::string utf8;
    for (std::size_t i = 0; i < CInterchangeCommands::kProgressLines * 2; ++i) {
        utf8 += "1900,1950,人" + std::to_string(i) + ",ひと,分類" + std::to_string(i % 4) + ",補足説明の文\r\n";
    }
    const std::string bytes = Cp932(utf8);
    ASSERT_GT(bytes.size(), CInterchangeCommands::kProgressBytes);
    const wxString file = Write("large.csv", bytes);
    AddPerson("既存", 1800, 1850);
    Refresh();
    Doc().Modify(false);
    const std::size_t categories = Core().CategoryTable().Size();
    wxString question;
    {
        CProgressWatch watch(true);
        Answer({file});
        wxTEST_DIALOG(Command(Id::ImportCsv), CExpectMessage(wxID_OK, &question),
                      CDriveDialog<CDialogImportCheck>([](CDialogImportCheck& d) { Click(d, wxID_OK); }));
        EXPECT_TRUE(watch.cancelled);
    }
    EXPECT_EQ(Names(), (std::vector<std::string>{"既存"}));
    EXPECT_EQ(Core().CategoryTable().Size(), categories);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(UndoLabel(), ToWx("元に戻す(&U)\tCtrl+Z")) << "nothing to take back";

    CProgressWatch watch(false);
    Answer({file});
    wxTEST_DIALOG(Command(Id::ImportCsv), CExpectMessage(wxID_OK, &question),
                  CDriveDialog<CDialogImportCheck>([](CDialogImportCheck& d) { Click(d, wxID_OK); }));
    EXPECT_TRUE(watch.shown);
    EXPECT_EQ(watch.title, ToWx("CSVファイルの読み込み"));
    EXPECT_EQ(watch.cancelLabel, ToWx("ｷｬﾝｾﾙ"));
    EXPECT_TRUE(watch.messages.count(ToWx("CSVファイルを読み込んでいます..."))) << *watch.messages.begin();
    EXPECT_EQ(Core().People().size(), CInterchangeCommands::kProgressLines * 2 + 1);

    // A small file shows none.
    CProgressWatch quiet(false);
    Answer({Write("small.csv", "1900,1950,a\r\n")});
    wxTEST_DIALOG(Command(Id::ImportCsv), CExpectMessage(wxID_OK, &question),
                  CDriveDialog<CDialogImportCheck>([](CDialogImportCheck& d) { Click(d, wxID_OK); }));
    EXPECT_FALSE(quiet.shown);
}

TEST_F(InterchangeCommands, ACancelledLargeExportLeavesThePreviousFile) {
    for (std::size_t i = 0; i < CInterchangeCommands::kProgressLines; ++i) {
        AddPerson("人" + std::to_string(i), 1900, 1950);
    }
    Refresh();
    const auto file = dir / "large.csv";
    dir.Write("large.csv", "previous");
    {
        CProgressWatch watch(true);
        Answer({PathToWx(file)});
        Command(Id::ExportCsv);
        EXPECT_TRUE(watch.cancelled);
        EXPECT_EQ(watch.title, ToWx("CSVファイルの書き込み"));
    }
    EXPECT_EQ(CScratchDir::Read(file), "previous");

    CProgressWatch watch(false);
    Answer({PathToWx(file)});
    Command(Id::ExportCsv);
    EXPECT_TRUE(watch.shown);
    EXPECT_EQ(CScratchDir::Read(file).substr(0, 16), Cp932("1900,1950,人0,,,"));
}

TEST_F(InterchangeCommands, TheProgressWindowSaysWhatItDoesUntilTheEnd) {
    const auto progressWindow = []() -> wxGenericProgressDialog* {
        for (wxWindow* top : wxTopLevelWindows) {
            if (auto* p = dynamic_cast<wxGenericProgressDialog*>(top); p != nullptr && p->IsShown()) {
                return p;
            }
        }
        return nullptr;
    };
    {
        CProgressDialog progress(frame, ToWx("CSVファイルの読み込み"), ToWx("CSVファイルを読み込んでいます..."));
        progress.SetFinishingMessage(ToWx("読み込んだデータを表示しています..."));
        wxGenericProgressDialog* shown = progressWindow();
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->FindWindow(wxID_CANCEL)->GetLabel(), ToWx("ｷｬﾝｾﾙ"));
        EXPECT_TRUE(progress.Report(350, 1000));
        wxMilliSleep(60);
        EXPECT_TRUE(progress.Report(400, 1000));
        EXPECT_EQ(shown->GetValue(), 400);
        Screenshot(*shown, "progress");
        EXPECT_TRUE(progress.Report(1000, 1000));
        EXPECT_EQ(shown->GetMessage(), ToWx("読み込んだデータを表示しています..."));
        EXPECT_LT(shown->GetValue(), shown->GetRange()) << "never the finished state that waits to be closed";
        EXPECT_TRUE(shown->IsShown());
    }
    EXPECT_EQ(progressWindow(), nullptr);

    CProgressDialog plain(frame, ToWx("Annalix・基点年変換"), ToWx("基点年データを書き出しています..."));
    ASSERT_NE(progressWindow(), nullptr);
    plain.Report(2000, 2000);
    EXPECT_EQ(progressWindow(), nullptr) << "hidden before the completion message";
}

TEST_F(InterchangeCommands, ManyBaseYearFilesShowTheirProgressAndAStoppedConversionSaysNothingMore) {
    SKIP_UNDER_WINE(kWineLosesInput);
    WorkInScratchDir();
    const std::size_t count = CInterchangeCommands::kProgressFiles;
    for (std::size_t i = 0; i < count; ++i) {
        AddPerson("人" + std::to_string(i), 1900, 1950);
    }
    Refresh();
    {
        CProgressWatch watch(true);
        wxTEST_DIALOG(Command(Id::ExportBasePointYears), CDriveDialog<CDialogBasePointYearExport>([&](CDialogBasePointYearExport& d) {
                          auto& list = *Ctrl<wxListCtrl>(d, Id::DataList);
                          ClickIntoList(list, 0);
                          for (long row = 0; row < list.GetItemCount(); ++row) {
                              list.SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
                          }
                          Click(d, wxID_OK);
                      }),
                      CDriveDialog<CDialogExportFileSet>([](CDialogExportFileSet& d) { Click(d, wxID_OK); }));
        EXPECT_TRUE(watch.cancelled);
        EXPECT_EQ(watch.title, ToWx("Annalix・基点年変換"));
    }
    const auto written = static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator(dir.Path()), std::filesystem::directory_iterator()));
    EXPECT_LT(written, count);

    Doc().Modify(false);
    Command(Id::FileNew);
    const wxString one = Write("one.lby", Lby("甲", 1900, 1950));
    Answer(std::vector<wxString>(count, one));
    CProgressWatch watch(false);
    wxTEST_DIALOG(Command(Id::ImportBasePointYears), CDriveDialog<CDialogBasePointYearImport>([](CDialogBasePointYearImport& d) {
                      Click(d, Id::BasePointYearChoose);
                      Click(d, wxID_OK);
                  }));
    EXPECT_TRUE(watch.shown);
    EXPECT_EQ(watch.title, ToWx("Annalix・基点年データ取り込み"));
    EXPECT_EQ(Core().People().size(), count);
}
