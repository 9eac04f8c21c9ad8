// Every command and control id of the program. Menu items, toolbar buttons
// and the data bar's controls share ids, so one handler and one update
// handler serve them all. The numbers are the program's long-standing ones.
#pragma once

namespace Id {

// Menu ids must stay below 32767 (wx keeps them in 16 signed bits, as
// Windows menus do): the framework's commands take wx's stock ids (which the
// doc/view framework already knows), the program's own commands are
// 22775..22822 and 22902 on, and the controls' ids are in the 1000s and
// 24000s.
// src/app/CommandIds.cpp checks the stock values against wx.

// ---- Framework commands -------------------------------------------------
inline constexpr int FileNew = 5002;          // wxID_NEW (57600)
inline constexpr int FileOpen = 5000;         // wxID_OPEN (57601)
inline constexpr int FileSave = 5003;         // wxID_SAVE (57603)
inline constexpr int FileSaveAs = 5004;       // wxID_SAVEAS (57604)
inline constexpr int FilePrintSetup = 5011;   // wxID_PRINT_SETUP (57606)
inline constexpr int FilePrint = 5010;        // wxID_PRINT (57607)
inline constexpr int FilePrintDirect = 24608;  // (57608)
inline constexpr int FilePrintPreview = 5013;  // wxID_PREVIEW (57609)
inline constexpr int FileMruFirst = 5051;     // wxID_FILE1 (57616): four entries
inline constexpr int FileMruCount = 4;
inline constexpr int EditCut = 5031;          // wxID_CUT (57635)
inline constexpr int EditCopy = 5032;         // wxID_COPY (57634)
inline constexpr int EditPaste = 5033;        // wxID_PASTE (57637)
inline constexpr int AppAbout = 5014;         // wxID_ABOUT (57664)
inline constexpr int AppExit = 5006;          // wxID_EXIT (57665)
inline constexpr int ContextHelp = 5112;      // wxID_CONTEXT_HELP (57669)
inline constexpr int ViewToolbar = 24392;     // (59392)
inline constexpr int ViewStatusBar = 24393;   // (59393)

// ---- The program's own commands ------------------------------------------
inline constexpr int YearRange = 22775;        // 年範囲設定...(&R)
inline constexpr int AddPerson = 22776;        // データの追加(&A), bar "追加...", "データを追加"
inline constexpr int EditPeople = 22777;       // データの編集(&D), bar "編集..."
inline constexpr int YearWidthNarrow = 22780;  // 縮小
inline constexpr int ModifyContextPerson = 22782;  // このデータを修正
inline constexpr int DeleteContextPerson = 22784;  // このデータを削除
inline constexpr int SortName = 22785;          // 50音順
inline constexpr int SortBirthEarliest = 22786;  // 生年の早い順
inline constexpr int SortBirthLatest = 22787;    // 生年の遅い順
inline constexpr int SortDeathEarliest = 22788;  // 没年の早い順
inline constexpr int SortDeathLatest = 22789;    // 没年の遅い順
inline constexpr int SortNameReversed = 22790;   // 50音逆順
inline constexpr int ViewDataBar = 22791;        // データ操作バー(&D)
inline constexpr int ImportBasePointYears = 22793;     // Annalixデータの取り込み...
inline constexpr int ExportBasePointYears = 22794;     // Annalixデータへ変換...
inline constexpr int BaseYearSettings = 22795;   // 基準年設定(&B)
inline constexpr int YearWidthNormal = 22798;    // 通常
inline constexpr int YearWidthWide = 22800;      // 拡大
inline constexpr int DisplaySettings = 22801;    // 表示設定...(&D)
inline constexpr int ImportCsv = 22802;          // CSVファイルの読み込み
inline constexpr int ExportCsv = 22803;          // CSVファイルの書き込み
inline constexpr int ColorSettings = 22806;      // 色設定...(&C)
inline constexpr int FontSettings = 22807;       // フォント設定...(&F)
inline constexpr int ShowAnnalix = 22808;        // Annalix(%s)を表示
inline constexpr int SelectAnnalix = 22809;      // Annalixを選択して表示
inline constexpr int Zoom10 = 22810;             // ズーム 10 .. 300: 22810..22819
inline constexpr int Zoom30 = 22811;
inline constexpr int Zoom50 = 22812;
inline constexpr int Zoom70 = 22813;
inline constexpr int Zoom90 = 22814;
inline constexpr int Zoom100 = 22815;
inline constexpr int Zoom150 = 22816;
inline constexpr int Zoom200 = 22817;
inline constexpr int Zoom250 = 22818;
inline constexpr int Zoom300 = 22819;
inline constexpr int ShowHtml = 22820;     // HTML(%s)を表示
inline constexpr int SetHtml = 22821;      // HTMLを設定して表示
inline constexpr int HelpContents = 22822;  // ヘルプの表示(&H)
inline constexpr int SortNone = 1028;       // 並べ替えない (also the data bar's radio button)
inline constexpr int GroupByCategory = 1067;  // data bar check box 分類ごとに並べ替える
// Later commands (kept clear of
// wx's stock ids 4999..5999: 5100 is wxID_OK). Undo and redo use wxID_UNDO
// and wxID_REDO, which the command processor expects.
inline constexpr int SaveAsImage = 22902;  // 画像として保存...
inline constexpr int ImportGedcom = 22903;  // GEDCOMファイルの読み込み...
inline constexpr int ExportGedcom = 22904;  // GEDCOMファイルの書き込み...

// ---- Data operation bar ---------------------------------------------------
// Its add, edit, sort and group controls carry the command ids above.
inline constexpr int DataBar = 137;
inline constexpr int SearchText = 1017;      // combo box: the name to search for
inline constexpr int SearchButton = 1019;    // 検索
inline constexpr int BarBaseYearText = 1036;    // the base year
inline constexpr int BarBaseYearApply = 1109;   // 変更
inline constexpr int BarBaseYearOff = 1114;     // 設定しない
// ---- Main window panes ------------------------------------------------------
inline constexpr int Splitter = 24648;       // the framework's first pane id (59648)
inline constexpr int NamePane = 24649;
inline constexpr int TimelinePane = 24650;

// ---- Person dialog (template 130) -----------------------------------------
inline constexpr int PersonName = 1000;
inline constexpr int PersonBirth = 1001;
inline constexpr int PersonDeath = 1002;
inline constexpr int PersonReading = 1003;
inline constexpr int PersonKazoe = 1004;
inline constexpr int PersonCategorySwatch = 1012;
inline constexpr int PersonCalcFromAge = 1049;
inline constexpr int PersonBirthUncertain = 1050;
inline constexpr int PersonDeathUncertain = 1051;
inline constexpr int PersonAgeUncertain = 1053;
inline constexpr int PersonCategoryEdit = 1057;
inline constexpr int PersonCategory = 1059;
inline constexpr int PersonHideBirth = 1068;
inline constexpr int PersonHideDeath = 1069;
inline constexpr int PersonHideAge = 1070;
inline constexpr int PersonNote = 1100;

// ---- Age calculation dialog (template 159) --------------------------------
inline constexpr int CalcBirth = 1001;
inline constexpr int CalcDeath = 1002;
inline constexpr int CalcKazoe = 1004;
inline constexpr int CalcRun = 1049;
inline constexpr int CalcAge = 1093;

// ---- Data list dialog (template 131) ----------------------------------------
inline constexpr int DataList = 1008;
inline constexpr int DataDelete = 1009;
inline constexpr int DataMoveUp = 1042;
inline constexpr int DataMoveDown = 1043;

// ---- Year range dialog (template 138) ----------------------------------------
inline constexpr int RangeStart = 1001;
inline constexpr int RangeEnd = 1002;

// ---- Category dialogs --------------------------------------------------------
// CDialogCategoryTable (template 149); its "閉じる(&C)" button is wxID_OK.
inline constexpr int CategoryList = 1060;
inline constexpr int CategoryAdd = 1061;     // 追加...
inline constexpr int CategoryChange = 1010;  // 変更...
// CDialogCategory (template 150).
inline constexpr int CategoryName = 1063;
inline constexpr int CategorySwatch = 1012;
inline constexpr int CategoryColorChange = 1062;  // 色変更...

// ---- Base year dialogs -------------------------------------------------------
// CDialogBaseYear (template 145).
inline constexpr int BaseYearValue = 1036;
inline constexpr int BaseYearOff = 1038;          // 設定しない
inline constexpr int BaseYearBeforeBirth = 1039;  // 生年前も表示
inline constexpr int BaseYearAfterDeath = 1040;   // 没年以後も表示
inline constexpr int BaseYearFromBirth = 1046;    // 生年からの年数で表示
inline constexpr int BaseYearFromDeath = 1047;    // 没年からの年数で表示
inline constexpr int BaseYearMemorial = 1048;     // 回忌表示
inline constexpr int BaseYearSwatch = 1012;
inline constexpr int BaseYearColorChange = 1006;  // 変更...
inline constexpr int BaseYearAgeColors = 1109;    // 年齢色個別設定
inline constexpr int BaseYearOnLine = 1112;       // 基準線上
inline constexpr int BaseYearBesideAge = 1113;    // 年齢横
// CDialogBaseYearColor (template 165): buttons and swatches, in the order
// before birth, alive, after death, memorial count.
inline constexpr int AgeColorBeforeBirth = 1115;
inline constexpr int AgeColorAlive = 1116;
inline constexpr int AgeColorAfterDeath = 1117;
inline constexpr int AgeColorMemorial = 1118;
inline constexpr int AgeSwatchBeforeBirth = 1119;
inline constexpr int AgeSwatchAlive = 1120;
inline constexpr int AgeSwatchAfterDeath = 1121;
inline constexpr int AgeSwatchMemorial = 1122;
inline constexpr int AgeColorsReset = 1077;  // 基準年色と同じに戻す

// ---- Display settings dialog (template 148) ----------------------------------
inline constexpr int DisplayYearRange = 1099;    // 生年・没年表示する
inline constexpr int DisplayAge = 1101;          // 年齢表示する
inline constexpr int DisplayYearOnly = 1051;     // 生没年・年のみ
inline constexpr int DisplayFullDate = 1052;     // 生没年・年/月/日
inline constexpr int DisplayBarLength = 1105;
inline constexpr int DisplayKazoeAster = 1004;
inline constexpr int DisplayLeftWidth = 1074;
inline constexpr int DisplayCommentSeparator = 1098;
inline constexpr int DisplaySuppleMark = 1104;
inline constexpr int DisplaySaveAsInitial = 1075;

// ---- Colour and font dialogs ---------------------------------------------------
// CDialogSetColors (template 152): each colour's button and swatch.
inline constexpr int ColorsName = 1080;
inline constexpr int ColorsNameSwatch = 1078;
inline constexpr int ColorsBeginEnd = 1081;
inline constexpr int ColorsBeginEndSwatch = 1079;
inline constexpr int ColorsBasis = 1082;
inline constexpr int ColorsBasisSwatch = 1085;
inline constexpr int ColorsHeaderYear = 1084;
inline constexpr int ColorsHeaderYearSwatch = 1086;
inline constexpr int ColorsBack = 1083;
inline constexpr int ColorsBackSwatch = 1087;
inline constexpr int ColorsSupple = 1088;
inline constexpr int ColorsSuppleSwatch = 1089;
inline constexpr int ColorsSaveAsInitial = 1076;  // 初期値として設定する
inline constexpr int ColorsDefaults = 1077;       // デフォルトに戻す
// CDialogSetFont (template 154): each font's button and its face name and size previews.
inline constexpr int FontsName = 1079;
inline constexpr int FontsYear = 1080;
inline constexpr int FontsBasis = 1081;
inline constexpr int FontsScale = 1082;
inline constexpr int FontsNameFace = 1083;
inline constexpr int FontsYearFace = 1084;
inline constexpr int FontsBasisFace = 1085;
inline constexpr int FontsScaleFace = 1086;
inline constexpr int FontsNameSize = 1087;
inline constexpr int FontsYearSize = 1088;
inline constexpr int FontsBasisSize = 1089;
inline constexpr int FontsScaleSize = 1090;
inline constexpr int FontsSaveAsInitial = 1076;  // 初期値として設定する
inline constexpr int FontsDefaults = 1077;       // デフォルトに戻す

// ---- CSV and base-point year dialogs -------------------------------------------
// CDialogImportCheck (template 151).
inline constexpr int ImportCheckPath = 1123;   // the chosen file
inline constexpr int ImportCheckKazoe = 1004;  // 数え年として設定する
// CDialogBadCsvMsg (template 163).
inline constexpr int BadCsvText = 1124;  // the rejected lines
// CDialogImportGedcom.
inline constexpr int GedcomImportPath = 1130;      // the chosen file
inline constexpr int GedcomImportGrouping = 1131;  // 分類: file, surname, sex
inline constexpr int GedcomImportKazoe = 1132;     // 数え年として設定する
// CDialogGedcomReport.
inline constexpr int GedcomReportText = 1133;  // what the import did not use
// CDialogBasePointYearImport (template 140); its "取り込む" is wxID_OK.
inline constexpr int BasePointYearFiles = 1030;   // the chosen file names
inline constexpr int BasePointYearChoose = 1031;  // ファイル選択...
// CDialogBasePointYearExport (template 141): the list is DataList (1008), "変換する" wxID_OK.
// CDialogExportFileSet (template 144): list DataList (1008), "変換する" wxID_OK.
inline constexpr int ExportFileSetRename = 1035;  // ファイル名変更

// ---- Link dialogs ---------------------------------------------------------------
inline constexpr int UrlFileChoose = 1088;        // CDialogURLFile: ファイル選択
inline constexpr int UrlFileCombo = 1089;         // CDialogURLFile: the link, history newest first
inline constexpr int BrowserWarnDontShow = 1090;  // CDialogOldBrowserWarning: 次回からこのメッセージを表示しない
inline constexpr int BrowserWarnIcon = 1091;      // CDialogOldBrowserWarning: the exclamation icon

}  // namespace Id
