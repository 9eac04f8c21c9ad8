#include "interchange/CGedcomTransfer.h"

#include "interchange/CGedcomReader.h"
#include "model/CCategoryTable.h"
#include "model/CDocHost.h"
#include "model/CFileError.h"
#include "model/CFileIO.h"
#include "model/CVitachronDoc.h"
#include "model/LocalTime.h"
#include "res/Strings.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

namespace {

constexpr std::uint64_t kReadingShare = 800;

std::uint64_t Scaled(std::uint64_t done, std::uint64_t total, std::uint64_t from, std::uint64_t to) {
    if (total == 0 || done >= total) {
        return to;
    }
    return from + static_cast<std::uint64_t>(static_cast<double>(done) / static_cast<double>(total) *
                                              static_cast<double>(to - from));
}

// New categories' colours: distinct from every category of the table and
// from each other, the palette's first, then around the colour wheel.
class ColorPicker {
public:
    explicit ColorPicker(const CCategoryTable& table) {
        for (std::size_t i = 0; i < table.Size(); ++i) {
            used_.insert(table.At(i)->color);
        }
    }

    std::uint32_t Next() {
        while (palette_ < CCategoryTable::PaletteSize()) {
            const std::uint32_t c = CCategoryTable::PaletteColor(palette_++);
            if (used_.insert(c).second) {
                return c;
            }
        }
        for (;;) {
            const double hue = std::fmod(static_cast<double>(step_) * 137.508, 360.0);
            const double saturation = 0.45 + 0.2 * static_cast<double>(step_ % 3);
            const double value = 0.95 - 0.15 * static_cast<double>((step_ / 3) % 3);
            ++step_;
            const std::uint32_t c = Hsv(hue, saturation, value);
            if (used_.insert(c).second) {
                return c;
            }
        }
    }

private:
    static std::uint32_t Hsv(double h, double s, double v) {
        const double c = v * s;
        const double x = c * (1 - std::fabs(std::fmod(h / 60.0, 2.0) - 1));
        const double m = v - c;
        double r = 0;
        double g = 0;
        double b = 0;
        switch (static_cast<int>(h / 60.0) % 6) {
        case 0: r = c; g = x; break;
        case 1: r = x; g = c; break;
        case 2: g = c; b = x; break;
        case 3: g = x; b = c; break;
        case 4: r = x; b = c; break;
        default: r = c; b = x; break;
        }
        const auto byte = [&](double u) { return static_cast<std::uint32_t>(std::lround((u + m) * 255.0)) & 0xFF; };
        return byte(r) | byte(g) << 8 | byte(b) << 16;  // 0x00BBGGRR
    }

    std::unordered_set<std::uint32_t> used_;
    int palette_ = 0;
    std::size_t step_ = 0;
};

std::string GroupName(const CGedcomReader::Person& p, GedcomGrouping grouping, const std::string& fileCategory) {
    switch (grouping) {
    case GedcomGrouping::File:
        return p.category.empty() ? fileCategory : p.category;
    case GedcomGrouping::Surname:
        return p.surname.empty() ? std::string(Str::kGedNoSurname) : p.surname;
    case GedcomGrouping::Sex:
        return p.sex == 'M' ? Str::kGedSexMale : p.sex == 'F' ? Str::kGedSexFemale : Str::kGedSexUnknown;
    }
    return fileCategory;
}

}  // namespace

CGedcomImportResult CGedcomTransfer::Import(CVitachronDoc& doc, const std::filesystem::path& file,
                                            const CGedcomImportOptions& options, const ProgressCallback& progress) {
    const int year = options.currentYear != 0 ? options.currentYear : CurrentLocalYear();
    CGedcomReader reader(year);
    ProgressCallback reading;
    ProgressCallback making;
    if (progress) {
        reading = [&progress](std::uint64_t done, std::uint64_t total) {
            return progress(Scaled(done, total, 0, kReadingShare), kProgressScale);
        };
        making = [&progress](std::uint64_t done, std::uint64_t total) {
            return progress(Scaled(done, total, kReadingShare, kProgressScale), kProgressScale);
        };
    }
    if (!reader.ReadFile(file, reading)) {
        CGedcomImportResult result;
        if (reader.FailureKind() == CGedcomReader::Failure::Cancelled) {
            result.cancelled = true;
        } else {
            doc.Host().ShowMessage(reader.FailureText(), CDocHost::MessageKind::Error);
        }
        return result;
    }
    const std::u8string stem = file.stem().u8string();
    return AddPeople(doc, reader, std::string(stem.begin(), stem.end()), options, making);
}

