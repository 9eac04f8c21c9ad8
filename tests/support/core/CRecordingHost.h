// A document host that records what the document asked of it, so tests can
// check views were updated, the modified flag set, messages raised.
#pragma once

#include "model/CDocHost.h"

#include <string>
#include <vector>

class CRecordingHost : public CDocHost {
public:
    void UpdateAllViews() override { ++updates; }
    void SetModified(bool m) override {
        modified = m;
        ++modifiedCalls;
    }
    void SetGroupByCategoryCheck(bool c) override { groupCheck = c; }
    void ApplyFonts(int percent) override { fontPercents.push_back(percent); }
    void RedrawNow() override { ++redraws; }
    std::optional<int> CurrentLeftWidth() const override { return leftWidth; }
    void ApplyLeftWidth(int w) override { appliedLeftWidths.push_back(w); }
    void ShowMessage(const std::string& text, MessageKind) override { messages.push_back(text); }

    int updates = 0;
    bool modified = false;
    int modifiedCalls = 0;
    bool groupCheck = false;
    std::vector<int> fontPercents;
    int redraws = 0;
    std::optional<int> leftWidth;
    std::vector<int> appliedLeftWidths;
    std::vector<std::string> messages;
};
