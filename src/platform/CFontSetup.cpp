#include "platform/CFontSetup.h"

#include <fontconfig/fontconfig.h>

#include <string>

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
