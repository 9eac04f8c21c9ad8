// Every command and control id of the program. Menu items, toolbar buttons
// and the data bar's controls share ids, so one handler and one update
// handler serve them all. The numbers are the program's long-standing ones.
#pragma once

namespace Id {

// ---- Framework commands -------------------------------------------------
inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 57604;
inline constexpr int FilePrintSetup = 57606;
inline constexpr int FilePrint = 57607;
inline constexpr int FilePrintDirect = 57608;
inline constexpr int FilePrintPreview = 57609;
inline constexpr int FileMruFirst = 57616;  // four entries: 57616..57619
inline constexpr int EditCut = 57635;
inline constexpr int EditCopy = 57634;
inline constexpr int EditPaste = 57637;
inline constexpr int AppAbout = 57664;
inline constexpr int AppExit = 57665;
inline constexpr int ViewToolbar = 59392;
inline constexpr int ViewStatusBar = 59393;

// ---- The program's own commands ------------------------------------------
inline constexpr int YearRange = 32775;        // 年範囲設定...(&R)
inline constexpr int AddPerson = 32776;        // データの追加(&A), bar "追加...", "データを追加"
inline constexpr int EditPeople = 32777;       // データの編集(&D), bar "編集..."
inline constexpr int YearWidthNarrow = 32780;  // 縮小
inline constexpr int ModifyContextPerson = 32782;  // このデータを修正
inline constexpr int DeleteContextPerson = 32784;  // このデータを削除
inline constexpr int SortName = 32785;          // 50音順
inline constexpr int SortBirthEarliest = 32786;  // 生年の早い順
inline constexpr int SortBirthLatest = 32787;    // 生年の遅い順
inline constexpr int SortDeathEarliest = 32788;  // 没年の早い順
inline constexpr int SortDeathLatest = 32789;    // 没年の遅い順
inline constexpr int SortNameReversed = 32790;   // 50音逆順
inline constexpr int ViewDataBar = 32791;        // データ操作バー(&D)
inline constexpr int ImportBaseYear = 32793;     // Annalixデータの取り込み...
inline constexpr int ExportBaseYear = 32794;     // Annalixデータへ変換...
inline constexpr int BaseYearSettings = 32795;   // 基準年設定(&B)
inline constexpr int YearWidthNormal = 32798;    // 通常
inline constexpr int YearWidthWide = 32800;      // 拡大
inline constexpr int DisplaySettings = 32801;    // 表示設定...(&D)
inline constexpr int ImportCsv = 32802;          // CSVファイルの読み込み
inline constexpr int ExportCsv = 32803;          // CSVファイルの書き込み
inline constexpr int ColorSettings = 32806;      // 色設定...(&C)
inline constexpr int FontSettings = 32807;       // フォント設定...(&F)
inline constexpr int ShowAnnalix = 32808;        // Annalix(%s)を表示
inline constexpr int SelectAnnalix = 32809;      // Annalixを選択して表示
inline constexpr int Zoom10 = 32810;             // ズーム 10 .. 300: 32810..32819
inline constexpr int Zoom30 = 32811;
inline constexpr int Zoom50 = 32812;
inline constexpr int Zoom70 = 32813;
inline constexpr int Zoom90 = 32814;
inline constexpr int Zoom100 = 32815;
inline constexpr int Zoom150 = 32816;
inline constexpr int Zoom200 = 32817;
inline constexpr int Zoom250 = 32818;
inline constexpr int Zoom300 = 32819;
inline constexpr int ShowHtml = 32820;     // HTML(%s)を表示
inline constexpr int SetHtml = 32821;      // HTMLを設定して表示
inline constexpr int HelpContents = 32822;  // ヘルプの表示(&H)
inline constexpr int SortNone = 1028;       // 並べ替えない (also the data bar's radio button)
inline constexpr int GroupByCategory = 1067;  // data bar check box 分類ごとに並べ替える
// Commands of our own that the old program did not have.
inline constexpr int EditUndo = 5100;  // 元に戻す (wxID_UNDO is used where wx expects it)
inline constexpr int EditRedo = 5101;  // やり直し
inline constexpr int SaveAsImage = 5102;  // 画像として保存...

// ---- Data operation bar ---------------------------------------------------

// ---- Person dialog (template 130) -----------------------------------------

// ---- Age calculation dialog (template 159) --------------------------------

// ---- Data list dialog (template 131) ----------------------------------------

// ---- Year range dialog (template 138) ----------------------------------------

// ---- Category dialogs --------------------------------------------------------

// ---- Base year dialogs -------------------------------------------------------

// ---- Display settings dialog (template 148) ----------------------------------

// ---- Colour and font dialogs ---------------------------------------------------

// ---- CSV and base-point year dialogs -------------------------------------------

// ---- Link dialogs ---------------------------------------------------------------
inline constexpr int UrlFileChoose = 1088;        // CDialogURLFile: ファイル選択
inline constexpr int UrlFileCombo = 1089;         // CDialogURLFile: the link, history newest first
inline constexpr int BrowserWarnDontShow = 1090;  // CDialogIEWarn: 次回からこのメッセージを表示しない
inline constexpr int BrowserWarnIcon = 1091;      // CDialogIEWarn: the exclamation icon

}  // namespace Id
