#include "interchange/CGedcomReader.h"

#include "interchange/CGedcomDate.h"
#include "model/CFileError.h"
#include "model/CFileIO.h"
#include "model/CUtf8.h"
#include "model/FormatText.h"
#include "res/Strings.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <unordered_map>

namespace {

// Distinct unused tags listed one by one; hostile files may invent millions.
constexpr std::size_t kMaxUnusedTags = 64;

enum Event : int { kBirt, kChr, kBapm, kDeat, kBuri, kCrem, kEventCount };
constexpr const char* kEventTags[kEventCount] = {"BIRT", "CHR", "BAPM", "DEAT", "BURI", "CREM"};

int EventOf(std::string_view tag) {
    for (int i = 0; i < kEventCount; ++i) {
        if (tag == kEventTags[i]) {
            return i;
        }
    }
    return -1;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

bool IsPointer(std::string_view v) {
    return v.size() >= 3 && v.front() == '@' && v.back() == '@' && v[1] != '#' && v[1] != '@' &&
           v.find(' ') == std::string_view::npos;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

// Han, kana and their marks: names in these scripts put the surname first
// and need no blank between the parts.
bool IsCjk(char32_t c) {
    return (c >= 0x3005 && c <= 0x3007) || (c >= 0x3040 && c <= 0x30FF) || (c >= 0x31F0 && c <= 0x31FF) ||
           (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFF66 && c <= 0xFF9F) || (c >= 0x20000 && c <= 0x3FFFF);
}

bool HasCjk(std::string_view s) {
    if (std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        return false;
    }
    for (std::size_t pos = 0; pos < s.size();) {
        if (IsCjk(CUtf8::Next(s, pos))) {
            return true;
        }
    }
    return false;
}

// A name as the program shows it: "Given Surname" in Latin script, surname
// first without a blank in Japanese and Chinese.
std::string JoinName(std::string_view given, std::string_view surname, std::string_view suffix) {
    std::string out;
    if (HasCjk(given) || HasCjk(surname)) {
        out.append(surname).append(given).append(suffix);
        return out;
    }
    for (const std::string_view part : {given, surname, suffix}) {
        if (!part.empty()) {
            if (!out.empty()) {
                out += ' ';
            }
            out.append(part);
        }
    }
    return out;
}

struct NameParts {
    std::string given;
    std::string surname;
    std::string suffix;
};

NameParts SplitName(std::string_view value) {
    NameParts p;
    const auto first = value.find('/');
    if (first == std::string_view::npos) {
        p.given = std::string(Trim(value));
        return p;
    }
    p.given = std::string(Trim(value.substr(0, first)));
    const auto second = value.find('/', first + 1);
    if (second == std::string_view::npos) {
        p.surname = std::string(Trim(value.substr(first + 1)));
    } else {
        p.surname = std::string(Trim(value.substr(first + 1, second - first - 1)));
        p.suffix = std::string(Trim(value.substr(second + 1)));
    }
    return p;
}

// A language tag whose script is kana: "ja-Kana", "ja-Hira", "ja-Hrkt".
bool IsKanaLanguage(std::string_view lang) {
    for (std::size_t pos = 0; pos < lang.size();) {
        const auto dash = std::min(lang.find('-', pos), lang.size());
        const std::string_view sub = lang.substr(pos, dash - pos);
        if (EqualsNoCase(sub, "Kana") || EqualsNoCase(sub, "Hira") || EqualsNoCase(sub, "Hrkt")) {
            return true;
        }
        pos = dash + 1;
    }
    return false;
}

std::string JoinNote(const std::vector<std::string>& parts) {
    std::string out;
    for (const std::string& part : parts) {
        if (!out.empty()) {
            out += "\r\n";
        }
        out += part;
    }
    return out;
}

}  // namespace

struct CGedcomReader::Builder {
    std::string xref;
    std::size_t line = 0;
    bool nameSeen = false;
    std::string nameValue;
    std::string givn;
    std::string surn;
    std::string reading;
    std::string variant;  // the phonetic variant waiting for its TYPE or LANG
    char sex = 'U';
    std::string category;
    struct EventData {
        bool present = false;
        bool hasDate = false;
        std::string date;
        std::size_t dateLine = 0;
        bool hasOwn = false;
        std::string own;  // this program's exact date text
    };
    EventData events[kEventCount];
    int currentEvent = -1;
    // Inline note texts, and pointers to note records (ref set).
    struct NotePart {
        bool ref = false;
        std::string text;
        std::size_t line = 0;
    };
    std::vector<NotePart> notes;
    bool hasRef = false;

    // Ready for the next record, the strings keeping their room: a large
    // tree has a million of these.
    void Reset(std::string_view newXref, std::size_t newLine) {
        xref.assign(newXref);
        line = newLine;
        nameSeen = false;
        for (std::string* s : {&nameValue, &givn, &surn, &reading, &variant, &category}) {
            s->clear();
        }
        sex = 'U';
        for (EventData& e : events) {
            e.present = e.hasDate = e.hasOwn = false;
            e.date.clear();
            e.own.clear();
            e.dateLine = 0;
        }
        currentEvent = -1;
        notes.clear();
        hasRef = false;
    }
};

struct CGedcomReader::PendingComment {
    std::size_t person;
    std::vector<Builder::NotePart> parts;
};

struct CGedcomReader::NoteStore {
    std::unordered_map<std::string, std::string> texts;
};

struct CGedcomReader::UnusedTally {
    struct Entry {
        std::size_t count = 0;
        std::size_t firstLine = 0;
    };
    std::map<std::string, Entry, std::less<>> tags;  // few: at most kMaxUnusedTags
    Entry other;
};

CGedcomReader::CGedcomReader(int currentYear) : CGedcomReader(currentYear, Limits{}) {}

CGedcomReader::CGedcomReader(int currentYear, Limits limits)
    : currentYear_(currentYear),
      limits_(limits),
      indi_(std::make_unique<Builder>()),
      notes_(std::make_unique<NoteStore>()),
      unused_(std::make_unique<UnusedTally>()) {}

CGedcomReader::~CGedcomReader() = default;

bool CGedcomReader::Fail(Failure f, std::size_t line) {
    if (failure_ == Failure::None) {
        failure_ = f;
        failureLine_ = line;
    }
    return false;
}

void CGedcomReader::Add(std::size_t line, std::string text) {
    if (report_.size() >= limits_.maxReportEntries) {
        ++reportDropped_;
        return;
    }
    report_.push_back({line, std::move(text)});
}

void CGedcomReader::Unused(std::string_view a, std::string_view b, std::string_view c, std::size_t line) {
    // One buffer for the key: this runs for every line not used, millions in a large tree.
    std::string& key = unusedKey_;
    key.assign(a);
    for (const std::string_view part : {b, c}) {
        if (!part.empty()) {
            key.append(".").append(part);
        }
    }
    auto it = unused_->tags.find(std::string_view(key));
    if (it == unused_->tags.end() && unused_->tags.size() < kMaxUnusedTags) {
        it = unused_->tags.emplace(key, UnusedTally::Entry{0, line}).first;
    }
    UnusedTally::Entry& e = it != unused_->tags.end() ? it->second : unused_->other;
    if (e.count++ == 0) {
        e.firstLine = line;
    }
}

bool CGedcomReader::Feed(std::string_view bytes) {
    if (failure_ != Failure::None) {
        return false;
    }
    total_ += bytes.size();
    if (total_ > kMaxFileBytes) {
        return Fail(Failure::TooLarge);
    }
    if (!bomChecked_) {
        const std::size_t take = std::min<std::size_t>(4 - bomHead_.size(), bytes.size());
        bomHead_.append(bytes.substr(0, take));
        bytes.remove_prefix(take);
        if (bomHead_.size() < 4) {
            return true;
        }
        bomChecked_ = true;
        std::string head = std::move(bomHead_);
        std::string_view h = head;
        if (h.substr(0, 3) == "\xEF\xBB\xBF") {
            charsetFixed_ = true;
            charset_ = CGedcomCharset::Kind::Utf8;
            h.remove_prefix(3);
        } else if (h.substr(0, 2) == "\xFF\xFE" || (h[0] == '0' && h[1] == '\0')) {
            charsetFixed_ = true;
            charset_ = CGedcomCharset::Kind::Utf16Le;
            utf16_ = true;
            h.remove_prefix(h[0] == '0' ? 0 : 2);
        } else if (h.substr(0, 2) == "\xFE\xFF" || (h[0] == '\0' && h[1] == '0')) {
            charsetFixed_ = true;
            charset_ = CGedcomCharset::Kind::Utf16Be;
            utf16_ = true;
            utf16Be_ = true;
            h.remove_prefix(h[0] == '0' || h[0] == '\0' ? 0 : 2);
        }
        if (utf16_) {
            Utf16(h);
        } else {
            Split(h);
        }
        if (failure_ != Failure::None) {
            return false;
        }
    }
    if (utf16_) {
        Utf16(bytes);
    } else {
        Split(bytes);
    }
    return failure_ == Failure::None;
}

void CGedcomReader::Utf16(std::string_view data) {
    std::string out;
    out.reserve(data.size());
    std::size_t i = 0;
    const auto unit = [&](unsigned char a, unsigned char b) -> char16_t {
        return utf16Be_ ? static_cast<char16_t>(a << 8 | b) : static_cast<char16_t>(b << 8 | a);
    };
    const auto put = [&](char16_t u) {
        if (highSurrogate_ != 0) {
            if (u >= 0xDC00 && u <= 0xDFFF) {
                CUtf8::Append(out, 0x10000 + ((static_cast<char32_t>(highSurrogate_) - 0xD800) << 10) + (u - 0xDC00));
                highSurrogate_ = 0;
                return;
            }
            // An unpaired surrogate is no character: the decoder's check flags it.
            out += '\xFF';
            highSurrogate_ = 0;
        }
        if (u >= 0xD800 && u <= 0xDBFF) {
            highSurrogate_ = u;
        } else if (u >= 0xDC00 && u <= 0xDFFF) {
            out += '\xFF';
        } else {
            CUtf8::Append(out, u);
        }
    };
    if (!utf16Odd_.empty() && !data.empty()) {
        put(unit(static_cast<unsigned char>(utf16Odd_[0]), static_cast<unsigned char>(data[0])));
        utf16Odd_.clear();
        i = 1;
    }
    for (; i + 1 < data.size(); i += 2) {
        put(unit(static_cast<unsigned char>(data[i]), static_cast<unsigned char>(data[i + 1])));
    }
    if (i < data.size()) {
        utf16Odd_.assign(1, data[i]);
    }
    Split(out);
}

void CGedcomReader::Split(std::string_view data) {
    std::size_t i = 0;
    while (i < data.size() && failure_ == Failure::None) {
        if (previousCr_) {
            previousCr_ = false;
            if (data[i] == '\n') {
                ++i;
                continue;
            }
        }
        // The line's end: the first LF, unless a CR comes before it.
        const char* base = data.data();
        const void* lf = std::memchr(base + i, '\n', data.size() - i);
        std::size_t stop = lf != nullptr ? static_cast<std::size_t>(static_cast<const char*>(lf) - base) : data.size();
        if (const void* cr = std::memchr(base + i, '\r', stop - i); cr != nullptr) {
            stop = static_cast<std::size_t>(static_cast<const char*>(cr) - base);
        }
        const std::size_t room = limits_.maxLineBytes > lineBuf_.size() ? limits_.maxLineBytes - lineBuf_.size() : 0;
        if (stop - i > room) {
            lineTruncated_ = true;
        }
        lineBuf_.append(data.substr(i, std::min(stop - i, room)));
        if (stop == data.size()) {
            return;
        }
        previousCr_ = data[stop] == '\r';
        i = stop + 1;
        if (!EndPhysicalLine()) {
            return;
        }
    }
}

bool CGedcomReader::EndPhysicalLine() {
    ++lineNo_;
    const bool truncated = lineTruncated_;
    lineTruncated_ = false;
    if (std::memchr(lineBuf_.data(), '\0', lineBuf_.size()) != nullptr) {
        return Fail(Failure::NulByte, lineNo_);
    }
    if (Trim(lineBuf_).empty()) {
        lineBuf_.clear();
        return true;
    }
    if (!charsetDecided_) {
        // The header's lines wait until its CHAR is known: the first
        // record after it, or too long a header, decides.
        const std::string_view t = Trim(lineBuf_);
        const bool nextRecord = !headLines_.empty() && t.size() >= 2 && t[0] == '0' && (t[1] == ' ' || t[1] == '\t');
        if (nextRecord || headLines_.size() >= limits_.maxHeaderLines) {
            DecideCharset();
        } else {
            headLines_.push_back({lineBuf_, lineNo_, truncated});
            lineBuf_.clear();
            return true;
        }
    }
    ProcessRaw(lineBuf_, lineNo_, truncated);
    lineBuf_.clear();
    return failure_ == Failure::None;
}

void CGedcomReader::DecideCharset() {
    charsetDecided_ = true;
    // The header is ASCII in every set GEDCOM allows, so its lines can be
    // looked at before they are decoded.
    std::string_view parent1;
    for (const RawLine& raw : headLines_) {
        const std::string_view t = Trim(raw.bytes);
        if (t.size() < 3 || t[1] != ' ') {
            continue;
        }
        const std::string_view rest = Trim(t.substr(2));
        const std::string_view tag = rest.substr(0, std::min(rest.find(' '), rest.size()));
        const std::string_view value = tag.size() < rest.size() ? Trim(rest.substr(tag.size())) : std::string_view{};
        if (t[0] == '1') {
            parent1 = tag;
            if (tag == "CHAR" && !charsetFixed_) {
                if (const auto kind = CGedcomCharset::FromCharValue(value)) {
                    charset_ = *kind;
                    // "UNICODE" without a byte order mark that still reads as
                    // single bytes is best taken as UTF-8.
                    if (charset_ == CGedcomCharset::Kind::Utf16Le || charset_ == CGedcomCharset::Kind::Utf16Be) {
                        charset_ = CGedcomCharset::Kind::Utf8;
                    }
                }
            } else if (tag == "SOUR") {
                fromThisProgram_ = value == kSourceId;
            }
        } else if (t[0] == '2' && parent1 == "GEDC" && tag == "VERS") {
            gedcom7_ = !value.empty() && value[0] == '7';
        }
    }
    std::vector<RawLine> lines = std::move(headLines_);
    headLines_.clear();
    for (const RawLine& raw : lines) {
        ProcessRaw(raw.bytes, raw.lineNo, raw.truncated);
        if (failure_ != Failure::None) {
            return;
        }
    }
}

void CGedcomReader::ProcessRaw(std::string_view raw, std::size_t lineNo, bool truncated) {
    std::string_view s = raw;
    const bool asIs = (charset_ == CGedcomCharset::Kind::Utf8 || charset_ == CGedcomCharset::Kind::Utf16Le ||
                       charset_ == CGedcomCharset::Kind::Utf16Be) &&
                      CUtf8::IsValid(raw);
    if (!asIs) {
        decoded_.clear();
        if (!CGedcomCharset::Decode(charset_, raw, decoded_)) {
            Add(lineNo, FormatText(Str::kGedUndecodable, {CGedcomCharset::DisplayName(charset_)}));
        }
        s = decoded_;
    }
    if (truncated) {
        Add(lineNo, FormatText(Str::kGedLineTruncated, {std::to_string(limits_.maxLineBytes)}));
    }
    // Leading white space, and a byte order mark left in the text.
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    if (s.substr(0, 3) == "\xEF\xBB\xBF") {
        s.remove_prefix(3);
    }
    // Parsed into the one spare line, whose strings keep their room from line to line.
    Line* line = &spare_;
    line->level = 0;
    line->xref.clear();
    line->value.clear();
    line->truncated = false;
    line->pointer = false;
    line->lineNo = lineNo;
    std::size_t i = 0;
    while (i < s.size() && i < 3 && s[i] >= '0' && s[i] <= '9') {
        line->level = line->level * 10 + (s[i] - '0');
        ++i;
    }
    const bool hasLevel = i > 0 && i <= 2 && (i == s.size() || s[i] == ' ' || s[i] == '\t');
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) {
        ++i;
    }
    if (hasLevel && i < s.size() && s[i] == '@') {
        const auto close = s.find('@', i + 1);
        if (close != std::string_view::npos) {
            line->xref.assign(s.substr(i, close - i + 1));
            i = close + 1;
            while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) {
                ++i;
            }
        } else {
            i = s.size();
        }
    }
    const std::size_t tagStart = i;
    while (i < s.size() && s[i] != ' ' && s[i] != '\t') {
        ++i;
    }
    line->tag.assign(s.substr(tagStart, i - tagStart));
    if (i < s.size()) {
        ++i;  // the one delimiter; more blanks belong to the value
    }
    if (!sawFirstLine_) {
        sawFirstLine_ = true;
        if (!hasLevel || line->level != 0 || line->tag != "HEAD") {
            Fail(Failure::NotGedcom, lineNo);
            return;
        }
    }
    if (!hasLevel || line->tag.empty()) {
        Add(lineNo, Str::kGedBadLine);
        return;
    }
    const std::string_view value = s.substr(std::min(i, s.size()));
    // Decided before "@@" is undone: "@@a@" is the text "@a@".
    line->pointer = IsPointer(Trim(value));
    // "@@" is one "@": everywhere in 5.5, only at the start in 7.0.
    if (value.find("@@") == std::string_view::npos) {
        line->value.assign(value);
    } else if (gedcom7_) {
        line->value.assign(value.substr(value.substr(0, 2) == "@@" ? 1 : 0));
    } else {
        for (std::size_t k = 0; k < value.size(); ++k) {
            line->value += value[k];
            if (value[k] == '@' && k + 1 < value.size() && value[k + 1] == '@') {
                ++k;
            }
        }
    }
    if (line->value.size() > limits_.maxTextBytes) {
        // Whole characters only: a continuation may follow the cut.
        std::size_t end = limits_.maxTextBytes;
        while (end > 0 && (static_cast<unsigned char>(line->value[end]) & 0xC0) == 0x80) {
            --end;
        }
        line->value.resize(end);
    }
    const bool continuation = line->tag == "CONC" || line->tag == "CONT";
    if (continuation && hasPending_ && line->level == pending_.level + 1) {
        std::string& text = pending_.value;
        const std::size_t room = limits_.maxTextBytes > text.size() ? limits_.maxTextBytes - text.size() : 0;
        const std::string_view add = line->tag == "CONT" ? std::string_view("\r\n") : std::string_view();
        if (add.size() + line->value.size() > room) {
            if (!pending_.truncated) {
                pending_.truncated = true;
                Add(lineNo, FormatText(Str::kGedTextTruncated, {std::to_string(limits_.maxTextBytes)}));
            }
            return;
        }
        text.append(add).append(line->value);
        return;
    }
    if (hasPending_) {
        Dispatch(pending_);
    }
    std::swap(pending_, spare_);
    hasPending_ = true;
}

