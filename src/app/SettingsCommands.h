// The document's settings commands: each opens its dialog on the document
// and does what OK and Cancel mean for the document, the views and the
// profile. The window binds its menu commands to these.
#pragma once

class CColorChooser;
class CFontChooser;
class CVitachronDoc;
class wxWindow;

// The category list ("追加・変更..." of the person dialog), opened with the
// category at selectPosition selected. True when closed with "閉じる(&C)":
// the shared categories have then been written to the document's
// "color.tbl", and the caller refills its category list. Whatever the
// ending, a table changed in the dialog marks the document modified and
// redraws the views, since its changes are made at once.
bool EditCategories(wxWindow* parent, CVitachronDoc& doc, int selectPosition, CColorChooser& chooser);

// "基準年設定(&B)". On OK the nine base-year values go into the
// document, the views are updated and the document is marked modified.
// Age colours accepted in the inner dialog stay even after Cancel.
bool RunBaseYearSettings(wxWindow* parent, CVitachronDoc& doc, CColorChooser& chooser);

// "表示設定...(&D)". The dialog itself writes the document, the
// splitter width and the initial values; on OK the views are updated and
// the document is marked modified. Cancel changes nothing.
bool RunDisplaySettings(wxWindow* parent, CVitachronDoc& doc);

// "色設定...(&C)". On OK the chooser's custom colours are kept (and
// written to the profile), the colours become initial values when the
// dialog says so, and the document is marked modified. On Cancel the six
// colours the document had are restored and the views redrawn.
bool RunColorSettings(wxWindow* parent, CVitachronDoc& doc, CColorChooser& chooser);

// "フォント設定...(&F)". On OK the fonts become initial values when
// the dialog says so (sections FontName, FontScale, FontYear, FontBasis) and
// the document is marked modified. On Cancel the four fonts the document had
// are restored, the views rebuild their fonts and are redrawn.
bool RunFontSettings(wxWindow* parent, CVitachronDoc& doc, CFontChooser& chooser, double dpi);
