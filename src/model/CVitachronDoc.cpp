#include "model/CVitachronDoc.h"

#include "model/CArchiveReader.h"
#include "model/CDocHost.h"
#include "model/CDocumentFile.h"
#include "model/CFileError.h"
#include "model/CFileIO.h"
#include "model/CPeopleSorter.h"
#include "model/CProfile.h"
#include "model/LocalTime.h"
#include "model/ProfileKeys.h"
#include "model/Utf8Path.h"

#include <algorithm>
#include <iterator>

namespace PK = ProfileKeys;

namespace {

// Rounds toward minus infinity to a multiple of step.
std::int64_t FloorTo(std::int64_t v, std::int64_t step) {
    const std::int64_t r = ((v % step) + step) % step;
    return v - r;
}

std::int64_t CeilTo(std::int64_t v, std::int64_t step) {
    const std::int64_t r = ((v % step) + step) % step;
    return r == 0 ? v : v + (step - r);
}

}  // namespace

CVitachronDoc::CVitachronDoc(CDocHost& host, CProfile& profile, std::filesystem::path sharedCategoryFile)
    : host_(&host), profile_(&profile), sharedCategoryFile_(std::move(sharedCategoryFile)) {
    InitialiseSettings();
    Sort();
}

void CVitachronDoc::InitialiseSettings() {
    settings_ = CDocSettings{};
    settings_.endYear = CurrentLocalYear();
    currentIndex_ = -1;
    linkedDocument_.clear();
    loadedVersion_ = kDocumentVersion;

    categoryTable_.Clear();
    if (!sharedCategoryFile_.empty()) {
        categoryTable_.LoadShared(sharedCategoryFile_);
    }
    defaultCategory_ = categoryTable_.UnsetCategory();

    ReadProfileSettings();
    settings_.ageColors.fill(settings_.basisColor);
}

void CVitachronDoc::ReadProfileSettings() {
    const CProfile& p = *profile_;
    CDocSettings& s = settings_;
    const auto color = [&](const char* entry, std::uint32_t def) {
        return static_cast<std::uint32_t>(p.GetInt(PK::kColor, entry, static_cast<int>(def)));
    };
    s.nameColor = color(PK::kColorName, 0);
    s.beginEndColor = color(PK::kColorBeginEnd, 0);
    s.headerYearColor = color(PK::kColorHeaderYear, 0);
    s.backColor = color(PK::kColorBack, 0xFFFFFF);
    s.basisColor = color(PK::kColorBasis, 0xFF0000);
    s.suppleColor = color(PK::kColorSupple, 255);
    for (std::size_t i = 0; i < s.customColors.size(); ++i) {
        const int v = p.GetInt(PK::kColor, PK::kColorCustomPrefix + std::to_string(i), 0xFFFFFF);
        s.customColors[i] = v == -1 ? 0xFFFFFFu : static_cast<std::uint32_t>(v);
    }

    s.fontName = CLogFont::Default();
    s.fontScale = CLogFont::Default();
    s.fontYear = CLogFont::Default();
    s.fontBasis = CLogFont::Default();
    p.GetProfileFont(PK::kFontName, s.fontName);
    p.GetProfileFont(PK::kFontScale, s.fontScale);
    p.GetProfileFont(PK::kFontYear, s.fontYear);
    p.GetProfileFont(PK::kFontBasis, s.fontBasis);

    htmlPaths_.clear();
    for (int i = 0;; ++i) {
        const std::string path = p.GetString(PK::kHtmlPath, std::to_string(i), "");
        if (path.empty()) {
            break;
        }
        AddHtmlPath(path);
    }

    s.kazoeAster = p.GetInt(PK::kInit, PK::kInitKazoeAster, 1) == 1;
    s.commentSeparator = p.GetString(PK::kInit, PK::kInitComment, "##");
    s.displayYearRange = p.GetInt(PK::kInit, PK::kInitDisplayYearRange, 1) == 1;
    s.displayAge = p.GetInt(PK::kInit, PK::kInitDisplayAge, 1) == 1;
    s.displaySuppleMark = p.GetInt(PK::kInit, PK::kInitDisplaySuppleMark, 1) == 1;
    s.defaultBarLength = p.GetInt(PK::kInit, PK::kInitDefaultBarLength, 50);
}

void CVitachronDoc::OnNewDocument() {
    displayOrder_.clear();
    people_.clear();
    longTexts_ = CTextArena();
    InitialiseSettings();
    Sort();
    NotifyChanged(CDocChange::Replaced);
}

