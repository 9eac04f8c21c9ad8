// One line of a CSV file split into its fields: what the import hands to
// CPerson::FromCsvFields, what CPerson::ToCsvFields fills for the export, and
// what the rejection report shows again as text. The fields lie back to back
// in one buffer: a file of a hundred thousand lines makes a hundred thousand
// of these, and one allocation per line instead of one per field counts.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CLineCSV {
public:
    CLineCSV() = default;
    CLineCSV(std::initializer_list<std::string_view> fields);
    explicit CLineCSV(const std::vector<std::string>& fields);

    void Add(std::string_view field);
    void Reserve(std::size_t bytes, std::size_t fields);
    // None beyond the last field: the caller tells a missing column from an empty one.
    std::optional<std::string_view> Field(std::size_t index) const;
    std::size_t Count() const { return ends_.size(); }
    std::vector<std::string> Fields() const;

    // The line as the export writes it, without a line break. A field with a
    // comma, a double quote or a line feed is quoted, its quotes doubled and
    // its CR LF pairs written as a bare LF, so the import reads it back as it
    // was.
    std::string ToText() const;
    static void AppendFieldText(std::string& out, std::string_view field);

    friend bool operator==(const CLineCSV&, const CLineCSV&) = default;

private:
    std::string text_;
    std::vector<std::size_t> ends_;  // where each field ends in text_
};
