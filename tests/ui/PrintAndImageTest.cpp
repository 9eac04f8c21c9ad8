#include "CWindowFixture.h"
#include "TestDialogs.h"

#include "app/CBarDataEdit.h"
#include "app/CMainFrame.h"
#include "app/CScreenshot.h"
#include "app/CWxDocument.h"
#include "layout/CPrintLayout.h"
#include "res/ids.h"
#include "view/CPreviewFrame.h"
#include "view/CPrintPagePainter.h"
#include "view/CScrollCanvas.h"
#include "view/CTimelineExport.h"
#include "view/CTimelinePrintout.h"
#include "view/CVitachronView.h"
#include "wxsupport/WxConvert.h"

#include <wx/dcmemory.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

// A printer at the screen's resolution: page pixels are screen pixels.
constexpr CPrintDevice kPage{761, 1084, 96, 96, 96, 96};
constexpr std::uint32_t kRed = 0x0000C0;
constexpr std::uint32_t kBlue = 0xC00000;

wxColour Grey(unsigned char v) { return wxColour(v, v, v); }

class PrintAndImage : public CWindowFixture {
protected:
    void SetUp() override {
        CWindowFixture::SetUp();
        OpenWindow();
        frame->SetSize(1000, 700);
        Doc().Core().Settings().startYear = 1500;
        Doc().Core().Settings().endYear = 2000;
        Settle();
    }

    std::unique_ptr<CTimelinePrintout> Printout(const CPrintDevice& device = kPage) {
        auto p = Timeline().CreatePrintout();
        p->Prepare(device);
        return p;
    }
    int PageCount(CTimelinePrintout& p) {
        int minPage = 0;
        int maxPage = 0;
        int from = 0;
        int to = 0;
        p.GetPageInfo(&minPage, &maxPage, &from, &to);
        EXPECT_EQ(minPage, 1);
        return maxPage;
    }
    // A page on white paper, one screen pixel to one bitmap pixel.
    static wxImage Page(CTimelinePrintout& p, int page) {
        const CPrintLayout& pages = *p.Pages();
        wxBitmap bmp(static_cast<int>(pages.PageWidth()),
                     static_cast<int>(std::max(pages.PageHeight(), pages.GridBottom())), 24);
        wxMemoryDC dc(bmp);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        p.RenderPage(dc, page, 1.0, 1.0);
        dc.SelectObject(wxNullBitmap);
        return bmp.ConvertToImage();
    }
    static int DarkPixels(const wxImage& img, int x0, int y0, int x1, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                n += img.GetRed(x, y) < 100 && img.GetGreen(x, y) < 100 && img.GetBlue(x, y) < 100;
            }
        }
        return n;
    }
    static std::string Slurp(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

}  // namespace

TEST_F(PrintAndImage, AnExactMultipleOfRowsPerPagePrintsExactlyThatManyFullBands) {
    Doc().Core().Settings().endYear = 1700;  // one column of pages
    const int rows = static_cast<int>(Printout()->Pages()->RowsPerPage());
    ASSERT_GT(rows, 5);
    for (int i = 0; i < 2 * rows; ++i) {
        AddPerson("人" + std::to_string(i), 1600, 1700, i < rows ? kRed : kBlue);
    }
    Refresh();
    auto p = Printout();
    const CPrintLayout& pages = *p->Pages();
    ASSERT_EQ(pages.Columns(), 1);
    EXPECT_EQ(pages.Bands(), 2);
    EXPECT_EQ(PageCount(*p), 2);
    EXPECT_FALSE(p->HasPage(3));

    // Each band starts under the header; its last row is the band's last person.
    const CTimelineGeometry& g = p->Layout().Geometry();
    const std::int64_t x = g.YearToX(1650);
    for (const int page : {1, 2}) {
        const wxImage img = Page(*p, page);
        const wxColour bar = ToWxColour(page == 1 ? kRed : kBlue);
        EXPECT_EQ(Pixel(img, x, g.BarTop(g.RowTop(0)) + 1), bar) << page;
        EXPECT_EQ(Pixel(img, x, g.BarTop(g.RowTop(rows - 1)) + 1), bar) << page;
        EXPECT_EQ(Pixel(img, x, g.RowTop(rows) + 5), *wxWHITE) << page;  // below the last slot: paper
    }
    // One more person makes a third band.
    AddPerson("最後", 1600, 1700);
    Refresh();
    EXPECT_EQ(PageCount(*Printout()), 3);
}