void CGedcomReader::Dispatch(Line& line) {
    if (failure_ != Failure::None) {
        return;
    }
    if (skipDeeper_ >= 0) {
        if (line.level > skipDeeper_) {
            return;
        }
        skipDeeper_ = -1;
    }
    if (line.level > lastLevel_ + 1) {
        Add(line.lineNo, FormatText(Str::kGedLevelJump, {std::to_string(lastLevel_), std::to_string(line.level)}));
        skipDeeper_ = lastLevel_;
        return;
    }
    if (line.level >= kMaxDepth) {
        Add(line.lineNo, FormatText(Str::kGedTooDeep, {std::to_string(kMaxDepth - 1)}));
        skipDeeper_ = kMaxDepth - 1;
        return;
    }
    lastLevel_ = line.level;
    tags_[line.level] = line.tag;
    if (line.level == 0) {
        EndRecord();
        StartRecord(line);
        return;
    }
    if (!used_[line.level - 1]) {
        used_[line.level] = false;  // inside something already counted as unused
        return;
    }
    switch (record_) {
    case Record::Indi:
        IndiLine(line);
        break;
    case Record::Note:
    case Record::Other:
        used_[line.level] = false;
        if (record_ == Record::Note) {
            Unused(tags_[0], line.tag, {}, line.lineNo);
        }
        break;
    case Record::Head:
    case Record::None:
        used_[line.level] = false;  // the header was read before; nothing in it is missed
        break;
    }
}

