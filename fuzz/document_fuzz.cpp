// Any byte string handed to the document reader either loads or fails with
// CFormatError; nothing else may happen, and a document that loads must save
// and load again to the same bytes. The same bytes read from a file, as the
// window opens documents, must give the same outcome and the same document.
#include "model/CFileIO.h"
#include "model/CFormatError.h"
#include "model/CMemoryProfile.h"
#include "model/CNullDocHost.h"
#include "model/CVitachronDoc.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

namespace {

// The document's saved bytes, or none when the reader refused it.
template <class Read>
std::optional<std::string> Outcome(Read read) {
    CNullDocHost host;
    CMemoryProfile profile;
    CVitachronDoc doc(host, profile, {});
    try {
        read(doc);
    } catch (const CFormatError&) {
        return std::nullopt;
    }
    return doc.SaveToBytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> saved = Outcome([&](CVitachronDoc& doc) { doc.LoadFromBytes(bytes); });
    if (saved) {
        const std::optional<std::string> again = Outcome([&](CVitachronDoc& doc) { doc.LoadFromBytes(*saved); });
        if (again != saved) {
            std::abort();
        }
    }
    // One scratch file per fuzzing process, removed when it ends.
    static const struct Scratch {
        std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("vitachron-document-fuzz-" + std::to_string(::getpid()) + ".vtc");
        ~Scratch() {
            std::error_code ec;
            std::filesystem::remove(path, ec);
        }
    } scratch;
    const std::filesystem::path& file = scratch.path;
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    if (Outcome([&](CVitachronDoc& doc) { doc.OpenFile(file); }) != saved) {
        std::abort();
    }
    return 0;
}
