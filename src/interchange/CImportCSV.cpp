#include "interchange/CImportCSV.h"

#include "model/CCp932.h"
#include "model/CFileError.h"
#include "model/CFileIO.h"
#include "model/CUtf8.h"
#include "model/FormatText.h"
#include "model/LenientText.h"
#include "res/Strings.h"

#include <algorithm>
#include <array>
#include <memory>

namespace {

// Byte classes of the quote-tracking pass; everything else is copied as it is.
enum : unsigned char { kPlain, kLead, kQuote, kLineFeed, kNul };

constexpr std::array<unsigned char, 256> MakeClasses(bool cp932) {
    std::array<unsigned char, 256> t{};
    for (unsigned b = 0; b < 256; ++b) {
        const bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        t[b] = cp932 && lead ? kLead : kPlain;
    }
    t['"'] = kQuote;
    t['\n'] = kLineFeed;
    t[0] = kNul;
    return t;
}

constexpr auto kCp932Classes = MakeClasses(true);
constexpr auto kUtf8Classes = MakeClasses(false);

// U+F780..U+F7FF, the escapes CCp932::Decode gives bytes it has no character for.
bool HasByteEscape(std::string_view utf8) {
    for (std::size_t i = utf8.find('\xEF'); i != std::string_view::npos; i = utf8.find('\xEF', i + 1)) {
        if (i + 1 < utf8.size() && (utf8[i + 1] == '\x9E' || utf8[i + 1] == '\x9F')) {
            return true;
        }
    }
    return false;
}

bool IsAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

// The quote-tracking pass and the line reader in one, fed the file in pieces
// of any size. Inside a quoted field a line feed becomes the four characters
// \r\n so that the field stays on one line; a code page 932 lead byte takes
// the byte after it along unexamined, also when the two arrive in different
// pieces. Outside quotes a line feed ends the line, a CR before it dropped.
class CImportCSV::Reader {
public:
    Reader(std::vector<CLineCSV>& lines, std::vector<std::size_t>& undecodable)
        : lines_(lines), undecodable_(undecodable) {}

    bool Feed(std::string_view chunk) {
        total_ += chunk.size();
        if (total_ > kMaxFileBytes) {
            return Fail(Failure::TooLarge, 0);
        }
        if (!encodingKnown_) {
            // The byte order mark may itself arrive in pieces.
            const std::size_t take = std::min<std::size_t>(3 - head_.size(), chunk.size());
            head_.append(chunk.substr(0, take));
            chunk.remove_prefix(take);
            if (head_.size() < 3) {
                return true;
            }
            if (!DecideEncoding()) {
                return false;
            }
        }
        return Process(chunk);
    }

    bool Finish() {
        if (!encodingKnown_ && !DecideEncoding()) {
            return false;
        }
        if (inQuote_) {
            return Fail(Failure::UnterminatedQuote, quoteLine_);
        }
        // A last line without a line break is still a line.
        if (!record_.empty()) {
            EndLine();
        }
        return true;
    }

    Encoding encoding = Encoding::Cp932;
    Failure failure = Failure::None;
    std::size_t failureLine = 0;

private:
    bool DecideEncoding() {
        encodingKnown_ = true;
        std::string_view head = head_;
        if (head.size() >= 2 && ((head[0] == '\xFF' && head[1] == '\xFE') || (head[0] == '\xFE' && head[1] == '\xFF'))) {
            return Fail(Failure::Utf16, 1);
        }
        if (head.substr(0, 3) == "\xEF\xBB\xBF") {
            encoding = Encoding::Utf8;
            head.remove_prefix(3);
        }
        classes_ = encoding == Encoding::Cp932 ? &kCp932Classes : &kUtf8Classes;
        const std::string rest(head);
        head_.clear();
        return Process(rest);
    }