void CVitachronDoc::LoadFromBytes(std::string_view bytes) {
    CArchiveReader ar(bytes);
    Load(ar);
}

void CVitachronDoc::OpenFile(const std::filesystem::path& file) {
    CFileInput input = CFileIO::OpenInput(file, CDocumentFile::kMaxFileBytes);
    CArchiveReader ar(input);
    Load(ar);
}

void CVitachronDoc::Load(CArchiveReader& ar) {
    CVitachronDoc fresh(*host_, *profile_, sharedCategoryFile_);
    CDocumentFile::Read(ar, fresh);
    fresh.Sort();
    TakeLoaded(std::move(fresh));
}

void CVitachronDoc::TakeLoaded(CVitachronDoc&& loaded) {
    CDocHost* const host = host_;
    CProfile* const profile = profile_;
    std::filesystem::path sharedCategoryFile = std::move(sharedCategoryFile_);
    // The observers watch this document, whatever it holds.
    std::vector<CDocObserver*> observers = std::move(observers_);
    *this = std::move(loaded);
    host_ = host;
    profile_ = profile;
    sharedCategoryFile_ = std::move(sharedCategoryFile);
    observers_ = std::move(observers);
    NotifyChanged(CDocChange::Replaced);
}

std::string CVitachronDoc::SaveToBytes() const {
    const int leftWidth = host_->ShownLeftWidth().value_or(settings_.leftWidth);
    return CDocumentFile::Write(*this, leftWidth);
}

void CVitachronDoc::SaveFile(const std::filesystem::path& file) const {
    const std::string bytes = SaveToBytes();
    if (bytes.size() > CDocumentFile::kMaxFileBytes) {
        throw CFileError(Utf8FromPath(file), CFileError::Kind::TooLarge, 0, CDocumentFile::kMaxFileBytes);
    }
    CFileIO::WriteFileAtomically(file, bytes);
}

CPerson* CVitachronDoc::GetDisplayed(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= displayOrder_.size()) {
        return nullptr;
    }
    return displayOrder_[static_cast<std::size_t>(row)];
}

int CVitachronDoc::StoredIndexOf(const CPerson* person) const {
    const auto it = std::find_if(people_.begin(), people_.end(), [&](const auto& p) { return p.get() == person; });
    return it == people_.end() ? -1 : static_cast<int>(it - people_.begin());
}

void CVitachronDoc::AppendPerson(std::unique_ptr<CPerson> person) { people_.push_back(std::move(person)); }

void CVitachronDoc::DeletePerson(int row) {
    currentIndex_ = -1;
    CPerson* victim = GetDisplayed(row);
    if (victim == nullptr) {
        return;
    }
    // The display order must never hold a dangling pointer, not even briefly.
    displayOrder_.clear();
    const int index = StoredIndexOf(victim);
    if (index >= 0) {
        people_.erase(people_.begin() + index);
    }
    Sort();
}

std::unique_ptr<CPerson> CVitachronDoc::TakePersonAt(std::size_t index) {
    if (index >= people_.size()) {
        return nullptr;
    }
    std::unique_ptr<CPerson> person = std::move(people_[index]);
    person->OwnTexts();
    people_.erase(people_.begin() + static_cast<std::ptrdiff_t>(index));
    displayOrder_.erase(std::remove(displayOrder_.begin(), displayOrder_.end(), person.get()), displayOrder_.end());
    return person;
}

std::vector<std::unique_ptr<CPerson>> CVitachronDoc::TakeLastPeople(std::size_t count) {
    count = std::min(count, people_.size());
    // Cleared rather than searched row by row: a hundred thousand people
    // would take a hundred thousand passes over the display order.
    displayOrder_.clear();
    currentIndex_ = -1;
    const auto first = people_.end() - static_cast<std::ptrdiff_t>(count);
    std::vector<std::unique_ptr<CPerson>> taken(std::make_move_iterator(first), std::make_move_iterator(people_.end()));
    people_.erase(first, people_.end());
    for (const auto& person : taken) {
        person->OwnTexts();
    }
    return taken;
}

void CVitachronDoc::InsertPersonAt(std::size_t index, std::unique_ptr<CPerson> person) {
    index = std::min(index, people_.size());
    people_.insert(people_.begin() + static_cast<std::ptrdiff_t>(index), std::move(person));
}

void CVitachronDoc::MovePerson(std::size_t from, std::size_t to) {
    if (from >= people_.size() || to >= people_.size() || from == to) {
        return;
    }
    std::unique_ptr<CPerson> p = std::move(people_[from]);
    people_.erase(people_.begin() + static_cast<std::ptrdiff_t>(from));
    people_.insert(people_.begin() + static_cast<std::ptrdiff_t>(to), std::move(p));
}

