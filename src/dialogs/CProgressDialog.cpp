#include "dialogs/CProgressDialog.h"

#include "res/Strings.h"
#include "wxsupport/WxConvert.h"

#include <wx/button.h>
#include <wx/progdlg.h>
#include <wx/stattext.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

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
    : dialog_(std::make_unique<wxGenericProgressDialog>(title, message, kGaugeRange, parent,
                                                 wxPD_APP_MODAL | wxPD_CAN_ABORT)),
      message_(message),
      lastRedraw_(std::chrono::steady_clock::now()) {
    // The toolkit's own dialog labels its button in English where no
    // translation is loaded; the program's dialogs all say it in Japanese.
    if (auto* cancel = dynamic_cast<wxButton*>(dialog_->FindWindow(wxID_CANCEL))) {
        cancel->SetLabel(ToWx(Str::kButtonCancel));
    }
    WidenFor(message_);
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
    // What the toolkit draws the text with: wx measures Japanese text in the
    // dialog's font alone and comes out narrower than GTK, which draws the
    // characters that font lacks in a wider one.
    const auto needed = [line](const wxString& shown) {
        line->SetLabel(shown);
        int width = line->GetBestSize().x;
#ifdef __WXGTK__
        int natural = 0;
        gtk_widget_get_preferred_width(line->GetHandle(), nullptr, &natural);
        width = std::max(width, natural);
#endif
        return width;
    };
    const int longer = needed(text);
    const int width = std::max(longer, needed(message_));  // the line shows its first message again
    if (width > line->GetMinSize().x) {
        line->SetMinSize(wxSize(width, -1));
        dialog_->Fit();
        dialog_->Layout();
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
        const bool goOn = dialog_->Update(GaugeValue(done, total), finishing_);
        // The new text shrank the line to wx's own measure of it: back to the width it was given.
        dialog_->Layout();
        return goOn;
    }
    return dialog_->Update(GaugeValue(done, total));
}

ProgressCallback CProgressDialog::Callback() {
    return [this](std::uint64_t done, std::uint64_t total) { return Report(done, total); };
}
