#include "view/CTimelinePrinting.h"

#include "model/FormatText.h"
#include "res/Strings.h"
#include "view/CPdfPrinter.h"
#include "view/CPreviewFrame.h"
#include "view/CViewFrame.h"
#include "view/CVitachronView.h"
#include "wxsupport/CLogFontConverter.h"
#include "wxsupport/MessageBox.h"
#include "wxsupport/WxConvert.h"

#include <wx/cmndata.h>
#include <wx/docview.h>
#include <wx/print.h>

#include <memory>
#include <string>

namespace {

// The paper of the print settings at 72 points to the inch, for a first
// count of the pages before the printer is asked.
CPrintDevice PaperDevice(const wxPrintData& data) {
    const CPdfPrinter::Paper paper = CPdfPrinter::PaperOf(data);
    CPrintDevice d;
    d.pageWidth = static_cast<std::int64_t>(paper.width - 2 * paper.margin);
    d.pageHeight = static_cast<std::int64_t>(paper.height - 2 * paper.margin);
    d.printerPpiX = d.printerPpiY = 72;
    d.screenPpiX = d.screenPpiY = static_cast<int>(CLogFontConverter::ScreenDpi());
    return d;
}

}  // namespace

CTimelinePrinting::CTimelinePrinting(CVitachronView& view, wxPageSetupDialogData& setup)
    : view_(&view), setup_(&setup) {}

void CTimelinePrinting::ShowProblem(wxWindow* parent, CTimelinePrintout::Problem problem) {
    const char* text = problem == CTimelinePrintout::Problem::RowsDoNotFit ? Str::kMsgPrintRowsDoNotFit
                                                                            : Str::kMsgPrintTooManyPages;
    ShowMessageBox(ToWx(FormatText(text, {std::to_string(CPrintLayout::kMaxPages)})), wxOK | wxICON_EXCLAMATION,
                   parent);
}

bool CTimelinePrinting::CheckPageCount(CTimelinePrintout& printout) {
    printout.Prepare(PaperDevice(setup_->GetPrintData()));
    if (printout.Pages()->TooManyPages()) {
        ShowProblem(view_->GetFrame(), CTimelinePrintout::Problem::TooManyPages);
        return false;
    }
    return true;
}

void CTimelinePrinting::Print(bool prompt) {
    std::unique_ptr<CTimelinePrintout> printout = view_->CreatePrintout();
    if (!CheckPageCount(*printout)) {
        return;
    }
    wxWindow* parent = view_->GetFrame();
    if (!prompt) {
        std::string error;
        if (!CPdfPrinter::PrintToDefaultPrinter(*printout, CPdfPrinter::PaperOf(setup_->GetPrintData()),
                                                static_cast<int>(CLogFontConverter::ScreenDpi()),
                                                FromWx(view_->GetDocument()->GetUserReadableName()), error)) {
            ShowMessageBox(ToWx(std::string(Str::kMsgPrintFailed) + "\n(" + error + ")"), wxOK | wxICON_ERROR,
                           parent);
        }
        return;
    }
    wxPrintDialogData data(setup_->GetPrintData());
    wxPrinter printer(&data);
    if (printer.Print(parent, printout.get(), prompt)) {
        // The printer and paper chosen stay for the next print.
        setup_->SetPrintData(printer.GetPrintDialogData().GetPrintData());
    } else if (wxPrinter::GetLastError() == wxPRINTER_ERROR) {
        ShowMessageBox(ToWx(Str::kMsgPrintFailed), wxOK | wxICON_ERROR, parent);
    }
}

void CTimelinePrinting::Preview(CViewFrame& frame) {
    std::unique_ptr<CTimelinePrintout> shown = view_->CreatePrintout();
    if (!CheckPageCount(*shown)) {
        return;
    }
    wxPrintDialogData data(setup_->GetPrintData());
    // The preview owns both printouts from here on, and the preview window the preview.
    auto preview = std::make_unique<wxPrintPreview>(shown.release(), view_->CreatePrintout().release(), &data);
    if (!preview->IsOk()) {
        ShowMessageBox(ToWx(Str::kMsgPrintFailed), wxOK | wxICON_ERROR, frame.Window());
        return;
    }
    const bool barHidden = frame.HideDataBar();
    CViewFrame* owner = &frame;
    auto* window = new CPreviewFrame(preview.release(), frame.Window(), ToWx(Str::kPreviewTitle), [owner, barHidden] {
        if (barHidden) {
            owner->ShowDataBar();
        }
    });
    window->Initialize();
    window->Show();
}
