// A person's text in 16 bytes: up to 15 bytes of UTF-8 stand inside the
// value, longer texts in one block of their own, or (read from a file) in
// the document's CTextArena, which the value then only points into. A document holds a million
// of these per field, so names and readings (a few characters of Japanese)
// must not each cost a heap block and 32 bytes. Reads as a std::string_view,
// converts to std::string where a caller wants one, compares with any text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iosfwd>
#include <string>
#include <string_view>

class CText {
public:
    static constexpr std::size_t npos = std::string_view::npos;
    static constexpr std::size_t kInline = 15;

    CText() noexcept { SetInlineSize(0); }
    CText(std::string_view text) { Init(text); }  // NOLINT: a text is a text
    CText(const char* text) : CText(std::string_view(text)) {}
    CText(const std::string& text) : CText(std::string_view(text)) {}
    CText(const CText& other) { Init(other.view()); }
    CText(CText&& other) noexcept {
        std::memcpy(bytes_, other.bytes_, sizeof bytes_);
        other.SetInlineSize(0);
    }
    CText& operator=(const CText& other) { return Assign(other.view()); }
    CText& operator=(CText&& other) noexcept {
        if (this != &other) {
            Release();
            std::memcpy(bytes_, other.bytes_, sizeof bytes_);
            other.SetInlineSize(0);
        }
        return *this;
    }
    CText& operator=(std::string_view text) { return Assign(text); }
    CText& operator=(const char* text) { return Assign(std::string_view(text)); }
    CText& operator=(const std::string& text) { return Assign(std::string_view(text)); }
    ~CText() { Release(); }

    // A text that points into storage that outlives it and has a 0 byte
    // after the text, such as a CTextArena: a longer text is not copied (a short one always
    // is). Copies own their text; a move keeps pointing: the owner of the
    // storage calls Own before such a value can leave its care.
    static CText Borrowing(std::string_view stored);
    bool IsBorrowed() const noexcept { return static_cast<unsigned char>(bytes_[kInline]) == kBorrowedTag; }
    void Own() {
        if (IsBorrowed()) {
            Init(view());
        }
    }

    CText& Assign(std::string_view text);
    CText& operator+=(std::string_view text);

    const char* data() const noexcept { return IsInline() ? bytes_ : HeapPointer(); }
    std::size_t size() const noexcept { return IsInline() ? kInline - static_cast<unsigned char>(bytes_[kInline]) : HeapSize(); }
    std::size_t length() const noexcept { return size(); }
    bool empty() const noexcept { return size() == 0; }
    // Always followed by a 0 byte.
    const char* c_str() const noexcept { return data(); }
    std::string_view view() const noexcept { return {data(), size()}; }
    operator std::string_view() const noexcept { return view(); }  // NOLINT
    operator std::string() const { return std::string(view()); }   // NOLINT
    std::string str() const { return std::string(view()); }
    void clear() { Assign({}); }

    std::size_t find(std::string_view text, std::size_t pos = 0) const noexcept { return view().find(text, pos); }
    std::size_t find(char c, std::size_t pos = 0) const noexcept { return view().find(c, pos); }
    std::string substr(std::size_t pos, std::size_t n = npos) const { return std::string(view().substr(pos, n)); }
    char operator[](std::size_t i) const noexcept { return data()[i]; }
    const char* begin() const noexcept { return data(); }
    const char* end() const noexcept { return data() + size(); }

    friend bool operator==(const CText& a, const CText& b) noexcept { return a.view() == b.view(); }
    friend bool operator==(const CText& a, std::string_view b) noexcept { return a.view() == b; }
    friend bool operator==(const CText& a, const char* b) noexcept { return a.view() == std::string_view(b); }
    friend bool operator==(const CText& a, const std::string& b) noexcept { return a.view() == std::string_view(b); }
    friend auto operator<=>(const CText& a, const CText& b) noexcept { return a.view() <=> b.view(); }
    friend std::string operator+(const std::string& a, const CText& b) { return a + std::string(b.view()); }
    friend std::string operator+(const CText& a, const std::string& b) { return std::string(a.view()) + b; }
    friend std::string operator+(const char* a, const CText& b) { return a + std::string(b.view()); }
    friend std::string operator+(const CText& a, const char* b) { return std::string(a.view()) + b; }
    friend std::ostream& operator<<(std::ostream& out, const CText& text);

private:
    // bytes_[15]: 15 - size for a text held inline (so a full one ends in
    // its 0), kHeapTag for one in its own block, kBorrowedTag for one in
    // storage of another's, whose pointer is in bytes 0..7 and its size in
    // bytes 8..14.
    static constexpr unsigned char kHeapTag = 0xFF;
    static constexpr unsigned char kBorrowedTag = 0xFE;
    static constexpr std::uint64_t kSizeMask = (std::uint64_t{1} << 56) - 1;

    bool IsInline() const noexcept { return static_cast<unsigned char>(bytes_[kInline]) <= kInline; }
    void SetPointer(const char* p, std::size_t n, unsigned char tag) noexcept;
    void SetInlineSize(std::size_t n) noexcept {
        bytes_[n] = '\0';
        bytes_[kInline] = static_cast<char>(kInline - n);
    }
    char* HeapPointer() const noexcept {
        char* p = nullptr;
        std::memcpy(&p, bytes_, sizeof p);
        return p;
    }
    std::size_t HeapSize() const noexcept {
        std::uint64_t n = 0;
        std::memcpy(&n, bytes_ + 8, sizeof n);
        return static_cast<std::size_t>(n & kSizeMask);
    }
    void Init(std::string_view text);
    void Release() noexcept;

    char bytes_[16];
};
static_assert(sizeof(CText) == 16);
