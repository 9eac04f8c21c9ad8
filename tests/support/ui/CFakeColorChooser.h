// A colour chooser that answers from a queue the test fills, and records
// what it was started with. An answer may also edit one custom slot, as a
// user adding a custom colour in the chooser would.
#pragma once

#include "wxsupport/CColorChooser.h"

#include <gtest/gtest.h>

#include <deque>
#include <utility>
#include <vector>

class CFakeColorChooser : public CColorChooser {
public:
    struct Answer {
        std::optional<std::uint32_t> color;  // none: cancelled
        std::optional<std::pair<std::size_t, std::uint32_t>> customEdit;
    };
    struct Request {
        std::uint32_t initial = 0;
        std::optional<CCustomColors> customColors;  // as the chooser was started
    };

    void Pick(std::uint32_t color) { answers.push_back({color, std::nullopt}); }
    void PickEditingCustom(std::uint32_t color, std::size_t slot, std::uint32_t custom) {
        answers.push_back({color, std::pair{slot, custom}});
    }
    void Cancel() { answers.push_back({}); }

    std::optional<std::uint32_t> Choose(wxWindow*, std::uint32_t initial, CCustomColors* customColors) override {
        requests.push_back({initial, customColors != nullptr ? std::optional(*customColors) : std::nullopt});
        if (answers.empty()) {
            ADD_FAILURE() << "colour chooser opened without an answer";
            return std::nullopt;
        }
        const Answer a = answers.front();
        answers.pop_front();
        if (a.color && a.customEdit && customColors != nullptr) {
            (*customColors)[a.customEdit->first] = a.customEdit->second;
        }
        return a.color;
    }

    std::deque<Answer> answers;
    std::vector<Request> requests;
};
