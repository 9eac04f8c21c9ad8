#include "model/CText.h"

#include <bit>
#include <memory>
#include <new>
#include <ostream>

void CText::Init(std::string_view text) {
    if (text.size() <= kInline) {
        if (!text.empty()) {
            std::memcpy(bytes_, text.data(), text.size());
        }
        SetInlineSize(text.size());
        return;
    }
    if (text.size() > kSizeMask) {
        throw std::bad_alloc();
    }
    auto block = std::make_unique_for_overwrite<char[]>(text.size() + 1);
    std::memcpy(block.get(), text.data(), text.size());
    block[text.size()] = '\0';
    char* p = block.release();
    std::memcpy(bytes_, &p, sizeof p);
    const std::uint64_t n = text.size() | std::uint64_t{kHeapTag} << 56;
    std::memcpy(bytes_ + 8, &n, sizeof n);  // little-endian: the tag lands in bytes_[15]
    static_assert(std::endian::native == std::endian::little);
}

void CText::Release() noexcept {
    if (!IsInline()) {
        std::unique_ptr<char[]> owned(HeapPointer());
        SetInlineSize(0);
    }
}

CText& CText::Assign(std::string_view text) {
    // Built aside first: the text may be a view of this very value.
    CText fresh(text);
    return *this = std::move(fresh);
}

CText& CText::operator+=(std::string_view text) {
    std::string joined(view());
    joined += text;
    return Assign(joined);
}

std::ostream& operator<<(std::ostream& out, const CText& text) { return out << text.view(); }
