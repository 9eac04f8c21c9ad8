// Any bytes handed to the GEDCOM reader either read or fail with a reason;
// nothing else may happen. Reading in small pieces must give what reading
// in one piece gives, and the people read, written as GEDCOM (both
// versions) and read again, must come back the same.
#include "interchange/CGedcomReader.h"
#include "interchange/CGedcomWriter.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// Small limits, so that the fuzzer reaches them.
CGedcomReader::Limits FuzzLimits() {
    CGedcomReader::Limits l;
    l.maxPeople = 50;
    l.maxLineBytes = 300;
    l.maxTextBytes = 500;
    l.maxNoteRecords = 4;
    l.maxNoteBytes = 1000;
    l.maxReportEntries = 20;
    l.maxHeaderLines = 20;
    return l;
}

bool Same(const CPerson& a, const CPerson& b) {
    return a.name == b.name && a.reading == b.reading && a.comment == b.comment && a.birth.SameFields(b.birth) &&
           a.death.SameFields(b.death) && a.birthMonth == b.birthMonth && a.birthDay == b.birthDay &&
           a.deathMonth == b.deathMonth && a.deathDay == b.deathDay && a.birthNote == b.birthNote &&
           a.deathNote == b.deathNote && a.birthUncertain == b.birthUncertain && a.deathUncertain == b.deathUncertain;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CGedcomReader whole(2026, FuzzLimits());
    const bool ok = whole.ReadBytes(bytes);
    CGedcomReader pieces(2026, FuzzLimits());
    const std::size_t pieceSize = size > 0 ? data[size - 1] % 7 + 1 : 1;
    if (pieces.ReadBytes(bytes, pieceSize) != ok || pieces.FailureKind() != whole.FailureKind() ||
        pieces.People().size() != whole.People().size() || pieces.ReportText() != whole.ReportText()) {
        std::abort();
    }
    if (!ok) {
        if (!whole.People().empty() || whole.FailureText().empty()) {
            std::abort();
        }
        return 0;
    }
    std::vector<const CPerson*> people;
    for (std::size_t i = 0; i < whole.People().size(); ++i) {
        if (!Same(*whole.People()[i].person, *pieces.People()[i].person)) {
            std::abort();
        }
        // GEDCOM has no way to write a "/" in a name or its reading that is
        // not a surname's mark.
        const CPerson& person = *whole.People()[i].person;
        if (person.name.find('/') == std::string::npos && person.reading.find('/') == std::string::npos) {
            people.push_back(whole.People()[i].person.get());
        }
    }
    for (const auto version : {CGedcomWriter::Version::V551, CGedcomWriter::Version::V70}) {
        std::string text;
        CGedcomWriter(version).Write(people, text);
        CGedcomReader again(2026);
        if (!again.ReadBytes(text) || again.People().size() != people.size()) {
            std::abort();
        }
        for (std::size_t i = 0; i < people.size(); ++i) {
            if (!Same(*people[i], *again.People()[i].person)) {
                std::abort();
            }
        }
    }
    return 0;
}
