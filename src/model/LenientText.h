// Numbers and white space read the forgiving way the C library reads them.
// The program's files and fields have always been read with strtol and its
// kin, so whatever those accepted (blanks before, a sign, digits running
// into other characters, no digits at all) must keep reading the same. No
// locale is consulted: the answers never depend on where the program runs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// White space as the "C" locale knows it: blank, \t, \n, \v, \f and \r.
constexpr bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// text without white space at either end.
std::string_view TrimCSpace(std::string_view text);

// The integer that text starts with: white space skipped, one optional sign,
// decimal digits up to the first other character, 0 when there are no
// digits. The readings differ only in what a number beyond their range
// becomes.

// Clamped to the 32-bit range. With pos given, reading starts there and pos
// moves just past the digits; without digits it stays where it was, since
// like strtol's end pointer nothing counts as read then.
std::int32_t LeadingInt32(std::string_view text, std::size_t* pos = nullptr);

// As strtoul reads into 32 bits: a minus wraps ("-1" is 0xFFFFFFFF), and a
// number past 32 bits, of either sign, is 0xFFFFFFFF.
std::uint32_t LeadingUint32(std::string_view text);

// The size held to limit (not negative) and the sign kept, so limit and
// -limit stand for any number too large to carry.
std::int64_t LeadingInt64(std::string_view text, std::int64_t limit);
