// The part of the document a paint shows: the document point at the
// device's (0, 0) and the size of the visible area. Everything is laid out
// in 64-bit document coordinates and moved by this offset just before it
// reaches the device; shapes are cut to the visible area there, because
// cairo's fixed-point coordinates end at about +-8 million pixels.
#pragma once

#include <cstdint>

struct CPaintArea {
    std::int64_t scrollX = 0;
    std::int64_t scrollY = 0;
    int width = 0;
    int height = 0;
};
