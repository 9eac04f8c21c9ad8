#include "model/CCategoryTable.h"

#include "model/CArchiveReader.h"
#include "model/CArchiveWriter.h"
#include "model/CCp932.h"
#include "model/CFileIO.h"
#include "model/LenientText.h"
#include "res/Strings.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>

namespace {

constexpr std::array<std::uint32_t, CCategoryTable::kPaletteSize> kPalette = {
    8421631, 4210816, 0,        65535,    32768,    4227327,  32896,    65280,    16744576,
    16776960, 16711680, 8421440, 12615680, 12632256, 12615935, 12615808, 8388736, 16711808,
};

// The finaliser of splitmix64: every input bit reaches every output bit.
std::uint64_t Mix(std::uint64_t x) {
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

std::uint64_t Tagged(std::uint64_t hash, std::size_t position) {
    return (hash & 0xFFFFFFFF00000000ull) | static_cast<std::uint64_t>(position + 1);
}

}  // namespace

std::string CCategory::ColorText() const {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    return buf;
}

std::string CCategory::DisplayName() const { return name.empty() ? std::string(Str::kUnsetCategory) : name; }

CCategory* CCategoryTable::Add(std::uint32_t color, const std::string& name, bool shared) {
    Reserve(entries_.size() + 1);
    const std::uint64_t hash = HashOf(Key::Pair, color, name);
    const std::size_t slot = Probe(byPair_, Key::Pair, hash, color, name);
    if (byPair_[slot] != 0) {
        return entries_[(byPair_[slot] & 0xFFFFFFFFu) - 1].get();
    }
    const std::size_t position = entries_.size();
    entries_.push_back(std::make_unique<CCategory>(color, name, shared));
    entries_.back()->position_ = position;
    byPair_[slot] = Tagged(hash, position);
    if (!byColor_.empty()) {
        Insert(byColor_, Key::Color, position);
        Insert(byName_, Key::Name, position);
    }
    return entries_.back().get();
}

void CCategoryTable::Clear() {
    entries_.clear();
    byPair_.clear();
    byColor_.clear();
    byName_.clear();
}

void CCategoryTable::SetAt(std::size_t index, std::uint32_t color, std::string name) {
    if (index >= entries_.size()) {
        return;
    }
    entries_[index]->color = color;
    entries_[index]->name = std::move(name);
    // Rare and by hand: building the tables again keeps "first of its kind" exact.
    Reindex(entries_.size());
}

std::uint64_t CCategoryTable::HashOf(Key key, std::uint32_t color, std::string_view name) {
    switch (key) {
    case Key::Color:
        return Mix(color);
    case Key::Name:
        return Mix(std::hash<std::string_view>{}(name));
    case Key::Pair:
        break;
    }
    return Mix(std::hash<std::string_view>{}(name) + color);
}

std::size_t CCategoryTable::Probe(const Slots& table, Key key, std::uint64_t hash, std::uint32_t color,
                              std::string_view name) const {
    const std::size_t mask = table.size() - 1;
    const std::uint64_t tag = hash & 0xFFFFFFFF00000000ull;
    for (std::size_t slot = static_cast<std::size_t>(hash) & mask;; slot = (slot + 1) & mask) {
        const std::uint64_t v = table[slot];
        if (v == 0) {
            return slot;
        }
        if ((v & 0xFFFFFFFF00000000ull) == tag) {
            const CCategory& e = *entries_[(v & 0xFFFFFFFFu) - 1];
            if ((key == Key::Name || e.color == color) && (key == Key::Color || e.name == name)) {
                return slot;
            }
        }
    }
}

int CCategoryTable::Find(const Slots& table, Key key, std::uint32_t color, std::string_view name) const {
    if (table.empty()) {
        return -1;
    }
    const std::uint64_t v = table[Probe(table, key, HashOf(key, color, name), color, name)];
    return v == 0 ? -1 : static_cast<int>((v & 0xFFFFFFFFu) - 1);
}

void CCategoryTable::Insert(Slots& table, Key key, std::size_t position) const {
    const CCategory& added = *entries_[position];
    const std::uint64_t hash = HashOf(key, added.color, added.name);
    const std::size_t slot = Probe(table, key, hash, added.color, added.name);
    if (table[slot] == 0) {  // otherwise an earlier category of the same kind is the one found
        table[slot] = Tagged(hash, position);
    }
}

void CCategoryTable::Reserve(std::size_t count) {
    if (2 * count > byPair_.size()) {
        Reindex(count);
    }
}

void CCategoryTable::Reindex(std::size_t capacity) {
    std::size_t size = 64;
    while (size < 2 * capacity) {
        size *= 2;
    }
    byPair_.assign(size, 0);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        Insert(byPair_, Key::Pair, i);
    }
    byColor_ = Slots();
    byName_ = Slots();
}

