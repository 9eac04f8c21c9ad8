// What the window remembers while a document is open, and never stores:
// where the person dialog stood, the last 数え年 choice of a new person, the
// name search's recent texts. The application owns one (in its services);
// every new or opened document starts it afresh.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct CRectI {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool IsEmpty() const { return right <= left || bottom <= top; }
    friend bool operator==(const CRectI&, const CRectI&) = default;
};

class CEditSession {
public:
    static constexpr std::size_t kSearchHistoryLimit = 5;

    const CRectI& PersonDialogRect() const { return personDialogRect_; }
    void SetPersonDialogRect(const CRectI& r) { personDialogRect_ = r; }
    bool LastKazoeChoice() const { return lastKazoeChoice_; }
    void SetLastKazoeChoice(bool kazoe) { lastKazoeChoice_ = kazoe; }

    // A text that found someone, oldest first; the same text is kept once,
    // and only the newest five.
    void RememberSearch(const std::string& text);
    const std::vector<std::string>& SearchHistory() const { return searchHistory_; }

private:
    CRectI personDialogRect_;
    bool lastKazoeChoice_ = false;
    std::vector<std::string> searchHistory_;
};
