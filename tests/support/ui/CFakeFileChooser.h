// A file chooser that answers from a queue the test fills, and records
// what it was asked.
#pragma once

#include "wxsupport/CFileChooser.h"

#include <deque>

class CFakeFileChooser : public CFileChooser {
public:
    // An empty answer means "cancelled".
    std::deque<std::vector<wxString>> answers;
    std::vector<Request> requests;

    std::optional<wxString> ChooseOpen(const Request& r) override {
        auto paths = Next(r);
        if (paths.empty()) {
            return std::nullopt;
        }
        return paths.front();
    }
    std::vector<wxString> ChooseOpenMany(const Request& r) override { return Next(r); }
    std::optional<wxString> ChooseSave(const Request& r) override { return ChooseOpen(r); }

private:
    std::vector<wxString> Next(const Request& r) {
        requests.push_back(r);
        if (answers.empty()) {
            return {};
        }
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};
