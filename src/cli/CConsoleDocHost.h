// The document host of the command-line tool: a host without windows, except
// that messages go to standard error.
#pragma once

#include "model/CNullDocHost.h"

class CConsoleDocHost : public CNullDocHost {
public:
    void ShowMessage(const std::string& text, MessageKind kind) override;
};
