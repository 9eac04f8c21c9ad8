// A main window as the program builds it, over a memory profile and file
// choices the test answers, with a new document open. Commands go through
// the frame as menu clicks do.
#pragma once

#include "CFakeColorChooser.h"
#include "CFakeFileChooser.h"
#include "CFakeFontChooser.h"
#include "app/CAppServices.h"
#include "model/CMemoryProfile.h"

#include <wx/bitmap.h>
#include <wx/colour.h>
#include <wx/image.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

class CMainFrame;
class CNameView;
class CPerson;
class CVitachronDocManager;
class CVitachronView;
class CWxDocument;
class wxWindow;

class CWindowFixture : public ::testing::Test {
protected:
    CWindowFixture();
    ~CWindowFixture() override;
    void SetUp() override;
    void TearDown() override;
    // Builds the window; tests may fill the profile first.
    void OpenWindow();

    CWxDocument& Doc() const;
    CVitachronView& Timeline() const;
    CNameView& Names() const;
    // A person appended to the document, with the category of that colour.
    CPerson& AddPerson(const std::string& name, int birth, int death, std::uint32_t color = 0x00C000);
    void Refresh();  // sorts, updates both views and lays the window out
    void Command(int id);
    // Runs the update handlers of the menus and the data bar.
    void UpdateUi();
    static void Settle();

    // The timeline as it stands, painted into a bitmap of its client size.
    wxBitmap RenderTimeline(bool allRows = false);
    wxBitmap RenderNames();
    static wxColour Pixel(const wxImage& img, std::int64_t x, std::int64_t y);

    std::filesystem::path TempDir();

    CMemoryProfile profile;
    CFakeFileChooser chooser;
    CFakeColorChooser colorChooser;
    CFakeFontChooser fontChooser;
    CAppServices services;
    std::vector<wxString> openedUrls;
    bool openUrlSucceeds = true;
    std::unique_ptr<CVitachronDocManager> manager;
    CMainFrame* frame = nullptr;

private:
    std::filesystem::path tempDir_;
};
