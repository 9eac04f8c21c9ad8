#include "links/CSharedBlock.h"

#include "model/CCp932.h"

#include <algorithm>

CSharedBlock::CSharedBlock(const std::string& name, CSharedMemory::Mode mode)
    : memory_(name, LinkProtocol::kBlockSize, mode) {}

int CSharedBlock::Write(std::string_view cp932Path) {
    const Bytes bytes = Pack(cp932Path);
    return memory_.Write(0, bytes.data(), bytes.size());
}

int CSharedBlock::Read(Bytes& bytes) const { return memory_.Read(0, bytes.data(), bytes.size()); }

bool CSharedBlock::Holds(std::string_view cp932Path) const {
    Bytes bytes{};
    return Read(bytes) == 0 && Matches(bytes, cp932Path);
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
