// The seven display orders, optionally within groups of one category. Keys
// are computed once per sort, never per comparison, so that a million
// people sort in well under a second.
#pragma once

#include <memory>
#include <vector>

class CPerson;

class CPeopleSorter {
public:
    enum Order {
        kNone = 0,
        kName = 1,
        kNameReversed = 2,
        kBirthEarliest = 3,
        kBirthLatest = 4,
        kDeathEarliest = 5,
        kDeathLatest = 6,
    };

    static std::vector<CPerson*> Sort(const std::vector<std::unique_ptr<CPerson>>& people, int order,
                                      bool groupByCategory);
};
