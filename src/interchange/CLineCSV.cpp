#include "interchange/CLineCSV.h"

CLineCSV::CLineCSV(std::initializer_list<std::string_view> fields) {
    for (const auto f : fields) {
        Add(f);
    }
}

CLineCSV::CLineCSV(const std::vector<std::string>& fields) {
    for (const auto& f : fields) {
        Add(f);
    }
}

void CLineCSV::Add(std::string_view field) {
    text_ += field;
    ends_.push_back(text_.size());
}

void CLineCSV::Reserve(std::size_t bytes, std::size_t fields) {
    text_.reserve(bytes);
    ends_.reserve(fields);
}

std::optional<std::string_view> CLineCSV::Field(std::size_t index) const {
    if (index >= ends_.size()) {
        return std::nullopt;
    }
    const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(text_).substr(begin, ends_[index] - begin);
}

std::vector<std::string> CLineCSV::Fields() const {
    std::vector<std::string> fields;
    fields.reserve(ends_.size());
    for (std::size_t i = 0; i < ends_.size(); ++i) {
        fields.emplace_back(*Field(i));
    }
    return fields;
}

std::string CLineCSV::ToText() const {
    std::string out;
    out.reserve(text_.size() + ends_.size() + 8);
    for (std::size_t i = 0; i < ends_.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        AppendFieldText(out, *Field(i));
    }
    return out;
}

void CLineCSV::AppendFieldText(std::string& out, std::string_view field) {
    // A line feed must be quoted too: unquoted it would end the line on reading.
    if (field.find_first_of(",\"\n") == std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (std::size_t i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '"') {
            out += "\"\"";
        } else if (c == '\r' && i + 1 < field.size() && field[i + 1] == '\n') {
            // The reader turns the LF back into a line break; a CR kept here
            // would come back as a stray CR before it.
            out += '\n';
            ++i;
        } else {
            out += c;
        }
    }
    out += '"';
}
