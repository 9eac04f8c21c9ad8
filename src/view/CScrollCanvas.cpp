#include "view/CScrollCanvas.h"

#include <wx/dcbuffer.h>
#include <wx/docview.h>

#include <algorithm>
#include <limits>

namespace {

// Scroll bar ranges stay well inside int.
constexpr std::int64_t kMaxScrollRange = 1'000'000'000;

}  // namespace

CScrollCanvas::CScrollCanvas(wxWindow* parent, wxWindowID id, long style)
    : wxWindow(parent, id, wxDefaultPosition, wxDefaultSize, style | wxFULL_REPAINT_ON_RESIZE | wxWANTS_CHARS),
      scrollStyle_(style & (wxHSCROLL | wxVSCROLL)) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &CScrollCanvas::OnPaint, this);
    Bind(wxEVT_SIZE, &CScrollCanvas::OnSize, this);
    Bind(wxEVT_MOUSEWHEEL, &CScrollCanvas::OnWheel, this);
    for (const auto type : {wxEVT_SCROLLWIN_TOP, wxEVT_SCROLLWIN_BOTTOM, wxEVT_SCROLLWIN_LINEUP,
                            wxEVT_SCROLLWIN_LINEDOWN, wxEVT_SCROLLWIN_PAGEUP, wxEVT_SCROLLWIN_PAGEDOWN,
                            wxEVT_SCROLLWIN_THUMBTRACK, wxEVT_SCROLLWIN_THUMBRELEASE}) {
        Bind(type, &CScrollCanvas::OnScroll, this);
    }
    UpdateScrollBars();
}

std::int64_t CScrollCanvas::ScrollLimitX() const {
    if ((scrollStyle_ & wxHSCROLL) == 0) {
        return 0;
    }
    return std::max<std::int64_t>(0, contentWidth_ - GetClientSize().x);
}

std::int64_t CScrollCanvas::ScrollLimitY() const {
    if ((scrollStyle_ & wxVSCROLL) == 0) {
        return 0;
    }
    return std::max<std::int64_t>(0, contentHeight_ - GetClientSize().y);
}

std::int64_t CScrollCanvas::Unit(int orient) const {
    const std::int64_t size = orient == wxHORIZONTAL ? contentWidth_ : contentHeight_;
    return std::max<std::int64_t>(1, (size + kMaxScrollRange - 1) / kMaxScrollRange);
}

void CScrollCanvas::SetContentSize(std::int64_t width, std::int64_t height) {
    width = std::max<std::int64_t>(width, 0);
    height = std::max<std::int64_t>(height, 0);
    if (width == contentWidth_ && height == contentHeight_) {
        return;
    }
    contentWidth_ = width;
    contentHeight_ = height;
    const std::int64_t x = std::clamp<std::int64_t>(scrollX_, 0, ScrollLimitX());
    const std::int64_t y = std::clamp<std::int64_t>(scrollY_, 0, ScrollLimitY());
    if (x != scrollX_ || y != scrollY_) {
        ScrollTo(x, y);
    }
    UpdateScrollBars();
}

bool CScrollCanvas::ScrollTo(std::int64_t x, std::int64_t y) {
    x = std::clamp<std::int64_t>(x, 0, ScrollLimitX());
    y = std::clamp<std::int64_t>(y, 0, ScrollLimitY());
    if (x == scrollX_ && y == scrollY_) {
        return false;
    }
    const std::int64_t dx = x - scrollX_;
    const std::int64_t dy = y - scrollY_;
    scrollX_ = x;
    scrollY_ = y;
    UpdateScrollBars();
    // A full repaint: it costs only the rows in view, and the header stays
    // put without scrolling parts of the window separately.
    Refresh(false);
    if (onScrolled) {
        onScrolled(dx, dy);
    }
    return true;
}

void CScrollCanvas::UpdateScrollBars() {
    const wxSize client = GetClientSize();
    if (client.x <= 0 || client.y <= 0) {
        return;  // not laid out yet; the first size event sets them
    }
    if ((scrollStyle_ & wxHSCROLL) != 0) {
        const std::int64_t unit = Unit(wxHORIZONTAL);
        SetScrollbar(wxHORIZONTAL, static_cast<int>(scrollX_ / unit), static_cast<int>(client.x / unit),
                     static_cast<int>((contentWidth_ + unit - 1) / unit));
    }
    if ((scrollStyle_ & wxVSCROLL) != 0) {
        const std::int64_t unit = Unit(wxVERTICAL);
        SetScrollbar(wxVERTICAL, static_cast<int>(scrollY_ / unit), static_cast<int>(client.y / unit),
                     static_cast<int>((contentHeight_ + unit - 1) / unit));
    }
}

void CScrollCanvas::OnScroll(wxScrollWinEvent& event) {
    const bool horizontal = event.GetOrientation() == wxHORIZONTAL;
    const std::int64_t pos = horizontal ? scrollX_ : scrollY_;
    const std::int64_t page = horizontal ? GetClientSize().x : GetClientSize().y;
    const std::int64_t limit = horizontal ? ScrollLimitX() : ScrollLimitY();
    std::int64_t next = pos;
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_SCROLLWIN_TOP) {
        next = 0;
    } else if (type == wxEVT_SCROLLWIN_BOTTOM) {
        next = limit;
    } else if (type == wxEVT_SCROLLWIN_LINEUP) {
        next = pos - kLineSize;
    } else if (type == wxEVT_SCROLLWIN_LINEDOWN) {
        next = pos + kLineSize;
    } else if (type == wxEVT_SCROLLWIN_PAGEUP) {
        next = pos - page;
    } else if (type == wxEVT_SCROLLWIN_PAGEDOWN) {
        next = pos + page;
    } else {
        next = static_cast<std::int64_t>(event.GetPosition()) * Unit(event.GetOrientation());
    }
    if (horizontal) {
        ScrollTo(next, scrollY_);
    } else {
        ScrollTo(scrollX_, next);
    }
}

void CScrollCanvas::OnWheel(wxMouseEvent& event) {
    // Never passed on: the toolkit's scroll bars would take a turn nobody
    // used and scroll the pane themselves.
    if (onWheel) {
        onWheel(event);
        return;
    }
    ScrollByWheel(event);
}

void CScrollCanvas::ScrollByWheel(const wxMouseEvent& event) {
    wheelRotation_ += event.GetWheelRotation();
    const int delta = std::max(event.GetWheelDelta(), 1);
    const int notches = wheelRotation_ / delta;
    wheelRotation_ -= notches * delta;
    const std::int64_t step = static_cast<std::int64_t>(notches) * event.GetLinesPerAction() * kLineSize;
    if (event.GetWheelAxis() == wxMOUSE_WHEEL_HORIZONTAL) {
        ScrollBy(step, 0);
    } else if ((scrollStyle_ & wxVSCROLL) != 0) {
        ScrollBy(0, -step);
    } else {
        ScrollBy(-step, 0);
    }
}

void CScrollCanvas::OnSize(wxSizeEvent& event) {
    UpdateScrollBars();
    ScrollTo(scrollX_, scrollY_);
    event.Skip();
}

void CScrollCanvas::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    if (view_ != nullptr) {
        view_->OnDraw(&dc);
    } else {
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
    }
}
