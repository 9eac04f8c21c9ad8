// Any bytes handed to the base-point year reader either load or are refused;
// a record that loads must write, what it writes must load, and its numbers
// and flags must come back. Texts must come back too, unless they hold bytes
// code page 932 does not define: written back next to each other, such
// bytes may pair up into a character on the next read.
#include "interchange/CBasePointYear.h"
#include "interchange/CBasePointYearTransfer.h"
#include "model/CPerson.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// U+F780..U+F7FF: what the codec gives bytes it has no character for.
bool HasByteEscape(std::string_view utf8) {
    for (std::size_t i = 0; i + 1 < utf8.size(); ++i) {
        if (utf8[i] == '\xEF' && (utf8[i + 1] == '\x9E' || utf8[i + 1] == '\x9F')) {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CBasePointYear record;
    if (record.Parse(std::string_view(reinterpret_cast<const char*>(data), size)) != CBasePointYear::ParseResult::Ok) {
        return 0;
    }
    std::string saved;
    if (record.Encode(saved) != CBasePointYear::EncodeResult::Ok) {
        std::abort();  // whatever was read can be written
    }
    CBasePointYear back;
    if (back.Parse(saved) != CBasePointYear::ParseResult::Ok || back.spanStart != record.spanStart ||
        back.spanEnd != record.spanEnd || back.countFromOne != record.countFromOne ||
        back.optionFlags != record.optionFlags) {
        std::abort();
    }
    if (!HasByteEscape(record.title) && !HasByteEscape(record.comment)) {
        std::string again;
        if (!(back == record) || back.Encode(again) != CBasePointYear::EncodeResult::Ok || again != saved) {
            std::abort();
        }
    }

    const auto person = CBasePointYearTransfer::ToPerson(record, 2024);
    CBasePointYear mapped;
    if (CBasePointYearTransfer::ToRecord(*person, mapped) != CBasePointYearTransfer::MapResult::Ok ||
        mapped.title != record.title || mapped.spanStart != record.spanStart || mapped.comment != record.comment) {
        std::abort();
    }
    return 0;
}
