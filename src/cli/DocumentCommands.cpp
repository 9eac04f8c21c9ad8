// dump, new, sort and age: the document and person commands of the tool.
#include "cli/CConsoleDocHost.h"
#include "cli/Commands.h"
#include "cli/DocumentJson.h"
#include "model/CFileError.h"
#include "model/CFormatError.h"
#include "model/CMemoryProfile.h"
#include "model/CVitachronDoc.h"
#include "model/LocalTime.h"
#include "model/Utf8Path.h"

#include <iostream>
#include <optional>

namespace {

int Usage(const char* text) {
    std::cerr << "usage: vitachron-cli " << text << '\n';
    return 2;
}

}  // namespace

std::optional<CVitachronDoc> OpenDocument(const std::string& path, CDocHost& host, CProfile& profile) {
    CVitachronDoc doc(host, profile, SharedCategoryFile());
    try {
        doc.OpenFile(PathFromUtf8(path));
    } catch (const CFormatError& e) {
        std::cerr << path << ": damaged document file: " << e.what() << '\n';
        return std::nullopt;
    } catch (const CFileError& e) {
        std::cerr << e.what() << '\n';
        return std::nullopt;
    }
    return doc;
}

namespace {

// "?" or "？" alone is an unknown date; elsewhere the mark only means uncertain.
bool ParseDateArg(std::string text, CScaleYear& year, std::int32_t& month, std::int32_t& day, CText& note,
                  bool& uncertain) {
    if (text == "?" || text == "？") {
        year = CScaleYear::Unknown();
        uncertain = true;
        return true;
    }
    for (const std::string mark : {"?", "？"}) {
        for (auto pos = text.find(mark); pos != std::string::npos; pos = text.find(mark)) {
            text.erase(pos, mark.size());
            uncertain = true;
        }
    }
    const CPerson::DateText d = CPerson::ParseDateText(text);
    year = d.year;
    month = d.month;
    day = d.day;
    note = d.note;
    return true;
}

}  // namespace

int CmdDump(const CliArgs& args) {
    if (args.size() != 1) {
        return Usage("dump FILE.vtc");
    }
    CConsoleDocHost host;
    CMemoryProfile profile;
    auto doc = OpenDocument(args[0], host, profile);
    if (!doc) {
        return 1;
    }
    std::cout << DocumentToJson(*doc, CurrentLocalYear()).dump(2) << '\n';
    return 0;
}

int CmdNew(const CliArgs& args) {
    if (args.size() != 1) {
        return Usage("new FILE.vtc");
    }
    CConsoleDocHost host;
    CMemoryProfile profile;
    CVitachronDoc doc(host, profile, SharedCategoryFile());
    try {
        doc.SaveFile(PathFromUtf8(args[0]));
    } catch (const CFileError& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}

int CmdSort(const CliArgs& args) {
    std::vector<std::string> plain;
    bool group = false;
    for (const auto& a : args) {
        if (a == "--group") {
            group = true;
        } else {
            plain.push_back(a);
        }
    }
    if (plain.size() != 2 || plain[1].size() != 1 || plain[1][0] < '0' || plain[1][0] > '6') {
        return Usage("sort FILE.vtc ORDER(0-6) [--group]");
    }
    CConsoleDocHost host;
    CMemoryProfile profile;
    auto doc = OpenDocument(plain[0], host, profile);
    if (!doc) {
        return 1;
    }
    doc->Settings().sortOrder = plain[1][0] - '0';
    doc->Settings().groupByCategory = group;
    doc->Sort();
    for (const CPerson* p : doc->DisplayOrder()) {
        std::cout << p->name << '\n';
    }
    return 0;
}

int CmdAge(const CliArgs& args) {
    std::vector<std::string> plain;
    std::optional<CScaleYear> at;
    bool kazoe = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--kazoe") {
            kazoe = true;
        } else if (args[i] == "--at" && i + 1 < args.size()) {
            at = CScaleYear::ParseYearText(args[++i]).year;
        } else {
            plain.push_back(args[i]);
        }
    }
    if (plain.empty() || plain.size() > 2) {
        return Usage("age BIRTH [DEATH] [--at YEAR] [--kazoe]");
    }
    CPerson person;
    person.kazoe = kazoe;
    CScaleYear year;
    ParseDateArg(plain[0], year, person.birthMonth, person.birthDay, person.birthNote, person.birthUncertain);
    person.SetBirth(year);
    if (plain.size() == 2 && !plain[1].empty()) {
        ParseDateArg(plain[1], year, person.deathMonth, person.deathDay, person.deathNote, person.deathUncertain);
        person.SetDeath(year);
    }
    const auto age = person.AgeAt(at);
    std::cout << (age ? age->FormatYearText() : std::string("none")) << '\n';
    return 0;
}
