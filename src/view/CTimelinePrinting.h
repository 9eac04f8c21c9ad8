// Printing the timeline: to the default printer without a dialog, through
// the print dialog, or in a preview window, on the paper of the program's
// page setup. The pages are counted on that paper first, and a printout
// that would need too many is refused with its message before any printer
// is asked. While a preview is open the frame's data bar gives way to it.
#pragma once

#include "view/CTimelinePrintout.h"

class CViewFrame;
class CVitachronView;
class wxPageSetupDialogData;
class wxWindow;

class CTimelinePrinting {
public:
    CTimelinePrinting(CVitachronView& view, wxPageSetupDialogData& setup);

    void Print(bool prompt);
    void Preview(CViewFrame& frame);

    // The message for a printout that cannot be made.
    static void ShowProblem(wxWindow* parent, CTimelinePrintout::Problem problem);

private:
    // True when the pages fit the paper's page limit; otherwise the user was told.
    bool CheckPageCount(CTimelinePrintout& printout);

    CVitachronView* view_;
    wxPageSetupDialogData* setup_;
};