void CGedcomReader::StartRecord(Line& line) {
    used_[0] = true;
    if (line.tag == "HEAD") {
        record_ = Record::Head;
    } else if (line.tag == "INDI") {
        record_ = Record::Indi;
        indi_->Reset(line.xref, line.lineNo);
    } else if (line.tag == "NOTE" && !line.xref.empty()) {
        record_ = Record::Note;
        noteXref_ = line.xref;
        noteText_ = std::move(line.value);
        noteLine_ = line.lineNo;
    } else {
        record_ = Record::Other;
        used_[0] = false;
        // The submitter says who sent the file, nothing about its people.
        if (line.tag != "TRLR" && line.tag != "SUBM" && line.tag != "SUBN") {
            Unused(line.tag, {}, {}, line.lineNo);
        }
    }
}

void CGedcomReader::EndRecord() {
    if (record_ == Record::Indi) {
        FinishPerson();
    } else if (record_ == Record::Note) {
        if (notes_->texts.size() >= limits_.maxNoteRecords || noteBytes_ + noteText_.size() > limits_.maxNoteBytes) {
            if (!noteStoreFull_) {
                noteStoreFull_ = true;
                Add(noteLine_, Str::kGedNotesTooMany);
            }
        } else {
            noteBytes_ += noteText_.size() + noteXref_.size();
            notes_->texts[noteXref_] = std::move(noteText_);
        }
        noteText_.clear();
    }
    record_ = Record::None;
}

