#include "cli/CConsoleDocHost.h"

#include <iostream>

void CConsoleDocHost::ShowMessage(const std::string& text, MessageKind) {
    std::cerr << text << '\n';
}
