#include "model/CScaleYear.h"

#include "model/CArchiveReader.h"
#include "model/CArchiveWriter.h"
#include "model/CFormatError.h"

#include <limits>

namespace {

constexpr std::uint32_t kMaxUnit = 1000000000u;  // the largest power of ten in 32 bits

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

CScaleYear::ParseResult CScaleYear::ParseYearText(std::string_view text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // Ten significant digits fit when the number starts with 0, 1 or 2, nine otherwise.
    const int limit = (pos < text.size() && static_cast<signed char>(text[pos]) <= '2') ? 10 : 9;

    std::int64_t value = 0;
    std::uint32_t unit = 1;
    int significant = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        const int digit = text[pos] - '0';
        if (significant == 0 && digit == 0) {
            continue;  // leading zeros add no digits of their own
        }
        const std::int64_t next = value * 10 + digit;
        if (significant < limit && unit == 1 && next <= std::numeric_limits<std::int32_t>::max()) {
            value = next;
            ++significant;
        } else if (unit < kMaxUnit) {
            unit *= 10;
        }
        // Beyond 10^9 as unit the remaining digits cannot be carried at all.
    }
    if (negative) {
        value = -value;
    }
    return {CScaleYear(static_cast<std::int32_t>(value), unit), pos};
}

std::string CScaleYear::FormatYearText() const {
    std::string text = std::to_string(value);
    if (value != 0) {
        for (std::uint32_t u = unit; u >= 10; u /= 10) {
            text += '0';
        }
    }
    return text;
}

CScaleYear::Scaled CScaleYear::ValueIn(std::uint32_t u) const {
    if (u == 0) {
        u = 1;
    }
    if (unit >= u) {
        return {value, unit / u};
    }
    return {static_cast<std::int32_t>(value / static_cast<std::int64_t>(u / unit)), 1};
}

CScaleYear::Aligned CScaleYear::AlignUnits(const CScaleYear& a, const CScaleYear& b) {
    const std::uint32_t common = a.unit > b.unit ? a.unit : b.unit;
    return {static_cast<std::int64_t>(a.value) / (common / a.unit),
            static_cast<std::int64_t>(b.value) / (common / b.unit), common};
}

bool operator==(const CScaleYear& a, const CScaleYear& b) {
    const auto al = CScaleYear::AlignUnits(a, b);
    return al.a == al.b;
}

bool operator<(const CScaleYear& a, const CScaleYear& b) {
    const auto al = CScaleYear::AlignUnits(a, b);
    return al.a < al.b;
}

CScaleYear CScaleYear::FromWide(std::int64_t v, std::uint64_t u) {
    while ((v > std::numeric_limits<std::int32_t>::max() || v < -std::numeric_limits<std::int32_t>::max()) &&
           u < kMaxUnit) {
        v /= 10;
        u *= 10;
    }
    if (v > std::numeric_limits<std::int32_t>::max()) {
        v = std::numeric_limits<std::int32_t>::max();
    } else if (v < -std::numeric_limits<std::int32_t>::max()) {
        v = -std::numeric_limits<std::int32_t>::max();
    }
    return CScaleYear(static_cast<std::int32_t>(v), static_cast<std::uint32_t>(u));
}

CScaleYear operator-(const CScaleYear& a, const CScaleYear& b) {
    const auto al = CScaleYear::AlignUnits(a, b);
    return CScaleYear::FromWide(al.a - al.b, al.unit);
}

CScaleYear operator+(const CScaleYear& a, const CScaleYear& b) {
    const auto al = CScaleYear::AlignUnits(a, b);
    return CScaleYear::FromWide(al.a + al.b, al.unit);
}

CScaleYear CScaleYear::Incremented() const {
    if (unit != 1) {
        return *this;
    }
    return FromWide(static_cast<std::int64_t>(value) + 1, 1);
}

CScaleYear CScaleYear::Decremented() const {
    if (unit != 1) {
        return *this;
    }
    return FromWide(static_cast<std::int64_t>(value) - 1, 1);
}

void CScaleYear::Write(CArchiveWriter& ar) const {
    ar.WriteInt32(value);
    ar.WriteUInt32(unit);
}

CScaleYear CScaleYear::Read(CArchiveReader& ar) {
    const std::int32_t v = ar.ReadInt32();
    const std::size_t at = ar.Offset();
    const std::uint32_t u = ar.ReadUInt32();
    // Only powers of ten are units; anything else would divide by zero or
    // misalign every comparison, so the file is damaged.
    bool power = u != 0;
    for (std::uint32_t x = u; power && x > 1; x /= 10) {
        power = x % 10 == 0;
    }
    if (!power) {
        throw CFormatError(at, "year unit is not a power of ten");
    }
    CScaleYear y;
    y.value = v;
    y.unit = u;
    return y;
}
