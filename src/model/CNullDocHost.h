// A host that does nothing: for documents that live without any window.
#pragma once

#include "model/CDocHost.h"

class CNullDocHost : public CDocHost {
public:
    void UpdateAllViews() override {}
    void SetModified(bool) override {}
    void SetGroupByCategoryCheck(bool) override {}
    void ApplyFonts(int) override {}
    void RedrawNow() override {}
    std::optional<int> CurrentLeftWidth() const override { return std::nullopt; }
    void ApplyLeftWidth(int) override {}
    void ShowMessage(const std::string&, MessageKind) override {}
};
