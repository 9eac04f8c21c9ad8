#include "dialogs/CDialogURLFile.h"

#include "res/Strings.h"
#include "res/ids.h"
#include "wxsupport/CFileChooser.h"
#include "wxsupport/DialogSupport.h"
#include "wxsupport/WxConvert.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/sizer.h>

#include <algorithm>

CDialogURLFile::CDialogURLFile(wxWindow* parent, std::vector<std::string> history, int maxEntries,
                               CFileChooser& chooser)
    : wxDialog(parent, wxID_ANY, ToWx(Str::kUrlFileTitle)),
      history_(std::move(history)),
      maxEntries_(maxEntries),
      chooser_(&chooser) {
    wxArrayString newestFirst;
    for (auto it = history_.rbegin(); it != history_.rend(); ++it) {
        newestFirst.Add(ToWx(*it));
    }
    combo_ = new wxComboBox(this, Id::UrlFileCombo, newestFirst.empty() ? wxString() : newestFirst[0],
                            wxDefaultPosition, wxSize(420, -1), newestFirst, wxCB_DROPDOWN);
    if (!newestFirst.empty()) {
        combo_->SetSelection(0);
    }
    auto* choose = new wxButton(this, Id::UrlFileChoose, ToWx(Str::kUrlFileChoose));

    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(combo_, 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
    row->Add(choose, 0, wxALIGN_CENTER_VERTICAL);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(row, 0, wxALL | wxEXPAND, 12);
    sizer->Add(CreateOkCancelButtons(this), 0, wxALL | wxALIGN_RIGHT, 12);
    SetSizerAndFit(sizer);
    CentreOnParent();

    choose->Bind(wxEVT_BUTTON, &CDialogURLFile::OnChooseFile, this);
    Bind(wxEVT_BUTTON, &CDialogURLFile::OnOk, this, wxID_OK);
}

void CDialogURLFile::OnChooseFile(wxCommandEvent&) {
    CFileChooser::Request request;
    request.parent = this;
    request.wildcard = ToWx(Str::kUrlFileFilter);
    request.mustExist = true;
    if (const auto path = chooser_->ChooseOpen(request)) {
        combo_->SetValue(ToWx(Str::kUrlFilePrefix) + *path);
    }
}

void CDialogURLFile::OnOk(wxCommandEvent&) {
    if (Accept()) {
        EndModal(wxID_OK);
    }
}

bool CDialogURLFile::Accept() {
    const std::string text = FromWx(combo_->GetValue());
    if (text.empty()) {
        return false;  // nothing to link to
    }
    std::vector<std::string> listed;
    for (unsigned i = 0; i < combo_->GetCount(); ++i) {
        listed.push_back(FromWx(combo_->GetString(i)));
    }
    history_ = RebuildHistory(listed, text, maxEntries_);
    chosen_ = text;
    return true;
}

std::vector<std::string> CDialogURLFile::RebuildHistory(const std::vector<std::string>& listNewestFirst,
                                                        const std::string& text, int maxEntries) {
    std::vector<std::string> history;
    for (auto it = listNewestFirst.rbegin(); it != listNewestFirst.rend(); ++it) {
        if (*it != text) {
            history.push_back(*it);
        }
    }
    history.push_back(text);
    const auto keep = static_cast<std::size_t>(std::max(maxEntries, 1));
    if (history.size() > keep) {
        history.erase(history.begin(), history.end() - static_cast<std::ptrdiff_t>(keep));
    }
    return history;
}
