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
    // On screen the header band and the base-year label stay at the top of
    // the window however far it is scrolled down. A picture of the whole
    // document painted in pieces has them at the top of the document only.
    bool headerFixed = true;

    // How far the header band is moved up: not at all on screen.
    std::int64_t HeaderShift() const { return headerFixed ? 0 : scrollY; }
};
