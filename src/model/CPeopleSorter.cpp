#include "model/CPeopleSorter.h"

#include "model/CCategory.h"
#include "model/CCp932.h"
#include "model/CPerson.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>

namespace {

// Rank of each distinct category name in code page 932 order: grouping then
// compares two integers instead of two names.
std::vector<std::uint32_t> CategoryRanks(const std::vector<CPerson*>& order) {
    std::map<const CCategory*, std::u16string> keys;
    for (const CPerson* p : order) {
        if (!keys.contains(p->category)) {
            keys.emplace(p->category, CCp932::SortKey(p->category != nullptr ? p->category->name : std::string()));
        }
    }
    std::vector<std::u16string> names;
    for (const auto& [category, key] : keys) {
        names.push_back(key);
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    std::map<const CCategory*, std::uint32_t> rankOf;
    for (const auto& [category, key] : keys) {
        rankOf[category] = static_cast<std::uint32_t>(std::lower_bound(names.begin(), names.end(), key) - names.begin());
    }
    std::vector<std::uint32_t> ranks(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        ranks[i] = rankOf[order[i]->category];
    }
    return ranks;
}

}  // namespace

std::vector<CPerson*> CPeopleSorter::Sort(const std::vector<std::unique_ptr<CPerson>>& people, int order,
                                          bool groupByCategory) {
    std::vector<CPerson*> result;
    result.reserve(people.size());
    for (const auto& p : people) {
        result.push_back(p.get());
    }
    if (order < kName || order > kDeathLatest || result.size() < 2) {
        return result;
    }

    const std::vector<std::uint32_t> ranks =
        groupByCategory ? CategoryRanks(result) : std::vector<std::uint32_t>(result.size(), 0);

    if (order == kName || order == kNameReversed) {
        // The first four code values packed into one integer decide most
        // comparisons without touching the keys themselves.
        std::vector<std::u16string> keys(result.size());
        struct Item {
            std::uint32_t rank;
            std::uint32_t index;
            std::uint64_t prefix;
        };
        std::vector<Item> items(result.size());
        for (std::size_t i = 0; i < result.size(); ++i) {
            const CPerson* p = result[i];
            keys[i] = CCp932::SortKey(p->reading.empty() ? p->name : p->reading);
            std::uint64_t prefix = 0;
            for (std::size_t k = 0; k < 4; ++k) {
                // 0 cannot stand for "no character" as U+0000 never occurs in a name; a shorter key sorts first.
                prefix = prefix << 16 | (k < keys[i].size() ? keys[i][k] : 0);
            }
            items[i] = {ranks[i], static_cast<std::uint32_t>(i), prefix};
        }
        const auto before = [&keys](const Item& a, const Item& b) {
            if (a.rank != b.rank) {
                return a.rank < b.rank;
            }
            if (a.prefix != b.prefix) {
                return a.prefix < b.prefix;
            }
            return keys[a.index] < keys[b.index];
        };
        if (order == kName) {
            std::sort(items.begin(), items.end(), before);
        } else {
            std::sort(items.begin(), items.end(), [&](const Item& a, const Item& b) {
                return a.rank != b.rank ? a.rank < b.rank : before(b, a);
            });
        }
        std::vector<CPerson*> sorted(result.size());
        for (std::size_t i = 0; i < items.size(); ++i) {
            sorted[i] = result[items[i].index];
        }
        return sorted;
    }

    // Date orders: hidden dates after all shown ones, whatever their key.
    const bool birth = order == kBirthEarliest || order == kBirthLatest;
    const bool ascending = order == kBirthEarliest || order == kDeathEarliest;
    struct Item {
        std::uint32_t rank;
        bool hidden;
        std::int64_t key;
        CPerson* person;
    };
    std::vector<Item> items;
    items.reserve(result.size());
    for (std::size_t i = 0; i < result.size(); ++i) {
        CPerson* p = result[i];
        items.push_back({ranks[i], birth ? p->hideBirth : p->hideDeath, birth ? p->BirthKey() : p->DeathKey(), p});
    }
    std::sort(items.begin(), items.end(), [ascending](const Item& a, const Item& b) {
        if (a.rank != b.rank) {
            return a.rank < b.rank;
        }
        if (a.hidden != b.hidden) {
            return !a.hidden;
        }
        if (a.hidden) {
            return false;
        }
        return ascending ? a.key < b.key : a.key > b.key;
    });
    for (std::size_t i = 0; i < items.size(); ++i) {
        result[i] = items[i].person;
    }
    return result;
}
