// The interchange commands of vitachron-cli, run as a user runs them.
#include "cli/CliRunner.h"
#include "model/CMemoryProfile.h"
#include "model/CVitachronDoc.h"
#include "support/core/CRecordingHost.h"
#include "support/core/CScratchDir.h"
#include "support/interchange/Cp932Text.h"

#include <gtest/gtest.h>

namespace {

class InterchangeCli : public ::testing::Test {
protected:
    CliResult Run(const std::vector<std::string>& args) const { return CliRunner(dir.Path()).Run(args); }

    // The people of a document file, by name in stored order.
    std::vector<std::string> NamesIn(const std::string& file) {
        CVitachronDoc doc(host, profile, {});
        doc.OpenFile(dir / file);
        std::vector<std::string> names;
        for (const auto& p : doc.People()) {
            names.push_back(p->name);
        }
        return names;
    }

    void SaveDocument(const std::string& file, const std::vector<std::pair<std::string, int>>& people) {
        CVitachronDoc doc(host, profile, {});
        for (const auto& [name, birth] : people) {
            auto p = std::make_unique<CPerson>();
            p->name = name;
            p->SetBirth(CScaleYear(birth));
            p->category = doc.DefaultCategory();
            doc.AppendPerson(std::move(p));
        }
        doc.SaveFile(dir / file);
    }

    CScratchDir dir;
    CRecordingHost host;
    CMemoryProfile profile;
};

}  // namespace

