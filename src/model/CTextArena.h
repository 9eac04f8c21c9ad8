// The long texts of a document read from a file, a few large blocks instead
// of a block for each text: a million people read at once would otherwise
// be a million small allocations more. Texts stay where they are until the
// arena goes; nothing is freed one by one.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

class CTextArena {
public:
    // A copy of text that stays valid, followed by a 0 byte, as long as the arena.
    std::string_view Store(std::string_view text);
    // What the blocks hold in all, for the tests.
    std::size_t Capacity() const { return capacity_; }

private:
    static constexpr std::size_t kBlockBytes = 256 * 1024;

    std::vector<std::unique_ptr<char[]>> blocks_;
    char* free_ = nullptr;
    std::size_t left_ = 0;
    std::size_t capacity_ = 0;
};
