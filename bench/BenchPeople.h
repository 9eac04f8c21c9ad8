// Fixed, reproducible documents for the benchmarks: people with kana
// readings, full and partial dates, living people and categories.
#pragma once

#include "model/CVitachronDoc.h"

#include <chrono>
#include <cstdint>
#include <fstream>
#include <string>

class CBenchRandom {
public:
    explicit CBenchRandom(std::uint64_t seed) : state_(seed) {}
    std::uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<std::uint32_t>(state_);
    }
    int Between(int low, int high) { return low + static_cast<int>(Next() % static_cast<std::uint32_t>(high - low + 1)); }

private:
    std::uint64_t state_;
};

inline void FillDocument(CVitachronDoc& doc, std::size_t count, std::uint64_t seed = 42) {
    static const char* const kana[] = {"あ", "い", "う", "え", "お", "か", "き", "く", "け", "こ", "さ", "し",
                                       "す", "せ", "そ", "た", "ち", "つ", "て", "と", "な", "に", "ぬ", "ね",
                                       "の", "は", "ひ", "ふ", "へ", "ほ", "ま", "み", "む", "め", "も", "や",
                                       "ゆ", "よ", "ら", "り", "る", "れ", "ろ", "わ", "を", "ん"};
    static const char* const kanji[] = {"田", "中", "山", "川", "藤", "原", "木", "村", "井", "上", "松", "本"};
    static const char* const categories[] = {"政治", "武将", "文化", "学者", "家族", "宗教", "芸能", "科学"};
    CBenchRandom rnd(seed);
    for (std::size_t i = 0; i < count; ++i) {
        auto p = std::make_unique<CPerson>();
        const int nameLength = rnd.Between(2, 4);
        for (int k = 0; k < nameLength; ++k) {
            p->name += kanji[rnd.Next() % 12];
        }
        const int readingLength = rnd.Between(3, 6);
        for (int k = 0; k < readingLength; ++k) {
            p->reading += kana[rnd.Next() % 46];
        }
        const int birth = rnd.Between(500, 2000);
        p->birthMonth = rnd.Between(0, 2) == 0 ? -1 : rnd.Between(1, 12);
        p->birthDay = p->birthMonth == -1 ? -1 : rnd.Between(1, 28);
        p->SetBirth(CScaleYear(birth));
        if (rnd.Between(0, 9) != 0) {  // one in ten is living
            p->deathMonth = rnd.Between(1, 12);
            p->deathDay = rnd.Between(1, 28);
            p->SetDeath(CScaleYear(birth + rnd.Between(1, 90)));
        }
        if (rnd.Between(0, 4) == 0) {
            p->comment = "補足説明の例です。\r\n二行目。";
        }
        p->hideBirth = rnd.Between(0, 99) == 0;
        p->categoryName = categories[rnd.Next() % 8];
        doc.AssignImportedCategory(*p, static_cast<int>(i));
        doc.AppendPerson(std::move(p));
    }
}

inline double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Resident memory now and at its peak, in MB (Linux).
inline void ReadMemory(double& currentMb, double& peakMb) {
    currentMb = peakMb = 0;
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        double kb = 0;
        if (key == "VmRSS:" && status >> kb) {
            currentMb = kb / 1024;
        } else if (key == "VmHWM:" && status >> kb) {
            peakMb = kb / 1024;
        }
    }
}
