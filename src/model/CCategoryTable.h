// The category table of a document: categories in insertion order, owned
// here. Adding never makes a second category with the same colour and name.
// Shared categories are also kept in the program's "color.tbl".
// Lookups take constant time, whatever the number of categories: a document
// or a "color.tbl" may hold millions. A category's colour and name change
// through SetAt only, which keeps the lookups right.
#pragma once

#include "model/CCategory.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CArchiveReader;
class CArchiveWriter;

class CCategoryTable {
public:
    static constexpr std::uint32_t kUnsetColor = 255;  // pure red
    static constexpr int kPaletteSize = 18;

    CCategoryTable() = default;
    CCategoryTable(CCategoryTable&&) = default;
    CCategoryTable& operator=(CCategoryTable&&) = default;

    // The existing category with this colour and name (its shared flag
    // untouched), or a new one appended.
    CCategory* Add(std::uint32_t color, const std::string& name, bool shared);
    void Clear();

    // The first category with this colour and name, this colour, or this
    // name; -1 when there is none.
    int IndexOf(std::uint32_t color, std::string_view name) const;
    int IndexOfColor(std::uint32_t color) const;
    int IndexOfName(std::string_view name) const;
    int IndexOf(const CCategory* category) const;
    bool ColorAt(int index, std::uint32_t& color) const;
    void SetSharedAt(int index, bool shared);
    // Changing may make two categories equal; only adding refuses that.
    void SetAt(std::size_t index, std::uint32_t color, std::string name);

    std::size_t Size() const { return entries_.size(); }
    CCategory* At(std::size_t i) const { return entries_[i].get(); }
    std::vector<std::string> DisplayNames() const;

    static std::uint32_t PaletteColor(int i);
    static int PaletteSize() { return kPaletteSize; }

    // The category (255, ""), added unshared when missing.
    CCategory* UnsetCategory();

    // "color.tbl": one "colour,name" line per shared category, code page 932.
    // A missing or unreadable file changes nothing, nor does one that is not
    // a regular file or is larger than kMaxSharedFileBytes (some two million
    // categories); a failed save is silent.
    static constexpr std::uint64_t kMaxSharedFileBytes = 64ull * 1024 * 1024;
    void LoadShared(const std::filesystem::path& file);
    void LoadSharedText(std::string_view bytes);
    bool SaveShared(const std::filesystem::path& file) const;
    std::string SharedText() const;

    // The block of the document file. Reading adds unshared, so categories
    // already supplied by "color.tbl" keep their place and their flag.
    void Write(CArchiveWriter& ar) const;
    void Read(CArchiveReader& ar);

private:
    // Open addressing with linear probing. A slot holds the upper half of its
    // key's hash beside the position + 1 (0: empty), so that most probes look
    // at no category; at most half the slots are in use. One table finds the
    // first category of a colour and name, one of a colour, one of a name;
    // the last two are made when first asked, as reading a document needs
    // only the first.
    enum class Key { Pair, Color, Name };
    using Slots = std::vector<std::uint64_t>;
    static std::uint64_t HashOf(Key key, std::uint32_t color, std::string_view name);
    // The slot of the first category of the key, or the empty slot where it goes.
    std::size_t Probe(const Slots& table, Key key, std::uint64_t hash, std::uint32_t color,
                      std::string_view name) const;
    int Find(const Slots& table, Key key, std::uint32_t color, std::string_view name) const;
    void Insert(Slots& table, Key key, std::size_t position) const;
    void MakeColorAndNameTables() const;
    // Room for count categories in all, so that adding them rebuilds nothing.
    void Reserve(std::size_t count);
    void Reindex(std::size_t capacity);

    std::vector<std::unique_ptr<CCategory>> entries_;
    Slots byPair_;
    // Caches of byPair_'s categories, empty until first used.
    mutable Slots byColor_;
    mutable Slots byName_;
};
