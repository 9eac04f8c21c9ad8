#include "model/CDocumentFile.h"

#include "model/CArchiveReader.h"
#include "model/CArchiveWriter.h"
#include "model/CFormatError.h"
#include "model/CVitachronDoc.h"

namespace {

// Field 12 of files before version 16: this base year means "none in force".
constexpr std::int32_t kNoBaseYear = 2147483647;

// A person's record without its texts, with a length byte for each text and
// a category name of some length; the settings and categories after them.
constexpr std::size_t kPersonFixedBytes = 76 + 6 + 16;
constexpr std::size_t kFixedBytesEstimate = 64 * 1024;

}  // namespace

std::string CDocumentFile::Write(const CVitachronDoc& doc, int leftWidth) {
    const CDocSettings& s = doc.settings_;
    CArchiveWriter ar;
    // The UTF-8 of a text is never shorter than its code page 932 bytes, so
    // this holds the file except for texts that need the UTF-16 form.
    std::size_t estimate = kFixedBytesEstimate;
    for (const auto& p : doc.people_) {
        estimate += kPersonFixedBytes + p->name.size() + p->comment.size() + p->reading.size() +
                    p->categoryName.size() + p->birthNote.size() + p->deathNote.size();
    }
    ar.Reserve(estimate);
    ar.WriteInt32(CVitachronDoc::kDocumentVersion);
    ar.WriteInt32(s.startYear);
    ar.WriteInt32(s.endYear);
    ar.WriteInt32(s.yearWidth);
    ar.WriteInt32(s.rowHeight);
    ar.WriteInt32(s.reservedMetric);
    ar.WriteInt32(s.barThickness);
    for (int i = 0; i < 3; ++i) {
        ar.WriteString("");
        ar.WriteInt32(0);
    }
    ar.WriteInt32(s.sortOrder);
    ar.WriteInt32(static_cast<std::int32_t>(doc.people_.size()));
    for (const auto& p : doc.people_) {
        p->Write(ar);
    }
    ar.WriteInt32(s.baseYear);
    ar.WriteUInt32(s.basisColor);
    ar.WriteFlag(s.showBeforeBirth);
    ar.WriteFlag(s.showAfterDeath);
    ar.WriteFlag(s.countFromBirth);
    ar.WriteFlag(s.memorialCount);
    ar.WriteFlag(s.yearOnly);
    doc.categoryTable_.Write(ar);
    ar.WriteFlag(s.groupByCategory);
    ar.WriteInt32(leftWidth);
    ar.WriteUInt32(s.nameColor);
    ar.WriteUInt32(s.beginEndColor);
    ar.WriteUInt32(s.headerYearColor);
    ar.WriteUInt32(s.backColor);
    s.fontName.Write(ar);
    s.fontScale.Write(ar);
    s.fontYear.Write(ar);
    s.fontBasis.Write(ar);
    ar.WriteString(doc.linkedDocument_);
    ar.WriteString(doc.htmlPaths_.empty() ? std::string() : doc.htmlPaths_.back());
    ar.WriteFlag(s.kazoeAster);
    ar.WriteString(s.commentSeparator);
    ar.WriteFlag(s.displayAge);
    ar.WriteFlag(s.displayYearRange);
    ar.WriteFlag(s.displaySuppleMark);
    ar.WriteUInt32(s.suppleColor);
    ar.WriteByteFlag(s.baseOnLine);
    ar.WriteByteFlag(s.baseBesideAge);
    ar.WriteByteFlag(s.baseYearShown);
    for (const std::uint32_t c : s.ageColors) {
        ar.WriteUInt32(c);
    }
    return ar.Take();
}

CDocumentFile::ReadResult CDocumentFile::Read(std::string_view bytes, CVitachronDoc& doc) {
    CArchiveReader ar(bytes);
    return Read(ar, doc);
}