TEST_F(InterchangeCli, ImportCsvListsRejectedLinesAsTheDialogWouldAndCounts) {
    dir.Write("in.csv", Cp932("1900/10/1,1950/5/1,山田,やまだ,政治,\"a\r\nb\"\r\n"
                              "?,?,\"no, body\"\r\n"
                              "1901,,鈴木\r\n"
                              "\r\n"));
    const CliResult r = Run({"import-csv", "in.csv", "out.vtc", "--kazoe"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "added 2, rejected 2\n");
    EXPECT_EQ(r.err, "?,?,\"no, body\"\r\n\r\n");
    EXPECT_EQ(NamesIn("out.vtc"), (std::vector<std::string>{"山田", "鈴木"}));

    CVitachronDoc doc(host, profile, {});
    doc.OpenFile(dir / "out.vtc");
    EXPECT_TRUE(doc.People()[0]->kazoe);
    EXPECT_EQ(doc.People()[0]->comment, "a\r\r\nb");
    EXPECT_EQ(doc.People()[0]->category->name, "政治");
}

TEST_F(InterchangeCli, ImportIntoAnExistingDocumentAppendsToItsPeople) {
    SaveDocument("doc.vtc", {{"first", 1800}});
    dir.Write("in.csv", "1900,,second\n");
    dir.Write("a.lby", Cp932("[基点年],5\r\nthird\r\n1534\r\n1582\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"));

    ASSERT_EQ(Run({"import-csv", "in.csv", "mid.vtc", "--into", "doc.vtc"}).out, "added 1, rejected 0\n");
    const CliResult r = Run({"import-lby", "out.vtc", "a.lby", "missing.lby", "--into", "mid.vtc"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "added 1, failed 1\n");
    EXPECT_EQ(r.err, "ファイル" + (dir / "missing.lby").string() + "の読み込みに失敗しました\nファイルまたはフォルダーが見つかりません。\n");
    EXPECT_EQ(NamesIn("out.vtc"), (std::vector<std::string>{"first", "second", "third"}));
    EXPECT_EQ(NamesIn("doc.vtc"), (std::vector<std::string>{"first"}));
}

TEST_F(InterchangeCli, AnUnreadableCsvChangesNoFile) {
    SaveDocument("doc.vtc", {{"first", 1800}});
    const std::string before = CScratchDir::Read(dir / "doc.vtc");
    dir.Write("bad.csv", "1900,,\"open\r\n1901,,x\r\n");

    const CliResult r = Run({"import-csv", "bad.csv", "doc.vtc", "--into", "doc.vtc"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "ＣＳＶファイルの読み込みに失敗しました\n1行目の引用符（\"）が閉じられていません。\n");
    EXPECT_EQ(CScratchDir::Read(dir / "doc.vtc"), before);

    EXPECT_EQ(Run({"import-csv", "missing.csv", "new.vtc"}).status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "new.vtc"));
}

TEST_F(InterchangeCli, ExportCsvWritesCodePage932OrStopsAndNamesThePerson) {
    SaveDocument("doc.vtc", {{"表ソ", 1900}, {"𠮷田", 1901}});
    CliResult r = Run({"export-csv", "doc.vtc", "out.csv"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "「𠮷田」の名前に、シフトJIS（コードページ932）で表せない文字「𠮷」（U+20BB7）があります。\n"
                     "ＣＳＶファイルは書き出していません。\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "out.csv"));

    r = Run({"export-csv", "doc.vtc", "out.csv", "--utf8"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "exported 2\n");
    EXPECT_EQ(CScratchDir::Read(dir / "out.csv"), "\xEF\xBB\xBF" "1900,,表ソ,,,\r\n1901,,𠮷田,,,\r\n");

    SaveDocument("plain.vtc", {{"表ソ", 1900}});
    ASSERT_EQ(Run({"export-csv", "plain.vtc", "plain.csv"}).status, 0);
    EXPECT_EQ(CScratchDir::Read(dir / "plain.csv"), Cp932("1900,,表ソ,,,\r\n"));
}

TEST_F(InterchangeCli, ExportLbyWritesChosenRowsIntoTheFolder) {
    SaveDocument("doc.vtc", {{"甲", 1900}, {"乙", 1910}, {"丙", 1920}});
    std::filesystem::create_directory(dir / "out");

    CliResult r = Run({"export-lby", "doc.vtc", "out", "--rows", "2,0,2"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "written 2, failed 0\n");
    EXPECT_EQ(r.err, "ファイルの変換が完了しました\n");
    EXPECT_TRUE(std::filesystem::exists(dir / "out/甲.lby"));
    EXPECT_FALSE(std::filesystem::exists(dir / "out/乙.lby"));
    EXPECT_EQ(CScratchDir::Read(dir / "out/丙.lby"),
              Cp932("[基点年],5\r\n丙\r\n1920\r\n2147483647\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"));

    for (const std::string rows : {"3", "1,", "", "-1", "x"}) {
        EXPECT_EQ(Run({"export-lby", "doc.vtc", "out", "--rows", rows}).status, 2) << rows;
    }

    // Without --rows everyone goes, and the files read back as the same people.
    ASSERT_EQ(Run({"export-lby", "doc.vtc", "out"}).out, "written 3, failed 0\n");
    r = Run({"import-lby", "back.vtc", "out/甲.lby", "out/乙.lby", "out/丙.lby"});
    EXPECT_EQ(r.out, "added 3, failed 0\n");
    EXPECT_EQ(NamesIn("back.vtc"), (std::vector<std::string>{"甲", "乙", "丙"}));
}

#ifndef _WIN32  // Windows has no file-size limit to give a process
TEST_F(InterchangeCli, AFileSizeLimitFailsEachSaveWithItsMessageAndKeepsTheOldFile) {
    // The first person's long note makes even that person's own file too large.
    std::string csv = "1900,1950,長い,,,\"" + std::string(3000, 'n') + "\"\r\n";
    for (int i = 0; i < 100; ++i) {
        csv += "1900,1950,人" + std::to_string(i) + ",ひと,分類,\r\n";
    }
    dir.Write("in.csv", Cp932(csv));
    ASSERT_EQ(Run({"import-csv", "in.csv", "doc.vtc"}).status, 0);
    std::filesystem::create_directory(dir / "lby");
    const std::string old(16 * 1024, 'o');
    for (const auto& [args, target] : {std::pair{std::vector<std::string>{"import-csv", "in.csv", "old.vtc"}, "old.vtc"},
                                       {{"export-csv", "doc.vtc", "old.csv"}, "old.csv"},
                                       {{"export-lby", "doc.vtc", "lby", "--rows", "0"}, "lby/長い.lby"}}) {
        dir.Write(target, old);
        const CliResult r = CliRunner(dir.Path()).RunWithFileSizeLimit(args, 2048);
        EXPECT_EQ(r.status, 1) << args[0];
        EXPECT_NE(r.err.find("ファイルサイズの上限（ulimit -f）を超えるため書き込めません。"), std::string::npos) << r.err;
        EXPECT_EQ(CScratchDir::Read(dir / target), old) << args[0];
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 5);  // no temporary file
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "lby"), {}), 1);
}
#endif

TEST_F(InterchangeCli, WrongArgumentsShowUsage) {
    for (const auto& args : {std::vector<std::string>{"import-csv", "in.csv"},
                                                {"import-csv", "a", "b", "--into"},
                                                {"import-csv", "a", "b", "--utf8"},
                                                {"export-csv", "a.vtc"},
                                                {"import-lby", "out.vtc"},
                                                {"export-lby", "a.vtc", "dir", "--kazoe"}}) {
        const CliResult r = Run(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_EQ(r.err.rfind("usage: vitachron-cli " + args[0], 0), 0u) << r.err;
    }
}

TEST_F(InterchangeCli, GedcomInAndOutWithTheCsvCommandsExitStatuses) {
    SaveDocument("doc.vtc", {{"first", 1800}});
    dir.Write("tree.ged", "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME 信長 /織田/\n1 SEX M\n1 BIRT\n2 DATE 1534\n"
                          "0 @I2@ INDI\n1 BIRT\n2 DATE 1600\n0 TRLR\n");
    CliResult r = Run({"import-gedcom", "tree.ged", "out.vtc", "--into", "doc.vtc", "--group", "sex", "--kazoe"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "added 1, reported 1\n");
    EXPECT_EQ(r.err, "8行目: 名前のない個人@I2@は読み込みませんでした。\r\n");
    EXPECT_EQ(NamesIn("out.vtc"), (std::vector<std::string>{"first", "織田信長"}));
    CVitachronDoc doc(host, profile, {});
    doc.OpenFile(dir / "out.vtc");
    EXPECT_EQ(doc.People()[1]->category->name, "男性");
    EXPECT_TRUE(doc.People()[1]->kazoe);

    r = Run({"export-gedcom", "out.vtc", "out.ged", "--gedcom7"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "exported 2\n");
    EXPECT_NE(CScratchDir::Read(dir / "out.ged").find("2 VERS 7.0\n"), std::string::npos);
    ASSERT_EQ(Run({"import-gedcom", "out.ged", "again.vtc"}).out, "added 2, reported 0\n");
    EXPECT_EQ(NamesIn("again.vtc"), NamesIn("out.vtc"));

    // A file that is not GEDCOM changes nothing and fails; misuse shows the usage.
    dir.Write("bad.ged", "not gedcom\n");
    r = Run({"import-gedcom", "bad.ged", "doc.vtc"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("GEDCOMファイルの読み込みに失敗しました"), std::string::npos);
    EXPECT_EQ(NamesIn("doc.vtc"), (std::vector<std::string>{"first"}));
    EXPECT_EQ(Run({"export-gedcom", "missing.vtc", "x.ged"}).status, 1);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"import-gedcom", "tree.ged"}, {"import-gedcom", "tree.ged", "o.vtc", "--group", "age"},
          {"import-gedcom", "tree.ged", "o.vtc", "--utf8"}, {"export-gedcom", "out.vtc", "x.ged", "--gedcom5"}}) {
        const CliResult u = Run(args);
        EXPECT_EQ(u.status, 2) << args.back();
        EXPECT_EQ(u.err.rfind("usage: vitachron-cli " + args[0], 0), 0u) << u.err;
    }
}