TEST_F(PrintAndImage, AWideTimelinePrintsColumnsAcrossOnlyTheFirstWithNamesAndEveryPageFramed) {
    Doc().Core().Settings().endYear = 2500;
    AddPerson("徳川家康", 1543, 1616, kRed);
    AddPerson("坂本龍馬", 1836, 1867, kBlue);
    Refresh();
    auto p = Printout();
    const CPrintLayout& pages = *p->Pages();
    const CTimelineGeometry& g = p->Layout().Geometry();
    const std::int64_t origin = g.TimelineOrigin();
    ASSERT_EQ(origin, frame->LeftPaneWidth());
    ASSERT_GT(origin, 60);
    ASSERT_EQ(pages.Columns(), (origin + 2000 + g.LeftMargin()) / 761 + 1);
    ASSERT_GE(pages.Columns(), 3);
    ASSERT_EQ(PageCount(*p), pages.Columns());

    const int w = static_cast<int>(pages.PageWidth());
    const int bottom = static_cast<int>(pages.GridBottom());
    const int hh = g.HeaderHeight();
    for (int page = 1; page <= PageCount(*p); ++page) {
        SCOPED_TRACE(page);
        const wxImage img = Page(*p, page);
        // The frame: light then dark on the top and left, dark then white on the right and bottom.
        for (const int y : {hh + 3, bottom / 2}) {
            EXPECT_EQ(Pixel(img, 0, y), Grey(CPrintPagePainter::kOuterLight));
            EXPECT_EQ(Pixel(img, 1, y), Grey(CPrintPagePainter::kInnerDark));
            EXPECT_EQ(Pixel(img, w - 1, y), Grey(CPrintPagePainter::kOuterDark));
            EXPECT_EQ(Pixel(img, w - 2, y), Grey(CPrintPagePainter::kInnerLight));
        }
        EXPECT_EQ(Pixel(img, w / 2, bottom - 1), Grey(CPrintPagePainter::kOuterDark));
        EXPECT_EQ(Pixel(img, w / 3, 0), Grey(CPrintPagePainter::kOuterLight));
        // The name column with its separators on the first column only.
        const int separator = DarkPixels(img, 5, hh, static_cast<int>(origin), hh + 1);
        const int names = DarkPixels(img, 5, hh + 1, static_cast<int>(origin), static_cast<int>(g.RowTop(2)));
        if (page == 1) {
            EXPECT_EQ(separator, origin - 5);
            EXPECT_EQ(DarkPixels(img, static_cast<int>(origin), hh + 1, static_cast<int>(origin) + 1, bottom - 2),
                      bottom - 3 - hh);
            EXPECT_GT(names, 20);
        } else {
            EXPECT_LT(separator, 5);
        }
    }
    // The first page's bars stand right of the name column; the second column
    // continues where the first ends.
    const wxImage first = Page(*p, 1);
    EXPECT_EQ(Pixel(first, g.YearToX(1580), g.BarTop(g.RowTop(0)) + 1), ToWxColour(kRed));
    EXPECT_EQ(g.YearToX(1580), origin + g.LeftMargin() + 160);
    const std::int64_t x2 = g.YearToX(1850);
    const wxImage second = Page(*p, static_cast<int>(x2 / w) + 1);
    EXPECT_EQ(Pixel(second, x2 % w, g.BarTop(g.RowTop(1)) + 1), ToWxColour(kBlue));
}

