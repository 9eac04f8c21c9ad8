#include "wxsupport/CWxFontChooser.h"

#include "wxsupport/CLogFontConverter.h"

#include <wx/cmndata.h>
#include <wx/fontdlg.h>

std::optional<CLogFont> CWxFontChooser::Choose(wxWindow* parent, const CLogFont& initial) {
    const double dpi = CLogFontConverter::ScreenDpi();
    wxFontData data;
    data.SetInitialFont(CLogFontConverter::ToWxFont(initial, 100, dpi));
    data.EnableEffects(true);
    wxFontDialog dialog(parent, data);
    if (dialog.ShowModal() != wxID_OK) {
        return std::nullopt;
    }
    return CLogFontConverter::FromWxFont(dialog.GetFontData().GetChosenFont(), dpi, initial);
}
