// What the document asks of whoever shows it: to tell the user one of the
// program's messages, and the name column's width as the user sees it now.
// Changes are not asked for here; observers hear of them (CDocChange.h).
// The window implements this; tests install a recorder, the command-line
// tool a console version.
#pragma once

#include <optional>
#include <string>

class CDocHost {
public:
    enum class MessageKind { Information, Warning, Error };

    virtual ~CDocHost() = default;

    // A modal message with one of the program's fixed texts.
    virtual void ShowMessage(const std::string& text, MessageKind kind) = 0;
    // The width the name column has on screen, which a save stores; none
    // where nothing is shown.
    virtual std::optional<int> ShownLeftWidth() const = 0;
};
