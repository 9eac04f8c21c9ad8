#include "CPeerFrame.h"

#include "CAnnalixPeer.h"
#include "PeerStrings.h"

#include "model/CCp932.h"
#include "model/CFileIO.h"
#include "model/CUtf8.h"
#include "model/Utf8Path.h"
#include "wxsupport/WxConvert.h"

#include <wx/filedlg.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/numdlg.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>
#include <filesystem>

namespace {

enum { kIdAsk = wxID_HIGHEST + 1, kIdYear };

// More than any chronology anyone writes by hand.
constexpr std::uint64_t kMaxDocumentBytes = 64ull * 1024 * 1024;

// Annalix documents here are any text: lines and the first one that says something.
wxString Summary(const std::string& path) {
    std::string bytes;
    if (!CFileIO::TryReadFile(PathFromUtf8(path), bytes, kMaxDocumentBytes)) {
        return ToWx(PeerStr::kUnreadable);
    }
    const std::string text = CUtf8::IsValid(bytes) ? bytes : CCp932::Decode(bytes);
    const auto lines = std::count(text.begin(), text.end(), '\n') + (text.empty() || text.back() == '\n' ? 0 : 1);
    std::string first;
    for (std::size_t pos = 0; pos < text.size() && first.empty();) {
        const auto end = std::min(text.find('\n', pos), text.size());
        first = text.substr(pos, end - pos);
        first.erase(first.find_last_not_of(" \t\r") + 1);
        pos = end + 1;
    }
    if (first.size() > 60) {
        first = first.substr(0, 60) + "…";
    }
    return wxString::Format("%lld", static_cast<long long>(lines)) + ToWx(PeerStr::kLines) + "  " + ToWx(first);
}

}  // namespace

CPeerFrame::CPeerFrame() : wxFrame(nullptr, wxID_ANY, ToWx(PeerStr::kTitle), wxDefaultPosition, wxSize(520, 360)) {
    auto* file = new wxMenu;
    file->Append(wxID_OPEN, ToWx(PeerStr::kMenuOpen));
    file->AppendSeparator();
    file->Append(wxID_EXIT, ToWx(PeerStr::kMenuExit));
    auto* link = new wxMenu;
    link->Append(kIdAsk, ToWx(PeerStr::kMenuAsk));
    link->Append(kIdYear, ToWx(PeerStr::kMenuYear));
    auto* bar = new wxMenuBar;
    bar->Append(file, ToWx(PeerStr::kMenuFile));
    bar->Append(link, ToWx(PeerStr::kMenuLink));
    SetMenuBar(bar);

    auto* panel = new wxPanel(this);
    documentText_ = new wxStaticText(panel, wxID_ANY, ToWx(PeerStr::kDocument) + ToWx(PeerStr::kNoDocument));
    contentText_ = new wxStaticText(panel, wxID_ANY, ToWx(PeerStr::kContent));
    yearText_ = new wxStaticText(panel, wxID_ANY, ToWx(PeerStr::kYear) + ToWx(PeerStr::kNoYear));
    yearText_->SetFont(yearText_->GetFont().Scaled(2.0f).Bold());
    vitachronText_ = new wxStaticText(panel, wxID_ANY, ToWx(PeerStr::kAnsweredBy) + ToWx(PeerStr::kNoYear));
    log_ = new wxListBox(panel, wxID_ANY);

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(documentText_, 0, wxALL | wxEXPAND, 8);
    sizer->Add(contentText_, 0, wxLEFT | wxRIGHT | wxEXPAND, 8);
    sizer->Add(yearText_, 0, wxALL | wxEXPAND, 8);
    sizer->Add(vitachronText_, 0, wxLEFT | wxRIGHT | wxEXPAND, 8);
    sizer->Add(log_, 1, wxALL | wxEXPAND, 8);
    panel->SetSizer(sizer);

    Bind(wxEVT_MENU, &CPeerFrame::OnOpen, this, wxID_OPEN);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { Close(); }, wxID_EXIT);
    Bind(wxEVT_MENU, &CPeerFrame::OnAsk, this, kIdAsk);
    Bind(wxEVT_MENU, &CPeerFrame::OnYear, this, kIdYear);
    Bind(wxEVT_UPDATE_UI, &CPeerFrame::OnYearUpdate, this, kIdYear);
    Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& e) { e.Enable(peer_ != nullptr); }, kIdAsk);
}

void CPeerFrame::OpenDocument(const std::string& path) {
    std::error_code ec;
    const auto full = std::filesystem::absolute(PathFromUtf8(path), ec);
    document_ = ec ? path : Utf8FromPath(full);
    documentText_->SetLabel(ToWx(PeerStr::kDocument) + ToWx(document_));
    contentText_->SetLabel(ToWx(PeerStr::kContent) + Summary(document_));
    SetTitle(ToWx(PeerStr::kTitle) + " - " + ToWx(Utf8FromPath(PathFromUtf8(document_).filename())));
    if (peer_) {
        peer_->SetDocument(document_);
    }
    AddLog("opened " + document_);
}

void CPeerFrame::ShowYear(int year) {
    lastYear_ = year;
    yearText_->SetLabel(ToWx(PeerStr::kYear) + wxString::Format("%d", year));
    Layout();
}

void CPeerFrame::SetAnsweringVitachron(CLinkTransport::Handle vitachron) {
    vitachron_ = vitachron;
    vitachronText_->SetLabel(ToWx(PeerStr::kAnsweredBy) + wxString::Format("%llx", static_cast<unsigned long long>(vitachron)));
}

void CPeerFrame::AddLog(const std::string& line) {
    log_->Append(ToWx(line));
    log_->SetSelection(static_cast<int>(log_->GetCount()) - 1);
    if (sink_) {
        sink_(line);
    }
}

void CPeerFrame::BringToTop() {
    Show();
    Iconize(false);
    Raise();
    AddLog("raised");
}

void CPeerFrame::OnOpen(wxCommandEvent&) {
    wxFileDialog dialog(this, ToWx(PeerStr::kMenuOpen), "", "", ToWx(PeerStr::kAnnalixFilter),
                        wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() == wxID_OK) {
        OpenDocument(FromWx(dialog.GetPath()));
    }
}

void CPeerFrame::OnAsk(wxCommandEvent&) {
    wxFileDialog dialog(this, ToWx(PeerStr::kAskTitle), "", "", ToWx(PeerStr::kVitachronFilter), wxFD_OPEN);
    if (dialog.ShowModal() == wxID_OK && peer_) {
        peer_->AskForDocument(FromWx(dialog.GetPath()));
    }
}

void CPeerFrame::OnYear(wxCommandEvent&) {
    const long year = wxGetNumberFromUser(ToWx(PeerStr::kYearPrompt), "", ToWx(PeerStr::kTitle),
                                          lastYear_, -100000, 100000, this);
    if (year != -1 && peer_) {
        peer_->RequestYear(vitachron_, static_cast<int>(year));
    }
}

void CPeerFrame::OnYearUpdate(wxUpdateUIEvent& event) { event.Enable(peer_ != nullptr && vitachron_ != 0); }
