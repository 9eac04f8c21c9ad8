#include "cli/CConsoleDocHost.h"

#include <iostream>

void CConsoleDocHost::ShowMessage(const std::string& text, MessageKind) {
    ++messages_;
    std::cerr << text << '\n';
}
