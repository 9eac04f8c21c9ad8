#include "view/CPdfPrinter.h"

#include "view/CPdfFile.h"
#include "model/Utf8Path.h"

#include <wx/cmndata.h>
#include <wx/dcgraph.h>
#include <wx/graphics.h>
#include <wx/paper.h>
#include <wx/print.h>

#include <cairo-pdf.h>
#include <cairo.h>
#ifndef _WIN32
#include <glib.h>
#endif

#include <memory>
#include <system_error>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kMmPerInch = 25.4;

struct ContextDeleter {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};

}  // namespace

CPdfPrinter::Paper CPdfPrinter::PaperOf(const wxPrintData& data) {
    Paper paper;
    if (wxThePrintPaperDatabase != nullptr) {
        if (const wxPrintPaperType* type = wxThePrintPaperDatabase->FindPaperType(data.GetPaperId())) {
            const wxSize mm = type->GetSizeMM();
            if (mm.x > 0 && mm.y > 0) {
                paper.width = mm.x * kPointsPerInch / kMmPerInch;
                paper.height = mm.y * kPointsPerInch / kMmPerInch;
            }
        }
    }
    if (data.GetOrientation() == wxLANDSCAPE) {
        std::swap(paper.width, paper.height);
    }
    return paper;
}

bool CPdfPrinter::Print(wxPrintout& printout, const std::filesystem::path& file, const Paper& paper, int screenPpi,
                        std::string& error, int* pages) {
    if (pages != nullptr) {
        *pages = 0;
    }
    const int pageW = static_cast<int>(paper.width - 2 * paper.margin);
    const int pageH = static_cast<int>(paper.height - 2 * paper.margin);
    if (pageW <= 0 || pageH <= 0) {
        error = "the paper leaves nothing to print on";
        return false;
    }
    printout.SetPPIScreen(screenPpi, screenPpi);
    printout.SetPPIPrinter(static_cast<int>(kPointsPerInch), static_cast<int>(kPointsPerInch));
    printout.SetPageSizePixels(pageW, pageH);
    printout.SetPaperRectPixels(wxRect(static_cast<int>(-paper.margin), static_cast<int>(-paper.margin),
                                       static_cast<int>(paper.width), static_cast<int>(paper.height)));
    printout.SetPageSizeMM(static_cast<int>(paper.width * kMmPerInch / kPointsPerInch),
                           static_cast<int>(paper.height * kMmPerInch / kPointsPerInch));
    printout.OnPreparePrinting();
    int minPage = 0;
    int maxPage = 0;
    int from = 0;
    int to = 0;
    printout.GetPageInfo(&minPage, &maxPage, &from, &to);
    if (maxPage < minPage || maxPage < 1) {
        error = "there are no pages to print";
        return false;
    }

    std::filesystem::path partial = file;
    partial += ".part";
    CPdfFile pdf(partial, paper.width, paper.height);
    std::error_code ec;
    if (pdf.Surface() == nullptr || cairo_surface_status(pdf.Surface()) != CAIRO_STATUS_SUCCESS) {
        pdf.Finish(error);
        std::filesystem::remove(partial, ec);
        return false;
    }
    std::unique_ptr<cairo_t, ContextDeleter> cr(cairo_create(pdf.Surface()));
    printout.OnBeginPrinting();
    int written = 0;
    for (int page = minPage; page <= maxPage && printout.HasPage(page); ++page) {
        cairo_save(cr.get());
        cairo_translate(cr.get(), paper.margin, paper.margin);
        {
            wxGCDC dc(pdf.NewContext(cr.get()));
            printout.SetDC(&dc);
            printout.OnPrintPage(page);
            printout.SetDC(nullptr);
        }
        cairo_restore(cr.get());
        cairo_show_page(cr.get());
        ++written;
    }
    printout.OnEndPrinting();
    cr.reset();
    if (!pdf.Finish(error)) {
        std::filesystem::remove(partial, ec);
        return false;
    }
    std::filesystem::rename(partial, file, ec);
    if (ec) {
        std::filesystem::remove(partial, ec);
        error = "cannot replace " + Utf8FromPath(file);
        return false;
    }
    if (pages != nullptr) {
        *pages = written;
    }
    return true;
}

#ifdef _WIN32
// Windows' own printing system takes the pages as they are drawn for the
// printer, on the default printer, without a dialog.
bool CPdfPrinter::PrintToDefaultPrinter(wxPrintout& printout, const Paper&, int, const std::string&,
                                        std::string& error) {
    wxPrintDialogData data;
    wxPrinter printer(&data);
    if (!printer.Print(nullptr, &printout, false)) {
        error = wxPrinter::GetLastError() == wxPRINTER_CANCELLED ? "cancelled" : "the printer did not print";
        return false;
    }
    return true;
}
#else
bool CPdfPrinter::PrintToDefaultPrinter(wxPrintout& printout, const Paper& paper, int screenPpi,
                                        const std::string& title, std::string& error) {
    const std::filesystem::path pdf =
        std::filesystem::temp_directory_path() / ("vitachron-print-" + std::to_string(::getpid()) + ".pdf");
    if (!Print(printout, pdf, paper, screenPpi, error)) {
        return false;
    }
    std::string name = title;
    std::string pdfPath = pdf.string();
    gchar* argv[] = {const_cast<gchar*>("lp"), const_cast<gchar*>("-t"), name.data(), const_cast<gchar*>("--"),
                     pdfPath.data(), nullptr};
    gchar* errText = nullptr;
    gint status = 0;
    GError* spawnError = nullptr;
    const bool ran = g_spawn_sync(nullptr, argv, nullptr,
                                  static_cast<GSpawnFlags>(G_SPAWN_SEARCH_PATH | G_SPAWN_STDOUT_TO_DEV_NULL), nullptr,
                                  nullptr, nullptr, &errText, &status, &spawnError) != FALSE;
    std::error_code ec;
    std::filesystem::remove(pdf, ec);
    if (!ran) {
        error = std::string("lp: ") + (spawnError != nullptr ? spawnError->message : "cannot be run");
        if (spawnError != nullptr) {
            g_error_free(spawnError);
        }
        g_free(errText);
        return false;
    }
    const bool printed = g_spawn_check_wait_status(status, nullptr) != FALSE;
    if (!printed) {
        error = std::string("lp: ") + (errText != nullptr ? errText : "failed");
        while (!error.empty() && (error.back() == '\n' || error.back() == '\r')) {
            error.pop_back();
        }
    }
    g_free(errText);
    return printed;
}
#endif
