// "URLまたはファイルの設定": chooses the document's HTML link, a web address
// or a local file, from the link history or anew. On OK it rebuilds the
// history with the chosen link as the newest entry, keeping at most the
// given number.
#pragma once

#include <wx/dialog.h>

#include <string>
#include <vector>

class CFileChooser;
class wxComboBox;

class CDialogURLFile : public wxDialog {
public:
    // history: oldest first, as the document keeps it.
    CDialogURLFile(wxWindow* parent, std::vector<std::string> history, int maxEntries, CFileChooser& chooser);

    // After OK: the chosen link, and the history rebuilt (oldest first).
    const std::string& Chosen() const { return chosen_; }
    const std::vector<std::string>& History() const { return history_; }

    wxComboBox* Combo() const { return combo_; }
    // What OK does, short of closing: false (and nothing changed) when the
    // text is empty, the dialog then stays open.
    bool Accept();

    // The history after choosing text from a list shown newest first: every
    // other entry from the oldest on, then text, then cut to maxEntries
    // from the oldest end.
    static std::vector<std::string> RebuildHistory(const std::vector<std::string>& listNewestFirst,
                                                   const std::string& text, int maxEntries);

private:
    void OnChooseFile(wxCommandEvent&);
    void OnOk(wxCommandEvent&);

    std::vector<std::string> history_;
    int maxEntries_;
    CFileChooser* chooser_;
    std::string chosen_;
    wxComboBox* combo_;
};
