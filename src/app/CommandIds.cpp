// The framework commands of res/ids.h are wx's stock ids, so the doc/view
// framework and the toolkit treat them as their own; checked here, where wx
// is at hand.
#include "res/ids.h"

#include <wx/defs.h>

static_assert(Id::FileNew == wxID_NEW);
static_assert(Id::FileOpen == wxID_OPEN);
static_assert(Id::FileSave == wxID_SAVE);
static_assert(Id::FileSaveAs == wxID_SAVEAS);
static_assert(Id::FilePrintSetup == wxID_PRINT_SETUP);
static_assert(Id::FilePrint == wxID_PRINT);
static_assert(Id::FilePrintPreview == wxID_PREVIEW);
static_assert(Id::FileMruFirst == wxID_FILE1);
static_assert(Id::EditCut == wxID_CUT);
static_assert(Id::EditCopy == wxID_COPY);
static_assert(Id::EditPaste == wxID_PASTE);
static_assert(Id::AppAbout == wxID_ABOUT);
static_assert(Id::AppExit == wxID_EXIT);
static_assert(Id::ContextHelp == wxID_CONTEXT_HELP);
static_assert(Id::YearRange > wxID_HIGHEST && Id::SaveAsImage < 0x7fff, "own commands stay clear of stock ids");
