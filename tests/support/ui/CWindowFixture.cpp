#include "CWindowFixture.h"

#include "app/CMainFrame.h"
#include "app/CVitachronDocManager.h"
#include "app/CVitachronDocTemplate.h"
#include "app/CWxDocument.h"
#include "view/CNameView.h"
#include "view/CScrollCanvas.h"
#include "view/CVitachronView.h"

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/menu.h>
#include <wx/image.h>
#include <wx/utils.h>

#include <random>

CWindowFixture::CWindowFixture() = default;
CWindowFixture::~CWindowFixture() = default;

void CWindowFixture::SetUp() {
    services.profile = &profile;
    services.fileChooser = &chooser;
    services.colorChooser = &colorChooser;
    services.fontChooser = &fontChooser;
    services.helpIndex = std::filesystem::path(VITACHRON_SOURCE_DIR) / "data" / "HTMLHelp" / "index.html";
    services.openUrl = [this](const wxString& url) {
        openedUrls.push_back(url);
        return openUrlSucceeds;
    };
}

void CWindowFixture::OpenWindow() {
    manager = std::make_unique<CVitachronDocManager>(services);
    manager->LoadRecentFiles();
    new CVitachronDocTemplate(manager.get());
    frame = CMainFrame::Create(*manager);
    frame->Show();
    ASSERT_NE(manager->CreateDocument(wxEmptyString, wxDOC_NEW), nullptr);
    Settle();
}

void CWindowFixture::TearDown() {
    if (manager) {
        if (CWxDocument* doc = manager->Document()) {
            doc->Modify(false);
        }
        manager->Clear(true);
    }
    if (frame != nullptr) {
        frame->Destroy();
        Settle();
    }
    manager.reset();
    if (!tempDir_.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(tempDir_, ec);
    }
}

CWxDocument& CWindowFixture::Doc() const { return *manager->Document(); }
CVitachronView& CWindowFixture::Timeline() const { return *Doc().TimelineView(); }
CNameView& CWindowFixture::Names() const { return *Doc().NameView(); }

CPerson& CWindowFixture::AddPerson(const std::string& name, int birth, int death, std::uint32_t color) {
    auto p = std::make_unique<CPerson>();
    p->name = name;
    if (birth != CScaleYear::kUnknownValue) {
        p->SetBirth(CScaleYear(birth, 1));
    }
    if (death != CScaleYear::kUnknownValue) {
        p->SetDeath(CScaleYear(death, 1));
    }
    p->category = Doc().Core().CategoryTable().Add(color, "", false);
    CPerson& ref = *p;
    Doc().Core().AppendPerson(std::move(p));
    return ref;
}

void CWindowFixture::Refresh() {
    Doc().Core().Refresh();
    Settle();
}

void CWindowFixture::Command(int id) {
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(frame);
    frame->GetEventHandler()->ProcessEvent(event);
    Settle();
}

void CWindowFixture::UpdateUi() {
    frame->UpdateWindowUI(wxUPDATE_UI_RECURSE);
    if (wxMenuBar* bar = frame->GetMenuBar()) {
        for (std::size_t i = 0; i < bar->GetMenuCount(); ++i) {
            bar->GetMenu(i)->UpdateUI(frame);
        }
    }
}

void CWindowFixture::Settle() {
    for (int i = 0; i < 3; ++i) {
        wxTheApp->ProcessPendingEvents();
        wxYield();
    }
}

wxBitmap CWindowFixture::RenderTimeline(bool allRows) {
    const CPaintArea area = Timeline().PaintArea();
    wxBitmap bmp(area.width, area.height, 24);
    wxMemoryDC dc(bmp);
    Timeline().Render(dc, area, allRows ? CTimelinePainter::Rows::All : CTimelinePainter::Rows::InView);
    dc.SelectObject(wxNullBitmap);
    return bmp;
}

wxBitmap CWindowFixture::RenderNames() {
    const wxSize size = Names().Canvas()->GetClientSize();
    wxBitmap bmp(size.x, size.y, 24);
    wxMemoryDC dc(bmp);
    Names().OnDraw(&dc);
    dc.SelectObject(wxNullBitmap);
    return bmp;
}

wxColour CWindowFixture::Pixel(const wxImage& img, std::int64_t x, std::int64_t y) {
    if (x < 0 || y < 0 || x >= img.GetWidth() || y >= img.GetHeight()) {
        ADD_FAILURE() << "pixel " << x << "," << y << " outside " << img.GetWidth() << "x" << img.GetHeight();
        return wxColour();
    }
    const int ix = static_cast<int>(x);
    const int iy = static_cast<int>(y);
    return wxColour(img.GetRed(ix, iy), img.GetGreen(ix, iy), img.GetBlue(ix, iy));
}

std::filesystem::path CWindowFixture::TempDir() {
    if (tempDir_.empty()) {
        std::random_device rd;
        tempDir_ = std::filesystem::temp_directory_path() / ("vitachron-ui-" + std::to_string(rd()));
        std::filesystem::create_directories(tempDir_);
    }
    return tempDir_;
}
