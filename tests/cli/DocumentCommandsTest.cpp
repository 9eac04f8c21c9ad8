#include "CliRunner.h"

#include "model/CDocumentFile.h"
#include "model/CFileIO.h"

#include "support/core/CScratchDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <random>

namespace fs = std::filesystem;

namespace {

const std::string kSample = std::string(VITACHRON_SOURCE_DIR) + "/data/sample.vtc";

CliResult RunCli(const std::vector<std::string>& args) { return CliRunner(fs::temp_directory_path()).Run(args); }

fs::path TempFile(const std::string& name) {
    static const std::string run = std::to_string(std::random_device()());
    return fs::temp_directory_path() / ("vitachron-clitest-" + run + "-" + name);
}

}  // namespace

TEST(CliDump, PrintsEverySettingPersonAndTheDisplayOrder) {
    const CliResult r = RunCli({"dump", kSample});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["version"], 17);
    for (const char* key : {"startYear", "endYear", "yearWidth", "rowHeight", "reservedMetric", "barThickness",
                            "labelStep", "displayUnit", "sortOrder", "groupByCategory", "baseYearShown", "baseYear",
                            "basisColor", "ageColors", "showBeforeBirth", "showAfterDeath", "countFromBirth",
                            "memorialCount", "yearOnly", "baseOnLine", "baseBesideAge", "nameColor", "beginEndColor",
                            "headerYearColor", "backColor", "suppleColor", "customColors", "fontName", "fontScale",
                            "fontYear", "fontBasis", "zoom", "kazoeAster", "commentSeparator", "displayYearRange",
                            "displayAge", "displaySuppleMark", "defaultBarLength", "leftWidth", "htmlPaths",
                            "categories", "people", "displayOrder"}) {
        EXPECT_TRUE(j.contains(key)) << key;
    }
    EXPECT_EQ(j["fontName"]["faceName"], "ＭＳ Ｐゴシック");
    EXPECT_EQ(j["fontName"]["charSet"], 128);

    const auto& people = j["people"];
    ASSERT_GT(people.size(), 10u);
    const auto it = std::find_if(people.begin(), people.end(), [](const auto& p) { return p["name"] == "源頼朝"; });
    ASSERT_NE(it, people.end());
    EXPECT_EQ((*it)["birth"]["value"], 1147);
    EXPECT_EQ((*it)["birthText"], "1147/5/9");
    EXPECT_EQ((*it)["deathText"], "1199/2/9");
    EXPECT_EQ((*it)["age"]["value"], 51);  // February before May: 52 - 1
    const int category = (*it)["category"];
    EXPECT_EQ(j["categories"][category]["name"], "武将");

    // The sample is sorted by birth: the display order must follow the births.
    const auto& order = j["displayOrder"];
    ASSERT_EQ(order.size(), people.size());
    for (std::size_t i = 1; i < order.size(); ++i) {
        EXPECT_LE(people[order[i - 1].get<int>()]["birthKey"].get<std::int64_t>(),
                  people[order[i].get<int>()]["birthKey"].get<std::int64_t>());
    }
}

TEST(CliDump, DamagedFileGivesOneLineWithTheByteOffset) {
    const std::string bytes = CFileIO::ReadFile(kSample, 1 << 20);
    const fs::path damaged = TempFile("damaged.vtc");
    CFileIO::WriteFileAtomically(damaged, bytes.substr(0, 100));
    const CliResult r = RunCli({"dump", damaged.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    EXPECT_NE(r.err.find(damaged.string()), std::string::npos);
    // 100 bytes cannot hold the people the file announces at byte 47.
    EXPECT_NE(r.err.find("at byte 47"), std::string::npos) << r.err;
    fs::remove(damaged);

    const CliResult missing = RunCli({"dump", "/nonexistent/x.vtc"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("/nonexistent/x.vtc"), std::string::npos);
}

TEST(CliDump, RefusesWhatIsNotARegularFileAtOnce) {
    // A device would grow without end, a named pipe wait for a writer for ever.
    const CScratchDir dir;
    for (const fs::path& odd : {CScratchDir::Device(), dir.NotAFile("pipe.vtc"), dir.Path()}) {
        const CliResult r = RunCli({"dump", odd.string()});
        EXPECT_EQ(r.status, 1) << odd;
        EXPECT_EQ(r.err, odd.string() + ": 通常のファイルではありません（フォルダー、装置、名前付きパイプなど）。\n");
    }

    // Larger than any document: refused by its size, before a byte is read.
    const fs::path huge = TempFile("huge.vtc");
    CFileIO::WriteFileAtomically(huge, "");
    fs::resize_file(huge, CDocumentFile::kMaxFileBytes + 1);
    const CliResult r = RunCli({"dump", huge.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, huge.string() + ": ファイルが大きすぎます（1024MBまで）。\n");
    fs::remove(huge);
}

TEST(CliNew, WritesADocumentThatReadsBackEmpty) {
    const fs::path file = TempFile("new.vtc");
    ASSERT_EQ(RunCli({"new", file.string()}).status, 0);
    const CliResult r = RunCli({"dump", file.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_TRUE(j["people"].empty());
    EXPECT_EQ(j["startYear"], 0);
    EXPECT_EQ(j["categories"].size(), 1u);
    fs::remove(file);
}

TEST(CliSort, PrintsNamesInEachOrder) {
    const CliResult byName = RunCli({"sort", kSample, "1"});
    ASSERT_EQ(byName.status, 0);
    EXPECT_EQ(byName.out.substr(0, byName.out.find('\n')), "足利尊氏");  // あしかが comes first
    const CliResult reversed = RunCli({"sort", kSample, "2"});
    EXPECT_EQ(reversed.out.substr(0, reversed.out.find('\n')), "湯川秀樹");  // ゆかわ comes last in 50音
    const CliResult living = RunCli({"sort", kSample, "6"});
    EXPECT_EQ(living.out.substr(0, living.out.find('\n')), "山田はな");  // the living come first
    const CliResult grouped = RunCli({"sort", kSample, "3", "--group"});
    EXPECT_EQ(grouped.out.substr(0, grouped.out.find('\n')), "山田はな");  // 家族 is the first category
    EXPECT_EQ(RunCli({"sort", kSample, "9"}).status, 2);
}

TEST(CliAge, AppliesTheAgeRules) {
    EXPECT_EQ(RunCli({"age", "1900/10/1", "1950/5/1"}).out, "49\n");
    EXPECT_EQ(RunCli({"age", "1900/10/1", "1950/5/1", "--at", "1960"}).out, "59\n");
    EXPECT_EQ(RunCli({"age", "-10", "--at", "10"}).out, "19\n");
    EXPECT_EQ(RunCli({"age", "1900", "--at", "1900", "--kazoe"}).out, "1\n");
    EXPECT_EQ(RunCli({"age", "1900", "--at", "1899", "--kazoe"}).out, "-1\n");
    EXPECT_EQ(RunCli({"age", "?", "1950"}).out, "none\n");
    EXPECT_EQ(RunCli({"age", "？", "1950"}).out, "none\n");
    EXPECT_EQ(RunCli({"age", "1900?", "1950?"}).out, "50\n");  // uncertain, still an age
    EXPECT_EQ(RunCli({"age", "-39999999999", "--at", "2000"}).out, "40000001900\n");  // in hundreds of years
}
