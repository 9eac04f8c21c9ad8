// CPerson's conversion to and from one CSV line. It lives with the CSV code
// rather than in src/model so that the person record knows nothing of files.
#include "model/CPerson.h"

#include "interchange/CLineCSV.h"
#include "model/CCategory.h"

namespace {

void RemoveQuestionMarks(std::string& text) { std::erase(text, '?'); }

// Every four-character sequence \r\n is a line break.
std::string UnescapeLineBreaks(std::string_view text) {
    std::string out;
    std::size_t from = 0;
    for (std::size_t at = text.find("\\r\\n"); at != std::string_view::npos; at = text.find("\\r\\n", from)) {
        out.append(text.substr(from, at - from)).append("\r\n");
        from = at + 4;
    }
    return out.append(text.substr(from));
}

}  // namespace

bool CPerson::FromCsvFields(const CLineCSV& line) {
    const auto f1 = line.Field(0);
    if (!f1 || f1->empty()) {
        return false;
    }
    const bool birthUnknown = *f1 == "?";
    if (birthUnknown) {
        birth = CScaleYear::Unknown();
        hideBirth = true;
        hideAge = true;
        birthUncertain = true;
        ageUncertain = true;
    } else {
        std::string text(*f1);
        if (text.find('?') != std::string::npos) {
            birthUncertain = true;
            ageUncertain = true;
            hideAge = false;
            RemoveQuestionMarks(text);
        }
        DateText d = ParseDateText(text);
        birth = d.year;
        birthMonth = d.month;
        birthDay = d.day;
        birthNote = std::move(d.note);
    }

    const auto f2 = line.Field(1);
    if (!f2) {
        return false;
    }
    if (*f2 == "?") {
        // A person needs at least one of the two years.
        if (birthUnknown) {
            return false;
        }
        death = CScaleYear::Unknown();
        hideDeath = true;
        deathUncertain = true;
        hideAge = true;
        ageUncertain = true;
    } else if (f2->empty()) {
        death = CScaleYear::Unknown();  // living
        deathMonth = -1;
        deathDay = -1;
    } else {
        std::string text(*f2);
        if (text.find('?') != std::string::npos) {
            deathUncertain = true;
            ageUncertain = true;
            RemoveQuestionMarks(text);
        }
        DateText d = ParseDateText(text);
        death = d.year;
        deathMonth = d.month;
        deathDay = d.day;
        deathNote = std::move(d.note);
    }

    const auto f3 = line.Field(2);
    if (!f3) {
        return false;
    }
    name = *f3;
    if (const auto f4 = line.Field(3)) {
        reading = *f4;
    }
    if (const auto f5 = line.Field(4)) {
        categoryName = *f5;
    }
    if (const auto f6 = line.Field(5)) {
        comment = UnescapeLineBreaks(*f6);
    }
    return true;
}

void CPerson::ToCsvFields(CLineCSV& line) const {
    // The birth note is written also when the year is unknown; the death's
    // only with a known year.
    std::string birthText = FormatBirthText(false);
    if (birthUncertain) {
        birthText += '?';
    }
    std::string deathText = death.IsUnknown() ? std::string() : FormatDeathText(false);
    if (deathUncertain) {
        deathText += '?';
    }
    const std::string_view categoryText = category != nullptr ? std::string_view(category->name) : categoryName.view();
    line.Reserve(birthText.size() + deathText.size() + name.size() + reading.size() + categoryText.size() +
                     comment.size(),
                 6);
    line.Add(birthText);
    line.Add(deathText);
    line.Add(name);
    line.Add(reading);
    line.Add(categoryText);
    line.Add(comment);
}
