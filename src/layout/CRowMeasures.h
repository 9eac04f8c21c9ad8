// What every row needs measured for the scroll extent: how far right each
// person's timeline texts reach and how wide their name-list entry is. The
// window paints the rows in view without these, and measures the rest a
// slice at a time; the measures outlive a layout, so after an edit only the
// people whose measured fields changed are measured again, and a change of
// settings, fonts or zoom (the key) measures everyone again.
#pragma once

#include "model/CDocSettings.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class CNameListLayout;
class CPerson;
class CRowLayout;
class CVitachronDoc;

class CRowMeasures {
public:
    // Everything besides the people that the measures depend on.
    struct Key {
        CDocSettings settings;
        int fontGeneration = 0;
        int currentYear = 0;
        int leftMargin = 0;
        friend bool operator==(const Key&, const Key&) = default;
    };

    // Starts a pass over the document's people as they are now: a person
    // whose fields are as when last measured, under the same key, keeps
    // the measures.
    void Begin(const CVitachronDoc& doc, const Key& key);
    // Measures people not yet measured until `budget` of them are done;
    // true when none is left.
    bool MeasureSome(const CVitachronDoc& doc, const CRowLayout& rows, const CNameListLayout& names,
                     std::size_t budget);
    bool Done() const { return next_ >= entries_.size(); }

    // Over the people measured so far.
    std::int64_t WidestRow() const { return widestRow_; }
    std::int64_t WidestName() const { return widestName_; }
    // People measured since the last Begin, for the tests.
    std::size_t MeasuredSinceBegin() const { return measuredSinceBegin_; }

    static std::uint64_t Fingerprint(const CPerson& person);

private:
    // 16 bytes, a million of them: the fingerprint's half is plenty to see
    // a change, and no name is two thousand million pixels wide.
    struct Entry {
        std::int64_t rowReach = -1;  // -1: not measured
        std::uint32_t fingerprint = 0;
        std::int32_t nameReach = 0;
    };
    static std::uint32_t Short(std::uint64_t fingerprint) {
        return static_cast<std::uint32_t>(fingerprint ^ (fingerprint >> 32));
    }

    void Skip();

    std::vector<Entry> entries_;  // in stored order
    Key key_;
    bool keyed_ = false;
    std::size_t next_ = 0;
    std::int64_t widestRow_ = 0;
    std::int64_t widestName_ = 0;
    std::size_t measuredSinceBegin_ = 0;
};
