// The CSV file the benchmarks import: fixed content in code page 932, with
// dates of every precision, uncertain and living people, quoted names with
// commas, eight categories, and every third comment quoted over three
// physical lines.
#pragma once

#include "model/CCp932.h"

#include <string>

// Deterministic: every run and every machine reads the same file.
inline std::string MakeBenchCsv(int lines) {
    static const char* const names[] = {"織田信長", "豊臣秀吉", "徳川家康", "表ソ能ア", "Doe, John", "紫式部", "清少納言"};
    static const char* const categories[] = {"政治", "武将", "文化", "学者", "", "宗教", "芸術", "科学"};
    std::string utf8;
    utf8.reserve(static_cast<std::size_t>(lines) * 110);
    for (int i = 0; i < lines; ++i) {
        const int birth = 500 + i % 1500;
        utf8 += std::to_string(birth) + "/" + std::to_string(i % 12 + 1) + "/" + std::to_string(i % 28 + 1);
        utf8 += i % 17 == 0 ? "?," : ",";
        utf8 += i % 9 == 0 ? "" : std::to_string(birth + 20 + i % 60);
        utf8 += ",";
        const std::string name = std::string(names[i % 7]) + std::to_string(i);
        utf8 += name.find(',') != std::string::npos ? "\"" + name + "\"" : name;
        utf8 += ",よみ" + std::to_string(i % 100) + "," + categories[i % 8] + ",";
        if (i % 3 == 0) {
            utf8 += "\"一行目の補足説明, \"\"引用\"\"\n二行目\n三行目\"";
        } else {
            utf8 += "補足\\r\\n説明";
        }
        utf8 += "\r\n";
    }
    std::string bytes;
    CCp932::Encode(utf8, bytes);
    return bytes;
}
