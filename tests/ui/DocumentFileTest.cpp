#include "CWindowFixture.h"
#include "TestDialogs.h"

#include "app/CBarDataEdit.h"
#include "app/CMainFrame.h"
#include "app/CVitachronDocManager.h"
#include "app/CWxDocument.h"
#include "model/CFileIO.h"
#include "model/ProfileKeys.h"
#include "res/ids.h"
#include "support/core/CScratchDir.h"
#include "model/Utf8Path.h"
#include "wxsupport/WxConvert.h"

#include <wx/checkbox.h>
#include <wx/filehistory.h>
#include <wx/textctrl.h>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <csignal>


namespace PK = ProfileKeys;

namespace {

class DocumentFile : public CWindowFixture {
protected:
    void SetUp() override {
        CWindowFixture::SetUp();
        OpenWindow();
    }
    wxString Path(const std::string& name) { return PathToWx(TempDir() / PathFromUtf8(name)); }
    // Saves the current document under that name through "名前を付けて保存".
    void SaveAs(const wxString& path) {
        chooser.answers.push_back({path});
        Command(Id::FileSaveAs);
    }
    void Open(const wxString& path) {
        chooser.answers.push_back({path});
        Command(Id::FileOpen);
    }
};

}  // namespace

TEST_F(DocumentFile, SaveAsWritesTheFileTitlesTheWindowAndRemembersIt) {
    AddPerson("源頼朝", 1147, 1199);
    Refresh();
    ASSERT_TRUE(Doc().IsModified());
    const wxString path = Path("頼朝.vtc");
    SaveAs(path);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(Doc().GetFilename(), path);
    EXPECT_EQ(profile.GetString(PK::kRecentFileList, "File1", ""), FromWx(path));
    ASSERT_EQ(chooser.requests.size(), 1u);
    EXPECT_TRUE(chooser.requests[0].promptOverwrite);

    // Opened again in a new window session, the person is there.
    Command(Id::FileNew);
    EXPECT_TRUE(Doc().Core().People().empty());
    Open(path);
    ASSERT_EQ(Doc().Core().People().size(), 1u);
    EXPECT_EQ(Doc().Core().People()[0]->name, "源頼朝");
    EXPECT_EQ(Doc().GetUserReadableName(), ToWx("頼朝.vtc"));
}

TEST_F(DocumentFile, RecentFilesKeepFourMostRecentFirst) {
    std::vector<wxString> paths;
    for (int i = 0; i < 5; ++i) {
        paths.push_back(Path("f" + std::to_string(i) + ".vtc"));
        SaveAs(paths.back());
    }
    EXPECT_EQ(profile.GetString(PK::kRecentFileList, "File1", ""), FromWx(paths[4]));
    EXPECT_EQ(profile.GetString(PK::kRecentFileList, "File4", ""), FromWx(paths[1]));
    EXPECT_EQ(manager->GetFileHistory()->GetCount(), 4u);

    // The list's entries open their files; a vanished one leaves the list.
    std::filesystem::remove(FromWx(paths[3]));
    wxString text;
    wxTEST_DIALOG(Command(Id::FileMruFirst + 1), CExpectMessage(wxOK, &text));
    EXPECT_EQ(text, paths[3] + ToWx(" を開けませんでした。\nファイルまたはフォルダーが見つかりません。"));
    EXPECT_EQ(manager->GetFileHistory()->GetCount(), 3u);
    EXPECT_EQ(profile.GetString(PK::kRecentFileList, "File4", ""), "");
}

TEST_F(DocumentFile, DamagedOrMissingFilesSayWhyAndKeepTheOpenDocument) {
    AddPerson("残る人", 1900, 1950);
    Refresh();
    const wxString damaged = Path("damaged.vtc");
    CFileIO::WriteFileAtomically(FromWx(damaged), std::string("\x11\x00\x00\x00garbage", 11));
    wxString text;
    wxTEST_DIALOG(Open(damaged), CExpectMessage(wxOK, &text));
    EXPECT_EQ(text, damaged + ToWx(" を開けませんでした。\nファイルが壊れているか、Vitachronのファイルではありません。"));
    ASSERT_EQ(Doc().Core().People().size(), 1u);
    EXPECT_TRUE(Doc().IsModified());

    const wxString missing = Path("missing.vtc");
    wxTEST_DIALOG(Open(missing), CExpectMessage(wxOK, &text));
    EXPECT_EQ(text, missing + ToWx(" を開けませんでした。\nファイルまたはフォルダーが見つかりません。"));
    EXPECT_EQ(Doc().Core().People().size(), 1u);
}