void CGedcomReader::IndiLine(const Line& line) {
    Builder& b = *indi_;
    bool use = true;
    const std::string& parent = tags_[line.level - 1];
    if (line.level == 1) {
        b.currentEvent = -1;
        if (line.tag == "NAME" && !b.nameSeen) {
            b.nameSeen = true;
            b.nameValue = line.value;
        } else if (line.tag == "SEX") {
            const std::string_view v = Trim(line.value);
            b.sex = v.empty() ? 'U' : (v[0] == 'M' || v[0] == 'm') ? 'M' : (v[0] == 'F' || v[0] == 'f') ? 'F' : 'U';
        } else if (const int e = EventOf(line.tag); e >= 0) {
            b.currentEvent = e;
            b.events[e].present = true;
        } else if (line.tag == "NOTE") {
            const std::string_view v = Trim(line.value);
            if (line.pointer) {
                b.notes.push_back({true, std::string(v), line.lineNo});
                b.hasRef = true;
            } else {
                b.notes.push_back({false, line.value, line.lineNo});
            }
        } else if (line.tag == "_VCCAT") {
            b.category = line.value;
        } else {
            use = false;
        }
    } else if (line.level == 2 && parent == "NAME" && tags_[0] == "INDI" && b.nameSeen &&
               line.tag != "NAME") {
        // Only the first NAME's parts: a later NAME was counted as unused
        // and its lines never come here.
        if (line.tag == "GIVN") {
            b.givn = std::string(Trim(line.value));
        } else if (line.tag == "SURN") {
            b.surn = std::string(Trim(line.value));
        } else if (line.tag == "FONE" || line.tag == "TRAN") {
            b.variant = line.value;
        } else {
            use = false;
        }
    } else if (line.level == 2 && b.currentEvent >= 0) {
        Builder::EventData& e = b.events[b.currentEvent];
        if (line.tag == "DATE" && !e.hasDate) {
            e.hasDate = true;
            e.date = line.value;
            e.dateLine = line.lineNo;
        } else if (line.tag == "_VCDATE") {
            e.hasOwn = true;
            e.own = line.value;
        } else {
            use = false;
        }
    } else if (line.level == 3 && (parent == "FONE" || parent == "TRAN")) {
        const std::string_view v = Trim(line.value);
        const bool kana = (line.tag == "TYPE" && EqualsNoCase(v, "kana")) || (line.tag == "LANG" && IsKanaLanguage(v));
        if (line.tag != "TYPE" && line.tag != "LANG") {
            use = false;
        } else if (kana && b.reading.empty()) {
            const NameParts p = SplitName(b.variant);
            b.reading = JoinName(p.given, p.surname, p.suffix);
        }
    } else {
        use = false;
    }
    used_[line.level] = use;
    if (!use) {
        Unused("INDI", line.level == 1 ? std::string_view(line.tag) : std::string_view(parent),
               line.level == 1 ? std::string_view() : std::string_view(line.tag), line.lineNo);
    }
}

