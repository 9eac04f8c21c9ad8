#include "dialogs/CProgressDialog.h"

#include "res/Strings.h"
#include "view/WxConvert.h"

#include <wx/button.h>
#include <wx/progdlg.h>
#include <wx/stattext.h>

#include <algorithm>

namespace {

// The gauge never reaches its end while the window is up: at the end the
// toolkit's dialog turns into a finished one that waits to be closed.
constexpr int kGaugeRange = 1000;

int GaugeValue(std::uint64_t done, std::uint64_t total) {
    if (total == 0 || done >= total) {
        return kGaugeRange - 1;
    }
    const auto value = static_cast<int>(static_cast<double>(done) / static_cast<double>(total) * kGaugeRange);
    return std::min(value, kGaugeRange - 1);
}

}  // namespace

CProgressDialog::CProgressDialog(wxWindow* parent, const wxString& title, const wxString& message)
    : dialog_(std::make_unique<wxProgressDialog>(title, message, kGaugeRange, parent,
                                                 wxPD_APP_MODAL | wxPD_CAN_ABORT)),
      message_(message),
      lastRedraw_(std::chrono::steady_clock::now()) {
    // The toolkit's own dialog labels its button in English where no
    // translation is loaded; the program's dialogs all say it in Japanese.
    if (auto* cancel = dynamic_cast<wxButton*>(dialog_->FindWindow(wxID_CANCEL))) {
        cancel->SetLabel(ToWx(Str::kButtonCancel));
    }
}

CProgressDialog::~CProgressDialog() = default;

void CProgressDialog::SetFinishingMessage(const wxString& text) {
    finishing_ = text;
    WidenFor(text);
}

void CProgressDialog::WidenFor(const wxString& text) {
    wxStaticText* line = nullptr;
    for (wxWindow* child : dialog_->GetChildren()) {
        auto* label = dynamic_cast<wxStaticText*>(child);
        if (label != nullptr && label->GetLabel() == message_) {
            line = label;
            break;
        }
    }
    if (line == nullptr) {
        return;
    }
    line->SetLabel(text);
    const int longer = line->GetBestSize().x;
    line->SetLabel(message_);
    if (longer > line->GetBestSize().x) {
        line->SetMinSize(wxSize(longer, -1));
        dialog_->Fit();
    }
}

bool CProgressDialog::Report(std::uint64_t done, std::uint64_t total) {
    const bool finished = total == 0 || done >= total;
    const auto now = std::chrono::steady_clock::now();
    if (finished == finished_ && now - lastRedraw_ < kRedrawInterval) {
        return !dialog_->WasCancelled();
    }
    lastRedraw_ = now;
    finished_ = finished;
    if (finished && finishing_.empty()) {
        // Nothing more to show: whatever the caller says next is not hidden behind it.
        dialog_->Hide();
        return !dialog_->WasCancelled();
    }
    if (finished) {
        return dialog_->Update(GaugeValue(done, total), finishing_);
    }
    return dialog_->Update(GaugeValue(done, total));
}

ProgressCallback CProgressDialog::Callback() {
    return [this](std::uint64_t done, std::uint64_t total) { return Report(done, total); };
}