CGedcomImportResult CGedcomTransfer::AddPeople(CVitachronDoc& doc, CGedcomReader& reader,
                                               const std::string& fileCategory, const CGedcomImportOptions& options,
                                               const ProgressCallback& progress) {
    CGedcomImportResult result;
    result.read = true;
    auto& people = reader.People();
    std::vector<std::string> names(people.size());
    for (std::size_t i = 0; i < people.size(); ++i) {
        names[i] = GroupName(people[i], options.grouping, fileCategory);
    }
    if (options.grouping == GedcomGrouping::Surname) {
        std::unordered_map<std::string, std::size_t> counts;
        for (const std::string& n : names) {
            ++counts[n];
        }
        if (counts.size() > kMaxSurnameCategories) {
            std::vector<std::pair<std::string, std::size_t>> byCount(counts.begin(), counts.end());
            std::sort(byCount.begin(), byCount.end(), [](const auto& a, const auto& b) {
                return a.second != b.second ? a.second > b.second : a.first < b.first;
            });
            std::unordered_set<std::string> kept;
            for (std::size_t i = 0; i + 1 < kMaxSurnameCategories; ++i) {
                kept.insert(byCount[i].first);
            }
            for (std::string& n : names) {
                if (kept.count(n) == 0) {
                    n = Str::kGedOtherSurnames;
                }
            }
        }
    }
    if (progress && !progress(0, people.size())) {
        result.cancelled = true;
        return result;
    }
    // The categories first, each looked up or made once, so that adding the
    // people cannot fail half way and leave some added.
    CCategoryTable& table = doc.CategoryTable();
    std::unordered_map<std::string, CCategory*> categories;
    for (std::size_t i = 0; i < table.Size(); ++i) {
        categories.emplace(table.At(i)->name, table.At(i));  // the first of a name, as the table's lookup finds it
    }
    std::vector<std::string> missing;
    for (const std::string& n : names) {
        if (categories.find(n) == categories.end()) {
            categories.emplace(n, nullptr);
            missing.push_back(n);
        }
    }
    ColorPicker colors(table);
    for (const std::string& n : missing) {
        categories[n] = table.Add(colors.Next(), n, false);
    }
    if (progress && !progress(people.size(), people.size())) {
        // Nothing added; the categories made stay, unused, as after an undo.
        result.cancelled = true;
        return result;
    }
    for (std::size_t i = 0; i < people.size(); ++i) {
        std::unique_ptr<CPerson>& p = people[i].person;
        p->category = categories[names[i]];
        p->categoryName = names[i];
        p->kazoe = options.kazoe;
        doc.AppendPerson(std::move(p));
        ++result.added;
    }
    people.clear();
    doc.Refresh();
    result.reportText = reader.ReportText();
    return result;
}

std::string CGedcomTransfer::ExportText(const CVitachronDoc& doc, CGedcomWriter::Version version) {
    std::vector<const CPerson*> people;
    people.reserve(doc.People().size());
    for (const auto& p : doc.People()) {
        people.push_back(p.get());
    }
    std::string out;
    CGedcomWriter(version).Write(people, out);
    return out;
}

bool CGedcomTransfer::Export(const CVitachronDoc& doc, const std::filesystem::path& file,
                             CGedcomWriter::Version version, const ProgressCallback& progress) {
    std::vector<const CPerson*> people;
    people.reserve(doc.People().size());
    for (const auto& p : doc.People()) {
        people.push_back(p.get());
    }
    std::string out;
    if (!CGedcomWriter(version).Write(people, out, progress)) {
        return false;  // cancelled: nothing written
    }
    try {
        CFileIO::WriteFileAtomically(file, out);
    } catch (const CFileError& e) {
        doc.Host().ShowMessage(std::string(Str::kFileWriteFailed) + "\n" + e.Reason() + "\n" + Str::kGedNotWritten,
                               CDocHost::MessageKind::Error);
        return false;
    }
    return true;
}

std::filesystem::path CGedcomTransfer::ProposedPath(const std::filesystem::path& documentPath) {
    if (documentPath.empty()) {
        return {};
    }
    std::filesystem::path path = documentPath;
    return path.replace_extension("ged");
}
