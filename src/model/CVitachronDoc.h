// The document: the people in stored and display order, the category table
// and every setting, with the operations that change them. It knows nothing
// of windows; what it must cause outside itself goes through CDocHost.
#pragma once

#include "model/CCategoryTable.h"
#include "model/CDocSettings.h"
#include "model/CPerson.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CDocHost;
class CProfile;

struct CRectI {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool IsEmpty() const { return right <= left || bottom <= top; }
    friend bool operator==(const CRectI&, const CRectI&) = default;
};

class CVitachronDoc {
public:
    static constexpr std::int32_t kDocumentVersion = 17;
    static constexpr std::size_t kSearchHistoryLimit = 5;

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
    void OpenFile(const std::filesystem::path& file);
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
    // currentIndex reset, sorted, views updated, marked modified.
    void Refresh();

    // The name search: from the row after the current one, no wrap-around.
    int FindNext(const std::string& text);
    const std::vector<std::string>& SearchHistory() const { return searchHistory_; }
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
    int BaseState(const CPerson& person, std::int64_t year) const;
    std::uint32_t BaseColor(int state) const;

    void SetZoom(int percent);
    void ApplyFonts(int percent);

    // Links.
    const std::vector<std::string>& HtmlPaths() const { return htmlPaths_; }
    int HtmlPathLimit() const { return htmlPathLimit_; }
    void AddHtmlPath(const std::string& path);
    // The history as the link dialog rebuilt it, oldest first.
    void SetHtmlPaths(std::vector<std::string> paths) { htmlPaths_ = std::move(paths); }
    std::optional<std::string> LastHtmlPath() const;
    const std::string& LinkedDocument() const { return linkedDocument_; }
    void SetLinkedDocument(const std::string& path);

    // Kept in memory only.
    const CRectI& PersonDialogRect() const { return personDialogRect_; }
    void SetPersonDialogRect(const CRectI& r) { personDialogRect_ = r; }
    bool LastKazoeChoice() const { return lastKazoeChoice_; }
    void SetLastKazoeChoice(bool kazoe) { lastKazoeChoice_ = kazoe; }

    // The record version of the file last read (kDocumentVersion for a new document).
    int LoadedVersion() const { return loadedVersion_; }

    CDocHost& Host() const { return *host_; }
    CProfile& Profile() const { return *profile_; }

private:
    friend class CDocumentFile;

    void InitialiseSettings();
    void ReadProfileSettings();

    CDocHost* host_;
    CProfile* profile_;
    std::filesystem::path sharedCategoryFile_;

    std::vector<std::unique_ptr<CPerson>> people_;
    std::vector<CPerson*> displayOrder_;
    int currentIndex_ = -1;
    std::vector<std::string> searchHistory_;
    CCategoryTable categoryTable_;
    CCategory* defaultCategory_ = nullptr;
    std::vector<std::string> htmlPaths_;
    int htmlPathLimit_ = 5;
    std::string linkedDocument_;
    CRectI personDialogRect_;
    bool lastKazoeChoice_ = false;
    CDocSettings settings_;
    int loadedVersion_ = kDocumentVersion;
};
