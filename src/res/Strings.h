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

}  // namespace Str
