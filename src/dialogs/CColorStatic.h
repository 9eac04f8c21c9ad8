// The colour swatch every dialog that shows a colour uses: a small control
// filled with one colour.
#pragma once

#include <wx/window.h>

class wxDC;

#include <cstdint>

class CColorStatic : public wxWindow {
public:
    CColorStatic(wxWindow* parent, wxWindowID id, const wxSize& size = wxSize(40, 16));

    // Stores the colour and repaints at once, so the swatch never lags the choice.
    void SetColor(std::uint32_t color);
    std::uint32_t GetColor() const { return color_; }

    bool AcceptsFocus() const override { return false; }
    // What a paint draws, on any device context.
    void Render(wxDC& dc) const;

private:
    void OnPaint(wxPaintEvent& event);

    std::uint32_t color_ = 0xFFFFFF;
};
