// "color.tbl" text of any kind loads without failing, and what it shares
// writes out and reads back to the same table.
#include "model/CCategoryTable.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CCategoryTable table;
    table.LoadSharedText(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string text = table.SharedText();
    CCategoryTable again;
    again.LoadSharedText(text);
    if (again.SharedText() != text) {
        std::abort();
    }
    return 0;
}
