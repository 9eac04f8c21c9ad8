// Integer division rounded toward minus infinity. Pixel rows and year
// columns lie on both sides of zero, and the arithmetic must not change
// with the side a point is on, as C++'s truncating division does.
#pragma once

#include <cstdint>

namespace FloorDivision {

constexpr std::int64_t Div(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) {
        --q;
    }
    return q;
}

constexpr std::int64_t CeilDiv(std::int64_t a, std::int64_t b) { return -Div(-a, b); }

// The remainder that goes with Div: it has the divisor's sign.
constexpr std::int64_t Mod(std::int64_t a, std::int64_t b) { return a - Div(a, b) * b; }

static_assert(Div(-1, 5) == -1 && Div(5, 5) == 1 && CeilDiv(-1, 5) == 0 && CeilDiv(6, 5) == 2 && Mod(-1, 5) == 4);

}  // namespace FloorDivision
