#include "model/FormatText.h"

#include "res/Strings.h"

#include <cstdio>

std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(pattern.size() + 64);
    auto arg = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's' && arg != args.end()) {
            out += *arg++;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string CodePointText(char32_t c) {
    if (c > 0x10FFFF) {
        return "?";  // not a character at all: ill-formed UTF-8 in memory
    }
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(c));
    return buf;
}

std::string PersonLabel(std::string_view name, std::size_t number) {
    if (!name.empty()) {
        return FormatText(Str::kPersonQuoted, {name});
    }
    if (number > 0) {
        return FormatText(Str::kPersonNumbered, {std::to_string(number)});
    }
    return Str::kPersonUnnamed;
}
