#include "interchange/CGedcomWriter.h"

#include "interchange/CGedcomDate.h"
#include "interchange/CGedcomReader.h"
#include "model/CCategory.h"
#include "model/CPerson.h"

namespace {

constexpr std::size_t kPeoplePerReport = 4096;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Where to cut text of more than max bytes: not inside a UTF-8 character
// and not beside a blank, which some readers drop at the ends of lines.
std::size_t CutPoint(std::string_view text, std::size_t max) {
    for (std::size_t cut = max; cut > max / 2; --cut) {
        if (!IsContinuationByte(text[cut]) && text[cut] != ' ' && text[cut - 1] != ' ') {
            return cut;
        }
    }
    std::size_t cut = max;
    while (cut > 1 && IsContinuationByte(text[cut])) {
        --cut;
    }
    return cut;
}

}  // namespace

std::string CGedcomWriter::Escaped(std::string_view text) const {
    if (text.find('@') == std::string_view::npos) {
        return std::string(text);
    }
    if (version_ == Version::V70) {
        // 7.0 doubles only a leading "@".
        return text.front() == '@' ? "@" + std::string(text) : std::string(text);
    }
    std::string out;
    for (const char c : text) {
        out += c;
        if (c == '@') {
            out += '@';
        }
    }
    return out;
}

void CGedcomWriter::Line(std::string& out, int level, std::string_view tag, std::string_view value,
                         std::string_view xref) const {
    const auto emit = [&](int lv, std::string_view t, std::string_view v, std::string_view x) {
        out += std::to_string(lv);
        out += ' ';
        if (!x.empty()) {
            out.append(x).append(" ");
        }
        out.append(t);
        if (!v.empty()) {
            out.append(" ").append(Escaped(v));
        }
        out += '\n';
    };
    bool first = true;
    std::size_t pos = 0;
    while (true) {
        std::size_t stop = value.find_first_of("\r\n", pos);
        if (stop == std::string_view::npos) {
            stop = value.size();
        }
        std::string_view piece = value.substr(pos, stop - pos);
        bool firstChunk = true;
        do {
            std::string_view chunk = piece;
            if (version_ == Version::V551 && chunk.size() > kChunkBytes) {
                chunk = piece.substr(0, CutPoint(piece, kChunkBytes));
            }
            if (first) {
                emit(level, tag, chunk, xref);
                first = false;
            } else {
                emit(level + 1, firstChunk ? "CONT" : "CONC", chunk, {});
            }
            firstChunk = false;
            piece.remove_prefix(chunk.size());
        } while (!piece.empty());
        if (stop == value.size()) {
            break;
        }
        pos = stop + (value.compare(stop, 2, "\r\n") == 0 ? 2 : 1);
    }
}

void CGedcomWriter::Header(std::string& out) const {
    Line(out, 0, "HEAD", {});
    if (version_ == Version::V70) {
        Line(out, 1, "GEDC", {});
        Line(out, 2, "VERS", "7.0");
        Line(out, 1, "SOUR", CGedcomReader::kSourceId);
        Line(out, 2, "NAME", "Vitachron");
        return;
    }
    Line(out, 1, "SOUR", CGedcomReader::kSourceId);
    Line(out, 2, "NAME", "Vitachron");
    out += "1 SUBM @U1@\n";  // a pointer, not text: no "@" doubled
    Line(out, 1, "GEDC", {});
    Line(out, 2, "VERS", "5.5.1");
    Line(out, 2, "FORM", "LINEAGE-LINKED");
    Line(out, 1, "CHAR", "UTF-8");
    // 5.5.1 wants a submitter; the file does not know who, so the program stands in.
    Line(out, 0, "SUBM", {}, "@U1@");
    Line(out, 1, "NAME", "Vitachron");
}

void CGedcomWriter::Trailer(std::string& out) const { Line(out, 0, "TRLR", {}); }

void CGedcomWriter::Event(std::string& out, const char* tag, const CPerson& p, bool birth) const {
    CGedcomDate::Value v;
    v.year = birth ? p.birth : p.death;
    v.month = birth ? p.birthMonth : p.deathMonth;
    v.day = birth ? p.birthDay : p.deathDay;
    v.note = birth ? p.birthNote : p.deathNote;
    v.uncertain = birth ? p.birthUncertain : p.deathUncertain;
    if (v.year.IsUnknown()) {
        // Unknown and uncertain: it happened at a date not known. A death
        // unknown and certain is a living person: nothing to write.
        if (v.uncertain) {
            Line(out, 1, tag, "Y");
        }
        return;
    }
    Line(out, 1, tag, {});
    bool exact = false;
    const std::string date = CGedcomDate::Format(v, version_ == Version::V70, exact);
    const std::string own = (birth ? p.FormatBirthText(false) : p.FormatDeathText(false)) + (v.uncertain ? "?" : "");
    if (!date.empty()) {
        Line(out, 2, "DATE", date);
    } else if (version_ == Version::V551) {
        Line(out, 2, "DATE", "(" + own + ")");
    } else {
        Line(out, 2, "DATE", {});
        Line(out, 3, "PHRASE", own);
    }
    if (!exact) {
        Line(out, 2, kDateTag, own);
    }
}

void CGedcomWriter::Person(std::string& out, const CPerson& p, std::size_t number) const {
    Line(out, 0, "INDI", {}, "@I" + std::to_string(number) + "@");
    Line(out, 1, "NAME", p.name);
    if (!p.reading.empty()) {
        if (version_ == Version::V70) {
            Line(out, 2, "TRAN", p.reading);
            Line(out, 3, "LANG", "ja-Hrkt");
        } else {
            Line(out, 2, "FONE", p.reading);
            Line(out, 3, "TYPE", "kana");
        }
    }
    Event(out, "BIRT", p, true);
    Event(out, "DEAT", p, false);
    if (!p.comment.empty()) {
        Line(out, 1, "NOTE", p.comment);
    }
    const std::string_view category = p.category != nullptr ? std::string_view(p.category->name) : p.categoryName.view();
    if (!category.empty()) {
        Line(out, 1, kCategoryTag, category);
    }
}

bool CGedcomWriter::Write(const std::vector<const CPerson*>& people, std::string& out,
                          const ProgressCallback& progress) {
    Header(out);
    for (std::size_t i = 0; i < people.size(); ++i) {
        if (progress && i % kPeoplePerReport == 0 && !progress(i, people.size())) {
            return false;
        }
        Person(out, *people[i], i + 1);
    }
    Trailer(out);
    return !progress || progress(people.size(), people.size());
}