void CGedcomReader::FinishPerson() {
    Builder& b = *indi_;
    NameParts parts = SplitName(b.nameValue);
    if (parts.given.empty() && parts.surname.empty()) {
        parts.given = b.givn;
        parts.surname = b.surn;
    }
    if (parts.surname.empty()) {
        parts.surname = b.surn;
    }
    std::string name = JoinName(parts.given, parts.surname, parts.suffix);
    if (name.empty()) {
        Add(b.line, FormatText(Str::kGedNoName, {b.xref}));
        return;
    }

    struct Chosen {
        bool present = false;  // an event says it happened
        bool known = false;    // and its date was read
        CGedcomDate::Value value;
    };
    const auto choose = [&](std::initializer_list<std::pair<int, const char*>> sources) {
        Chosen c;
        for (const auto& [event, fallbackNote] : sources) {
            const Builder::EventData& e = b.events[event];
            if (!e.present) {
                continue;
            }
            c.present = true;
            if (e.hasOwn) {
                // This program's own date text: exactly what was written out.
                std::string text = e.own;
                const bool uncertain = !text.empty() && text.back() == '?';
                if (uncertain) {
                    text.pop_back();
                }
                const CPerson::DateText d = CPerson::ParseDateText(text);
                if (!d.year.IsUnknown() && d.year.value != 0) {
                    c.known = true;
                    c.value.year = d.year;
                    c.value.month = d.month;
                    c.value.day = d.day;
                    c.value.note = d.note;
                    c.value.uncertain = uncertain;
                    return c;
                }
            }
            if (!e.hasDate) {
                continue;
            }
            CGedcomDate::Parsed parsed = CGedcomDate::Parse(e.date);
            if (!parsed.problem.empty()) {
                Add(e.dateLine, parsed.problem);
            }
            if (!parsed.ok) {
                continue;
            }
            c.known = true;
            c.value = std::move(parsed.value);
            if (fallbackNote != nullptr) {
                // A christening or a burial stands in for the date wanted.
                c.value.uncertain = true;
                std::string inner = fallbackNote;
                if (c.value.note.size() >= 2) {
                    inner += CGedcomDate::kPartSeparator + c.value.note.substr(1, c.value.note.size() - 2);
                }
                c.value.note = "[" + inner + "]";
            }
            return c;
        }
        return c;
    };
    const Chosen birth = choose({{kBirt, nullptr}, {kChr, Str::kGedNoteChristening}, {kBapm, Str::kGedNoteChristening}});
    Chosen death = choose({{kDeat, nullptr}, {kBuri, Str::kGedNoteBurial}, {kCrem, Str::kGedNoteCremation}});
    if (!death.present && !fromThisProgram_ && birth.known && birth.value.year.unit == 1 &&
        static_cast<std::int64_t>(currentYear_) - birth.value.year.value > kPresumedDeadAfterYears) {
        death.present = true;
    }
    if (!birth.known && !death.known) {
        Add(b.line, FormatText(Str::kGedNoDates, {name, b.xref}));
        return;
    }
    if (people_.size() >= limits_.maxPeople) {
        Fail(Failure::TooManyPeople, b.line);
        return;
    }
    auto p = std::make_unique<CPerson>();
    if (birth.known) {
        p->birth = birth.value.year;
        p->birthMonth = birth.value.month;
        p->birthDay = birth.value.day;
        p->birthNote = birth.value.note;
        p->birthUncertain = birth.value.uncertain;
        p->ageUncertain = birth.value.uncertain;
    } else {
        // As a CSV birth of "?": there was a birth, its date is not known.
        p->birth = CScaleYear::Unknown();
        p->hideBirth = true;
        p->hideAge = true;
        p->birthUncertain = true;
        p->ageUncertain = true;
    }
    if (death.known) {
        p->death = death.value.year;
        p->deathMonth = death.value.month;
        p->deathDay = death.value.day;
        p->deathNote = death.value.note;
        p->deathUncertain = death.value.uncertain;
        p->ageUncertain = p->ageUncertain || death.value.uncertain;
    } else if (death.present) {
        // Dead at a date not known: never drawn as living.
        p->death = CScaleYear::Unknown();
        p->hideDeath = true;
        p->deathUncertain = true;
        p->hideAge = true;
        p->ageUncertain = true;
    }
    p->name = std::move(name);
    p->reading = std::move(b.reading);
    if (b.hasRef) {
        pendingComments_.push_back({people_.size(), std::move(b.notes)});
    } else {
        std::vector<std::string> texts;
        for (Builder::NotePart& part : b.notes) {
            texts.push_back(std::move(part.text));
        }
        p->comment = JoinNote(texts);
    }
    Person out;
    out.person = std::move(p);
    out.surname = std::move(parts.surname);
    out.sex = b.sex;
    out.category = std::move(b.category);
    people_.push_back(std::move(out));
}

