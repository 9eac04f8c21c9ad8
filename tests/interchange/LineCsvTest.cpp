#include "interchange/CImportCSV.h"
#include "interchange/CLineCSV.h"

#include <gtest/gtest.h>

TEST(CLineCSV, FieldsAreQuotedOnlyWhenTheyMustBe) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"1900/10/1[頃]?", "", "Doe, John"}, "1900/10/1[頃]?,,\"Doe, John\""},
        {{"say \"hi\" \"twice\""}, "\"say \"\"hi\"\" \"\"twice\"\"\""},
        {{"line one\r\nline two"}, "\"line one\nline two\""},
        // A comma and a line break together: the CR LF still becomes LF.
        {{"a,b\r\nc"}, "\"a,b\nc\""},
        // A line feed on its own would end the line unquoted.
        {{"a\nb"}, "\"a\nb\""},
        {{"a\rb"}, "a\rb"},
        {{"表ソ能ア"}, "表ソ能ア"},
        {{""}, ""},
        {{"", ""}, ","},
    };
    for (const auto& [fields, text] : cases) {
        EXPECT_EQ(CLineCSV(fields).ToText(), text) << text;
    }
}

TEST(CLineCSV, FieldAccessTellsMissingFromEmpty) {
    CLineCSV line;
    line.Add("");
    ASSERT_TRUE(line.Field(0));
    EXPECT_EQ(*line.Field(0), "");
    EXPECT_FALSE(line.Field(1));
    EXPECT_EQ(line.Count(), 1u);
}

TEST(CLineCSV, TextReadsBackToTheSameFields) {
    // Fields as the reader can produce them: trimmed, no bare line feeds.
    const std::vector<std::string> fields = {
        "plain", "", "with, comma", "\"quoted\"", "\"", "\"\"", "a\"b", "表\\r\\nソ", "x\ry", ",", "能\"ア,"};
    const CLineCSV line(fields);
    EXPECT_EQ(CImportCSV::SplitLine(line.ToText()).Fields(), fields);
}
