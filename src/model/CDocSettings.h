// Every setting of a document that governs how the chronology is drawn, with
// the defaults a document starts from before the profile and the file speak.
#pragma once

#include "model/CLogFont.h"

#include <array>
#include <cstdint>
#include <string>

struct CDocSettings {
    std::int32_t startYear = 0;
    std::int32_t endYear = 0;  // the current local year, set at initialisation
    std::int32_t yearWidth = 200;  // 100 縮小, 200 通常, 400 拡大
    std::int32_t rowHeight = 40;
    std::int32_t reservedMetric = 20;
    std::int32_t barThickness = 10;
    std::int32_t labelStep = 100;
    std::int32_t displayUnit = 1;
    std::int32_t sortOrder = 0;
    bool groupByCategory = false;
    bool baseYearShown = false;
    std::int32_t baseYear = 1;
    std::uint32_t basisColor = 0xFF0000;  // blue
    // Base figure colours: before birth, alive, after death, memorial.
    std::array<std::uint32_t, 4> ageColors{0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000};
    bool showBeforeBirth = true;
    bool showAfterDeath = true;
    bool countFromBirth = true;
    bool memorialCount = false;
    bool yearOnly = false;
    bool baseOnLine = true;
    bool baseBesideAge = false;
    std::uint32_t nameColor = 0;
    std::uint32_t beginEndColor = 0;
    std::uint32_t headerYearColor = 0;
    std::uint32_t backColor = 0xFFFFFF;
    std::uint32_t suppleColor = 255;
    std::array<std::uint32_t, 16> customColors{0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                               0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                               0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
    CLogFont fontName;
    CLogFont fontScale;
    CLogFont fontYear;
    CLogFont fontBasis;
    std::int32_t zoom = 100;
    bool kazoeAster = true;
    std::string commentSeparator = "##";
    bool displayYearRange = true;
    bool displayAge = true;
    bool displaySuppleMark = true;
    std::int32_t defaultBarLength = 50;
    std::int32_t leftWidth = 0;

    friend bool operator==(const CDocSettings&, const CDocSettings&) = default;
};
