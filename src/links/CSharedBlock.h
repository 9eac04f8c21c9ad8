// The 1000-byte block through which the two programs name a document: the
// sender of a query writes a path in code page 932, the others read it.
// A path of 1000 bytes or more fills the block with no terminating zero, so
// every copy and comparison stops at 1000 bytes.
#pragma once

#include "links/CSharedMemory.h"
#include "links/LinkProtocol.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

class CSharedBlock {
public:
    using Bytes = std::array<char, LinkProtocol::kBlockSize>;

    explicit CSharedBlock(const std::string& name = LinkProtocol::kBlockName,
                          CSharedMemory::Mode mode = CSharedMemory::Mode::CreateOrOpen);

    bool IsOpen() const { return memory_.IsOpen(); }
    int Error() const { return memory_.Error(); }
    // The block is unusable afterwards: IsOpen() is false.
    void Release() { memory_.Release(); }

    // cp932Path is already in code page 932 (see EncodePath). Both return 0,
    // or why the block cannot be used (CSharedMemory::Read's codes): another
    // process may have shrunk it or put something else under its name.
    int Write(std::string_view cp932Path);
    int Read(Bytes& bytes) const;
    // False also when the block cannot be read.
    bool Holds(std::string_view cp932Path) const;

    // The path as the block holds it: at most 1000 bytes, zero-padded.
    static Bytes Pack(std::string_view cp932Path);
    // Compared as the C library compares at most 1000 characters: equal up
    // to the first zero, so bytes a writer left behind its terminator do not
    // matter, and a 1000-byte path needs no terminator at all.
    static bool Matches(const Bytes& block, std::string_view cp932Path);
    // A UTF-8 path in code page 932; none when it has a character that code
    // page cannot hold (such a path cannot be named through the block).
    static std::optional<std::string> EncodePath(const std::string& utf8Path);

private:
    CSharedMemory memory_;
};
