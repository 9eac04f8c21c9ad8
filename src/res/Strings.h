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

// ---- Settings dialogs: categories, base year, display, colours ----------------
inline constexpr const char* kButtonOk = "OK";
inline constexpr const char* kButtonCancel = "ｷｬﾝｾﾙ";
// "%lld" the smallest, "%lld" the largest value a numeric field accepts.
inline constexpr const char* kIntegerRangeFormat = "%lld から %lld までの整数を入力してください。";

inline constexpr const char* kCategoryDialogTitle = "分類名変更・追加";
inline constexpr const char* kCategoryColumnName = "分類";
inline constexpr const char* kCategoryColumnColor = "色";
inline constexpr const char* kCategoryAdd = "追加...";
inline constexpr const char* kCategoryChange = "変更...";
inline constexpr const char* kCategorySharedHint = "チェックを入れると他のデータ編集時にも使えます。";
inline constexpr const char* kCategoryClose = "閉じる(&C)";
inline constexpr const char* kCategoryShareQuestion = "他のデータでも使えるように登録しますか？";
inline constexpr const char* kCategorySaveFailed =
    "共有する分類をcolor.tblに保存できませんでした。\n次に開くデータでは使えません。";
inline constexpr const char* kCategoryPairTitle = "色－分類名設定";
inline constexpr const char* kCategoryPairName = "分類名";
inline constexpr const char* kCategoryPairColor = "色";
inline constexpr const char* kCategoryPairColorChange = "色変更...";
inline constexpr const char* kCategoryNameMissing = "分類名を入力してください";

inline constexpr const char* kBaseYearTitle = "基準年設定";
inline constexpr const char* kBaseYearIntro = "年齢を表示するための年を設定します";
inline constexpr const char* kBaseYearUnit = "年";
inline constexpr const char* kBaseYearOff = "設定しない";
inline constexpr const char* kBaseYearBeforeBirth = "生年前も表示";
inline constexpr const char* kBaseYearAfterDeath = "没年以後も表示";
inline constexpr const char* kBaseYearAfterDeathGroup = "基準年が没年以後の場合";
inline constexpr const char* kBaseYearFromBirth = "生年からの年数で表示";
inline constexpr const char* kBaseYearFromDeath = "没年からの年数で表示";
inline constexpr const char* kBaseYearMemorial = "回忌表示（1の次は３になる）";
inline constexpr const char* kBaseYearColorGroup = "表示色";
inline constexpr const char* kBaseYearColorLabel = "基準色";
inline constexpr const char* kBaseYearColorChange = "変更...";
inline constexpr const char* kBaseYearAgeColors = "年齢色個別設定";
inline constexpr const char* kBaseYearPositionGroup = "基準年齢表示位置";
inline constexpr const char* kBaseYearOnLine = "基準線上";
inline constexpr const char* kBaseYearBesideAge = "年齢横";

inline constexpr const char* kAgeColorTitle = "基準年齢色";
inline constexpr const char* kAgeColorHeading = "基準年齢色の設定";
inline constexpr const char* kAgeColorBeforeBirth = "生年以前...";
inline constexpr const char* kAgeColorAlive = "存命中...";
inline constexpr const char* kAgeColorAfterDeath = "没年後...";
inline constexpr const char* kAgeColorMemorial = "回忌表示時...";
inline constexpr const char* kAgeColorsReset = "基準年色と同じに戻す";

inline constexpr const char* kDisplayTitle = "表示の設定";
inline constexpr const char* kDisplayYearsGroup = "生年・没年表示";
inline constexpr const char* kDisplayYearRange = "生年・没年表示する(&S)";
inline constexpr const char* kDisplayAge = "年齢表示する(&G)";
inline constexpr const char* kDisplayYearOnly = "生没年・年のみ(&Y)";
inline constexpr const char* kDisplayFullDate = "生没年・年/月/日(&A)";
inline constexpr const char* kDisplayBarLength = "生年または没年が不明のときのバーの長さ(&B)";
inline constexpr const char* kDisplayBarLengthUnit = "年";
inline constexpr const char* kDisplayKazoeAster = "数え年の年齢には*をつける(&K)";
inline constexpr const char* kDisplayLeftWidth = "左側リストの幅(&W)";
inline constexpr const char* kDisplayCommentSeparator = "コメント区切り(&C)";
inline constexpr const char* kDisplaySuppleMark = "補足説明マークを表示する(&D)";
inline constexpr const char* kDisplaySaveAsInitial = "これらの値を初期値として設定する(&S)";

inline constexpr const char* kColorsTitle = "色設定";
inline constexpr const char* kColorsHeading = "色の設定";
inline constexpr const char* kColorsName = "名前...";
inline constexpr const char* kColorsNameTip = "名前の色を設定します";
inline constexpr const char* kColorsBeginEnd = "生年・没年...";
inline constexpr const char* kColorsBeginEndTip = "生年・没年の色を設定します";
inline constexpr const char* kColorsBasis = "基準年...";
inline constexpr const char* kColorsBasisTip = "基準年の色を設定します";
inline constexpr const char* kColorsHeaderYear = "ヘッダ年...";
inline constexpr const char* kColorsHeaderYearTip = "ヘッダの年の色を設定します";
inline constexpr const char* kColorsBack = "背景...";
inline constexpr const char* kColorsBackTip = "背景色を設定します";
inline constexpr const char* kColorsSupple = "補足説明...";
inline constexpr const char* kColorsSaveAsInitial = "初期値として設定する";
inline constexpr const char* kColorsDefaults = "デフォルトに戻す";
// ---- end of settings dialogs ----------------------------------------------------

}  // namespace Str
