#include "model/LenientText.h"

#include <algorithm>
#include <limits>

namespace {

struct LeadingNumber {
    std::uint64_t size = 0;  // saturates at the largest 64-bit value
    bool negative = false;
    std::size_t end = 0;  // after the digits; the start when there are none
};

LeadingNumber ReadLeadingNumber(std::string_view text, std::size_t start) {
    std::size_t p = start;
    while (p < text.size() && IsCSpace(text[p])) {
        ++p;
    }
    LeadingNumber n;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        n.negative = text[p] == '-';
        ++p;
    }
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    const std::size_t digits = p;
    for (; p < text.size() && text[p] >= '0' && text[p] <= '9'; ++p) {
        const auto digit = static_cast<std::uint64_t>(text[p] - '0');
        n.size = n.size > (kMax - digit) / 10 ? kMax : n.size * 10 + digit;
    }
    n.end = p == digits ? start : p;
    return n;
}

}  // namespace

std::string_view TrimCSpace(std::string_view text) {
    while (!text.empty() && IsCSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsCSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::int32_t LeadingInt32(std::string_view text, std::size_t* pos) {
    const LeadingNumber n = ReadLeadingNumber(text, pos != nullptr ? *pos : 0);
    if (pos != nullptr) {
        *pos = n.end;
    }
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max());
    if (n.negative) {
        // The negative side reaches one further than the positive one.
        return n.size > kMax ? std::numeric_limits<std::int32_t>::min() : -static_cast<std::int32_t>(n.size);
    }
    return n.size > kMax ? std::numeric_limits<std::int32_t>::max() : static_cast<std::int32_t>(n.size);
}

std::uint32_t LeadingUint32(std::string_view text) {
    const LeadingNumber n = ReadLeadingNumber(text, 0);
    if (n.size > std::numeric_limits<std::uint32_t>::max()) {
        return std::numeric_limits<std::uint32_t>::max();
    }
    const auto u = static_cast<std::uint32_t>(n.size);
    return n.negative ? 0u - u : u;
}

std::int64_t LeadingInt64(std::string_view text, std::int64_t limit) {
    const LeadingNumber n = ReadLeadingNumber(text, 0);
    const auto cap = static_cast<std::uint64_t>(std::max<std::int64_t>(limit, 0));
    const auto size = static_cast<std::int64_t>(std::min(n.size, cap));
    return n.negative ? -size : size;
}
