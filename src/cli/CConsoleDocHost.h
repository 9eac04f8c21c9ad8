// The document host of the command-line tool: no views to update, messages
// go to standard error.
#pragma once

#include "model/CDocHost.h"

#include <vector>

class CConsoleDocHost : public CDocHost {
public:
    void UpdateAllViews() override {}
    void SetModified(bool) override {}
    void SetGroupByCategoryCheck(bool) override {}
    void ApplyFonts(int) override {}
    void RedrawNow() override {}
    std::optional<int> CurrentLeftWidth() const override { return std::nullopt; }
    void ApplyLeftWidth(int) override {}
    void ShowMessage(const std::string& text, MessageKind kind) override;

    int MessageCount() const { return messages_; }

private:
    int messages_ = 0;
};
