// CPerson's conversion to and from one CSV line. It lives with the CSV code
// rather than in src/model so that the person record knows nothing of files.
#include "model/CPerson.h"

#include "interchange/CLineCSV.h"
#include "model/CColorKindPair.h"

namespace {

void RemoveQuestionMarks(std::string& text) { std::erase(text, '?'); }

// Every four-character sequence \r\n is a line break.
std::string UnescapeLineBreaks(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 4, "\\r\\n") == 0) {
            out += "\r\n";
            i += 3;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

bool CPerson::FromCsvFields(const CLineCSV& line) {
    const std::string* f1 = line.Field(0);
    if (f1 == nullptr || f1->empty()) {
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
        std::string text = *f1;
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
    UpdateBirthKey();

    const std::string* f2 = line.Field(1);
    if (f2 == nullptr) {
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
        std::string text = *f2;
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
    UpdateDeathKey();

    const std::string* f3 = line.Field(2);
    if (f3 == nullptr) {
        return false;
    }
    name = *f3;
    if (const std::string* f4 = line.Field(3)) {
        reading = *f4;
    }
    if (const std::string* f5 = line.Field(4)) {
        categoryName = *f5;
    }
    if (const std::string* f6 = line.Field(5)) {
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
    line.Add(std::move(birthText));
    line.Add(std::move(deathText));
    line.Add(name);
    line.Add(reading);
    line.Add(category != nullptr ? category->name : categoryName);
    line.Add(comment);
}
