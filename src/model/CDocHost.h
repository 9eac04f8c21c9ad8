// What the document must cause outside itself. The window implements this;
// tests install a recorder, the command-line tool a console version.
#pragma once

#include <optional>
#include <string>

class CDocHost {
public:
    enum class MessageKind { Information, Warning, Error };

    virtual ~CDocHost() = default;

    virtual void UpdateAllViews() = 0;
    virtual void SetModified(bool modified) = 0;
    // The data bar's "分類ごとに並べ替える" check box.
    virtual void SetGroupByCategoryCheck(bool checked) = 0;
    // Both views rebuild their fonts at this zoom percentage.
    virtual void ApplyFonts(int percent) = 0;
    // Both views are erased and repainted at once, not at the next idle time.
    virtual void RedrawNow() = 0;
    // The name list column's width as the splitter shows it; none without a window.
    virtual std::optional<int> CurrentLeftWidth() const = 0;
    virtual void ApplyLeftWidth(int width) = 0;
    // A modal message with one of the program's fixed texts.
    virtual void ShowMessage(const std::string& text, MessageKind kind) = 0;
};
