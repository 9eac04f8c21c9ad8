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
    SetPointer(block.release(), text.size(), kHeapTag);
}

void CText::SetPointer(const char* p, std::size_t n, unsigned char tag) noexcept {
    std::memcpy(bytes_, &p, sizeof p);
    const std::uint64_t sizeAndTag = n | std::uint64_t{tag} << 56;
    std::memcpy(bytes_ + 8, &sizeAndTag, sizeof sizeAndTag);  // little-endian: the tag lands in bytes_[15]
    static_assert(std::endian::native == std::endian::little);
}

CText CText::Borrowing(std::string_view stored) {
    if (stored.size() <= kInline || stored.size() > kSizeMask) {
        return CText(stored);
    }
    CText text;
    text.SetPointer(stored.data(), stored.size(), kBorrowedTag);
    return text;
}

void CText::Release() noexcept {
    if (static_cast<unsigned char>(bytes_[kInline]) == kHeapTag) {
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
