#include "interchange/CLineCSV.h"

std::string CLineCSV::ToText() const {
    std::string out;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        AppendFieldText(out, fields_[i]);
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
