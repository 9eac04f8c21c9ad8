#include "platform/CProfileFile.h"

#include "model/CFileIO.h"

#include <wx/fileconf.h>
#include <wx/log.h>

#include <set>
#include <string>
#include <system_error>

namespace {

namespace fs = std::filesystem;

// A profile holds a few hundred short lines; a larger file is not one.
constexpr std::uint64_t kMaxProfileBytes = 16 << 20;

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// "[name]" with its escapes ("\]" does not close it); false when malformed.
bool ReadGroup(std::string_view line, std::string& name) {
    name.clear();
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) {
            name += line[++i];
        } else if (line[i] == ']') {
            const std::string_view rest = Trim(line.substr(i + 1));
            return !Trim(name).empty() && (rest.empty() || rest.front() == ';' || rest.front() == '#');
        } else {
            name += line[i];
        }
    }
    return false;
}

std::unique_ptr<wxFileConfig> MakeConfig(std::string_view appName, std::string_view vendor, const fs::path& file) {
    return std::make_unique<wxFileConfig>(wxString::FromUTF8(appName.data(), appName.size()),
                            wxString::FromUTF8(vendor.data(), vendor.size()),
                            file.empty() ? wxString() : wxString::FromUTF8(file.string()), wxString(),
                            file.empty() ? 0 : wxCONFIG_USE_LOCAL_FILE);
}

}  // namespace

bool CProfileFile::IsWellFormed(std::string_view text) {
    std::set<std::string> seen;  // "group\nentry" and "group\n"
    std::string group;
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = Trim(text.substr(at, end - at));
        at = end + 1;
        if (line.empty() || line.front() == ';' || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            if (!ReadGroup(line, group)) {
                return false;
            }
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string_view::npos) {
            return false;
        }
        const std::string_view name = Trim(line.substr(0, eq));
        if (name.empty() || !seen.insert(group + '\n' + std::string(name)).second) {
            return false;
        }
    }
    return true;
}

CProfileFile::Opened CProfileFile::Open(const fs::path& file, std::string_view appName, std::string_view vendor) {
    Opened opened;
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    // Whatever the toolkit still finds to say goes nowhere: the caller
    // reports the problem once, in the program's words.
    wxLogNull quiet;
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        opened.problem = Problem::NotAFile;
        opened.config = MakeConfig(appName, vendor, {});
        return opened;
    }
    std::string text;
    if (fs::exists(status) && CFileIO::TryReadFile(file, text, kMaxProfileBytes) && !IsWellFormed(text)) {
        fs::path aside = file;
        aside += ".damaged";
        fs::rename(file, aside, ec);
        opened.problem = Problem::Damaged;
        if (ec) {
            // Not even kept aside: the defaults hold for this run and the file stays.
            opened.config = MakeConfig(appName, vendor, {});
            return opened;
        }
        opened.keptAs = aside;
    }
    opened.config = MakeConfig(appName, vendor, file);
    return opened;
}