bool CGedcomReader::Finish() {
    if (failure_ != Failure::None) {
        return false;
    }
    if (!bomChecked_) {
        // Fewer than four bytes in all.
        bomChecked_ = true;
        std::string head = std::move(bomHead_);
        Split(head);
    }
    if (!lineBuf_.empty() || lineTruncated_) {
        EndPhysicalLine();
    }
    if (failure_ == Failure::None && !charsetDecided_) {
        DecideCharset();
    }
    if (failure_ == Failure::None && !sawFirstLine_) {
        Fail(Failure::NotGedcom, 1);
    }
    if (failure_ == Failure::None && hasPending_) {
        Dispatch(pending_);
        hasPending_ = false;
    }
    if (failure_ == Failure::None) {
        EndRecord();
    }
    if (failure_ != Failure::None) {
        people_.clear();
        return false;
    }
    for (PendingComment& pc : pendingComments_) {
        std::vector<std::string> texts;
        for (Builder::NotePart& part : pc.parts) {
            if (!part.ref) {
                texts.push_back(std::move(part.text));
                continue;
            }
            const auto it = notes_->texts.find(part.text);
            if (it == notes_->texts.end()) {
                Add(part.line, FormatText(Str::kGedNoteMissing, {part.text}));
            } else {
                texts.push_back(it->second);
            }
        }
        people_[pc.person].person->comment = JoinNote(texts);
    }
    pendingComments_.clear();
    notes_->texts.clear();
    return true;
}

