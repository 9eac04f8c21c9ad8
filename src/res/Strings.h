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
inline constexpr const char* kLinkOk = "OK";
inline constexpr const char* kLinkCancel = "キャンセル";
// The old-browser warning.
inline constexpr const char* kBrowserWarnTitle = "古いInternet Explorerの検出";
inline constexpr const char* kBrowserWarnText =
    "Internet Explorer4以前のバージョンでは、ローカルファイルで、#nameをURLに指定しても、HTML内の<A "
    "NAME=\"name\">の位置に移動しません。\nこのPCにはInternet "
    "Explorer5以降がインストールされていないため、URLの最後に付けた\"#年\"による年へのジャンプができません。\nInternet "
    "Explorer5以降のインストールをお勧めします。";
inline constexpr const char* kBrowserWarnDontShow = "次回からこのメッセージを表示しない";

}  // namespace Str