CDocumentFile::ReadResult CDocumentFile::Read(CArchiveReader& ar, CVitachronDoc& doc) {
    CDocSettings& s = doc.settings_;
    ReadResult result;

    const std::int32_t v = ar.ReadInt32();
    result.version = v;
    s.startYear = ar.ReadInt32();
    s.endYear = ar.ReadInt32();
    s.yearWidth = ar.ReadInt32();
    s.rowHeight = ar.ReadInt32();
    s.reservedMetric = ar.ReadInt32();
    s.barThickness = ar.ReadInt32();
    for (int i = 0; i < 3; ++i) {
        ar.ReadString();
        ar.ReadInt32();
    }
    s.sortOrder = ar.ReadInt32();

    const std::size_t countAt = ar.Offset();
    const std::int32_t count = ar.ReadInt32();
    if (count > 0) {
        if (static_cast<std::uint64_t>(count) > ar.Remaining() / CPerson::kMinRecordBytes) {
            throw CFormatError(countAt, "person count " + std::to_string(count) + " exceeds the file");
        }
        doc.people_.reserve(static_cast<std::size_t>(count));
        ar.KeepLongTextsIn(&doc.longTexts_);
        for (std::int32_t i = 0; i < count; ++i) {
            auto person = std::make_unique<CPerson>();
            person->Read(ar);
            doc.people_.push_back(std::move(person));
        }
        ar.KeepLongTextsIn(nullptr);
    }

    bool ageColorsRead = false;
    if (v >= 2) {
        s.baseYear = ar.ReadInt32();
        if (s.baseYear == kNoBaseYear) {
            s.baseYear = 0;
            s.baseYearShown = false;
        } else {
            s.baseYearShown = true;
        }
        s.basisColor = ar.ReadUInt32();
        s.showBeforeBirth = ar.ReadFlag();
        s.showAfterDeath = ar.ReadFlag();
    }
    if (v >= 3) {
        s.countFromBirth = ar.ReadFlag();
        s.memorialCount = ar.ReadFlag();
    }
    if (v >= 4) {
        s.yearOnly = ar.ReadFlag();
    }
    if (v >= 5) {
        doc.categoryTable_.Read(ar);
    }
    if (v >= 6) {
        s.groupByCategory = ar.ReadFlag();
    }
    if (v >= 7) {
        s.leftWidth = ar.ReadInt32();
    }
    if (v >= 8) {
        s.nameColor = ar.ReadUInt32();
        s.beginEndColor = ar.ReadUInt32();
        s.headerYearColor = ar.ReadUInt32();
        s.backColor = ar.ReadUInt32();
    }
    if (v >= 9) {
        s.fontName = CLogFont::Read(ar);
        s.fontScale = CLogFont::Read(ar);
        s.fontYear = CLogFont::Read(ar);
        s.fontBasis = CLogFont::Read(ar);
    }
    if (v >= 10) {
        doc.linkedDocument_ = ar.ReadString();
    }
    if (v >= 11) {
        const std::string html = ar.ReadString();
        if (!html.empty()) {
            doc.AddHtmlPath(html);
        }
    }
    if (v >= 12) {
        s.kazoeAster = ar.ReadFlag();
    }
    if (v >= 13) {
        s.commentSeparator = ar.ReadString();
        s.displayAge = ar.ReadFlag();
        s.displayYearRange = ar.ReadFlag();
    }
    if (v >= 14) {
        s.displaySuppleMark = ar.ReadFlag();
        s.suppleColor = ar.ReadUInt32();
    }
    if (v >= 15) {
        s.baseOnLine = ar.ReadByteFlag();
        s.baseBesideAge = ar.ReadByteFlag();
    }
    if (v >= 16) {
        s.baseYearShown = ar.ReadByteFlag();
    }
    if (v >= 17) {
        for (std::uint32_t& c : s.ageColors) {
            c = ar.ReadUInt32();
        }
        ageColorsRead = true;
    }
    // Files from before the separate age colours drew every base figure in
    // the base colour they stored, not in whatever the profile says today.
    if (!ageColorsRead && v >= 2) {
        s.ageColors.fill(s.basisColor);
    }

    for (const auto& p : doc.people_) {
        doc.ResolveCategoryAfterLoad(*p);
    }
    doc.loadedVersion_ = v;
    return result;
}
