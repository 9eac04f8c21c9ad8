// A host that does nothing: for documents that live without any window.
#pragma once

#include "model/CDocHost.h"

class CNullDocHost : public CDocHost {
public:
    void ShowMessage(const std::string&, MessageKind) override {}
    std::optional<int> ShownLeftWidth() const override { return std::nullopt; }
};
