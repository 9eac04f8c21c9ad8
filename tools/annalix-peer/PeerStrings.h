// The stand-in's own texts (it is not part of Vitachron's user interface).
#pragma once

namespace PeerStr {

inline constexpr const char* kTitle = "Annalix (代用)";
inline constexpr const char* kMenuFile = "ファイル(&F)";
inline constexpr const char* kMenuOpen = "開く(&O)...";
inline constexpr const char* kMenuExit = "終了(&X)";
inline constexpr const char* kMenuLink = "Vitachron連携(&V)";
inline constexpr const char* kMenuAsk = "Vitachronに文書を問い合わせる(&Q)...";
inline constexpr const char* kMenuYear = "Vitachronに年を表示させる(&Y)...";
inline constexpr const char* kDocument = "文書: ";
inline constexpr const char* kNoDocument = "(文書なし)";
inline constexpr const char* kContent = "内容: ";
inline constexpr const char* kLines = "行";
inline constexpr const char* kUnreadable = "読み込めません";
inline constexpr const char* kYear = "表示中の年: ";
inline constexpr const char* kNoYear = "---";
inline constexpr const char* kAnnalixFilter = "Annalix (*.anx)|*.anx|すべてのファイル (*.*)|*.*";
inline constexpr const char* kVitachronFilter = "Vitachron (*.vtc)|*.vtc|すべてのファイル (*.*)|*.*";
inline constexpr const char* kAskTitle = "問い合わせるVitachron文書";
inline constexpr const char* kYearPrompt = "Vitachronに表示させる年:";
inline constexpr const char* kAnsweredBy = "応答したVitachron: ";

}  // namespace PeerStr
