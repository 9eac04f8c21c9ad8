// A tooltip placed at an explicit screen point, as the views show a
// person's supplement text. It hides itself once a second check finds the
// mouse outside its owner window. It takes no input: the mouse acts on the
// window beneath it.
#pragma once

#include <wx/gdicmn.h>
#include <wx/string.h>
#include <wx/timer.h>

class wxPopupWindow;
class wxStaticText;
class wxWindow;

class CTrackingTip {
public:
    explicit CTrackingTip(wxWindow* owner);
    ~CTrackingTip();
    CTrackingTip(const CTrackingTip&) = delete;
    CTrackingTip& operator=(const CTrackingTip&) = delete;

    // Shows the text with its top-left corner at the screen point.
    void ShowAt(const wxString& text, const wxPoint& screenPoint);
    void Hide();
    bool IsShown() const;
    wxString Text() const;
    // Where the tip stands on the screen (empty before it was first shown).
    wxRect ScreenRect() const;
    bool TimerRunning() const { return timer_.IsRunning(); }

    // The check the timer makes every second; public so tests need not wait.
    void CheckMouse(const wxPoint& screenMouse);

    static constexpr int kHideCheckMs = 1000;

private:
    wxWindow* owner_;
    wxPopupWindow* popup_ = nullptr;
    wxStaticText* label_ = nullptr;
    wxTimer timer_;
};
