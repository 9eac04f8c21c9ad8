#include "cli/DocumentJson.h"

#include "model/CVitachronDoc.h"

#include <unordered_map>

using Json = nlohmann::ordered_json;

namespace {

Json YearJson(const CScaleYear& y) { return Json{{"value", y.value}, {"unit", y.unit}}; }

Json FontJson(const CLogFont& f) {
    return Json{{"height", f.height},
                {"width", f.width},
                {"escapement", f.escapement},
                {"orientation", f.orientation},
                {"weight", f.weight},
                {"italic", f.italic},
                {"underline", f.underline},
                {"strikeOut", f.strikeOut},
                {"charSet", f.charSet},
                {"outPrecision", f.outPrecision},
                {"clipPrecision", f.clipPrecision},
                {"quality", f.quality},
                {"pitchAndFamily", f.pitchAndFamily},
                {"faceName", f.faceName}};
}

Json PersonJson(const CPerson& p, const CCategoryTable& table, int currentYear) {
    Json j;
    j["birth"] = YearJson(p.birth);
    j["death"] = YearJson(p.death);
    j["name"] = p.name;
    j["comment"] = p.comment;
    j["categoryColor"] = p.categoryColor;
    j["reservedFlag1"] = p.reservedFlag1;
    j["reservedFlag2"] = p.reservedFlag2;
    j["kazoe"] = p.kazoe;
    j["reading"] = p.reading;
    j["birthUncertain"] = p.birthUncertain;
    j["deathUncertain"] = p.deathUncertain;
    j["ageUncertain"] = p.ageUncertain;
    j["birthMonth"] = p.birthMonth;
    j["birthDay"] = p.birthDay;
    j["deathMonth"] = p.deathMonth;
    j["deathDay"] = p.deathDay;
    j["birthKey"] = p.BirthKey();
    j["deathKey"] = p.DeathKey();
    j["categoryName"] = p.categoryName;
    j["category"] = table.IndexOf(p.category);
    j["hideBirth"] = p.hideBirth;
    j["hideDeath"] = p.hideDeath;
    j["hideAge"] = p.hideAge;
    j["birthNote"] = p.birthNote;
    j["deathNote"] = p.deathNote;
    j["birthText"] = p.FormatBirthText(false);
    j["deathText"] = p.FormatDeathText(false);
    const auto age = p.AgeAt(std::nullopt, currentYear);
    j["age"] = age ? YearJson(*age) : Json(nullptr);
    return j;
}

}  // namespace

Json DocumentToJson(const CVitachronDoc& doc, int currentYear) {
    const CDocSettings& s = doc.Settings();
    Json j;
    j["version"] = doc.LoadedVersion();
    j["startYear"] = s.startYear;
    j["endYear"] = s.endYear;
    j["yearWidth"] = s.yearWidth;
    j["rowHeight"] = s.rowHeight;
    j["reservedMetric"] = s.reservedMetric;
    j["barThickness"] = s.barThickness;
    j["labelStep"] = s.labelStep;
    j["displayUnit"] = s.displayUnit;
    j["sortOrder"] = s.sortOrder;
    j["groupByCategory"] = s.groupByCategory;
    j["baseYearShown"] = s.baseYearShown;
    j["baseYear"] = s.baseYear;
    j["basisColor"] = s.basisColor;
    j["ageColors"] = s.ageColors;
    j["showBeforeBirth"] = s.showBeforeBirth;
    j["showAfterDeath"] = s.showAfterDeath;
    j["countFromBirth"] = s.countFromBirth;
    j["memorialCount"] = s.memorialCount;
    j["yearOnly"] = s.yearOnly;
    j["baseOnLine"] = s.baseOnLine;
    j["baseBesideAge"] = s.baseBesideAge;
    j["nameColor"] = s.nameColor;
    j["beginEndColor"] = s.beginEndColor;
    j["headerYearColor"] = s.headerYearColor;
    j["backColor"] = s.backColor;
    j["suppleColor"] = s.suppleColor;
    j["customColors"] = s.customColors;
    j["fontName"] = FontJson(s.fontName);
    j["fontScale"] = FontJson(s.fontScale);
    j["fontYear"] = FontJson(s.fontYear);
    j["fontBasis"] = FontJson(s.fontBasis);
    j["zoom"] = s.zoom;
    j["kazoeAster"] = s.kazoeAster;
    j["commentSeparator"] = s.commentSeparator;
    j["displayYearRange"] = s.displayYearRange;
    j["displayAge"] = s.displayAge;
    j["displaySuppleMark"] = s.displaySuppleMark;
    j["defaultBarLength"] = s.defaultBarLength;
    j["leftWidth"] = s.leftWidth;
    j["linkedDocument"] = doc.LinkedDocument();
    j["htmlPaths"] = doc.HtmlPaths();

    Json categories = Json::array();
    const CCategoryTable& table = doc.CategoryTable();
    for (std::size_t i = 0; i < table.Size(); ++i) {
        const CCategory* c = table.At(i);
        categories.push_back(Json{{"color", c->color}, {"name", c->name}, {"shared", c->shared}});
    }
    j["categories"] = std::move(categories);

    Json people = Json::array();
    for (const auto& p : doc.People()) {
        people.push_back(PersonJson(*p, table, currentYear));
    }
    j["people"] = std::move(people);

    std::unordered_map<const CPerson*, std::size_t> storedIndex;
    for (std::size_t i = 0; i < doc.People().size(); ++i) {
        storedIndex[doc.People()[i].get()] = i;
    }
    Json order = Json::array();
    for (const CPerson* p : doc.DisplayOrder()) {
        order.push_back(storedIndex.at(p));
    }
    j["displayOrder"] = std::move(order);
    return j;
}