void CCategoryTable::MakeColorAndNameTables() const {
    if (!byColor_.empty() || byPair_.empty()) {
        return;
    }
    byColor_.assign(byPair_.size(), 0);
    byName_.assign(byPair_.size(), 0);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        Insert(byColor_, Key::Color, i);
        Insert(byName_, Key::Name, i);
    }
}

int CCategoryTable::IndexOf(std::uint32_t color, std::string_view name) const {
    return Find(byPair_, Key::Pair, color, name);
}

int CCategoryTable::IndexOfColor(std::uint32_t color) const {
    MakeColorAndNameTables();
    return Find(byColor_, Key::Color, color, {});
}

int CCategoryTable::IndexOfName(std::string_view name) const {
    MakeColorAndNameTables();
    return Find(byName_, Key::Name, 0, name);
}

int CCategoryTable::IndexOf(const CCategory* category) const {
    if (category == nullptr || category->position_ >= entries_.size() ||
        entries_[category->position_].get() != category) {
        return -1;  // not one of this table's
    }
    return static_cast<int>(category->position_);
}

bool CCategoryTable::ColorAt(int index, std::uint32_t& color) const {
    if (index < 0 || static_cast<std::size_t>(index) >= entries_.size()) {
        return false;
    }
    color = entries_[static_cast<std::size_t>(index)]->color;
    return true;
}

void CCategoryTable::SetSharedAt(int index, bool shared) {
    if (index >= 0 && static_cast<std::size_t>(index) < entries_.size()) {
        entries_[static_cast<std::size_t>(index)]->shared = shared;
    }
}

std::vector<std::string> CCategoryTable::DisplayNames() const {
    std::vector<std::string> names;
    names.reserve(entries_.size());
    for (const auto& e : entries_) {
        names.push_back(e->DisplayName());
    }
    return names;
}

std::uint32_t CCategoryTable::PaletteColor(int i) {
    const int n = kPaletteSize;
    return kPalette[static_cast<std::size_t>(((i % n) + n) % n)];
}

CCategory* CCategoryTable::UnsetCategory() { return Add(kUnsetColor, std::string(), false); }

void CCategoryTable::LoadShared(const std::filesystem::path& file) {
    std::string bytes;
    if (CFileIO::TryReadFile(file, bytes, kMaxSharedFileBytes)) {
        LoadSharedText(bytes);
    }
}

void CCategoryTable::LoadSharedText(std::string_view bytes) {
    const std::string text = CCp932::Decode(bytes);
    std::string_view rest = text;
    while (!rest.empty()) {
        const auto nl = rest.find('\n');
        std::string_view line = rest.substr(0, nl);
        rest = nl == std::string_view::npos ? std::string_view() : rest.substr(nl + 1);
        const auto comma = line.find(',');
        if (comma == std::string_view::npos) {
            continue;
        }
        // Colours are written as signed numbers; the unsigned reading wraps
        // them back ("-1" is 0xFFFFFFFF).
        Add(LeadingUint32(line.substr(0, comma)), std::string(TrimCSpace(line.substr(comma + 1))), true);
    }
}

std::string CCategoryTable::SharedText() const {
    std::string out;
    for (const auto& e : entries_) {
        if (e->shared) {
            out += std::to_string(static_cast<std::int32_t>(e->color));
            out += ',';
            out += CCp932::EncodeLossy(e->name);
            out += "\r\n";
        }
    }
    return out;
}

bool CCategoryTable::SaveShared(const std::filesystem::path& file) const {
    try {
        CFileIO::WriteFileAtomically(file, SharedText());
        return true;
    } catch (const std::exception&) {
        return false;  // the shared list is a convenience; the document itself is unaffected
    }
}

void CCategoryTable::Write(CArchiveWriter& ar) const {
    ar.WriteInt32(1);
    ar.WriteInt32(static_cast<std::int32_t>(entries_.size()));
    for (const auto& e : entries_) {
        ar.WriteUInt32(e->color);
        ar.WriteString(e->name);
    }
}

void CCategoryTable::Read(CArchiveReader& ar) {
    ar.ReadInt32();  // block version, not used
    const std::int32_t count = ar.ReadInt32();
    if (count <= 0) {
        return;
    }
    ar.RequireRoomFor(static_cast<std::uint64_t>(count), 5, "categories");
    // The count is only a claim of the file: room for at most a million in advance.
    const std::size_t room = entries_.size() + std::min<std::size_t>(static_cast<std::size_t>(count), 1u << 20);
    entries_.reserve(room);
    Reserve(room);
    for (std::int32_t i = 0; i < count; ++i) {
        const std::uint32_t color = ar.ReadUInt32();
        const std::string name = ar.ReadString();
        Add(color, name, false);
    }
}
