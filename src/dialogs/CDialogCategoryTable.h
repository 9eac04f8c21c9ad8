// "分類名変更・追加": the category table of a document, with a check box per
// row for "shared" (kept in "color.tbl" for every document). Adding,
// changing and renaming act on the table at once; the check boxes reach the
// table only when the user adds, changes, renames or closes with
// "閉じる(&C)", so toggles followed by Esc are lost.
#pragma once

#include <wx/dialog.h>

#include <memory>

class CColorChooser;
class CCategoryTable;
class wxListCtrl;
class wxListEvent;

class CDialogCategoryTable : public wxDialog {
public:
    // ShowModal() gives wxID_OK for "閉じる(&C)": the opener then refills its
    // category list and writes "color.tbl". Esc and the close box give
    // wxID_CANCEL; the table keeps every change made but the pending toggles.
    CDialogCategoryTable(wxWindow* parent, CCategoryTable& table, int selectPosition, CColorChooser& chooser);
    // The same with the platform's colour chooser.
    CDialogCategoryTable(wxWindow* parent, CCategoryTable& table, int selectPosition);
    ~CDialogCategoryTable() override;

    // Whether anything in the table changed while the dialog was open.
    bool TableChanged() const { return changed_; }

private:
    void Build(int selectPosition);
    void Fill(int select);
    void SyncSharedFlags();
    long SelectedRow() const;
    void ChangeRow(long row);

    void OnAdd(wxCommandEvent& event);
    void OnChange(wxCommandEvent& event);
    void OnActivated(wxListEvent& event);
    void OnEndLabelEdit(wxListEvent& event);
    void OnClose(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);

    CCategoryTable& table_;
    std::unique_ptr<CColorChooser> ownChooser_;
    CColorChooser* chooser_;
    wxListCtrl* list_ = nullptr;
    bool changed_ = false;
};
