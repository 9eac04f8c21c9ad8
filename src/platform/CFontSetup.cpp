#include "platform/CFontSetup.h"

#include <string>

#ifndef _WIN32

#include <fontconfig/fontconfig.h>

bool CFontSetup::Load(const std::filesystem::path& configFile) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(configFile, ec)) {
        return false;
    }
    FcConfig* config = FcConfigGetCurrent();
    if (config == nullptr) {
        return false;
    }
    const auto* name = reinterpret_cast<const FcChar8*>(configFile.c_str());
    return FcConfigParseAndLoad(config, name, FcTrue) == FcTrue;
}

std::string CFontSetup::Resolve(const std::string& faceName) {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(""));
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(faceName.c_str()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    std::string family;
    FcChar8* value = nullptr;
    if (match != nullptr && FcPatternGetString(match, FC_FAMILY, 0, &value) == FcResultMatch) {
        family = reinterpret_cast<const char*>(value);
    }
    if (match != nullptr) {
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return family;
}

#else

// Windows has the Japanese faces documents name ("ＭＳ Ｐゴシック" and the
// rest): there is nothing to map, and every face resolves to itself.
bool CFontSetup::Load(const std::filesystem::path&) { return true; }

std::string CFontSetup::Resolve(const std::string& faceName) { return faceName; }

#endif