    bool Process(std::string_view chunk) {
        const auto& cls = *classes_;
        std::size_t i = 0;
        if (pendingTrail_ && !chunk.empty()) {
            pendingTrail_ = false;
            if (!Emit(chunk[0])) {
                return false;
            }
            i = 1;
        }
        while (i < chunk.size()) {
            // Runs of plain bytes go over in one piece.
            std::size_t run = i;
            while (run < chunk.size() && cls[static_cast<unsigned char>(chunk[run])] == kPlain) {
                ++run;
            }
            if (run > i) {
                record_.append(chunk.substr(i, run - i));
                if (record_.size() > kMaxLineBytes) {
                    return Fail(Failure::LineTooLong, recordStartLine_);
                }
                i = run;
                continue;
            }
            const char b = chunk[i++];
            switch (cls[static_cast<unsigned char>(b)]) {
            case kLead:
                record_ += b;
                if (i < chunk.size()) {
                    if (!Emit(chunk[i++])) {
                        return false;
                    }
                } else {
                    pendingTrail_ = true;
                }
                break;
            case kQuote:
                // Toggling at every quote is the same as toggling at every
                // run of odd length, and needs no look-ahead across pieces.
                inQuote_ = !inQuote_;
                if (inQuote_) {
                    quoteLine_ = physicalLine_;
                }
                record_ += b;
                break;
            case kLineFeed:
                if (inQuote_) {
                    ++physicalLine_;
                    record_ += "\\r\\n";
                    if (record_.size() > kMaxLineBytes) {
                        return Fail(Failure::LineTooLong, recordStartLine_);
                    }
                } else if (!Emit(b)) {
                    return false;
                }
                break;
            default:
                if (!Emit(b)) {
                    return false;
                }
                break;
            }
        }
        return true;
    }

    // One byte as the line reader sees it after the quote-tracking pass.
    bool Emit(char b) {
        if (b == '\n') {
            ++physicalLine_;
            if (!record_.empty() && record_.back() == '\r') {
                record_.pop_back();
            }
            EndLine();
            return true;
        }
        if (b == '\0') {
            return Fail(Failure::NulByte, physicalLine_);
        }
        record_ += b;
        if (record_.size() > kMaxLineBytes) {
            return Fail(Failure::LineTooLong, recordStartLine_);
        }
        return true;
    }

    void EndLine() {
        // record_ keeps its capacity from line to line; only text that
        // needs decoding goes through a second buffer.
        std::string decoded;
        std::string_view text = record_;
        if (encoding == Encoding::Cp932) {
            if (!IsAscii(record_)) {
                decoded = CCp932::Decode(record_);
                text = decoded;
                if (HasByteEscape(decoded)) {
                    undecodable_.push_back(recordStartLine_);
                }
            }
        } else if (!CUtf8::IsValid(record_)) {
            for (std::size_t pos = 0; pos < record_.size();) {
                const char32_t c = CUtf8::Next(record_, pos);
                CUtf8::Append(decoded, c == CUtf8::kInvalid ? char32_t{0xFFFD} : c);
            }
            text = decoded;
            undecodable_.push_back(recordStartLine_);
        }
        lines_.push_back(SplitLine(text));
        record_.clear();
        recordStartLine_ = physicalLine_;
    }

    bool Fail(Failure f, std::size_t line) {
        failure = f;
        failureLine = line;
        return false;
    }

