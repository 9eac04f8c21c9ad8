// Reads a CSV file of people: six columns a line, code page 932, or UTF-8
// when the file starts with the UTF-8 byte order mark. A quoted field may
// run over several lines of the file; its line feeds reach the fields as the
// four characters \r\n, which the comment column turns back into line breaks.
//
// Reading is all or nothing: a file that cannot be read, or that is not a
// CSV text file at all (NUL bytes, UTF-16, a quote never closed, a line
// longer than kMaxLineBytes, a file larger than kMaxFileBytes, or not a
// regular file), leaves no lines behind and says why.
#pragma once

#include "interchange/CLineCSV.h"
#include "interchange/ProgressCallback.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class CImportCSV {
public:
    enum class Encoding { Cp932, Utf8 };
    enum class Failure {
        None,
        CannotOpen,
        CannotRead,
        TooLarge,
        Utf16,
        NulByte,
        UnterminatedQuote,
        LineTooLong,
        Cancelled,  // the progress callback asked to stop; nothing is said
    };

    static constexpr std::size_t kBufferSize = 64 * 1024;
    // No person needs this much; a longer line is a file that is not what it
    // seems, usually a quote that was never closed.
    static constexpr std::size_t kMaxLineBytes = 4 * 1024 * 1024;
    // Millions of people; beyond this the document could not hold them
    // anyway, and reading on would only exhaust memory.
    static constexpr std::uint64_t kMaxFileBytes = 256ull * 1024 * 1024;

    explicit CImportCSV(std::filesystem::path path) : path_(std::move(path)) {}

    bool Read();
    // The same, telling progress the bytes read of the file's size after
    // each buffer; a false from it stops reading as a failure (Cancelled).
    bool Read(const ProgressCallback& progress);
    // The same reading over bytes already in memory, fed bufferSize bytes at
    // a time as the file would be.
    bool ReadBytes(std::string_view bytes, std::size_t bufferSize = kBufferSize);

    const std::filesystem::path& Path() const { return path_; }
    std::size_t LineCount() const { return lines_.size(); }
    const CLineCSV& Line(std::size_t index) const { return lines_[index]; }
    const std::vector<CLineCSV>& Lines() const { return lines_; }

    // Indices among the lines read, of lines that gave no person.
    void RecordRejected(std::size_t index) { rejected_.push_back(index); }
    const std::vector<std::size_t>& RejectedLines() const { return rejected_; }
    // Each rejected line as the export would write it, followed by CR LF, in
    // file order. False when no line was rejected.
    bool RejectedText(std::string& text) const;

    Encoding FileEncoding() const { return encoding_; }
    Failure FailureKind() const { return failure_; }
    // The line of the file (from 1) where reading gave up; 0 when none applies.
    std::size_t FailureLine() const { return failureLine_; }
    // The message for a failed Read: the fixed text, and on a second line why.
    std::string FailureText() const;
    // Lines of the file (from 1) starting a CSV line with bytes the encoding
    // does not define. Code page 932 keeps them as escapes that write back
    // to the same bytes; in UTF-8 they became U+FFFD.
    const std::vector<std::size_t>& UndecodableLines() const { return undecodable_; }

    // One line into its fields: a double quote opens a quoted field only as
    // the field's first character, "" inside stands for one quote, and each
    // field is trimmed of white space at both ends.
    static CLineCSV SplitLine(std::string_view line);

private:
    class Reader;
    bool Finish(Reader& reader, bool ok);

    std::filesystem::path path_;
    std::vector<CLineCSV> lines_;
    std::vector<std::size_t> rejected_;
    std::vector<std::size_t> undecodable_;
    Encoding encoding_ = Encoding::Cp932;
    Failure failure_ = Failure::None;
    std::size_t failureLine_ = 0;
    std::string fileReason_;  // why the file could not be opened or read
};
