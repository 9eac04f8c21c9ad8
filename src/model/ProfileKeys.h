// Sections and entries of the per-user profile. Every profile literal of the
// program is spelled here and nowhere else.
#pragma once

namespace ProfileKeys {

inline constexpr const char* kColor = "Color";
inline constexpr const char* kColorName = "Name";
inline constexpr const char* kColorBeginEnd = "BeginEnd";
inline constexpr const char* kColorHeaderYear = "HeaderYear";
inline constexpr const char* kColorBack = "Back";
inline constexpr const char* kColorBasis = "Basis";
inline constexpr const char* kColorSupple = "Supple";
inline constexpr const char* kColorCustomPrefix = "Custom";  // Custom0 .. Custom15

inline constexpr const char* kFontName = "FontName";
inline constexpr const char* kFontScale = "FontScale";
inline constexpr const char* kFontYear = "FontYear";
inline constexpr const char* kFontBasis = "FontBasis";

inline constexpr const char* kLfHeight = "lfHeight";
inline constexpr const char* kLfWidth = "lfWidth";
inline constexpr const char* kLfEscapement = "lfEscapement";
inline constexpr const char* kLfOrientation = "lfOrientation";
inline constexpr const char* kLfWeight = "lfWeight";
inline constexpr const char* kLfItalic = "lfItalic";
inline constexpr const char* kLfUnderline = "lfUnderline";
inline constexpr const char* kLfStrikeOut = "lfStrikeOut";
inline constexpr const char* kLfCharSet = "lfCharSet";
inline constexpr const char* kLfOutPrecision = "lfOutPrecision";
inline constexpr const char* kLfClipPrecision = "lfClipPrecision";
inline constexpr const char* kLfQuality = "lfQuality";
inline constexpr const char* kLfPitchAndFamily = "lfPitchAndFamily";
inline constexpr const char* kLfFaceName = "lfFaceName";

inline constexpr const char* kHtmlPath = "HtmlPath";  // entries "0", "1", ...

inline constexpr const char* kInit = "Init";
inline constexpr const char* kInitKazoeAster = "KazoeAster";
inline constexpr const char* kInitComment = "Comment";
inline constexpr const char* kInitDisplayYearRange = "DisplayYearRange";
inline constexpr const char* kInitDisplayAge = "DisplayAge";
inline constexpr const char* kInitDisplaySuppleMark = "DisplaySuppleMark";
inline constexpr const char* kInitDefaultBarLength = "DefaultBarLength";
inline constexpr const char* kInitLeftWidth = "LeftWidth";
inline constexpr const char* kInitYearOnly = "YearOnly";

inline constexpr const char* kLastPos = "LastPos";
inline constexpr const char* kLastPosLeft = "left";
inline constexpr const char* kLastPosTop = "top";
inline constexpr const char* kLastPosRight = "right";
inline constexpr const char* kLastPosBottom = "bottom";

inline constexpr const char* kMessage = "Message";
inline constexpr const char* kMessageIE = "IE";

// The recent-file list: "File1" .. "File4", most recent first.
inline constexpr const char* kRecentFileList = "Recent File List";
inline constexpr const char* kRecentFilePrefix = "File";

}  // namespace ProfileKeys