    std::vector<CLineCSV>& lines_;
    std::vector<std::size_t>& undecodable_;
    const std::array<unsigned char, 256>* classes_ = &kCp932Classes;
    bool encodingKnown_ = false;
    std::string head_;
    bool inQuote_ = false;
    bool pendingTrail_ = false;
    std::size_t physicalLine_ = 1;
    std::size_t recordStartLine_ = 1;
    std::size_t quoteLine_ = 0;
    std::string record_;
    std::uint64_t total_ = 0;
};

bool CImportCSV::Read() { return Read(ProgressCallback{}); }

bool CImportCSV::Read(const ProgressCallback& progress) {
    std::vector<CLineCSV> lines;
    std::vector<std::size_t> undecodable;
    Reader reader(lines, undecodable);
    fileReason_.clear();
    bool ok = true;
    std::uint64_t done = 0;
    try {
        CFileIO::ReadFileInPieces(path_, kMaxFileBytes, kBufferSize, [&](std::string_view piece, std::uint64_t size) {
            ok = reader.Feed(piece);
            done += piece.size();
            if (ok && progress && !progress(done, std::max(size, done))) {
                reader.failure = Failure::Cancelled;
                ok = false;
            }
            return ok;
        });
    } catch (const CFileError& e) {
        ok = false;
        if (e.GetKind() == CFileError::Kind::TooLarge) {
            reader.failure = Failure::TooLarge;
        } else {
            reader.failure = e.GetKind() == CFileError::Kind::Other ? Failure::CannotRead : Failure::CannotOpen;
            fileReason_ = e.Reason();
        }
    }
    ok = ok && reader.Finish();
    if (ok) {
        lines_ = std::move(lines);
        undecodable_ = std::move(undecodable);
    }
    return Finish(reader, ok);
}

bool CImportCSV::ReadBytes(std::string_view bytes, std::size_t bufferSize) {
    bufferSize = std::max<std::size_t>(bufferSize, 1);
    std::vector<CLineCSV> lines;
    std::vector<std::size_t> undecodable;
    Reader reader(lines, undecodable);
    bool ok = true;
    for (std::size_t pos = 0; ok && pos < bytes.size(); pos += bufferSize) {
        ok = reader.Feed(bytes.substr(pos, bufferSize));
    }
    ok = ok && reader.Finish();
    if (ok) {
        lines_ = std::move(lines);
        undecodable_ = std::move(undecodable);
    }
    return Finish(reader, ok);
}

bool CImportCSV::Finish(Reader& reader, bool ok) {
    rejected_.clear();
    encoding_ = reader.encoding;
    failure_ = ok ? Failure::None : reader.failure;
    failureLine_ = ok ? 0 : reader.failureLine;
    if (!ok) {
        lines_.clear();
        undecodable_.clear();
    }
    return ok;
}

bool CImportCSV::RejectedText(std::string& text) const {
    std::vector<std::size_t> order = rejected_;
    std::sort(order.begin(), order.end());
    order.erase(std::unique(order.begin(), order.end()), order.end());
    text.clear();
    for (const std::size_t i : order) {
        if (i < lines_.size()) {
            text += lines_[i].ToText();
            text += "\r\n";
        }
    }
    return !order.empty();
}

std::string CImportCSV::FailureText() const {
    std::string text = Str::kCsvReadFailed;
    const std::string line = std::to_string(failureLine_);
    switch (failure_) {
    case Failure::TooLarge:
        text += "\n" + FormatText(Str::kCsvTooLarge, {std::to_string(kMaxFileBytes / (1024 * 1024))});
        break;
    case Failure::Utf16:
        text += "\n" + FormatText(Str::kCsvUtf16, {});
        break;
    case Failure::NulByte:
        text += "\n" + FormatText(Str::kCsvNulByte, {line});
        break;
    case Failure::UnterminatedQuote:
        text += "\n" + FormatText(Str::kCsvUnterminatedQuote, {line});
        break;
    case Failure::LineTooLong:
        text += "\n" + FormatText(Str::kCsvLineTooLong, {line, std::to_string(kMaxLineBytes)});
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

CLineCSV CImportCSV::SplitLine(std::string_view line) {
    CLineCSV out;
    // Every comma may end a field: enough room for all of them at once.
    out.Reserve(line.size(), static_cast<std::size_t>(std::count(line.begin(), line.end(), ',')) + 1);
    std::string quotedField;
    std::size_t start = 0;
    for (;;) {
        // Most fields hold no quote: they are cut out in one piece.
        std::size_t stop = start;
        while (stop < line.size() && line[stop] != ',' && line[stop] != '"') {
            ++stop;
        }
        if (stop == line.size() || line[stop] == ',') {
            out.Add(TrimCSpace(line.substr(start, stop - start)));
            if (stop == line.size()) {
                break;
            }
            start = stop + 1;
            continue;
        }
        // A field with quotes, character by character.
        quotedField.clear();
        bool quoted = false;
        std::size_t position = 0;  // of the character within the field
        std::size_t i = start;
        for (; i < line.size(); ++i) {
            const char c = line[i];
            if (c == '"') {
                if (position == 0) {
                    quoted = true;
                } else if (i + 1 < line.size() && line[i + 1] == '"') {
                    quotedField += '"';
                    ++i;
                    ++position;
                } else {
                    quoted = false;
                }
                ++position;
            } else if (c == ',' && !quoted) {
                break;
            } else {
                quotedField += c;
                ++position;
            }
        }
        out.Add(TrimCSpace(quotedField));
        if (i >= line.size()) {
            break;
        }
        start = i + 1;
    }
    return out;
}
