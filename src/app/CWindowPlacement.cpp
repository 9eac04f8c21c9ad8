#include "app/CWindowPlacement.h"

#include "model/CProfile.h"
#include "model/ProfileKeys.h"

#include <wx/display.h>

#include <algorithm>
#include <cstdint>

namespace PK = ProfileKeys;

CWindowPlacement::Placement CWindowPlacement::Choose(int left, int top, int right, int bottom, const Screens& screens,
                                                     wxSize defaultSize) {
    // In 64 bits: a damaged profile may hold any two ints.
    const std::int64_t width = std::int64_t{right} - left;
    const std::int64_t height = std::int64_t{bottom} - top;
    if (width <= 0 || height <= 0) {
        return {wxDefaultPosition, defaultSize};
    }
    for (const wxRect& d : screens.displays) {
        if (left >= d.x && top >= d.y && right <= std::int64_t{d.x} + d.width && bottom <= std::int64_t{d.y} + d.height) {
            return {wxPoint(left, top), wxSize(static_cast<int>(width), static_cast<int>(height))};
        }
    }
    const wxRect& area = screens.primaryWorkArea;
    if (area.IsEmpty()) {
        return {wxDefaultPosition, defaultSize};
    }
    const wxSize size(std::min(defaultSize.x, area.width), std::min(defaultSize.y, area.height));
    return {wxPoint(area.x + (area.width - size.x) / 2, area.y + (area.height - size.y) / 2), size};
}

CWindowPlacement::Screens CWindowPlacement::CurrentScreens() {
    Screens screens;
    for (unsigned i = 0; i < wxDisplay::GetCount(); ++i) {
        const wxDisplay display(i);
        if (display.IsPrimary()) {
            screens.displays.insert(screens.displays.begin(), display.GetGeometry());
            screens.primaryWorkArea = display.GetClientArea();
        } else {
            screens.displays.push_back(display.GetGeometry());
        }
    }
    if (screens.primaryWorkArea.IsEmpty() && !screens.displays.empty()) {
        screens.primaryWorkArea = screens.displays.front();
    }
    return screens;
}

CWindowPlacement::Placement CWindowPlacement::FromProfile(const CProfile& p, wxSize defaultSize) {
    return Choose(p.GetInt(PK::kLastPos, PK::kLastPosLeft, 0), p.GetInt(PK::kLastPos, PK::kLastPosTop, 0),
                  p.GetInt(PK::kLastPos, PK::kLastPosRight, 0), p.GetInt(PK::kLastPos, PK::kLastPosBottom, 0),
                  CurrentScreens(), defaultSize);
}
