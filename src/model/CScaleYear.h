// A year written as a 32-bit value times a power of ten, so that years far
// beyond the 32-bit range keep their leading digits while ordinary years stay
// exact. Every birth and death year, and every age, is one of these.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class CArchiveReader;
class CArchiveWriter;

class CScaleYear {
public:
    static constexpr std::int32_t kUnknownValue = 2147483647;

    std::int32_t value = kUnknownValue;
    std::uint32_t unit = 1;

    constexpr CScaleYear() = default;
    constexpr CScaleYear(std::int32_t v, std::uint32_t u = 1) : value(v), unit(u == 0 ? 1 : u) {}

    // The "unknown year": not known, and for a death also "still living".
    // The exact fields only: under the aligned comparison (214748364, 10), a
    // death of 2147483640 years and more, would also read as "still living".
    static constexpr CScaleYear Unknown() { return CScaleYear{}; }
    bool IsUnknown() const { return value == kUnknownValue && unit == 1; }

    struct ParseResult;
    // Reads an optional sign and decimal digits, stopping at the first
    // character that is not a digit. Digits beyond what 32 bits hold are
    // carried in the unit instead, so nothing wraps.
    static ParseResult ParseYearText(std::string_view text);
    std::string FormatYearText() const;

    struct Scaled {
        std::int32_t value;
        std::uint32_t multiplier;
    };
    Scaled ValueIn(std::uint32_t u) const;

    struct Aligned {
        std::int64_t a;
        std::int64_t b;
        std::uint32_t unit;
    };
    static Aligned AlignUnits(const CScaleYear& a, const CScaleYear& b);

    friend bool operator==(const CScaleYear& a, const CScaleYear& b);
    friend bool operator<(const CScaleYear& a, const CScaleYear& b);
    friend bool operator>(const CScaleYear& a, const CScaleYear& b) { return b < a; }
    friend bool operator>=(const CScaleYear& a, const CScaleYear& b) { return !(a < b); }
    friend bool operator<=(const CScaleYear& a, const CScaleYear& b) { return !(b < a); }
    friend bool operator!=(const CScaleYear& a, const CScaleYear& b) { return !(a == b); }

    friend CScaleYear operator-(const CScaleYear& a, const CScaleYear& b);
    friend CScaleYear operator+(const CScaleYear& a, const CScaleYear& b);

    // One year more or less; a coarser number (unit above 1) stays as it is.
    CScaleYear Incremented() const;
    CScaleYear Decremented() const;

    // Raw fields, exactly as the document file stores them.
    bool SameFields(const CScaleYear& o) const { return value == o.value && unit == o.unit; }

    void Write(CArchiveWriter& ar) const;
    static CScaleYear Read(CArchiveReader& ar);

private:
    // Normalises a wide result back into 32 bits by moving digits into the unit.
    static CScaleYear FromWide(std::int64_t value, std::uint64_t unit);
};

struct CScaleYear::ParseResult {
    CScaleYear year;
    std::size_t end = 0;  // position after the last character read
};
