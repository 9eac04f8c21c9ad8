#include "interchange/CBasePointYear.h"

#include "model/Utf8Path.h"
#include "model/CCp932.h"
#include "model/CDocHost.h"
#include "model/CFileError.h"
#include "model/CFileIO.h"
#include "model/CUtf8.h"
#include "model/FormatText.h"
#include "model/LenientText.h"
#include "res/Strings.h"

#include <system_error>

namespace {

// Lines as a text-mode reader gives them: split at LF, a CR just before the
// LF dropped, a last line without LF still a line, nothing after a final LF.
class LineReader {
public:
    explicit LineReader(std::string_view bytes) : bytes_(bytes) {}

    bool Next(std::string_view& line) {
        if (pos_ >= bytes_.size()) {
            return false;
        }
        const std::size_t lf = bytes_.find('\n', pos_);
        const std::size_t end = lf == std::string_view::npos ? bytes_.size() : lf;
        line = bytes_.substr(pos_, end - pos_);
        if (lf != std::string_view::npos && !line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        pos_ = lf == std::string_view::npos ? bytes_.size() : lf + 1;
        return true;
    }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

// One comma-separated field of the header line from pos on, with the CSV
// field rules; pos moves past the comma that ends it. False: no field.
bool HeaderField(std::string_view line, std::size_t& pos, std::string& field) {
    field.clear();
    if (pos >= line.size() || line.substr(pos) == "\r") {
        return false;
    }
    std::size_t i = pos;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) {
        ++i;
    }
    if (i < line.size() && line[i] == '"') {
        for (++i; i < line.size(); ++i) {
            if (line[i] != '"') {
                field += line[i];
            } else if (i + 1 < line.size() && line[i + 1] == '"') {
                field += '"';
                ++i;
            } else {
                ++i;
                break;
            }
        }
        const std::size_t comma = line.find(',', i);
        pos = comma == std::string_view::npos ? line.size() : comma + 1;
    } else {
        const std::size_t comma = line.find(',', i);
        const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
        field.assign(line.substr(i, end - i));
        pos = comma == std::string_view::npos ? line.size() : comma + 1;
    }
    field = std::string(TrimCSpace(field));
    return true;
}

// \r\n back to CR LF, and a doubled quote back to the one it was written for.
std::string UnescapeComment(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 4, "\\r\\n") == 0) {
            out += "\r\n";
            i += 3;
        } else if (text[i] == '"' && i + 1 < text.size() && text[i + 1] == '"') {
            out += '"';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Quotes doubled, line breaks as \r\n. A line feed without its CR is escaped
// too: written as it is, it would end the comment line and lose the rest.
std::string EscapeComment(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') {
            out += "\"\"";
        } else if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "\\r\\n";
            ++i;
        } else if (text[i] == '\n') {
            out += "\\r\\n";
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string CharText(char32_t c) {
    std::string s;
    if (c <= 0x10FFFF) {
        CUtf8::Append(s, c);
    }
    return s;
}

}  // namespace

CBasePointYear::ParseResult CBasePointYear::Parse(std::string_view bytes) {
    LineReader lines(bytes);
    std::string_view line;
    if (!lines.Next(line)) {
        line = {};
    }
    const std::string header = CCp932::Decode(line);
    std::size_t pos = 0;
    std::string field;
    HeaderField(header, pos, field);
    if (field != kMarker) {
        return ParseResult::NotBasePointYear;
    }
    const int version = HeaderField(header, pos, field) ? LeadingInt32(field) : 0;

    CBasePointYear r = *this;
    if (!lines.Next(line) || line.find('\0') != std::string_view::npos) {
        return ParseResult::Invalid;
    }
    r.title = CCp932::Decode(line);
    std::int32_t* numbers[] = {&r.spanStart, &r.spanEnd};
    for (std::int32_t* n : numbers) {
        if (!lines.Next(line)) {
            return ParseResult::Invalid;
        }
        *n = LeadingInt32(line);
    }
    if (!lines.Next(line)) {
        return ParseResult::Invalid;
    }
    r.countFromOne = LeadingInt32(line) != 0;
    // Version 5 added two flags at once; later versions read like 5.
    const int flagCount = version >= 5 ? 6 : (version > 0 ? version : 0);
    r.optionFlags.fill(false);
    for (int i = 0; i < flagCount; ++i) {
        if (!lines.Next(line)) {
            return ParseResult::Invalid;
        }
        r.optionFlags[static_cast<std::size_t>(i)] = LeadingInt32(line) != 0;
    }
    r.comment.clear();
    if (lines.Next(line)) {
        if (line.find('\0') != std::string_view::npos) {
            return ParseResult::Invalid;
        }
        r.comment = UnescapeComment(CCp932::Decode(line));
    }
    *this = std::move(r);
    return ParseResult::Ok;
}

CBasePointYear::EncodeResult CBasePointYear::Encode(std::string& bytes, EncodeProblem* problem) const {
    const auto fail = [&](EncodeResult result, const char* field, char32_t c) {
        if (problem != nullptr) {
            *problem = EncodeProblem{field, c};
        }
        return result;
    };
    if (title.find('\n') != std::string::npos) {
        return fail(EncodeResult::TitleLineBreak, Str::kFieldName, U'\n');
    }
    std::string out;
    CCp932::Encode(kMarker, out);
    out += "," + std::to_string(kFormatVersion) + "\r\n";
    CCp932::Failure failure;
    if (!CCp932::Encode(title, out, &failure)) {
        return fail(EncodeResult::Unencodable, Str::kFieldName, failure.character);
    }
    out += "\r\n";
    out += std::to_string(spanStart) + "\r\n";
    out += std::to_string(spanEnd) + "\r\n";
    out += countFromOne ? "1\r\n" : "0\r\n";
    for (const bool flag : optionFlags) {
        out += flag ? "1\r\n" : "0\r\n";
    }
    if (!CCp932::Encode(EscapeComment(comment), out, &failure)) {
        return fail(EncodeResult::Unencodable, Str::kFieldComment, failure.character);
    }
    bytes = std::move(out);
    return EncodeResult::Ok;
}

bool CBasePointYear::Load(const std::filesystem::path& path, CDocHost& messages) {
    std::error_code ec;
    const std::filesystem::path full = path.is_relative() ? std::filesystem::absolute(path, ec) : path;
    filePath = Utf8FromPath(ec ? path : full);
    const auto report = [&](const char* text) {
        messages.ShowMessage(FormatText(text, {filePath}), CDocHost::MessageKind::Error);
        return false;
    };

    std::string bytes;
    try {
        bytes = CFileIO::ReadFile(PathFromUtf8(filePath), kMaxFileBytes);
    } catch (const CFileError& e) {
        messages.ShowMessage(FormatText(Str::kLbyReadFailed, {filePath}) + "\n" + e.Reason(),
                             CDocHost::MessageKind::Error);
        return false;
    }
    switch (Parse(bytes)) {
    case ParseResult::NotBasePointYear:
        return report(Str::kLbyNotBasePointYear);
    case ParseResult::Invalid:
        return report(Str::kLbyInvalid);
    case ParseResult::Ok:
        break;
    }
    return true;
}

bool CBasePointYear::Save(CDocHost& messages) {
    std::string message = FormatText(Str::kLbyWriteFailed, {filePath});
    std::string bytes;
    EncodeProblem problem;
    switch (Encode(bytes, &problem)) {
    case EncodeResult::TitleLineBreak:
        messages.ShowMessage(message + "\n" + FormatText(Str::kLbyTitleLineBreak, {PersonLabel(title)}),
                             CDocHost::MessageKind::Error);
        return false;
    case EncodeResult::Unencodable:
        messages.ShowMessage(message + "\n" +
                                 FormatText(Str::kUnencodableChar, {PersonLabel(title), problem.field,
                                                                    CharText(problem.character),
                                                                    CodePointText(problem.character)}),
                             CDocHost::MessageKind::Error);
        return false;
    case EncodeResult::Ok:
        break;
    }
    try {
        CFileIO::WriteFileAtomically(PathFromUtf8(filePath), bytes);
    } catch (const CFileError& e) {
        messages.ShowMessage(message + "\n" + e.Reason(), CDocHost::MessageKind::Error);
        return false;
    }
    return true;
}