TEST_F(DocumentFile, FailedSaveLeavesTheOldFileAndTheDocumentModified) {
    const wxString path = Path("keep.vtc");
    SaveAs(path);
    const std::string before = CScratchDir::Read(FromWx(path));
    AddPerson("新しい人", 1900, 1950);
    Refresh();
    // A folder where the file would go.
    const wxString blocked = Path("blocked.vtc");
    std::filesystem::create_directories(FromWx(blocked));
    wxString text;
    wxTEST_DIALOG(SaveAs(blocked), CExpectMessage(wxOK, &text));
    EXPECT_EQ(text, blocked + ToWx(" に保存できませんでした。\n通常のファイルではありません（フォルダー、装置、名前付きパイプなど）。"
                                   "\n元のファイルはそのまま残っています。"));
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(Doc().GetFilename(), path);
    EXPECT_EQ(CScratchDir::Read(FromWx(path)), before);

#ifndef _WIN32  // Windows has no file-size limit of a process
    // Saved over itself under a file-size limit smaller than the file, with
    // the signal ignored as the program ignores it.
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const rlimit tiny{100, old.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &tiny);
    wxTEST_DIALOG(Command(Id::FileSave), CExpectMessage(wxOK, &text));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
    EXPECT_EQ(text, path + ToWx(" に保存できませんでした。\nファイルサイズの上限（ulimit -f）を超えるため書き込めません。"
                                "\n元のファイルはそのまま残っています。"));
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(CScratchDir::Read(FromWx(path)), before);
#endif
    for (const auto& entry : std::filesystem::directory_iterator(TempDir())) {
        EXPECT_EQ(entry.path().filename().string().rfind('.', 0), std::string::npos) << "left behind: " << entry.path();
    }
}

TEST_F(DocumentFile, ClosingAModifiedDocumentAsksToSaveIt) {
    AddPerson("a", 1900, 1950);
    Refresh();
    wxString text;
    // Cancel keeps it open; No lets it go unsaved.
    wxTEST_DIALOG(EXPECT_EQ(manager->CreateDocument(wxEmptyString, wxDOC_NEW), nullptr),
                  CExpectMessage(wxCANCEL, &text));
    EXPECT_EQ(text, ToWx("無題 への変更を保存しますか？"));
    EXPECT_EQ(Doc().Core().People().size(), 1u);
    wxTEST_DIALOG(Command(Id::FileNew), CExpectMessage(wxNO, &text));
    EXPECT_TRUE(Doc().Core().People().empty());

    // Yes saves through "名前を付けて保存" first.
    AddPerson("b", 1900, 1950);
    Refresh();
    const wxString path = Path("asked.vtc");
    chooser.answers.push_back({path});
    wxTEST_DIALOG(Command(Id::FileNew), CExpectMessage(wxYES, &text));
    EXPECT_TRUE(std::filesystem::exists(FromWx(path)));
    EXPECT_TRUE(Doc().Core().People().empty());
}

TEST_F(DocumentFile, OpeningADocumentShowsItsBaseYearAndGroupingOnTheBar) {
    Doc().Core().Settings().baseYearShown = true;
    Doc().Core().Settings().baseYear = 1868;
    Doc().Core().Settings().groupByCategory = true;
    const wxString path = Path("bar.vtc");
    SaveAs(path);
    Command(Id::FileNew);
    EXPECT_EQ(frame->DataBar()->BaseYearText()->GetValue(), "1");
    Open(path);
    EXPECT_EQ(frame->DataBar()->BaseYearText()->GetValue(), "1868");
    EXPECT_TRUE(frame->DataBar()->BaseYearText()->IsEnabled());
    EXPECT_FALSE(frame->DataBar()->BaseYearOff()->GetValue());
}

TEST_F(DocumentFile, StartingWithAFileThatCannotBeOpenedGivesANewDocument) {
    const wxString good = Path("start.vtc");
    AddPerson("a", 1900, 1950);
    Refresh();
    SaveAs(good);
    Doc().Modify(false);
    manager->CloseDocuments(true);
    ASSERT_NE(manager->StartWith(good), nullptr);
    EXPECT_EQ(Doc().GetFilename(), good);
    EXPECT_EQ(Doc().Core().People().size(), 1u);

    manager->CloseDocuments(true);
    const wxString bad = Path("not-a-document.vtc");
    CFileIO::WriteFileAtomically(FromWx(bad), "plain text");
    wxString text;
    wxTEST_DIALOG(EXPECT_NE(manager->StartWith(bad), nullptr), CExpectMessage(wxOK, &text));
    EXPECT_EQ(text, bad + ToWx(" を開けませんでした。\nファイルが壊れているか、Vitachronのファイルではありません。"));
    EXPECT_TRUE(Doc().Core().People().empty());
    EXPECT_EQ(Doc().GetUserReadableName(), ToWx("無題"));
}
