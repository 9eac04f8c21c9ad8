// Rebuilds the bundled sample document: people of Japanese history with
// their commonly cited dates, a few categories and a base year.
//   make-sample data/sample.vtc
#include "model/CFileError.h"
#include "model/CFileIO.h"
#include "model/CMemoryProfile.h"
#include "model/CNullDocHost.h"
#include "model/CVitachronDoc.h"

#include <iostream>

namespace {

struct Entry {
    const char* birth;  // date text; a trailing "?" marks it uncertain
    const char* death;  // empty: living
    const char* name;
    const char* reading;
    const char* category;
    const char* comment;
    bool kazoe;
};

constexpr Entry kPeople[] = {
    {"574/2/7", "622/4/8", "聖徳太子", "しょうとくたいし", "政治", "推古天皇の摂政。\r\n十七条憲法を定めたと伝わる。", false},
    {"614", "669/11/14", "藤原鎌足", "ふじわらのかまたり", "政治", "", false},
    {"973?", "1014?", "紫式部", "むらさきしきぶ", "文化", "『源氏物語』の作者。", false},
    {"966?", "1025?", "清少納言", "せいしょうなごん", "文化", "", false},
    {"1118", "1181/3/20", "平清盛", "たいらのきよもり", "武将", "", false},
    {"1147/5/9", "1199/2/9", "源頼朝", "みなもとのよりとも", "武将", "鎌倉幕府を開く。", false},
    {"1305/8/18", "1358/6/7", "足利尊氏", "あしかがたかうじ", "武将", "", false},
    {"1420[頃]", "1506", "雪舟", "せっしゅう", "文化", "", false},
    {"1522", "1591/4/21", "千利休", "せんのりきゅう", "文化", "", false},
    {"1534/6/23", "1582/6/21", "織田信長##尾張の戦国大名", "おだのぶなが", "武将", "本能寺の変で没す。", false},
    {"1537/3/17", "1598/9/18", "豊臣秀吉", "とよとみひでよし", "武将", "", false},
    {"1543/1/31", "1616/6/1", "徳川家康", "とくがわいえやす", "武将", "江戸幕府を開く。", false},
    {"1644", "1694/11/28", "松尾芭蕉", "まつおばしょう", "文化", "", true},
    {"1745/2/11", "1818/5/17", "伊能忠敬", "いのうただたか", "学者", "日本全国を測量した。", false},
    {"1760/10/31", "1849/5/10", "葛飾北斎", "かつしかほくさい", "文化", "", false},
    {"1828/1/23", "1877/9/24", "西郷隆盛", "さいごうたかもり", "政治", "", false},
    {"1835/1/10", "1901/2/3", "福沢諭吉", "ふくざわゆきち", "学者", "", false},
    {"1836/1/3", "1867/12/10", "坂本龍馬", "さかもとりょうま", "政治", "", false},
    {"1864/12/31", "1929/8/16", "津田梅子", "つだうめこ", "学者", "", false},
    {"1867/2/9", "1916/12/9", "夏目漱石", "なつめそうせき", "文化", "", false},
    {"1872/5/2", "1896/11/23", "樋口一葉", "ひぐちいちよう", "文化", "", false},
    {"1876/11/9", "1928/5/21", "野口英世", "のぐちひでよ", "学者", "", false},
    {"1907/1/23", "1981/9/8", "湯川秀樹", "ゆかわひでき", "学者", "", false},
    {"1950/4/1", "", "山田はな", "やまだはな", "家族", "家系図の例：存命の人物。", false},
};

struct Category {
    const char* name;
    std::uint32_t color;
};

constexpr Category kCategories[] = {
    {"政治", 16744576},  // light blue
    {"武将", 8421631},   // salmon
    {"文化", 32768},     // green
    {"学者", 4227327},   // orange
    {"家族", 12615935},  // pink
};

void SetDate(const char* text, CPerson& p, bool birth) {
    std::string t = text;
    bool uncertain = false;
    if (const auto q = t.find('?'); q != std::string::npos) {
        t.erase(q, 1);
        uncertain = true;
    }
    const CPerson::DateText d = CPerson::ParseDateText(t);
    if (birth) {
        p.birthMonth = d.month;
        p.birthDay = d.day;
        p.birthNote = d.note;
        p.birthUncertain = uncertain;
        p.SetBirth(d.year);
    } else {
        p.deathMonth = d.month;
        p.deathDay = d.day;
        p.deathNote = d.note;
        p.deathUncertain = uncertain;
        p.SetDeath(d.year);
    }
    p.ageUncertain = p.ageUncertain || uncertain;
}

}  // namespace

int main(int argc, char** argv) {
    CFileIO::FailWritesBeyondTheSizeLimit();
    if (argc != 2) {
        std::cerr << "usage: make-sample OUT.vtc\n";
        return 2;
    }
    CNullDocHost host;
    CMemoryProfile profile;
    CVitachronDoc doc(host, profile, {});
    CDocSettings& s = doc.Settings();
    s.startYear = 550;
    s.endYear = 2030;  // fixed, so that the file is the same whenever it is rebuilt
    s.baseYearShown = true;
    s.baseYear = 1600;  // 関ヶ原の戦い
    s.sortOrder = 3;
    s.leftWidth = 150;

    for (const Category& c : kCategories) {
        doc.CategoryTable().Add(c.color, c.name, false);
    }
    for (const Entry& e : kPeople) {
        auto p = std::make_unique<CPerson>();
        SetDate(e.birth, *p, true);
        if (*e.death != '\0') {
            SetDate(e.death, *p, false);
        }
        p->name = e.name;
        p->reading = e.reading;
        p->comment = e.comment;
        p->kazoe = e.kazoe;
        p->categoryName = e.category;
        doc.AssignImportedCategory(*p, 0);
        doc.AppendPerson(std::move(p));
    }
    doc.Sort();
    try {
        doc.SaveFile(argv[1]);
    } catch (const CFileError& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
