// The document: the people in stored and display order, the category table
// and every setting, with the operations that change them. It knows nothing
// of windows: its observers hear what changed (CDocChange), and the few
// things it must ask of whoever shows it go through CDocHost.
#pragma once

#include "model/CCategoryTable.h"
#include "model/CDocChange.h"
#include "model/CDocSettings.h"
#include "model/CPerson.h"
#include "model/CTextArena.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CArchiveReader;
class CDocHost;
class CProfile;

class CVitachronDoc {
public:
    static constexpr std::int32_t kDocumentVersion = 17;

    // sharedCategoryFile is "color.tbl"; an empty path means none.
    CVitachronDoc(CDocHost& host, CProfile& profile, std::filesystem::path sharedCategoryFile);
    CVitachronDoc(CVitachronDoc&&) = default;
    CVitachronDoc& operator=(CVitachronDoc&&) = default;
    CVitachronDoc(const CVitachronDoc&) = delete;
    CVitachronDoc& operator=(const CVitachronDoc&) = delete;

    // File–New: all people go, the settings start again from the profile.
    void OnNewDocument();

    // Reading leaves the document exactly as it was when it fails (throws
    // CFormatError or CFileError); on success it replaces the content and sorts.
    void LoadFromBytes(std::string_view bytes);
    // Reads the file a piece at a time: it is never all in memory at once.
    void OpenFile(const std::filesystem::path& file);
    // Takes the content of a document read with another host (one that
    // checked a file before anything else was closed), as if it had been
    // read here; the host, profile and observers stay this one's. Its
    // display order comes along as it is: a document just read is sorted,
    // and a million people are not sorted twice.
    void TakeLoaded(CVitachronDoc&& loaded);
    std::string SaveToBytes() const;
    // Atomic: the old file survives any failure. Throws CFileError.
    void SaveFile(const std::filesystem::path& file) const;

    // People.
    const std::vector<std::unique_ptr<CPerson>>& People() const { return people_; }
    const std::vector<CPerson*>& DisplayOrder() const { return displayOrder_; }
    CPerson* GetDisplayed(int row) const;
    int StoredIndexOf(const CPerson* person) const;
    void AppendPerson(std::unique_ptr<CPerson> person);
    void DeletePerson(int row);
    // Stored-order edits for the data list and undo; callers sort afterwards.
    std::unique_ptr<CPerson> TakePersonAt(std::size_t index);
    void InsertPersonAt(std::size_t index, std::unique_ptr<CPerson> person);
    // The last count people of the stored order (all of them when there are
    // fewer), in stored order: undoing an import in one go. The display
    // order is left empty until the caller sorts.
    std::vector<std::unique_ptr<CPerson>> TakeLastPeople(std::size_t count);
    void MovePerson(std::size_t from, std::size_t to);

    void Sort();
    // currentIndex reset, sorted, and the observers told of what changed,
    // the new order and that the document is modified.
    void Refresh(CDocChange what = CDocChange::People);

    // Observers hear of every change until they are removed; the document
    // keeps them when a file replaces its content.
    void AddObserver(CDocObserver& observer);
    void RemoveObserver(CDocObserver& observer);
    // Tells every observer. Code that changes settings in place (the
    // settings dialogs) says here what it changed.
    void NotifyChanged(CDocChange changes);

    // The name search: from the row after the current one, no wrap-around.
    int FindNext(const std::string& text) const;
    int CurrentIndex() const { return currentIndex_; }
    void SetCurrentIndex(int row) { currentIndex_ = row; }

    // Categories.
    CCategoryTable& CategoryTable() { return categoryTable_; }
    const CCategoryTable& CategoryTable() const { return categoryTable_; }
    CCategory* DefaultCategory() const { return defaultCategory_; }
    void ResolveCategoryAfterLoad(CPerson& person);
    bool AssignImportedCategory(CPerson& person, int rowIndex);
    const std::filesystem::path& SharedCategoryFile() const { return sharedCategoryFile_; }

    // Settings and what derives from them.
    CDocSettings& Settings() { return settings_; }
    const CDocSettings& Settings() const { return settings_; }
    std::int64_t FirstDrawnYear() const;
    std::int64_t LastDrawnYear() const;
    // Where a person stands at a year, for the colour of the figure at the
    // base year: a life that ended counts on from birth unless memorial
    // counting is chosen.
    enum class BaseYearState { BeforeBirth, Alive, AfterDeath, Memorial };
    BaseYearState StateAtBaseYear(const CPerson& person, std::int64_t year) const;
    std::uint32_t BaseColor(BaseYearState state) const;

    void SetZoom(int percent);

    // Links.
    const std::vector<std::string>& HtmlPaths() const { return htmlPaths_; }
    int HtmlPathLimit() const { return htmlPathLimit_; }
    void AddHtmlPath(const std::string& path);
    // The history as the link dialog rebuilt it, oldest first.
    void SetHtmlPaths(std::vector<std::string> paths) { htmlPaths_ = std::move(paths); }
    std::optional<std::string> LastHtmlPath() const;
    const std::string& LinkedDocument() const { return linkedDocument_; }
    void SetLinkedDocument(const std::string& path);

    // The record version of the file last read (kDocumentVersion for a new document).
    int LoadedVersion() const { return loadedVersion_; }

    CDocHost& Host() const { return *host_; }
    CProfile& Profile() const { return *profile_; }

private:
    friend class CDocumentFile;

    void InitialiseSettings();
    void ReadProfileSettings();
    void Load(CArchiveReader& ar);

    CDocHost* host_;
    CProfile* profile_;
    std::vector<CDocObserver*> observers_;
    std::filesystem::path sharedCategoryFile_;

    // The long texts of the people read from the file: before people_, so
    // that it goes after them. A person leaving the document owns its texts.
    CTextArena longTexts_;
    std::vector<std::unique_ptr<CPerson>> people_;
    std::vector<CPerson*> displayOrder_;
    int currentIndex_ = -1;
    CCategoryTable categoryTable_;
    CCategory* defaultCategory_ = nullptr;
    std::vector<std::string> htmlPaths_;
    int htmlPathLimit_ = 5;
    std::string linkedDocument_;
    CDocSettings settings_;
    int loadedVersion_ = kDocumentVersion;
};
