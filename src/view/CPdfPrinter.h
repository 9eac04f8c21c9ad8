// Prints a printout into a PDF file through cairo, page by page, with the
// same drawing as the printer: the command line's "--print-to FILE.pdf".
// wx's PostScript DC loses Japanese text and GTK's print-to-file needs a
// print dialog, so the PDF is drawn directly.
#pragma once

#include <filesystem>
#include <string>

class wxPrintData;
class wxPrintout;

class CPdfPrinter {
public:
    // The sheet in points (1/72 inch) and the unprinted margin on every side.
    struct Paper {
        double width = 595.28;  // A4
        double height = 841.89;
        double margin = 28.35;  // 10 mm, what a printer leaves unprinted
    };
    // The paper size and orientation of the print settings.
    static Paper PaperOf(const wxPrintData& data);

    // Prepares the printout for pages of that paper and writes all its
    // pages. The file is written beside the target and moved onto it at
    // the end, so a failure leaves an earlier file as it was. False with
    // the reason in error when nothing was written; pages is the number written.
    static bool Print(wxPrintout& printout, const std::filesystem::path& file, const Paper& paper, int screenPpi,
                      std::string& error, int* pages = nullptr);

    // Prints without asking, on the system's default printer: the pages go
    // as a PDF to the printing system's "lp" command (GTK's own printing
    // waits forever for a dialog nobody answers when there is none).
    static bool PrintToDefaultPrinter(wxPrintout& printout, const Paper& paper, int screenPpi,
                                      const std::string& title, std::string& error);
};