bool CGedcomReader::ReadBytes(std::string_view bytes, std::size_t pieceSize) {
    pieceSize = std::max<std::size_t>(pieceSize, 1);
    for (std::size_t pos = 0; pos < bytes.size(); pos += pieceSize) {
        if (!Feed(bytes.substr(pos, pieceSize))) {
            people_.clear();
            return false;
        }
    }
    return Finish();
}

bool CGedcomReader::ReadFile(const std::filesystem::path& file, const ProgressCallback& progress) {
    std::uint64_t done = 0;
    try {
        CFileIO::ReadFileInPieces(file, kMaxFileBytes, kBufferSize, [&](std::string_view piece, std::uint64_t size) {
            if (!Feed(piece)) {
                return false;
            }
            done += piece.size();
            if (progress && !progress(done, std::max(size, done))) {
                return Fail(Failure::Cancelled);
            }
            return true;
        });
    } catch (const CFileError& e) {
        if (e.GetKind() == CFileError::Kind::TooLarge) {
            Fail(Failure::TooLarge);
        } else {
            Fail(e.GetKind() == CFileError::Kind::Other ? Failure::CannotRead : Failure::CannotOpen);
            fileReason_ = e.Reason();
        }
    }
    if (failure_ != Failure::None) {
        people_.clear();
        return false;
    }
    return Finish();
}

