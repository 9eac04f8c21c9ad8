// UTF-8 text (the program's strings) to and from the UTF-16 of the Windows
// W functions, through the program's one UTF-8 codec. Windows only.
#pragma once

#include "model/CUtf8.h"

#include <string>
#include <string_view>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wchar_t (Windows)");

inline std::wstring WideText(std::string_view utf8) {
    const std::u16string u16 = CUtf8::ToUtf16(utf8);
    return std::wstring(u16.begin(), u16.end());
}

inline std::string Utf8Text(std::wstring_view wide) {
    return CUtf8::FromUtf16(std::u16string(wide.begin(), wide.end()));
}
