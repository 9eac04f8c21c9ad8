// What the views need of the document they show, beyond wxDocument's own:
// the core document, their sibling view, the frame, and the edits a
// double-click or a context menu starts. The wx document implements it, so
// the views stay below the application and its dialogs.
#pragma once

class CFileChooser;
class CNameView;
class CPerson;
class CViewFrame;
class CVitachronDoc;
class CVitachronView;
class wxWindow;

class CViewDocument {
public:
    virtual ~CViewDocument() = default;

    virtual CVitachronDoc& Core() = 0;
    virtual const CVitachronDoc& Core() const = 0;
    // None while the document has no window (a print from the command line has one).
    virtual CViewFrame* ViewFrame() const = 0;
    virtual CNameView* NameView() const = 0;
    virtual CVitachronView* TimelineView() const = 0;
    // Both views are drawn again; a selection-only change keeps what they measured.
    virtual void UpdateSelection() = 0;
    // Opens the person dialog on this displayed person; true when it was changed.
    virtual bool EditPerson(wxWindow* parent, CPerson& person) = 0;
    // Removes the person shown at this row (the caller has asked the user).
    virtual void DeleteDisplayedPerson(int row) = 0;
    // How the picture's file is chosen.
    virtual CFileChooser& FileChooser() const = 0;

protected:
    CViewDocument() = default;
    CViewDocument(const CViewDocument&) = default;
    CViewDocument& operator=(const CViewDocument&) = default;
};
