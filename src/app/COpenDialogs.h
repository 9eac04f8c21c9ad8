// Closes the dialogs that are open over the program, as if each were
// cancelled: a run that must end (the screenshot of --screenshot is taken)
// ends them first, since closing the frame under a running dialog pulls the
// window from under the code that waits for the answer.
#pragma once

class COpenDialogs {
public:
    // Cancels every modal dialog now open, the toolkit's and GTK's own (the
    // message boxes, the file chooser); returns how many. Their ShowModal
    // returns once control is back in their loops.
    static int CancelAll();
};
