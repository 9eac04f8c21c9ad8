#include "model/CTextArena.h"

#include <cstring>

std::string_view CTextArena::Store(std::string_view text) {
    const std::size_t need = text.size() + 1;
    char* at = nullptr;
    if (need > kBlockBytes / 4) {
        // A long text gets a block of its own; the current block stays in use.
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(need));
        capacity_ += need;
        at = blocks_.back().get();
    } else {
        if (need > left_) {
            blocks_.push_back(std::make_unique_for_overwrite<char[]>(kBlockBytes));
            capacity_ += kBlockBytes;
            free_ = blocks_.back().get();
            left_ = kBlockBytes;
        }
        at = free_;
        free_ += need;
        left_ -= need;
    }
    if (!text.empty()) {
        std::memcpy(at, text.data(), text.size());
    }
    at[text.size()] = '\0';
    return {at, text.size()};
}
