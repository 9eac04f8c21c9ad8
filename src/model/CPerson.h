// One person of the chronology: name, birth and death dates that may be
// unknown, uncertain ("?") or hidden, a category, an optional reading and a
// free comment. The document owns these; the category is only pointed at.
#pragma once

#include "model/CScaleYear.h"
#include "model/CText.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

class CArchiveReader;
class CArchiveWriter;
class CCategory;
class CLineCSV;

class CPerson {
public:
    static constexpr std::int64_t kLargestKey = std::numeric_limits<std::int64_t>::max();
    static constexpr std::int32_t kRecordVersion = 8;

    // Kept small: a document may hold millions. The file record's order is
    // Write's; here the fields are packed, the texts in 16 bytes each.
    CScaleYear birth;
    CScaleYear death;  // unknown: living, or death not known
    CText name;
    CText comment;  // lines separated by CR LF
    CText reading;
    CText categoryName;
    CText birthNote;
    CText deathNote;
    CCategory* category = nullptr;
    std::int32_t birthMonth = -1;
    std::int32_t birthDay = -1;
    std::int32_t deathMonth = -1;
    std::int32_t deathDay = -1;
    std::uint32_t categoryColor = 255;
    bool reservedFlag1 = true;
    bool reservedFlag2 = true;
    bool kazoe = false;  // 数え年: one more than the completed years
    bool birthUncertain = false;
    bool deathUncertain = false;
    bool ageUncertain = false;
    bool hideBirth = false;
    bool hideDeath = false;
    bool hideAge = false;

    struct DateText {
        CScaleYear year{0, 1};
        std::int32_t month = -1;
        std::int32_t day = -1;
        std::string note;  // "[...]" with its brackets, or empty
    };
    // "1234/2/4", "-660", "1600[頃]/3": never fails, checks nothing.
    static DateText ParseDateText(std::string_view text);

    std::string FormatBirthText(bool yearOnly) const;
    std::string FormatDeathText(bool yearOnly) const;

    void SetBirth(const CScaleYear& year) { birth = year; }
    void SetDeath(const CScaleYear& year) { death = year; }
    // The dates' order for sorting: kLargestKey when the year is unknown.
    // Worked out when asked rather than kept: 16 bytes less a person.
    std::int64_t BirthKey() const { return DateKey(birth, birthMonth, birthDay); }
    std::int64_t DeathKey() const { return DateKey(death, deathMonth, deathDay); }

    // The age in the target year, or at the death (now, when living); none
    // when the birth is unknown. currentYear stands for the local clock.
    std::optional<CScaleYear> AgeAt(const std::optional<CScaleYear>& target, int currentYear) const;
    std::optional<CScaleYear> AgeAt(const std::optional<CScaleYear>& target = std::nullopt) const;
    std::optional<CScaleYear> AgeAtYear(int year) const { return AgeAt(CScaleYear(year, 1)); }
    bool IsAgeHidden() const;

    // One CSV line of six columns (birth, death, name, reading, category,
    // comment), both ways. Defined with the CSV code in src/interchange.
    bool FromCsvFields(const CLineCSV& line);
    void ToCsvFields(CLineCSV& line) const;

    // Texts that point into their document's storage (see CText::Borrowing)
    // get their own copies: for a person that leaves the document.
    void OwnTexts();

    void Write(CArchiveWriter& ar) const;
    // Reads a record of any version 1..8 (later versions as 8).
    void Read(CArchiveReader& ar);
    // The smallest number of bytes any record version can take.
    static constexpr std::size_t kMinRecordBytes = 4 + 4 + 4 + 1 + 1 + 4 + 4 * 3;

private:
    static std::string FormatDate(const CScaleYear& year, std::int32_t month, std::int32_t day,
                                  std::string_view note, bool yearOnly);
    static std::int64_t DateKey(const CScaleYear& year, std::int32_t month, std::int32_t day);
};
