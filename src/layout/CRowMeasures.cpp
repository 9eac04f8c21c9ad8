#include "layout/CRowMeasures.h"

#include "layout/CNameListLayout.h"
#include "layout/CRowLayout.h"
#include "model/CVitachronDoc.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>

namespace {

// FNV-1a: quick, and a collision only costs a measure kept that should not
// have been.
class CHash {
public:
    void Add(std::string_view bytes) {
        for (const char c : bytes) {
            AddByte(static_cast<unsigned char>(c));
        }
        AddByte(0xFF);  // "ab" + "c" is not "a" + "bc"
    }
    void Add(std::uint64_t v) {
        for (int i = 0; i < 8; ++i) {
            AddByte(static_cast<unsigned char>(v >> (8 * i)));
        }
    }
    std::uint64_t Value() const { return h_; }

private:
    void AddByte(unsigned char b) { h_ = (h_ ^ b) * 0x100000001B3ULL; }
    std::uint64_t h_ = 0xCBF29CE484222325ULL;
};

}  // namespace

std::uint64_t CRowMeasures::Fingerprint(const CPerson& p) {
    CHash h;
    h.Add(p.name.view());
    h.Add(p.birthNote.view());
    h.Add(p.deathNote.view());
    h.Add(p.comment.size());
    h.Add(static_cast<std::uint64_t>(static_cast<std::uint32_t>(p.birth.value)) << 32 | p.birth.unit);
    h.Add(static_cast<std::uint64_t>(static_cast<std::uint32_t>(p.death.value)) << 32 | p.death.unit);
    h.Add(static_cast<std::uint64_t>(static_cast<std::uint32_t>(p.birthMonth)) << 32 |
          static_cast<std::uint32_t>(p.birthDay));
    h.Add(static_cast<std::uint64_t>(static_cast<std::uint32_t>(p.deathMonth)) << 32 |
          static_cast<std::uint32_t>(p.deathDay));
    const bool flags[] = {p.kazoe,      p.birthUncertain, p.deathUncertain, p.ageUncertain,
                          p.hideBirth,  p.hideDeath,      p.hideAge};
    std::uint64_t bits = 0;
    for (const bool f : flags) {
        bits = bits << 1 | (f ? 1 : 0);
    }
    h.Add(bits);
    return h.Value();
}

void CRowMeasures::Begin(const CVitachronDoc& doc, const Key& key) {
    const auto& people = doc.People();
    const bool sameKey = keyed_ && key == key_;
    key_ = key;
    keyed_ = true;
    if (!sameKey) {
        entries_.clear();
    }
    entries_.resize(people.size());
    entries_.shrink_to_fit();
    widestRow_ = 0;
    widestName_ = 0;
    measuredSinceBegin_ = 0;
    next_ = 0;
    if (!sameKey) {
        // Nothing to keep: the fingerprints are taken as the people are measured.
        return;
    }
    for (std::size_t i = 0; i < people.size(); ++i) {
        Entry& e = entries_[i];
        const std::uint32_t f = Short(Fingerprint(*people[i]));
        if (e.rowReach >= 0 && e.fingerprint == f) {
            widestRow_ = std::max(widestRow_, e.rowReach);
            widestName_ = std::max<std::int64_t>(widestName_, e.nameReach);
        } else {
            e = Entry{-1, f, 0};
        }
    }
    Skip();
}

void CRowMeasures::Skip() {
    while (next_ < entries_.size() && entries_[next_].rowReach >= 0) {
        ++next_;
    }
}

bool CRowMeasures::MeasureSome(const CVitachronDoc& doc, const CRowLayout& rows, const CNameListLayout& names,
                               std::size_t budget) {
    const auto& people = doc.People();
    // A document changed without a new Begin is measured as it stands.
    if (people.size() != entries_.size()) {
        Begin(doc, key_);
    }
    for (std::size_t done = 0; done < budget && !Done(); ++done) {
        const CPerson& p = *people[next_];
        Entry& e = entries_[next_];
        e.fingerprint = Short(Fingerprint(p));
        e.rowReach = rows.Reach(p);
        const std::int64_t nameReach = names.Reach(p);
        e.nameReach = static_cast<std::int32_t>(std::min<std::int64_t>(nameReach, std::numeric_limits<std::int32_t>::max()));
        widestRow_ = std::max(widestRow_, e.rowReach);
        widestName_ = std::max(widestName_, nameReach);
        ++measuredSinceBegin_;
        ++next_;
        Skip();
    }
    return Done();
}