TEST_F(PrintAndImage, APageTooSmallForARowPrintsTheHeaderAndSaysTheRowsDoNotFit) {
    AddPerson("徳川家康", 1543, 1616, kRed);
    Refresh();
    auto p = Timeline().CreatePrintout();
    const int hh = Timeline().HeaderHeight();
    p->SetPPIScreen(96, 96);
    p->SetPPIPrinter(96, 96);
    p->SetPageSizePixels(761, hh + 10 + Timeline().Geometry().RowHeight() - 1);
    wxString text;
    wxTEST_DIALOG(
        {
            p->OnPreparePrinting();
            Settle();
        },
        CExpectMessage(wxOK, &text));
    EXPECT_EQ(text, ToWx("用紙が小さすぎるため、人物の行は1行も入りません。\n見出しの年だけを印刷します。"));
    EXPECT_EQ(p->Pages()->RowsPerPage(), 0);
    EXPECT_EQ(PageCount(*p), p->Pages()->Columns());
    const wxImage img = Page(*p, 1);
    const CTimelineGeometry& g = p->Layout().Geometry();
    EXPECT_EQ(Pixel(img, g.YearToX(1525), hh - 2), Grey(192));  // the header band
    for (std::int64_t y = hh + 1; y < img.GetHeight() - 2; ++y) {
        EXPECT_NE(Pixel(img, g.YearToX(1580), y), ToWxColour(kRed)) << y;
    }
}

TEST_F(PrintAndImage, HugeRangesRefuseToPrintWithAMessage) {
    Doc().Core().Settings().startYear = -2'000'000'000;
    Doc().Core().Settings().endYear = 2'000'000'000;
    Doc().UpdateAllViews();
    Settle();
    wxString text;
    wxTEST_DIALOG(Command(Id::FilePrint), CExpectMessage(wxOK, &text));
    EXPECT_EQ(text,
              ToWx("印刷するページが多すぎます（100000ページまで）。\n年範囲を狭めるか、ズームを小さくしてください。"));
    wxTEST_DIALOG(Command(Id::FilePrintPreview), CExpectMessage(wxOK, &text));
    EXPECT_TRUE(frame->DataBar()->IsShown());
}

TEST_F(PrintAndImage, PreviewHidesAShownDataBarUntilItClosesAndLeavesAHiddenOneHidden) {
    SKIP_UNDER_WINE("the prefix has no printer to preview for");
    for (int i = 0; i < 40; ++i) {
        AddPerson("人物" + std::to_string(i), 1500 + 10 * i, 1560 + 10 * i, i % 2 ? kRed : kBlue);
    }
    Refresh();
    UpdateUi();
    const auto findPreview = [] {
        for (wxWindow* w : wxTopLevelWindows) {
            if (auto* p = dynamic_cast<CPreviewFrame*>(w); p != nullptr && !p->IsBeingDeleted()) {
                return p;
            }
        }
        return static_cast<CPreviewFrame*>(nullptr);
    };
    ASSERT_TRUE(frame->DataBar()->IsShown());
    Command(Id::FilePrintPreview);
    CPreviewFrame* preview = findPreview();
    ASSERT_NE(preview, nullptr);
    EXPECT_FALSE(frame->DataBar()->IsShown());
    if (const char* dir = std::getenv("VITACHRON_SHOT_DIR")) {
        preview->Update();
        Settle();
        CScreenshot::Save(preview, wxString::FromUTF8(dir) + "/preview.png");
    }
    preview->Close();
    Settle();
    EXPECT_EQ(findPreview(), nullptr);
    EXPECT_TRUE(frame->DataBar()->IsShown());

    Command(Id::ViewDataBar);
    ASSERT_FALSE(frame->DataBar()->IsShown());
    Command(Id::FilePrintPreview);
    preview = findPreview();
    ASSERT_NE(preview, nullptr);
    preview->Close();
    Settle();
    EXPECT_FALSE(frame->DataBar()->IsShown());
}

