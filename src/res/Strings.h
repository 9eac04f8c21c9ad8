// Every text the user can see, in one place. Plain C++ (no toolkit types) so
// that the core, the command-line tool and the window all share it.
#pragma once

namespace Str {

// Categories
inline constexpr const char* kUnsetCategory = "未設定";

// Application identity
inline constexpr const char* kAppName = "Vitachron";
inline constexpr const char* kVendorName = "Orv Software";

// Dialog buttons, as users know them in half-width katakana
inline constexpr const char* kButtonOk = "OK";
inline constexpr const char* kButtonCancel = "ｷｬﾝｾﾙ";
// A numeric field's range check: "%lld" the smallest, "%lld" the largest value it accepts.
inline constexpr const char* kIntegerRangeFormat = "%lldから%lldまでの整数を入力してください。";

// Undo and redo: the Edit menu and the name of each step
inline constexpr const char* kMenuEdit = "編集(&E)";
inline constexpr const char* kMenuUndo = "元に戻す(&U)\tCtrl+Z";
inline constexpr const char* kMenuRedo = "やり直し(&R)\tCtrl+Y";
inline constexpr const char* kMenuUndoNamed = "「%s」を元に戻す(&U)\tCtrl+Z";
inline constexpr const char* kMenuRedoNamed = "「%s」をやり直す(&R)\tCtrl+Y";
inline constexpr const char* kUndoAddPerson = "データの追加";
inline constexpr const char* kUndoModifyPerson = "データの修正";
inline constexpr const char* kUndoDeletePerson = "データの削除";
inline constexpr const char* kUndoMovePerson = "データの移動";
inline constexpr const char* kUndoSort = "並べ替え";
inline constexpr const char* kUndoGroupByCategory = "分類ごとに並べ替え";
inline constexpr const char* kUndoYearRange = "年範囲設定";
inline constexpr const char* kUndoYearWidth = "年間隔設定";
inline constexpr const char* kUndoBaseYear = "基準年の変更";
inline constexpr const char* kUndoBaseYearShown = "基準年の表示・非表示";
inline constexpr const char* kUndoBaseYearSettings = "基準年設定";
inline constexpr const char* kUndoDisplaySettings = "表示設定";
inline constexpr const char* kUndoColorSettings = "色設定";
inline constexpr const char* kUndoFontSettings = "フォント設定";

// Document files
inline constexpr const char* kDocumentTypeName = "Vitachron.Document";
inline constexpr const char* kDocumentExtension = ".vtc";

// Why a file could not be read or written: the line under a message that
// names the file.
inline constexpr const char* kFileNotFound = "ファイルまたはフォルダーが見つかりません。";
inline constexpr const char* kFileNotReadable = "ファイルを読み込む権限がありません。";
inline constexpr const char* kFileReadOnly = "ファイルは読み取り専用か、書き込む権限のないファイルです。";
inline constexpr const char* kFileFolderReadOnly = "フォルダーに書き込む権限がないため、ファイルを作れません。";
inline constexpr const char* kFileReadOnlyDisk = "読み取り専用のディスクには書き込めません。";
inline constexpr const char* kFileNotRegular = "通常のファイルではありません（フォルダー、装置、名前付きパイプなど）。";
// %s: the largest size the file may have, as "256MB".
inline constexpr const char* kFileTooLarge = "ファイルが大きすぎます（%sまで）。";
inline constexpr const char* kFileDanglingLink = "シンボリックリンクの指すファイルがありません。";
inline constexpr const char* kFileLinkLoop = "シンボリックリンクが循環しているか、たどるリンクが多すぎます。";
inline constexpr const char* kFileNoSpace = "ディスクの空き容量が足りません。";
inline constexpr const char* kFileInUse = "ファイルは他のプログラムが使用中です。そのプログラムでファイルを閉じてから、もう一度やり直してください。";
inline constexpr const char* kFileSizeLimit = "ファイルサイズの上限（ulimit -f）を超えるため書き込めません。";
// %s: the system's own description of the error.
inline constexpr const char* kFileSystemError = "ファイルの読み書きでエラーが起きました（%s）。";

// ---- Editing people: person, age calculation, data list, year range -------
// Person dialog
inline constexpr const char* kPersonTitle = "人物情報";
inline constexpr const char* kPersonName = "名前(&N)";
inline constexpr const char* kPersonReading = "ふりがな(&F)";
inline constexpr const char* kPersonBirth = "生年(&B)";
inline constexpr const char* kPersonDeath = "没年(&D)";
inline constexpr const char* kPersonAge = "年齢(&A)";
inline constexpr const char* kPersonBirthUncertain = "？マークを付ける";  // the question mark is full-width
inline constexpr const char* kPersonMarkUncertain = "?マークを付ける";
inline constexpr const char* kPersonKazoe = "数え年";
inline constexpr const char* kPersonCalcFromAge = "年齢から生没年を計算する(&L)";
inline constexpr const char* kPersonHideBirth = "生年を非表示";
inline constexpr const char* kPersonHideDeath = "没年を非表示";
inline constexpr const char* kPersonHideAge = "年齢を非表示";
inline constexpr const char* kPersonCategoryGroup = "分類";
inline constexpr const char* kPersonCategoryEdit = "追加・変更...";
inline constexpr const char* kPersonNote = "補足説明";
inline constexpr const char* kPersonAddOk = "設定(&S)";
inline constexpr const char* kPersonAddClose = "閉じる(&C)";
inline constexpr const char* kTipPersonName = "人物の名前を入力します";
inline constexpr const char* kTipPersonReading = "ふりがなを入力します。省略可能です。漢字の50音順並べ替えに使用します";
inline constexpr const char* kTipPersonBirth = "生年を入力します。月日を入れる場合は1234/2/4のように入力します";
inline constexpr const char* kTipPersonDeath =
    "没年を入力します。生存者の場合は、空欄にします。月日を入れる場合は1234/2/4のように入力します";
inline constexpr const char* kTipPersonBirthUncertain = "生年があやふやな場合にチェックを入れます";
inline constexpr const char* kTipPersonDeathUncertain = "没年があやふやな場合にチェックを入れます";
inline constexpr const char* kTipPersonAgeUncertain = "年齢があやふやな場合にチェックを入れます";
inline constexpr const char* kTipPersonKazoe = "年齢を数え年で表示したい場合にチェックを入れます";
inline constexpr const char* kTipPersonCalcFromAge =
    "年齢と生年、または年齢と没年だけがわかっているときに、空欄を計算して埋めます";
inline constexpr const char* kMsgNoMemoryForNext = "メモリ不足のため、これ以上のデータは入力できません。";
inline constexpr const char* kMsgNameMissing = "名前が入力されていません";
inline constexpr const char* kMsgBirthMissing =
    "生年が設定されていません。\r\n生年が不明な場合は「？マークを付ける」のチェックボックスにチェックを入れてください";
inline constexpr const char* kMsgBirthTooLarge = "生年数値が大きするか、小さすぎます";
inline constexpr const char* kMsgDeathTooLarge = "没年数値が大きするか、小さすぎます";
inline constexpr const char* kAskYearZero = "西暦0年は存在しませんが、このまま入力しますか？";
inline constexpr const char* kMsgMonthDayInvalid = "月日の設定が間違っています";
inline constexpr const char* kMsgDeathBeforeBirth = "没年の方が生年よりも早い年となっています";
inline constexpr const char* kMsgNeitherYear = "少なくとも生年または没年のどちらかは入れてください";
inline constexpr const char* kMsgCalcNeedsYear = "生年または没年を入れてください";
inline constexpr const char* kAskSaveBeforeClose = "データを設定してから閉じますか？";
// Age calculation dialog
inline constexpr const char* kCalcTitle = "年齢から生没年を計算する";
inline constexpr const char* kCalcIntro = "年齢を入れて、生年または没年を計算します。";
inline constexpr const char* kCalcAge = "年齢";
inline constexpr const char* kCalcBirth = "生年";
inline constexpr const char* kCalcDeath = "没年";
inline constexpr const char* kCalcRun = "計算";
inline constexpr const char* kMsgAgeMissing = "年齢を入れてください";
inline constexpr const char* kMsgCalcOutOfRange =
    "計算結果の年が大きすぎるか、小さすぎるため計算できません。\r\n"
    "計算できる年は-2147483648から2147483646までです。";
// Data list dialogs
inline constexpr const char* kListName = "名前";
inline constexpr const char* kListBirth = "生年";
inline constexpr const char* kListDeath = "没年";
inline constexpr const char* kListNotSet = "設定なし";
inline constexpr const char* kDataModifyTitle = "データの編集";
inline constexpr const char* kDataModifyIntro = "変更したいデータをダブルクリックしてください。";
inline constexpr const char* kDataDelete = "選択したデータを削除する";
inline constexpr const char* kDataMoveUp = "上へ移動";
inline constexpr const char* kDataMoveDown = "下へ移動";
inline constexpr const char* kDataClose = "閉じる";
inline constexpr const char* kAskDeletePerson = "選択したデータを削除しますか？";
// Year range dialog
inline constexpr const char* kRangeTitle = "年範囲設定";
inline constexpr const char* kRangeStart = "開始年(&B)";
inline constexpr const char* kRangeEnd = "終了年(&E)";
inline constexpr const char* kRangeIntro =
    "設定できる範囲は-2000000000から2000000000です。\r\nただし開始年と終了年の差が大きい場合は表示しきれないことがあります。";
inline constexpr const char* kMsgRangeOrder = "終了年は開始年よりも大きくしてください。";
// ---- end of editing people ------------------------------------------------

// ---- Settings dialogs: categories, base year, display, colours ----------------

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
// Font dialog
inline constexpr const char* kFontsTitle = "フォント設定";
inline constexpr const char* kFontsHeading = "フォントの設定";
inline constexpr const char* kFontsName = "名前...";
inline constexpr const char* kFontsYear = "生年・没年...";
inline constexpr const char* kFontsBasis = "基準年...";
inline constexpr const char* kFontsScale = "ヘッダ年...";
inline constexpr const char* kFontsSaveAsInitial = "初期値として設定する";
inline constexpr const char* kFontsDefaults = "デフォルトに戻す";
// ---- end of settings dialogs ----------------------------------------------------

// ---- Interchange: CSV files and base-point year (.lby) files ----------------
// "%s" marks are filled in order by FormatText (src/model/FormatText.h).

inline constexpr const char* kCsvReadFailed = "ＣＳＶファイルの読み込みに失敗しました";
inline constexpr const char* kFileWriteFailed = "ファイルの書き込みに失敗しました";
// Second lines under kCsvReadFailed saying why, with the line of the file.
inline constexpr const char* kCsvTooLarge = "ファイルが大きすぎます（%sMBまで）。";
inline constexpr const char* kCsvUtf16 =
    "UTF-16で保存されたファイルには対応していません。シフトJISまたはUTF-8で保存し直してください。";
inline constexpr const char* kCsvNulByte =
    "%s行目にNUL文字（0x00）があります。テキスト形式のCSVファイルではありません。";
inline constexpr const char* kCsvUnterminatedQuote = "%s行目の引用符（\"）が閉じられていません。";
inline constexpr const char* kCsvLineTooLong = "%s行目から始まる1行が長すぎます（%sバイトまで）。";
inline constexpr const char* kCsvUndecodable =
    "ＣＳＶファイルの%s行目に、%sとして読めない文字がありました。その文字は正しく表示されない場合があります。";
inline constexpr const char* kEncodingCp932 = "シフトJIS";
inline constexpr const char* kEncodingUtf8 = "UTF-8";
// A person's text that code page 932 cannot hold: person, field, character, code point.
inline constexpr const char* kUnencodableChar =
    "%sの%sに、シフトJIS（コードページ932）で表せない文字「%s」（%s）があります。";
inline constexpr const char* kCsvNotWritten = "ＣＳＶファイルは書き出していません。";
inline constexpr const char* kPersonQuoted = "「%s」";
inline constexpr const char* kPersonNumbered = "%s人目のデータ";
inline constexpr const char* kPersonUnnamed = "名前のないデータ";
// Column names of the CSV line, as messages name them.
inline constexpr const char* kFieldBirth = "生年";
inline constexpr const char* kFieldDeath = "没年";
inline constexpr const char* kFieldName = "名前";
inline constexpr const char* kFieldReading = "ふりがな";
inline constexpr const char* kFieldCategory = "分類";
inline constexpr const char* kFieldComment = "補足説明";

inline constexpr const char* kLbyNotBasePointYear = "ファイル%sは、基点年データではありません";
inline constexpr const char* kLbyInvalid = "ファイル%sの内容が不正です";
inline constexpr const char* kLbyReadFailed = "ファイル%sの読み込みに失敗しました";
inline constexpr const char* kLbyWriteFailed = "ファイル%sの書き込みに失敗しました";
inline constexpr const char* kLbyConversionDone = "ファイルの変換が完了しました";
// Second lines under kLbyWriteFailed saying why.
inline constexpr const char* kLbyTitleLineBreak = "%sの名前に改行があるため、基点年データに書けません。";
inline constexpr const char* kLbyYearOutOfRange = "%sの%sは、基点年データに書ける範囲を超えています。";
#ifdef _WIN32
inline constexpr const char* kLbyNameNotFileName =
    "名前に \\ / : * ? \" < > | や制御文字があるか、Windowsが装置に使う名前（CON、NULなど）のため、そのままではファイル名にできません。";
#else
inline constexpr const char* kLbyNameNotFileName = "名前に「/」があるため、そのままではファイル名にできません。";
#endif

// ---- Interchange: GEDCOM family-tree files ---------------------------------------
// Notes a GEDCOM date leaves in the brackets of the date text, joined by "・".
inline constexpr const char* kGedNoteAbout = "頃";
inline constexpr const char* kGedNoteCalculated = "推算";
inline constexpr const char* kGedNoteEstimated = "推定";
inline constexpr const char* kGedNoteBefore = "以前";
inline constexpr const char* kGedNoteAfter = "以後";
inline constexpr const char* kGedNoteUntil = "～%s";  // the end of a range
inline constexpr const char* kGedNoteFrom = "から";
inline constexpr const char* kGedNoteTo = "まで";
inline constexpr const char* kGedNoteJulian = "ユリウス暦";
inline constexpr const char* kGedNoteFrench = "フランス革命暦";
inline constexpr const char* kGedNoteHebrew = "ヘブライ暦";
inline constexpr const char* kGedNoteChristening = "洗礼";
inline constexpr const char* kGedNoteBurial = "埋葬";
inline constexpr const char* kGedNoteCremation = "火葬";
// Report lines: what the import could not use, each after "%s行目: ".
inline constexpr const char* kGedLinePrefix = "%s行目: ";
inline constexpr const char* kGedDateUnreadable = "日付「%s」を読めませんでした。";
inline constexpr const char* kGedHebrewApprox = "ヘブライ暦の日付「%s」は西暦のおおよその年にしました（不確か）。";
inline constexpr const char* kGedFrenchApprox = "フランス革命暦の日付「%s」は西暦のおおよその年にしました（不確か）。";
inline constexpr const char* kGedCalendarUnknown = "日付「%s」の暦は読めませんでした。";
inline constexpr const char* kGedNoName = "名前のない個人%sは読み込みませんでした。";
inline constexpr const char* kGedNoDates = "「%s」（%s）には生年も没年もないため、読み込みませんでした。";
inline constexpr const char* kGedUndecodable = "%sとして読めない文字がありました（U+FFFDに置き換えました）。";
inline constexpr const char* kGedLevelJump = "階層番号が%sから%sへ飛んでいるため、この行とその下の行を読み飛ばしました。";
inline constexpr const char* kGedBadLine = "GEDCOMの行として読めないため、読み飛ばしました。";
inline constexpr const char* kGedLineTruncated = "1行が長すぎるため、%sバイトで切り捨てました。";
inline constexpr const char* kGedTextTruncated = "文字列が長すぎるため、%sバイトで切り捨てました。";
inline constexpr const char* kGedTooDeep = "階層が深すぎるため（%sまで）、読み飛ばしました。";
inline constexpr const char* kGedNoteMissing = "注記%sが見つかりませんでした。";
inline constexpr const char* kGedNotesTooMany = "注記レコードが多すぎるため、これ以降の注記は読み込みませんでした。";
inline constexpr const char* kGedUnused = "使わなかった項目: %s（%s件、最初は%s行目）";
inline constexpr const char* kGedUnusedOther = "その他の項目";
inline constexpr const char* kGedMoreReport = "ほか%s件";
// The file as a whole could not be read: kGedReadFailed and, below it, why.
inline constexpr const char* kGedReadFailed = "GEDCOMファイルの読み込みに失敗しました";
inline constexpr const char* kGedTooManyPeople = "個人が多すぎます（%s人まで）。";
inline constexpr const char* kGedTooLarge = "ファイルが大きすぎます（%sMBまで）。";
inline constexpr const char* kGedNotGedcom = "GEDCOMファイルではありません（最初の行が「0 HEAD」ではありません）。";
inline constexpr const char* kGedNulByte = "%s行目にNUL文字（0x00）があります。テキスト形式のGEDCOMファイルではありません。";
inline constexpr const char* kGedNotWritten = "GEDCOMファイルは書き出していません。";
// Encodings as the report names them.
inline constexpr const char* kEncodingUtf16 = "UTF-16";
inline constexpr const char* kEncodingAscii = "ASCII";
inline constexpr const char* kEncodingAnsi = "ANSI（コードページ1252）";
inline constexpr const char* kEncodingAnsel = "ANSEL";
// Categories made by grouping.
inline constexpr const char* kGedSexMale = "男性";
inline constexpr const char* kGedSexFemale = "女性";
inline constexpr const char* kGedSexUnknown = "性別不明";
inline constexpr const char* kGedNoSurname = "姓なし";
inline constexpr const char* kGedOtherSurnames = "その他の姓";
// The GEDCOM commands and their dialogs.
inline constexpr const char* kMenuImportGedcom = "GEDCOMファイルの読み込み...";
inline constexpr const char* kMenuExportGedcom = "GEDCOMファイルの書き込み...";
inline constexpr const char* kGedcomFilter = "GEDCOMファイル (*.ged)|*.ged;*.GED|すべてのファイル(*.*)|*.*";
inline constexpr const char* kImportGedcomTitle = "GEDCOM読み込み";
inline constexpr const char* kImportGedcomGrouping = "分類";
inline constexpr const char* kImportGedcomByFile = "ファイルごとに1つの分類";
inline constexpr const char* kImportGedcomBySurname = "姓ごとの分類";
inline constexpr const char* kImportGedcomBySex = "性別ごとの分類";
inline constexpr const char* kGedcomReportTitle = "GEDCOMファイルの読み込み結果";
inline constexpr const char* kGedcomReportIntro =
    "GEDCOMファイルのうち、以下の内容は読み込みませんでした（%s人を読み込みました）。";
inline constexpr const char* kProgressReadingGedcom = "GEDCOMファイルを読み込んでいます...";
inline constexpr const char* kProgressWritingGedcom = "GEDCOMファイルを書き出しています...";
inline constexpr const char* kUndoImportGedcom = "GEDCOMファイルの読み込み";
// ---- end of GEDCOM ------------------------------------------------------------------

// ---- Interchange commands and their dialogs -----------------------------------
inline constexpr const char* kCsvFilter = "csvファイル (*.csv)|*.csv|すべてのファイル(*.*)|*.*";
inline constexpr const char* kCsvAppendConfirm =
    "「OK」をクリックすると次の画面で指定したCSVファイルをこのデータの末尾に追加します。\r\n"
    "新規画面に表示したい場合は、いったん「キャンセル」を押し、「ファイル」-「新規作成」したあとで再度やりなおしてください。";
inline constexpr const char* kImportCheckTitle = "ＣＳＶ読み込み確認";
inline constexpr const char* kImportCheckKazoe = "数え年として設定する";
inline constexpr const char* kBadCsvTitle = "不正なCSVファイルデータ";
inline constexpr const char* kBadCsvIntro = "入力したCSVファイルのうち、以下のデータは読み込めませんでした。";
// Asked under kUnencodableChar when a CSV export meets such text.
inline constexpr const char* kCsvAskUtf8 =
    "代わりにUTF-8（BOM付き）で書き出しますか？\n「いいえ」を選ぶと、ＣＳＶファイルは書き出しません。";
inline constexpr const char* kLbyFilter = "Annalix・基点年(*.lby)|*.lby|All Files (*.*)|*.*";
inline constexpr const char* kBasePointYearImportTitle = "Annalix・基点年データ取り込み";
inline constexpr const char* kBasePointYearImportChoose = "ファイル選択...";
inline constexpr const char* kBasePointYearImportOk = "取り込む";
inline constexpr const char* kBasePointYearExportTitle = "Annalix・基点年データに変換";
inline constexpr const char* kConvertButton = "変換する";
inline constexpr const char* kExportFileSetTitle = "Annalix・基点年変換";
inline constexpr const char* kExportFileSetRename = "ファイル名変更";
inline constexpr const char* kListFileName = "ファイル名";
// Progress windows of long imports and exports.
inline constexpr const char* kProgressReadingCsv = "CSVファイルを読み込んでいます...";
inline constexpr const char* kProgressWritingCsv = "CSVファイルを書き出しています...";
inline constexpr const char* kProgressReadingLby = "基点年データを読み込んでいます...";
inline constexpr const char* kProgressWritingLby = "基点年データを書き出しています...";
inline constexpr const char* kProgressShowing = "読み込んだデータを表示しています...";
// Names of the undo steps of the imports.
inline constexpr const char* kUndoImportCsv = "CSVファイルの読み込み";
inline constexpr const char* kUndoImportBasePointYears = "Annalixデータの取り込み";
// ---- end of interchange commands ------------------------------------------------

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
inline constexpr const char* kMenuImportBasePointYears = "Annalixデータの取り込み...";
inline constexpr const char* kMenuExportBasePointYears = "Annalixデータへ変換...";
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
// %s: the file's path, then one of the kFile texts saying why.
inline constexpr const char* kMsgOpenFailedBecause = "%s を開けませんでした。\n%s";
inline constexpr const char* kMsgSaveFailedBecause = "%s に保存できませんでした。\n%s\n元のファイルはそのまま残っています。";
// %s: the document's title.
inline constexpr const char* kMsgSaveChanges = "%s への変更を保存しますか？";
inline constexpr const char* kAboutTitle = "Vitachronのバージョン情報";

// ---- Timeline interaction, printing and the picture of the timeline ----------
// Context menu of the timeline and the name list.
inline constexpr const char* kMenuModifyContextPerson = "このデータを修正";
inline constexpr const char* kMenuDeleteContextPerson = "このデータを削除";
inline constexpr const char* kMenuAddContextPerson = "データを追加";
// %s: the person's whole name, comment part included.
inline constexpr const char* kAskDeleteContextPerson = "このデータ(%s)を削除しますか？";
// Printing.
inline constexpr const char* kPreviewTitle = "印刷プレビュー";
inline constexpr const char* kMsgPrintRowsDoNotFit =
    "用紙が小さすぎるため、人物の行は1行も入りません。\n見出しの年だけを印刷します。";
// %s: the most pages printed at once.
inline constexpr const char* kMsgPrintTooManyPages =
    "印刷するページが多すぎます（%sページまで）。\n年範囲を狭めるか、ズームを小さくしてください。";
inline constexpr const char* kMsgPrintFailed = "印刷できませんでした。";
// The picture of the whole timeline.
inline constexpr const char* kMenuSaveAsImage = "画像として保存...";
inline constexpr const char* kImageSaveTitle = "画像として保存";
inline constexpr const char* kImageFilter = "PNG画像(*.png)|*.png|SVG画像(*.svg)|*.svg";
// %s, %s: width and height in pixels.
inline constexpr const char* kMsgImageTooLargePng =
    "画像が大きすぎるため、PNGでは保存できません（%s×%sピクセル）。\n"
    "SVGで保存するか、年範囲を狭めるかズームを小さくしてください。";
inline constexpr const char* kMsgImageTooLarge =
    "画像が大きすぎるため保存できません（%s×%sピクセル）。\n年範囲を狭めるか、ズームを小さくしてください。";
// %s: the file.
inline constexpr const char* kMsgImageWriteFailed = "%s に画像を保存できませんでした。";
// ---- end of timeline interaction ---------------------------------------------

// ---- Start-up, command line, profile --------------------------------------
// The buttons of every message box, named as the messages name them.
inline constexpr const char* kMessageOk = "OK";
inline constexpr const char* kMessageCancel = "キャンセル";
inline constexpr const char* kMessageYes = "はい";
inline constexpr const char* kMessageNo = "いいえ";
// %s: the program's version.
inline constexpr const char* kVersionLine = "Vitachron Version %s";
inline constexpr const char* kCmdHelp = "この使い方を表示して終了します";
inline constexpr const char* kCmdVersion = "バージョンを表示して終了します";
inline constexpr const char* kCmdPrint = "ウィンドウを開かずに既定のプリンタで印刷します";
inline constexpr const char* kCmdPrintTo = "ウィンドウを開かずにPDFファイルへ印刷します";
inline constexpr const char* kCmdScreenshot = "描画したウィンドウをPNGファイルに保存して終了します";
inline constexpr const char* kCmdDocument = "開くVitachronドキュメント(*.vtc)";
inline constexpr const char* kCmdPrintNeedsDocument = "--print と --print-to には印刷するファイルを指定してください。";
inline constexpr const char* kCmdOnePrintMode = "--print と --print-to は一緒に指定できません。";
// %s: the profile file (and where a damaged one was kept).
inline constexpr const char* kMsgProfileDamaged =
    "設定ファイル %s が壊れているため、既定の設定で起動します。\n壊れたファイルは %s として残しました。";
inline constexpr const char* kMsgProfileUnusable =
    "設定ファイル %s を使えないため、既定の設定で起動します。\n今回変えた設定は保存されません。";
inline constexpr const char* kMsgProfileWriteFailed =
    "設定を %s に保存できませんでした。\n今回変えた設定は次回に残らないことがあります。";
// Where the settings live on Windows, for the message above.
inline constexpr const char* kProfileRegistryKey = "レジストリ（HKEY_CURRENT_USER\\Software\\Orv Software\\Vitachron）";

// ---- Links to other programs (Annalix, HTML links) ------------------------
// Timeline context menu entries. The "%s" forms replace the plain texts
// while there is a link to name.
inline constexpr const char* kMenuShowAnnalix = "Annalixを表示";
inline constexpr const char* kMenuShowAnnalixNamed = "Annalix(%s)を表示";
inline constexpr const char* kMenuSelectAnnalix = "Annalixを選択して表示";
inline constexpr const char* kMenuShowHtml = "HTMLを表示";
inline constexpr const char* kMenuShowHtmlNamed = "HTML(%s)を表示";
inline constexpr const char* kMenuSetHtml = "HTMLを設定して表示";
// %d: the system's error code.
inline constexpr const char* kAnnalixStartFailed = "Annalixの起動に失敗しました(%d)";
inline constexpr const char* kAnnalixSyncFailed = "Annalixとの同期に失敗しました(%d)";
inline constexpr const char* kAnnalixFileFilter = "Annalix (*.anx)|*.anx|すべてのファイル (*.*)|*.*";
inline constexpr const char* kAnnalixFileExtension = "anx";
// The link dialog.
inline constexpr const char* kUrlFileTitle = "URLまたはファイルの設定";
inline constexpr const char* kUrlFileChoose = "ファイル選択";
inline constexpr const char* kUrlFileFilter = "html(*.html;*.htm)|*.html;*.htm|すべてのファイル(*.*)|*.*";
inline constexpr const char* kUrlFilePrefix = "file://";
// The old-browser warning.
inline constexpr const char* kBrowserWarnTitle = "古いInternet Explorerの検出";
inline constexpr const char* kBrowserWarnText =
    "Internet Explorer4以前のバージョンでは、ローカルファイルで、#nameをURLに指定しても、HTML内の<A "
    "NAME=\"name\">の位置に移動しません。\nこのPCにはInternet "
    "Explorer5以降がインストールされていないため、URLの最後に付けた\"#年\"による年へのジャンプができません。\nInternet "
    "Explorer5以降のインストールをお勧めします。";
inline constexpr const char* kBrowserWarnDontShow = "次回からこのメッセージを表示しない";

}  // namespace Str