std::string CGedcomReader::ReportText() const {
    std::vector<const ReportEntry*> order;
    order.reserve(report_.size());
    for (const ReportEntry& e : report_) {
        order.push_back(&e);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const ReportEntry* a, const ReportEntry* b) { return a->line < b->line; });
    std::string text;
    for (const ReportEntry* e : order) {
        if (e->line > 0) {
            text += FormatText(Str::kGedLinePrefix, {std::to_string(e->line)});
        }
        text += e->text + "\r\n";
    }
    if (reportDropped_ > 0) {
        text += FormatText(Str::kGedMoreReport, {std::to_string(reportDropped_)}) + "\r\n";
    }
    for (const auto& [tag, entry] : unused_->tags) {
        text += FormatText(Str::kGedUnused, {tag, std::to_string(entry.count), std::to_string(entry.firstLine)}) +
                "\r\n";
    }
    if (unused_->other.count > 0) {
        text += FormatText(Str::kGedUnused, {Str::kGedUnusedOther, std::to_string(unused_->other.count),
                                              std::to_string(unused_->other.firstLine)}) +
                "\r\n";
    }
    return text;
}

std::string CGedcomReader::FailureText() const {
    std::string text = Str::kGedReadFailed;
    switch (failure_) {
    case Failure::NotGedcom:
        text += "\n" + FormatText(Str::kGedNotGedcom, {});
        break;
    case Failure::NulByte:
        text += "\n" + FormatText(Str::kGedNulByte, {std::to_string(failureLine_)});
        break;
    case Failure::TooManyPeople:
        text += "\n" + FormatText(Str::kGedTooManyPeople, {std::to_string(limits_.maxPeople)});
        break;
    case Failure::TooLarge:
        text += "\n" + FormatText(Str::kGedTooLarge, {std::to_string(kMaxFileBytes / (1024 * 1024))});
        break;
    case Failure::CannotOpen:
    case Failure::CannotRead:
        if (!fileReason_.empty()) {
            text += "\n" + fileReason_;
        }
        break;
    case Failure::None:
    case Failure::Cancelled:
        break;
    }
    return text;
}
