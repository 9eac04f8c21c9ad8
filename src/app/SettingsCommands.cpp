#include "app/SettingsCommands.h"

#include "dialogs/CDialogBaseYear.h"
#include "dialogs/CDialogCategoryTable.h"
#include "dialogs/CDialogDisplaySet.h"
#include "dialogs/CDialogSetColors.h"
#include "dialogs/CDialogSetFont.h"
#include "model/CDocHost.h"
#include "model/CDrawingColors.h"
#include "model/CVitachronDoc.h"
#include "model/InitialSettings.h"
#include "res/Strings.h"
#include "wxsupport/MessageBox.h"
#include "wxsupport/WxConvert.h"

bool EditCategories(wxWindow* parent, CVitachronDoc& doc, int selectPosition, CColorChooser& chooser) {
    CDialogCategoryTable dialog(parent, doc.CategoryTable(), selectPosition, chooser);
    const bool closed = dialog.ShowModal() == wxID_OK;
    if (dialog.TableChanged()) {
        // Categories live in the document file: a change not marked would
        // be lost silently if the person dialog is then cancelled.
        doc.NotifyChanged(CDocChange::Categories | CDocChange::Modified);
    }
    if (!closed) {
        return false;
    }
    if (!doc.SharedCategoryFile().empty() && !doc.CategoryTable().SaveShared(doc.SharedCategoryFile())) {
        ShowMessageBox(ToWx(Str::kCategorySaveFailed), wxOK | wxICON_WARNING, parent);
    }
    return true;
}

bool RunBaseYearSettings(wxWindow* parent, CVitachronDoc& doc, CColorChooser& chooser) {
    const auto ageColorsBefore = doc.Settings().ageColors;
    CDialogBaseYear dialog(parent, doc, CBaseYearValues::Of(doc.Settings()), chooser);
    const bool ok = dialog.ShowModal() == wxID_OK;
    CDocChange changes = CDocChange::None;
    if (ok) {
        dialog.Values().ApplyTo(doc.Settings());
        changes |= CDocChange::BaseYear | CDocChange::Settings;
    }
    if (ok || doc.Settings().ageColors != ageColorsBefore) {
        changes |= CDocChange::Modified;
    }
    doc.NotifyChanged(changes);
    return ok;
}

bool RunDisplaySettings(wxWindow* parent, CVitachronDoc& doc) {
    CDialogDisplaySet dialog(parent, doc);
    if (dialog.ShowModal() != wxID_OK) {
        return false;
    }
    doc.NotifyChanged(CDocChange::Settings | CDocChange::Modified);
    return true;
}

bool RunColorSettings(wxWindow* parent, CVitachronDoc& doc, CColorChooser& chooser) {
    CDocSettings& s = doc.Settings();
    const CDrawingColors saved = CDrawingColors::Of(s);
    CDialogSetColors dialog(parent, doc, chooser);
    dialog.SetCustomColors(s.customColors);
    WriteCustomColors(doc.Profile(), s.customColors);
    if (dialog.ShowModal() != wxID_OK) {
        saved.ApplyTo(s);
        doc.NotifyChanged(CDocChange::Settings);
        return false;
    }
    s.customColors = dialog.CustomColors();
    WriteCustomColors(doc.Profile(), s.customColors);
    if (dialog.SaveAsInitial()) {
        SaveInitialColors(doc.Profile(), s);
    }
    doc.NotifyChanged(CDocChange::Modified);
    return true;
}

bool RunFontSettings(wxWindow* parent, CVitachronDoc& doc, CFontChooser& chooser, double dpi) {
    CDocSettings& s = doc.Settings();
    const std::array<CLogFont, 4> saved{s.fontName, s.fontScale, s.fontYear, s.fontBasis};
    CDialogSetFont dialog(parent, doc, chooser, dpi);
    if (dialog.ShowModal() != wxID_OK) {
        s.fontName = saved[0];
        s.fontScale = saved[1];
        s.fontYear = saved[2];
        s.fontBasis = saved[3];
        doc.NotifyChanged(CDocChange::Fonts);
        return false;
    }
    if (dialog.SaveAsInitial()) {
        SaveInitialFonts(doc.Profile(), s);
    }
    doc.NotifyChanged(CDocChange::Modified);
    return true;
}
