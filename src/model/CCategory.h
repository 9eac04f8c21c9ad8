// One category (分類): a colour and a name. Owned by its table; people point at it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class CCategory {
public:
    CCategory(std::uint32_t c, std::string n, bool s) : color(c), name(std::move(n)), shared(s) {}
    CCategory(const CCategory&) = delete;
    CCategory& operator=(const CCategory&) = delete;

    std::uint32_t color;  // 0x00BBGGRR
    std::string name;     // may be empty: the unset category, shown as "未設定"
    bool shared;          // also kept in "color.tbl"

    // "#rrggbb", the form the category list shows.
    std::string ColorText() const;
    // The name as lists show it.
    std::string DisplayName() const;

private:
    friend class CCategoryTable;
    std::size_t position_ = 0;  // in its table, so that finding it takes no search
};
