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

// ---- Interchange: CSV files and base-point year (.lby) files ----------------
// "%s" marks are filled in order by FormatText (src/interchange/FormatText.h).

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

inline constexpr const char* kLbyNotBaseYear = "ファイル%sは、基点年データではありません";
inline constexpr const char* kLbyInvalid = "ファイル%sの内容が不正です";
inline constexpr const char* kLbyReadFailed = "ファイル%sの読み込みに失敗しました";
inline constexpr const char* kLbyWriteFailed = "ファイル%sの書き込みに失敗しました";
inline constexpr const char* kLbyConversionDone = "ファイルの変換が完了しました";
// Second lines under kLbyWriteFailed saying why.
inline constexpr const char* kLbyTitleLineBreak = "%sの名前に改行があるため、基点年データに書けません。";
inline constexpr const char* kLbyYearOutOfRange = "%sの%sは、基点年データに書ける範囲を超えています。";
inline constexpr const char* kLbyNameNotFileName = "名前に「/」があるため、そのままではファイル名にできません。";

}  // namespace Str
