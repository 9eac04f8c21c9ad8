// Any byte string handed to the document reader either loads or fails with
// CFormatError; nothing else may happen, and a document that loads must save
// and load again to the same bytes.
#include "model/CFormatError.h"
#include "model/CMemoryProfile.h"
#include "model/CNullDocHost.h"
#include "model/CVitachronDoc.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CNullDocHost host;
    CMemoryProfile profile;
    CVitachronDoc doc(host, profile, {});
    try {
        doc.LoadFromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const CFormatError&) {
        return 0;
    }
    const std::string saved = doc.SaveToBytes();
    CVitachronDoc again(host, profile, {});
    again.LoadFromBytes(saved);
    if (again.SaveToBytes() != saved) {
        std::abort();
    }
    return 0;
}
