// The year the user pointed at with the timeline's last context menu: the
// nearer end of a person's bar on a person row, the base year on the
// base-year label, otherwise the year of the header grid under the point.
// The links open their documents and pages at this year.
#pragma once

#include <cstdint>
#include <optional>

class CPerson;
class CTimelineGeometry;
class CVitachronDoc;

// A rectangle in document coordinates whose edges belong to it.
struct CDocRect {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;

    bool Contains(std::int64_t x, std::int64_t y) const {
        return x >= left && x <= left + width && y >= top && y <= top + height;
    }
};

// Where a context menu was opened, with what the window showed there.
struct CContextPoint {
    std::int64_t x = 0;  // document coordinates: client point + scroll position
    std::int64_t y = 0;
    std::int64_t row = -1;  // RowFromPoint(y); may be past the last person
    // The header grid in view: first and last labelled grid year, the x of
    // the first and the pixels between grid years.
    std::int64_t gridFirstYear = 0;
    std::int64_t gridLastYear = 0;
    std::int64_t gridFirstX = 0;
    std::int64_t gridStep = 1;
    // The base-year label as drawn, when one was.
    std::optional<CDocRect> baseLabel;
};

class CContextYear {
public:
    // A person's life on the axis as recorded, for centring and pointing:
    // an unknown birth (or one known only to a coarser scale than a year)
    // starts with the range, an unknown or coarse death ends with it.
    struct Ends {
        std::int64_t beginYear = 0;
        std::int64_t endYear = 0;
        std::int64_t beginX = 0;
        std::int64_t endX = 0;
    };
    static Ends RecordedEnds(const CTimelineGeometry& g, const CPerson& person);

    // scrollY: the vertical scroll position now; the person rows count only
    // below the header as the window stands.
    static std::int64_t Find(const CVitachronDoc& doc, const CTimelineGeometry& g, const CContextPoint& point,
                             std::int64_t scrollY);

    // The header grid's part of Find: the first grid year (walking right
    // from the first labelled one, stopping before the last labelled one)
    // whose x is within half a step of x; the last labelled year otherwise.
    static std::int64_t GridYear(const CContextPoint& point, int labelStep);
};
