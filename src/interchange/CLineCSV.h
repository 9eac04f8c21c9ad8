// One line of a CSV file split into its fields: what the import hands to
// CPerson::FromCsvFields, what CPerson::ToCsvFields fills for the export, and
// what the rejection report shows again as text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CLineCSV {
public:
    CLineCSV() = default;
    explicit CLineCSV(std::vector<std::string> fields) : fields_(std::move(fields)) {}

    void Add(std::string field) { fields_.push_back(std::move(field)); }
    // None beyond the last field: the caller tells a missing column from an empty one.
    const std::string* Field(std::size_t index) const { return index < fields_.size() ? &fields_[index] : nullptr; }
    std::size_t Count() const { return fields_.size(); }
    const std::vector<std::string>& Fields() const { return fields_; }

    // The line as the export writes it, without a line break. A field with a
    // comma, a double quote or a line feed is quoted, its quotes doubled and
    // its CR LF pairs written as a bare LF, so the import reads it back as it
    // was.
    std::string ToText() const;
    static void AppendFieldText(std::string& out, std::string_view field);

    friend bool operator==(const CLineCSV&, const CLineCSV&) = default;

private:
    std::vector<std::string> fields_;
};
