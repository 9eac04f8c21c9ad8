// Every text the user can see, in one place. Plain C++ (no toolkit types) so
// that the core, the command-line tool and the window all share it.
#pragma once

namespace Str {

// Categories
inline constexpr const char* kUnsetCategory = "未設定";

// Application identity
inline constexpr const char* kAppName = "Vitachron";
inline constexpr const char* kVendorName = "Orv Software";

// Document files
inline constexpr const char* kDocumentTypeName = "Vitachron.Document";
inline constexpr const char* kDocumentExtension = ".vtc";

// ---- Main window: menus, toolbar, status bar, data bar, messages ----------
inline constexpr const char* kUntitled = "無題";
inline constexpr const char* kDocumentFilter = "Vitachronドキュメント(*.vtc)|*.vtc|すべてのファイル(*.*)|*.*";
inline constexpr const char* kFileTypeName = "Vitachronファイル";
inline constexpr const char* kOpenTitle = "開く";
inline constexpr const char* kSaveAsTitle = "名前を付けて保存";

inline constexpr const char* kMenuFile = "ファイル(&F)";
inline constexpr const char* kMenuFileNew = "新規作成(&N)\tCtrl+N";
inline constexpr const char* kMenuFileOpen = "開く(&O)...\tCtrl+O";
inline constexpr const char* kMenuFileSave = "上書き保存(&S)\tCtrl+S";
inline constexpr const char* kMenuFileSaveAs = "名前を付けて保存(&A)...";
inline constexpr const char* kMenuImportBaseYear = "Annalixデータの取り込み...";
inline constexpr const char* kMenuExportBaseYear = "Annalixデータへ変換...";
inline constexpr const char* kMenuImportCsv = "CSVファイルの読み込み";
inline constexpr const char* kMenuExportCsv = "CSVファイルの書き込み";
inline constexpr const char* kMenuPrint = "印刷(&P)...\tCtrl+P";
inline constexpr const char* kMenuPrintPreview = "印刷プレビュー(&V)";
inline constexpr const char* kMenuPrintSetup = "プリンタの設定(&R)...";
inline constexpr const char* kMenuRecentFiles = "最近使ったファイル";
inline constexpr const char* kMenuExit = "Vitachronの終了(&X)";
inline constexpr const char* kMenuView = "表示(&V)";
inline constexpr const char* kMenuYearRange = "年範囲設定...(&R)";
inline constexpr const char* kMenuYearWidth = "年間隔設定(&S)";
inline constexpr const char* kMenuYearWidthNarrow = "縮小";
inline constexpr const char* kMenuYearWidthNormal = "通常";
inline constexpr const char* kMenuYearWidthWide = "拡大";
inline constexpr const char* kMenuBaseYear = "基準年設定(&B)";
inline constexpr const char* kMenuDisplaySettings = "表示設定...(&D)";
inline constexpr const char* kMenuColorSettings = "色設定...(&C)";
inline constexpr const char* kMenuFontSettings = "フォント設定...(&F)";
inline constexpr const char* kMenuZoom = "ズーム";
inline constexpr const char* kMenuToolbar = "ツールバー(&T)";
inline constexpr const char* kMenuStatusBar = "ステータスバー(&S)";
inline constexpr const char* kMenuDataBar = "データ操作バー(&D)";
inline constexpr const char* kMenuData = "データ(&D)";
inline constexpr const char* kMenuAddPerson = "データの追加(&A)";
inline constexpr const char* kMenuEditPeople = "データの編集(&D)";
inline constexpr const char* kMenuSort = "並べ替え";
inline constexpr const char* kSortName = "50音順";
inline constexpr const char* kSortNameReversed = "50音逆順";
inline constexpr const char* kSortBirthEarliest = "生年の早い順";
inline constexpr const char* kSortBirthLatest = "生年の遅い順";
inline constexpr const char* kSortDeathEarliest = "没年の早い順";
inline constexpr const char* kSortDeathLatest = "没年の遅い順";
inline constexpr const char* kSortNone = "並べ替えない";
inline constexpr const char* kMenuHelp = "ヘルプ(&H)";
inline constexpr const char* kMenuHelpContents = "ヘルプの表示(&H)";
inline constexpr const char* kMenuAbout = "バージョン情報(&A)...";

inline constexpr const char* kToolNew = "新規作成";
inline constexpr const char* kToolOpen = "開く";
inline constexpr const char* kToolSave = "上書き保存";
inline constexpr const char* kToolCut = "切り取り";
inline constexpr const char* kToolCopy = "コピー";
inline constexpr const char* kToolPaste = "貼り付け";
inline constexpr const char* kToolPrint = "印刷";
inline constexpr const char* kToolAbout = "バージョン情報";
inline constexpr const char* kToolContextHelp = "ヘルプ";
inline constexpr const char* kStatusReady = "レディ";
inline constexpr const char* kIndicatorKana = "ｶﾅ";
inline constexpr const char* kIndicatorCaps = "CAP";
inline constexpr const char* kIndicatorNum = "NUM";
inline constexpr const char* kIndicatorScroll = "SCRL";

inline constexpr const char* kBarAdd = "追加...";
inline constexpr const char* kBarEdit = "編集...";
inline constexpr const char* kBarSearchLabel = "名前から検索";
inline constexpr const char* kBarSearch = "検索";
inline constexpr const char* kBarGroupByCategory = "分類ごとに並べ替える";
inline constexpr const char* kBarBaseYearGroup = "基準年";
inline constexpr const char* kBarYearUnit = "年";
inline constexpr const char* kBarBaseYearApply = "変更";
inline constexpr const char* kBarBaseYearOff = "設定しない";

inline constexpr const char* kMsgNameNotFound = "検索名が見つかりません";
inline constexpr const char* kMsgBaseYearInvalid = "入力された基準年が不正です";
inline constexpr const char* kMsgBaseYearRange = "基準年は%dから%dの間で入れてください";  // -2000000000, 2000000000
inline constexpr const char* kMsgHelpFailed = "ヘルプの起動ができませんでした";
// %s: the file's path.
inline constexpr const char* kMsgOpenDamaged = "%s を開けませんでした。\nファイルが壊れているか、Vitachronのファイルではありません。";
inline constexpr const char* kMsgOpenUnreadable = "%s を開けませんでした。\nファイルが見つからないか、読み込めません。";
inline constexpr const char* kMsgSaveFailed = "%s に保存できませんでした。\n元のファイルはそのまま残っています。";
// %s: the document's title.
inline constexpr const char* kMsgSaveChanges = "%s への変更を保存しますか？";
inline constexpr const char* kAboutTitle = "Vitachronのバージョン情報";
inline constexpr const char* kAboutVersion = "Vitachron Version 2.18";
inline constexpr const char* kOk = "OK";

}  // namespace Str
