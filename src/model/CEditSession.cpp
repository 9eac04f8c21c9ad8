#include "model/CEditSession.h"

#include <algorithm>

void CEditSession::RememberSearch(const std::string& text) {
    if (std::find(searchHistory_.begin(), searchHistory_.end(), text) != searchHistory_.end()) {
        return;
    }
    searchHistory_.push_back(text);
    if (searchHistory_.size() > kSearchHistoryLimit) {
        searchHistory_.erase(searchHistory_.begin());
    }
}
