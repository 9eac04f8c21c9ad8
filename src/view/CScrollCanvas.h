// A pane that scrolls over a document of 64-bit size. wx's own scrolled
// windows keep sizes and positions in int pixels, which a timeline of two
// billion years outgrows; here the scroll bars count in units of as many
// pixels as needed to stay within int, while the position is kept to the
// pixel. Painting goes to the pane's wxView (OnDraw), which draws in window
// coordinates from ScrollX()/ScrollY().
#pragma once

#include <wx/window.h>

#include <cstdint>
#include <functional>

class wxView;

class CScrollCanvas : public wxWindow {
public:
    // style: wxHSCROLL and/or wxVSCROLL.
    CScrollCanvas(wxWindow* parent, wxWindowID id, long style);

    void SetView(wxView* view) { view_ = view; }
    wxView* GetView() const { return view_; }

    std::int64_t ScrollX() const { return scrollX_; }
    std::int64_t ScrollY() const { return scrollY_; }
    std::int64_t ContentWidth() const { return contentWidth_; }
    std::int64_t ContentHeight() const { return contentHeight_; }
    // Largest scroll positions: the content less the client size, at least 0.
    std::int64_t ScrollLimitX() const;
    std::int64_t ScrollLimitY() const;

    // The scrollable size; positions beyond it are pulled back.
    void SetContentSize(std::int64_t width, std::int64_t height);
    // Scrolls to the position, clamped to 0..limit in each scrolled
    // direction; returns whether anything moved. The pane is repainted and
    // onScrolled told.
    bool ScrollTo(std::int64_t x, std::int64_t y);
    bool ScrollBy(std::int64_t dx, std::int64_t dy) { return ScrollTo(scrollX_ + dx, scrollY_ + dy); }

    // Told after every change of position (the name list follows the timeline).
    std::function<void(std::int64_t dx, std::int64_t dy)> onScrolled;
    // A wheel turn over the pane (or its scroll bars). Unset: the pane
    // scrolls three lines per notch. Set, the pane does only what it does:
    // a turn it leaves alone does not scroll the pane either.
    std::function<void(wxMouseEvent&)> onWheel;

    // Scrolls three lines per notch (or sideways for a horizontal wheel).
    void ScrollByWheel(const wxMouseEvent& event);

    static constexpr int kLineSize = 10;

private:
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnScroll(wxScrollWinEvent& event);
    void OnWheel(wxMouseEvent& event);
    void UpdateScrollBars();
    std::int64_t Unit(int orient) const;

    wxView* view_ = nullptr;
    long scrollStyle_;
    std::int64_t scrollX_ = 0;
    std::int64_t scrollY_ = 0;
    std::int64_t contentWidth_ = 100;
    std::int64_t contentHeight_ = 100;
    int wheelRotation_ = 0;
};
