// Test texts are written in UTF-8; files hold code page 932.
#pragma once

#include "model/CCp932.h"

#include <stdexcept>
#include <string>
#include <string_view>

inline std::string Cp932(std::string_view utf8) {
    std::string out;
    if (!CCp932::Encode(utf8, out)) {
        throw std::invalid_argument("test text has no code page 932 form");
    }
    return out;
}
