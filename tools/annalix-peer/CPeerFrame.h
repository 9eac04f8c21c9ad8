// The stand-in Annalix's window: the document it shows, a summary of its
// content, the last year it was asked to show, and what the link did.
#pragma once

#include "links/CLinkTransport.h"

#include <wx/frame.h>

#include <functional>
#include <string>

class CAnnalixPeer;
class wxListBox;
class wxStaticText;

class CPeerFrame : public wxFrame {
public:
    CPeerFrame();

    // Once the window is up and the link is there.
    void SetPeer(CAnnalixPeer* peer) { peer_ = peer; }

    void OpenDocument(const std::string& path);
    void ShowYear(int year);
    void SetAnsweringVitachron(CLinkTransport::Handle vitachron);
    // Every line also goes to sink (the log file of tests).
    void SetLogSink(std::function<void(const std::string&)> sink) { sink_ = std::move(sink); }
    void AddLog(const std::string& line);
    void BringToTop();

private:
    void OnOpen(wxCommandEvent&);
    void OnAsk(wxCommandEvent&);
    void OnYear(wxCommandEvent&);
    void OnYearUpdate(wxUpdateUIEvent& event);

    CAnnalixPeer* peer_ = nullptr;
    std::function<void(const std::string&)> sink_;
    std::string document_;
    CLinkTransport::Handle vitachron_ = 0;
    int lastYear_ = 0;
    wxStaticText* documentText_;
    wxStaticText* contentText_;
    wxStaticText* yearText_;
    wxStaticText* vitachronText_;
    wxListBox* log_;
};
