// A document host that records what the document asked of it and what it
// said changed, so tests can check views would be updated, the document
// marked modified, messages raised. CWatch makes it an observer of a
// document for as long as the CWatch lives.
#pragma once

#include "model/CDocChange.h"
#include "model/CDocHost.h"
#include "model/CVitachronDoc.h"

#include <optional>
#include <string>
#include <vector>

class CRecordingHost : public CDocHost, public CDocObserver {
public:
    void ShowMessage(const std::string& text, MessageKind) override { messages.push_back(text); }
    std::optional<int> ShownLeftWidth() const override { return leftWidth; }
    void OnDocumentChanged(CDocChange c) override {
        changes.push_back(c);
        if (Any(c, kLayoutChanges)) {
            ++updates;
        }
        if (Any(c, CDocChange::Modified)) {
            modified = true;
            ++modifiedCalls;
        }
    }
    // Whether any change since the start (or the last clear) carried the flag.
    bool Saw(CDocChange flag) const {
        for (const CDocChange c : changes) {
            if (Any(c, flag)) {
                return true;
            }
        }
        return false;
    }

    int updates = 0;
    bool modified = false;
    int modifiedCalls = 0;
    std::optional<int> leftWidth;
    std::vector<CDocChange> changes;
    std::vector<std::string> messages;
};

class CWatch {
public:
    CWatch(CVitachronDoc& doc, CDocObserver& observer) : doc_(&doc), observer_(&observer) { doc.AddObserver(observer); }
    ~CWatch() { doc_->RemoveObserver(*observer_); }
    CWatch(const CWatch&) = delete;
    CWatch& operator=(const CWatch&) = delete;

private:
    CVitachronDoc* doc_;
    CDocObserver* observer_;
};
