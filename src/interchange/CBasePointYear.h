// A base-point year (基点年) of the chronology program Annalix: a named span
// of years with a comment, one per ".lby" text file in code page 932:
//
//   [基点年],5        marker and format version
//   title
//   spanStart
//   spanEnd
//   countFromOne      0 or 1
//   six option flags  one line each, as many as the version has
//   comment           quotes doubled, CR LF as the four characters \r\n;
//                     no line end after it
//
// Every line but the last ends with CR LF. Failures are reported through the
// host's messages with the file's path, as the user sees them.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

class CDocHost;

class CBasePointYear {
public:
    static constexpr int kFormatVersion = 5;
    static constexpr const char* kMarker = "[基点年]";
    // A larger file is not a base-point year, and is not read into memory.
    static constexpr std::size_t kMaxFileBytes = 16 * 1024 * 1024;

    std::string filePath;  // empty while not yet known
    std::string title;
    std::int32_t spanStart = 0;
    std::int32_t spanEnd = 0;  // 2147483647: not given (a living person)
    bool countFromOne = false;  // the span's first year counts as 1 (数え年)
    std::string comment;        // lines separated by CR LF
    std::array<bool, 6> optionFlags{};  // Annalix's own; written as 0, ignored on reading

    // A relative path is taken from the current directory. The record
    // changes only when the whole file could be read; filePath is set either
    // way, since the messages name it.
    bool Load(const std::filesystem::path& path, CDocHost& messages);
    // Atomic: a failure leaves any previous file as it was.
    bool Save(CDocHost& messages);

    // The file's content without touching the disk: for Load and Save, tests
    // and the fuzzer.
    enum class ParseResult { Ok, NotBasePointYear, Invalid };
    ParseResult Parse(std::string_view bytes);
    enum class EncodeResult { Ok, TitleLineBreak, Unencodable };
    struct EncodeProblem {
        const char* field = nullptr;  // Str::kFieldName or Str::kFieldComment
        char32_t character = 0;
    };
    EncodeResult Encode(std::string& bytes, EncodeProblem* problem = nullptr) const;

    friend bool operator==(const CBasePointYear& a, const CBasePointYear& b) {
        return a.title == b.title && a.spanStart == b.spanStart && a.spanEnd == b.spanEnd &&
               a.countFromOne == b.countFromOne && a.comment == b.comment && a.optionFlags == b.optionFlags;
    }
};