TEST_F(PrintAndImage, SaveAsImageWritesEveryRowAndTheNameColumnAsPngOrSvg) {
    Doc().Core().Settings().endYear = 2100;  // today in the range
    for (int i = 0; i < 150; ++i) {  // taller than one strip of the PNG
        AddPerson("人物" + std::to_string(i), 1500 + 3 * i, 1540 + 3 * i, i == 149 ? kBlue : kRed);
    }
    AddPerson("存命", 1950, CScaleYear::kUnknownValue, kBlue);  // a patterned end
    Refresh();
    const auto png = TempDir() / "timeline.png";
    chooser.answers.push_back({PathToWx(png)});
    Command(Id::SaveAsImage);
    ASSERT_EQ(chooser.requests.size(), 1u);
    EXPECT_TRUE(chooser.requests[0].promptOverwrite);
    wxImage img;
    ASSERT_TRUE(img.LoadFile(PathToWx(png), wxBITMAP_TYPE_PNG));
    const CTimelineExport picture(Timeline().ExportSource());
    EXPECT_EQ(img.GetWidth(), picture.Width());
    EXPECT_EQ(img.GetHeight(), picture.Height());
    ASSERT_GT(img.GetHeight(), 4096);
    const CTimelineGeometry& g = picture.Layout().Geometry();
    const std::int64_t names = picture.NameColumnWidth();
    // The first and the last row, at their bars' places right of the name column.
    EXPECT_EQ(Pixel(img, names + g.YearToX(1520), g.BarTop(g.RowTop(0)) + 1), ToWxColour(kRed));
    EXPECT_EQ(Pixel(img, names + g.YearToX(1500 + 3 * 149 + 20), g.BarTop(g.RowTop(149)) + 1), ToWxColour(kBlue));
    // The header band once, at the top; the title cell above the names.
    EXPECT_EQ(Pixel(img, names + g.YearToX(1525), g.HeaderHeight() - 2), Grey(192));
    EXPECT_EQ(Pixel(img, names - 3, 2), Grey(192));
    EXPECT_NE(Pixel(img, names + g.YearToX(1525), 4096 + 2), Grey(192));
    EXPECT_GT(DarkPixels(img, 0, static_cast<int>(g.RowTop(149)), static_cast<int>(names),
                         static_cast<int>(g.RowTop(150))),
              20);
    // The living person's checkered fringe after today: both colours in it.
    const std::int64_t today = names + g.YearToX(g.CurrentYear());
    int bar = 0;
    int paper = 0;
    for (std::int64_t x = today; x < today + 8; ++x) {
        const wxColour c = Pixel(img, x, g.BarTop(g.RowTop(150)) + 1);
        bar += c == ToWxColour(kBlue);
        paper += c == *wxWHITE;
    }
    EXPECT_EQ(bar, 4);
    EXPECT_EQ(paper, 4);

    const auto svg = TempDir() / "timeline.svg";
    chooser.answers.push_back({PathToWx(svg)});
    Command(Id::SaveAsImage);
    const std::string text = Slurp(svg);
    EXPECT_NE(text.find("<svg"), std::string::npos);
    EXPECT_NE(text.find("人物149"), std::string::npos);
    // A drawing has no pixels to alternate: the fringe is the even mix of blue and white.
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    EXPECT_NE(lower.find("8080e0"), std::string::npos);
}

TEST_F(PrintAndImage, AnImageTooLargeIsRefusedAndAnEarlierFileStays) {
    Doc().Core().Settings().startYear = -2'000'000'000;
    Doc().Core().Settings().endYear = 2'000'000'000;
    Doc().UpdateAllViews();
    Settle();
    const auto png = TempDir() / "huge.png";
    std::ofstream(png) << "earlier";
    chooser.answers.push_back({PathToWx(png)});
    wxString text;
    wxTEST_DIALOG(Command(Id::SaveAsImage), CExpectMessage(wxOK, &text));
    EXPECT_TRUE(text.StartsWith(ToWx("画像が大きすぎるため、PNGでは保存できません"))) << text;
    EXPECT_EQ(Slurp(png), "earlier");
    const auto svg = TempDir() / "huge.svg";
    chooser.answers.push_back({PathToWx(svg)});
    wxTEST_DIALOG(Command(Id::SaveAsImage), CExpectMessage(wxOK, &text));
    EXPECT_TRUE(text.StartsWith(ToWx("画像が大きすぎるため保存できません"))) << text;
    EXPECT_FALSE(std::filesystem::exists(svg));
}
