#include "view/CTimelinePrintout.h"

#include "layout/CTimelineLayout.h"
#include "model/CVitachronDoc.h"
#include "view/CPrintPagePainter.h"
#include "view/CViewFonts.h"
#include "wxsupport/WxConvert.h"

#include <wx/dc.h>

CTimelinePrintout::CTimelinePrintout(Source source)
    : wxPrintout(ToWx(source.title)),
      source_(std::move(source)),
      // Everything of the timeline moves right by the name column while printing.
      layout_(std::make_unique<CTimelineLayout>(*source_.doc, *source_.fonts, source_.leftMargin,
                                                source_.currentYear, source_.nameColumnWidth)) {}

CTimelinePrintout::~CTimelinePrintout() = default;

CPrintDevice CTimelinePrintout::ReportedDevice() const {
    CPrintDevice d;
    int w = 0;
    int h = 0;
    GetPageSizePixels(&w, &h);
    d.pageWidth = w;
    d.pageHeight = h;
    GetPPIPrinter(&d.printerPpiX, &d.printerPpiY);
    GetPPIScreen(&d.screenPpiX, &d.screenPpiY);
    return d;
}

void CTimelinePrintout::Prepare(const CPrintDevice& device) {
    pages_.emplace(layout_->Geometry(), layout_->PersonCount(), device);
}

void CTimelinePrintout::OnPreparePrinting() {
    Prepare(ReportedDevice());
    if (!onProblem) {
        return;
    }
    if (pages_->TooManyPages()) {
        if (!toldPages_) {
            toldPages_ = true;
            onProblem(Problem::TooManyPages);
        }
    } else if (!pages_->RowsFit() && !toldRows_) {
        toldRows_ = true;
        onProblem(Problem::RowsDoNotFit);
    }
}

int CTimelinePrintout::PrintablePages() const {
    if (!pages_ || pages_->TooManyPages()) {
        return 0;
    }
    return static_cast<int>(pages_->PageCount());
}

void CTimelinePrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
    // Asked once before the pages are cut (the preview does): one page until then.
    const int last = pages_ ? PrintablePages() : 1;
    *minPage = 1;
    *maxPage = last;
    *pageFrom = 1;
    *pageTo = last;
}

bool CTimelinePrintout::HasPage(int page) { return page >= 1 && page <= PrintablePages(); }

bool CTimelinePrintout::OnPrintPage(int page) {
    wxDC* dc = GetDC();
    if (dc == nullptr || !HasPage(page)) {
        return false;
    }
    int pageW = 0;
    int pageH = 0;
    GetPageSizePixels(&pageW, &pageH);
    // A preview draws into a bitmap smaller than the printer's page; a PDF
    // context reports no size at all and is the page itself.
    int w = 0;
    int h = 0;
    dc->GetSize(&w, &h);
    if (w <= 0 || h <= 0) {
        w = pageW;
        h = pageH;
    }
    const CPrintDevice d = ReportedDevice();
    const auto ratio = [](int printer, int screen) {
        return printer > 0 && screen > 0 ? static_cast<double>(printer) / screen : 1.0;
    };
    const double scaleX = pageW > 0 ? ratio(d.printerPpiX, d.screenPpiX) * w / pageW : 1.0;
    const double scaleY = pageH > 0 ? ratio(d.printerPpiY, d.screenPpiY) * h / pageH : 1.0;
    RenderPage(*dc, page, scaleX, scaleY);
    return true;
}

void CTimelinePrintout::RenderPage(wxDC& dc, int page, double scaleX, double scaleY) {
    if (!pages_) {
        return;
    }
    dc.SetDeviceOrigin(0, 0);
    dc.SetLogicalOrigin(0, 0);
    dc.SetUserScale(scaleX, scaleY);
    CPrintPagePainter(*source_.doc, *layout_, *source_.fonts, patterns_, *pages_, source_.title, source_.nameListWidth)
        .Paint(dc, pages_->Page(page));
}
