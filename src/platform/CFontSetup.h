// Fonts for Japanese text on a desktop without the Windows fonts documents
// name: a fontconfig file that maps the Windows Japanese face names
// ("ＭＳ Ｐゴシック", "ＭＳ 明朝", "メイリオ", ...) to the installed IPA fonts.
// It is loaded before the toolkit starts, so every font request sees it.
#pragma once

#include <filesystem>

class CFontSetup {
public:
    static constexpr const char* kConfigFileName = "vitachron-fonts.conf";

    // Adds the rules of the file to fontconfig's current configuration;
    // false when the file is missing or not valid.
    static bool Load(const std::filesystem::path& configFile);
    // The family fontconfig chooses for a face name, as the toolkit would get it.
    static std::string Resolve(const std::string& faceName);
};
