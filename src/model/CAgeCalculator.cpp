#include "model/CAgeCalculator.h"

#include "model/LenientText.h"
#include "res/Strings.h"

namespace {

constexpr std::int64_t kSaturation = 1'000'000'000'000'000LL;

}  // namespace

std::int64_t CAgeCalculator::LeadingInteger(std::string_view text) { return LeadingInt64(text, kSaturation); }

CAgeCalculator::Result CAgeCalculator::Calculate(std::string_view ageText, std::string birthText,
                                                 std::string deathText, bool kazoe) {
    Result r{nullptr, std::move(birthText), std::move(deathText)};
    if (ageText.empty()) {
        r.message = Str::kMsgAgeMissing;
        return r;
    }
    const std::int64_t age = LeadingInteger(ageText);
    const std::int64_t k = kazoe ? 1 : 0;
    std::int64_t year = 0;
    std::string* target = nullptr;
    if (!r.birthText.empty()) {
        const std::int64_t birth = LeadingInteger(r.birthText);
        year = birth + age - k;
        if (birth < 0 && year >= 0) {
            ++year;
        }
        target = &r.deathText;
    } else if (!r.deathText.empty()) {
        const std::int64_t death = LeadingInteger(r.deathText);
        year = death - age + k;
        if (death > 0 && year <= 0) {
            --year;
        }
        target = &r.birthText;
    } else {
        return r;
    }
    if (year < kSmallestResult || year > kLargestResult) {
        r.message = Str::kMsgCalcOutOfRange;
        return r;
    }
    *target = std::to_string(year);
    return r;
}
