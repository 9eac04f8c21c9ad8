#include "dialogs/CColorStatic.h"

#include "wxsupport/WxConvert.h"

#include <wx/dcclient.h>

CColorStatic::CColorStatic(wxWindow* parent, wxWindowID id, const wxSize& size)
    : wxWindow(parent, id, wxDefaultPosition, size, wxBORDER_SUNKEN | wxFULL_REPAINT_ON_RESIZE) {
    SetMinSize(size);
    Bind(wxEVT_PAINT, &CColorStatic::OnPaint, this);
}

void CColorStatic::SetColor(std::uint32_t color) {
    color_ = color;
    Refresh();
    Update();
}

void CColorStatic::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    Render(dc);
}

void CColorStatic::Render(wxDC& dc) const {
    dc.SetBrush(wxBrush(ToWxColour(color_)));
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.DrawRectangle(GetClientRect());
}
