// Writes people as a GEDCOM file: 5.5.1 in UTF-8 (the form most family-tree
// programs read), or 7.0. One INDI per person with its NAME (the reading as
// the name's kana variant), BIRT and DEAT with GEDCOM dates, the comment as
// a NOTE and the category in the user-defined tag _VCCAT. Where a date has
// no GEDCOM form that reads back the same (a note GEDCOM cannot say, an
// uncertain date without a qualifier), the event also carries the program's
// own date text in _VCDATE, which this program's reader prefers.
#pragma once

#include "interchange/ProgressCallback.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CPerson;

class CGedcomWriter {
public:
    enum class Version { V551, V70 };

    explicit CGedcomWriter(Version version) : version_(version) {}

    // The whole file for these people; false when progress asked to stop.
    bool Write(const std::vector<const CPerson*>& people, std::string& out, const ProgressCallback& progress = {});

    void Header(std::string& out) const;
    void Person(std::string& out, const CPerson& person, std::size_t number) const;
    void Trailer(std::string& out) const;

    // One line with its value, split into CONT lines at line breaks (CR LF,
    // CR or LF) and, in 5.5.1, into CONC lines where a line would grow
    // beyond what the standard allows; "@" escaped.
    void Line(std::string& out, int level, std::string_view tag, std::string_view value,
              std::string_view xref = {}) const;

    // Bytes of a value on one line before 5.5.1 needs a CONC (the standard
    // allows 255 for the whole line, and every "@" may double).
    static constexpr std::size_t kChunkBytes = 120;
    static constexpr const char* kCategoryTag = "_VCCAT";
    static constexpr const char* kDateTag = "_VCDATE";

private:
    void Event(std::string& out, const char* tag, const CPerson& p, bool birth) const;
    std::string Escaped(std::string_view text) const;
    Version version_;
};
