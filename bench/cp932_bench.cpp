// Code page 932 codec: the first conversion of a process (any table setup
// included), then a million short names each way, as loading and saving a
// document of a million people converts them. Prints figures; asserts nothing.
#include "model/CCp932.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
    auto start = std::chrono::steady_clock::now();
    const std::string first = CCp932::Decode("\x88\xc0\x93\xa1");
    std::printf("first conversion           %8.3f ms\n", SecondsSince(start) * 1e3);

    // Family and given names of kanji, kana and a Latin initial, 5 to 9
    // characters: the mix a list of people holds.
    const char* const parts[] = {"佐藤", "鈴木", "高橋", "田中", "渡辺", "伊藤", "山本", "中村",
                                 "花子", "太郎", "ゆかり", "ケンジ", "Ｍ．", "健一", "美咲", "翔"};
    constexpr std::size_t kCount = 1000000;
    std::vector<std::string> names;
    names.reserve(kCount);
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < kCount; ++i) {
        std::string name = parts[i % 8];
        name += "　";
        name += parts[8 + (i / 8) % 8];
        if (i % 3 == 0) {
            name += parts[(i / 64) % 16];
        }
        bytes += name.size();
        names.push_back(std::move(name));
    }

    // Best of five runs: the machine may be busy. Encoding appends to one
    // buffer, as saving does; decoding makes each name's string.
    std::string encoded;
    std::vector<std::size_t> ends(kCount);
    double encode = 1e9;
    double decode = 1e9;
    std::size_t decodedBytes = 0;
    for (int run = 0; run < 5; ++run) {
        encoded.clear();
        start = std::chrono::steady_clock::now();
        for (std::size_t i = 0; i < kCount; ++i) {
            CCp932::Encode(names[i], encoded);
            ends[i] = encoded.size();
        }
        encode = std::min(encode, SecondsSince(start));
        decodedBytes = 0;
        start = std::chrono::steady_clock::now();
        std::size_t from = 0;
        for (const std::size_t to : ends) {
            decodedBytes += CCp932::Decode(std::string_view(encoded).substr(from, to - from)).size();
            from = to;
        }
        decode = std::min(decode, SecondsSince(start));
    }
    std::printf("encode 1,000,000 names     %8.1f ms  (%.0f MB/s of UTF-8)\n", encode * 1e3, bytes / encode / 1e6);
    std::printf("decode 1,000,000 names     %8.1f ms  (%.0f MB/s of UTF-8)\n", decode * 1e3,
                decodedBytes / decode / 1e6);
    return first.empty() || decodedBytes != bytes ? 1 : 0;
}