void CVitachronDoc::Sort() {
    displayOrder_ = CPeopleSorter::Sort(people_, settings_.sortOrder, settings_.groupByCategory);
}

void CVitachronDoc::Refresh(CDocChange what) {
    currentIndex_ = -1;
    Sort();
    NotifyChanged(what | CDocChange::Order | CDocChange::Modified);
}

void CVitachronDoc::AddObserver(CDocObserver& observer) {
    if (std::find(observers_.begin(), observers_.end(), &observer) == observers_.end()) {
        observers_.push_back(&observer);
    }
}

void CVitachronDoc::RemoveObserver(CDocObserver& observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), &observer), observers_.end());
}

void CVitachronDoc::NotifyChanged(CDocChange changes) {
    // A copy: an observer may add or remove observers while it is told.
    const std::vector<CDocObserver*> observers = observers_;
    for (CDocObserver* observer : observers) {
        if (std::find(observers_.begin(), observers_.end(), observer) != observers_.end()) {
            observer->OnDocumentChanged(changes);
        }
    }
}

int CVitachronDoc::FindNext(const std::string& text) const {
    for (std::size_t row = static_cast<std::size_t>(std::max(currentIndex_ + 1, 0)); row < displayOrder_.size(); ++row) {
        if (displayOrder_[row]->name.find(text) != std::string::npos) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

void CVitachronDoc::ResolveCategoryAfterLoad(CPerson& person) {
    int i = categoryTable_.IndexOf(person.categoryColor, person.categoryName);
    if (i < 0) {
        i = categoryTable_.IndexOfColor(person.categoryColor);
    }
    person.category = i >= 0 ? categoryTable_.At(static_cast<std::size_t>(i))
                             : categoryTable_.Add(person.categoryColor, std::string(), false);
}

bool CVitachronDoc::AssignImportedCategory(CPerson& person, int rowIndex) {
    if (person.categoryName.empty()) {
        person.category = defaultCategory_;
        return person.category != nullptr;
    }
    if (const int i = categoryTable_.IndexOfName(person.categoryName); i >= 0) {
        person.category = categoryTable_.At(static_cast<std::size_t>(i));
        return true;
    }
    for (int k = 0; k < CCategoryTable::PaletteSize(); ++k) {
        const std::uint32_t color = CCategoryTable::PaletteColor(k);
        if (categoryTable_.IndexOfColor(color) < 0) {
            person.category = categoryTable_.Add(color, person.categoryName, false);
            return true;
        }
    }
    person.category = categoryTable_.Add(CCategoryTable::PaletteColor(rowIndex), person.categoryName, false);
    return person.category != nullptr;
}

std::int64_t CVitachronDoc::FirstDrawnYear() const {
    const std::int64_t half = std::max(settings_.labelStep / 2, 1);
    return FloorTo(settings_.startYear, half);
}

std::int64_t CVitachronDoc::LastDrawnYear() const {
    const std::int64_t half = std::max(settings_.labelStep / 2, 1);
    return CeilTo(settings_.endYear, half);
}

CVitachronDoc::BaseYearState CVitachronDoc::StateAtBaseYear(const CPerson& person, std::int64_t year) const {
    if (year < person.birth.value) {
        return BaseYearState::BeforeBirth;
    }
    if (year < person.death.value) {  // an unknown death is the largest value: never reached
        return BaseYearState::Alive;
    }
    if (settings_.countFromBirth || !settings_.memorialCount) {
        return BaseYearState::AfterDeath;
    }
    return BaseYearState::Memorial;
}

std::uint32_t CVitachronDoc::BaseColor(BaseYearState state) const {
    // The four colours are stored in the order of the states.
    return settings_.ageColors[static_cast<std::size_t>(state)];
}

void CVitachronDoc::SetZoom(int percent) {
    settings_.zoom = percent;
    NotifyChanged(CDocChange::Zoom);
}

void CVitachronDoc::AddHtmlPath(const std::string& path) {
    htmlPaths_.erase(std::remove(htmlPaths_.begin(), htmlPaths_.end(), path), htmlPaths_.end());
    htmlPaths_.push_back(path);
}

std::optional<std::string> CVitachronDoc::LastHtmlPath() const {
    if (htmlPaths_.empty()) {
        return std::nullopt;
    }
    return htmlPaths_.back();
}

void CVitachronDoc::SetLinkedDocument(const std::string& path) {
    linkedDocument_ = path;
    NotifyChanged(CDocChange::Modified);
}
