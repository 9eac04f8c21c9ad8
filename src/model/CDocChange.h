// What changed in a document, told to its observers as a set of flags. Each
// observer decides what a change means for what it shows: the views measure
// and draw again, the frame sets its controls, the wx document marks itself
// modified. A change the user should save carries Modified.
#pragma once

#include <cstdint>

enum class CDocChange : std::uint32_t {
    None = 0,
    People = 1u << 0,     // people added, removed or edited
    Order = 1u << 1,      // the display order (sort order, grouping by category)
    Settings = 1u << 2,   // a setting that changes what is drawn
    Fonts = 1u << 3,      // one of the four fonts: every text is measured again
    Zoom = 1u << 4,       // the zoom percentage: fonts again, shown at once
    LeftWidth = 1u << 5,  // the name column's width setting
    Grouping = 1u << 6,   // whether people are grouped by category
    BaseYear = 1u << 7,   // the base year or whether it is shown
    Selection = 1u << 8,  // only the found person
    Replaced = 1u << 9,   // a new or read document: everything at once
    Modified = 1u << 10,  // the document differs from its file
    Categories = 1u << 11,  // the category table: names and colours
};

constexpr CDocChange operator|(CDocChange a, CDocChange b) {
    return static_cast<CDocChange>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}
constexpr CDocChange operator&(CDocChange a, CDocChange b) {
    return static_cast<CDocChange>(static_cast<std::uint32_t>(a) & static_cast<std::uint32_t>(b));
}
constexpr CDocChange& operator|=(CDocChange& a, CDocChange b) { return a = a | b; }
// True when any of the flags of b is in a.
constexpr bool Any(CDocChange a, CDocChange b) { return (a & b) != CDocChange::None; }
// What makes the layout of the rows stale: anything but the selection and
// the modified flag.
constexpr CDocChange kLayoutChanges = CDocChange::People | CDocChange::Order | CDocChange::Settings |
                                      CDocChange::Fonts | CDocChange::Zoom | CDocChange::LeftWidth |
                                      CDocChange::Grouping | CDocChange::BaseYear | CDocChange::Replaced |
                                      CDocChange::Categories;

class CDocObserver {
public:
    virtual ~CDocObserver() = default;
    virtual void OnDocumentChanged(CDocChange changes) = 0;

protected:
    CDocObserver() = default;
    CDocObserver(const CDocObserver&) = default;
    CDocObserver& operator=(const CDocObserver&) = default;
};
