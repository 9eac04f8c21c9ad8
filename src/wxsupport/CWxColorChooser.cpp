#include "wxsupport/CWxColorChooser.h"

#include "wxsupport/WxConvert.h"

#include <wx/colordlg.h>

std::optional<std::uint32_t> CWxColorChooser::Choose(wxWindow* parent, std::uint32_t initial,
                                                     CCustomColors* customColors) {
    static_assert(std::tuple_size_v<CCustomColors> == wxColourData::NUM_CUSTOM);
    wxColourData data;
    data.SetColour(ToWxColour(initial));
    if (customColors != nullptr) {
        for (std::size_t i = 0; i < customColors->size(); ++i) {
            data.SetCustomColour(static_cast<int>(i), ToWxColour((*customColors)[i]));
        }
    }
    wxColourDialog dialog(parent, &data);
    if (dialog.ShowModal() != wxID_OK) {
        return std::nullopt;
    }
    const wxColourData& chosen = dialog.GetColourData();
    if (customColors != nullptr) {
        for (std::size_t i = 0; i < customColors->size(); ++i) {
            const wxColour c = chosen.GetCustomColour(static_cast<int>(i));
            if (c.IsOk()) {
                (*customColors)[i] = FromWxColour(c);
            }
        }
    }
    return FromWxColour(chosen.GetColour());
}
