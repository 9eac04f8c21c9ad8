// Reads a GEDCOM file (5.5, 5.5.1, 5.5.5 or 7.0) into people, streaming:
// bytes go in as they come, in pieces of any size, and only what makes the
// people stays in memory (each person as soon as its record ends, the note
// records people point at, and the report). Lines end in CR, LF or CR LF;
// CONC and CONT are joined onto their line; "@@" stands for "@".
//
// The character set is the byte order mark's, else the header's CHAR, else
// UTF-8. Whatever could not be used (a person without a name or without any
// date, a date that does not read, bytes that are no characters of the set,
// a level that jumps, tags this program has no use for) goes into the
// report with its line; the rest is read. Only a file that is not GEDCOM at
// all, that holds NUL bytes, or that holds more people than kMaxPeople fails
// as a whole, and then gives no people.
#pragma once

#include "interchange/CGedcomCharset.h"
#include "interchange/ProgressCallback.h"
#include "model/CPerson.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CGedcomReader {
public:
    // Bounds on what hostile input could make the reader keep. The defaults
    // hold any real family tree many times over; tests make them small.
    struct Limits {
        std::size_t maxPeople = 3'000'000;
        std::size_t maxLineBytes = 1024 * 1024;  // one line of the file; the rest is cut off
        std::size_t maxTextBytes = 1024 * 1024;  // one value with its CONC and CONT lines
        std::size_t maxNoteRecords = 1'000'000;
        std::uint64_t maxNoteBytes = 256ull * 1024 * 1024;  // the text of all note records kept
        std::size_t maxReportEntries = 1000;
        std::size_t maxHeaderLines = 2000;  // read before the character set is decided
    };
    static constexpr std::uint64_t kMaxFileBytes = 16ull * 1024 * 1024 * 1024;
    static constexpr std::size_t kBufferSize = 256 * 1024;
    // GEDCOM nests a few levels deep; this leaves room for any extension.
    static constexpr int kMaxDepth = 32;
    // Born this many years before the current year with no death recorded:
    // died at a date not known, rather than drawn as living.
    static constexpr int kPresumedDeadAfterYears = 120;
    // HEAD.SOUR of the files this program writes.
    static constexpr const char* kSourceId = "VITACHRON";

    enum class Failure { None, NotGedcom, NulByte, TooManyPeople, TooLarge, CannotOpen, CannotRead, Cancelled };

    struct Person {
        std::unique_ptr<CPerson> person;
        std::string surname;   // for grouping by surname
        char sex = 'U';        // M, F, or U for anything else
        std::string category;  // this program's own category tag, when the file has it
    };

    struct ReportEntry {
        std::size_t line = 0;  // 0: about the file as a whole
        std::string text;
    };

    explicit CGedcomReader(int currentYear);
    CGedcomReader(int currentYear, Limits limits);
    ~CGedcomReader();
    CGedcomReader(const CGedcomReader&) = delete;
    CGedcomReader& operator=(const CGedcomReader&) = delete;

    // Feed until it returns false (a failure) or the bytes end, then Finish.
    bool Feed(std::string_view bytes);
    bool Finish();

    bool ReadFile(const std::filesystem::path& file, const ProgressCallback& progress = {});
    bool ReadBytes(std::string_view bytes, std::size_t pieceSize = kBufferSize);

    std::vector<Person>& People() { return people_; }
    const std::vector<Person>& People() const { return people_; }
    const std::vector<ReportEntry>& Report() const { return report_; }
    // The report as lines, each followed by CR LF, in line order, then a
    // summary of the tags not used; empty when there is nothing to say.
    std::string ReportText() const;

    CGedcomCharset::Kind Charset() const { return charset_; }
    bool FromThisProgram() const { return fromThisProgram_; }
    Failure FailureKind() const { return failure_; }
    // The message for a failed read: the fixed text, and on a second line why.
    std::string FailureText() const;
    // Physical lines read so far.
    std::size_t LineCount() const { return lineNo_; }

private:
    struct Line {
        int level = 0;
        std::string xref;
        std::string tag;
        std::string value;
        std::size_t lineNo = 0;
        bool truncated = false;
        bool pointer = false;  // the value as written is "@id@", not an escaped text
    };
    struct Builder;
    void Split(std::string_view data);
    void Utf16(std::string_view data);
    bool EndPhysicalLine();
    void DecideCharset();
    void ProcessRaw(std::string_view raw, std::size_t lineNo, bool truncated);
    void Dispatch(Line& line);
    void StartRecord(Line& line);
    void EndRecord();
    void IndiLine(const Line& line);
    void FinishPerson();
    void Unused(std::string_view a, std::string_view b, std::string_view c, std::size_t line);
    void Add(std::size_t line, std::string text);
    bool Fail(Failure f, std::size_t line = 0);

    int currentYear_;
    Limits limits_;
    Failure failure_ = Failure::None;
    std::size_t failureLine_ = 0;
    std::string fileReason_;

    // The byte stage.
    bool bomChecked_ = false;
    std::string bomHead_;
    bool utf16_ = false;
    bool utf16Be_ = false;
    std::string utf16Odd_;
    char16_t highSurrogate_ = 0;
    std::uint64_t total_ = 0;

    // The line stage.
    std::string lineBuf_;
    bool lineTruncated_ = false;
    bool previousCr_ = false;
    std::size_t lineNo_ = 0;
    bool charsetDecided_ = false;
    bool charsetFixed_ = false;  // by the byte order mark
    CGedcomCharset::Kind charset_ = CGedcomCharset::Kind::Utf8;
    struct RawLine {
        std::string bytes;
        std::size_t lineNo;
        bool truncated;
    };
    std::vector<RawLine> headLines_;
    bool gedcom7_ = false;
    bool fromThisProgram_ = false;
    bool sawFirstLine_ = false;
    std::string decoded_;

    // The structure stage.
    Line pending_;  // the last line, waiting for its CONC and CONT lines
    bool hasPending_ = false;
    Line spare_;
    std::string unusedKey_;
    int lastLevel_ = -1;
    int skipDeeper_ = -1;
    bool used_[kMaxDepth] = {};
    std::string tags_[kMaxDepth];
    enum class Record { None, Head, Indi, Note, Other } record_ = Record::None;
    std::unique_ptr<Builder> indi_;
    std::string noteXref_;
    std::string noteText_;
    std::size_t noteLine_ = 0;
    bool noteStoreFull_ = false;
    std::uint64_t noteBytes_ = 0;

    std::vector<Person> people_;
    struct PendingComment;
    std::vector<PendingComment> pendingComments_;
    struct NoteStore;
    std::unique_ptr<NoteStore> notes_;
    std::vector<ReportEntry> report_;
    std::size_t reportDropped_ = 0;
    struct UnusedTally;
    std::unique_ptr<UnusedTally> unused_;
};
