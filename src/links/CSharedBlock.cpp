#include "links/CSharedBlock.h"

#include "model/CCp932.h"

#include <algorithm>
#include <cstring>

CSharedBlock::CSharedBlock(const std::string& name, CSharedMemory::Mode mode)
    : memory_(name, LinkProtocol::kBlockSize, mode) {}

void CSharedBlock::Write(std::string_view cp932Path) {
    if (IsOpen()) {
        const Bytes bytes = Pack(cp932Path);
        std::memcpy(memory_.Data(), bytes.data(), bytes.size());
    }
}

CSharedBlock::Bytes CSharedBlock::Read() const {
    Bytes bytes{};
    if (IsOpen()) {
        std::memcpy(bytes.data(), memory_.Data(), bytes.size());
    }
    return bytes;
}

CSharedBlock::Bytes CSharedBlock::Pack(std::string_view cp932Path) {
    Bytes bytes{};
    std::copy_n(cp932Path.begin(), std::min(cp932Path.size(), bytes.size()), bytes.begin());
    return bytes;
}

bool CSharedBlock::Matches(const Bytes& block, std::string_view cp932Path) {
    const Bytes path = Pack(cp932Path);
    for (std::size_t i = 0; i < block.size(); ++i) {
        if (block[i] != path[i]) {
            return false;
        }
        if (block[i] == '\0') {
            return true;
        }
    }
    return true;
}

std::optional<std::string> CSharedBlock::EncodePath(const std::string& utf8Path) {
    std::string out;
    if (!CCp932::Encode(utf8Path, out)) {
        return std::nullopt;
    }
    return out;
}
