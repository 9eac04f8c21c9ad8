// A font chooser that answers from a queue the test fills, and records the
// font it was started with.
#pragma once

#include "wxsupport/CFontChooser.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

class CFakeFontChooser : public CFontChooser {
public:
    std::deque<std::optional<CLogFont>> answers;  // none: cancelled
    std::vector<CLogFont> requests;

    std::optional<CLogFont> Choose(wxWindow*, const CLogFont& initial) override {
        requests.push_back(initial);
        if (answers.empty()) {
            ADD_FAILURE() << "font chooser opened without an answer";
            return std::nullopt;
        }
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};
