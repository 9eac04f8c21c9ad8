#include "view/CTimelineExport.h"

#include "layout/CNameListLayout.h"
#include "layout/CTimelineLayout.h"
#include "model/CVitachronDoc.h"
#include "model/FormatText.h"
#include "res/Strings.h"
#include "view/CNameListPainter.h"
#include "view/CPatternCache.h"
#include "view/CPdfFile.h"
#include "view/CTimelinePainter.h"
#include "view/CViewFonts.h"
#include "wxsupport/WxConvert.h"
#include "model/Utf8Path.h"

#include <wx/bitmap.h>
#include <wx/dcgraph.h>
#include <wx/dcmemory.h>
#include <wx/dcsvg.h>
#include <wx/graphics.h>
#include <wx/image.h>
#include <wx/log.h>

#include <cairo-pdf.h>
#include <cairo.h>
#include <png.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

// A strip of the PNG is painted at once; its buffer stays near this size.
constexpr std::int64_t kStripBytes = 32 * 1024 * 1024;
constexpr int kTileSide = 4096;

[[noreturn]] void PngError(png_structp png, png_const_charp message) {
    *static_cast<std::string*>(png_get_error_ptr(png)) = message;
    png_longjmp(png, 1);
}

void PngWarning(png_structp, png_const_charp) {}

// Writes an RGB PNG whose rows come from row(y), in order. Nothing with a
// destructor lives in this frame: libpng leaves it by longjmp on errors.
bool WritePngRows(std::FILE* file, std::uint32_t width, std::uint32_t height,
                  const std::function<const unsigned char*(std::uint32_t)>& row, std::string& error) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &error, PngError, PngWarning);
    if (png == nullptr) {
        error = "libpng";
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (std::uint32_t y = 0; y < height; ++y) {
        png_write_row(png, const_cast<png_bytep>(row(y)));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

std::string Number(std::int64_t n) { return std::to_string(n); }

// Takes the first error wx logs while it lives, in place of the log's own
// box: the only place where a failed write of an SVG file shows.
class CLoggedError : public wxLog {
public:
    explicit CLoggedError(wxString& first) : first_(first), previous_(wxLog::SetActiveTarget(this)) {}
    ~CLoggedError() override { wxLog::SetActiveTarget(previous_); }
    CLoggedError(const CLoggedError&) = delete;
    CLoggedError& operator=(const CLoggedError&) = delete;

protected:
    void DoLogRecord(wxLogLevel level, const wxString& message, const wxLogRecordInfo&) override {
        if (level <= wxLOG_Error && first_.empty()) {
            first_ = message;
        }
    }

private:
    wxString& first_;
    wxLog* previous_;
};

}  // namespace

std::optional<CTimelineExport::Format> CTimelineExport::FormatOf(const std::filesystem::path& file) {
    std::string ext = Utf8FromPath(file.extension());
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    if (ext == ".png") {
        return Format::Png;
    }
    if (ext == ".svg") {
        return Format::Svg;
    }
    if (ext == ".pdf") {
        return Format::Pdf;
    }
    return std::nullopt;
}

CTimelineExport::CTimelineExport(Source source)
    : source_(std::move(source)),
      layout_(std::make_unique<CTimelineLayout>(*source_.doc, *source_.fonts, source_.leftMargin,
                                                source_.currentYear)),
      patterns_(std::make_unique<CPatternCache>()),
      blendedPatterns_(std::make_unique<CPatternCache>(true)) {
    const std::int64_t titleWidth =
        source_.fonts->TextWidth(TimelineFont::Name, CNameListLayout::TitleText(source_.title)) + 10;
    nameColumn_ = std::max(layout_->NameListWidth(), titleWidth);
}

CTimelineExport::~CTimelineExport() = default;

std::int64_t CTimelineExport::Width() const { return nameColumn_ + layout_->ContentWidth(); }
std::int64_t CTimelineExport::Height() const { return layout_->ContentHeight(); }

std::string CTimelineExport::Refusal(Format format) const {
    const std::int64_t w = Width();
    const std::int64_t h = Height();
    if (format == Format::Png) {
        if (w > kMaxPngWidth || h > kMaxDrawingSide || w * h > kMaxPngPixels) {
            return FormatText(Str::kMsgImageTooLargePng, {Number(w), Number(h)});
        }
    } else if (w > kMaxDrawingSide || h > kMaxDrawingSide) {
        return FormatText(Str::kMsgImageTooLarge, {Number(w), Number(h)});
    }
    return {};
}

void CTimelineExport::PaintPart(wxDC& dc, std::int64_t x, std::int64_t y, int width, int height,
                                bool blended) const {
    const CVitachronDoc& doc = *source_.doc;
    const std::int64_t names = std::max<std::int64_t>(0, std::min<std::int64_t>(nameColumn_ - x, width));
    if (names > 0) {
        CPaintArea a;
        a.scrollX = x;
        a.scrollY = y;
        a.width = static_cast<int>(names);
        a.height = height;
        a.headerFixed = false;
        wxDCClipper clip(dc, 0, 0, a.width, height);
        CNameListPainter(doc, *layout_, *source_.fonts).PaintScreen(dc, a, source_.title);
    }
    if (names >= width) {
        return;
    }
    CPaintArea a;
    a.scrollX = std::max<std::int64_t>(0, x - nameColumn_);
    a.scrollY = y;
    a.width = width - static_cast<int>(names);
    a.height = height;
    a.headerFixed = false;
    const wxPoint origin = dc.GetDeviceOrigin();
    double scaleX = 1.0;
    double scaleY = 1.0;
    dc.GetUserScale(&scaleX, &scaleY);
    dc.SetDeviceOrigin(origin.x + static_cast<int>(static_cast<double>(names) * scaleX), origin.y);
    {
        // The window's picture without the found person's frame, which
        // marks a search and not the document.
        const CTimelinePainter painter(doc, *layout_, *source_.fonts, blended ? *blendedPatterns_ : *patterns_);
        const CTimelineGeometry& g = layout_->Geometry();
        painter.PaintBackground(dc, a);
        painter.PaintHeader(dc, a, layout_->Header(CHeaderLayout::View{a.scrollX, a.width}), layout_->ContentHeight());
        painter.PaintBaseLine(dc, a, layout_->ContentHeight());
        const auto rowsTop = static_cast<int>(std::clamp<std::int64_t>(g.HeaderHeight() - y, 0, height));
        wxDCClipper clip(dc, 0, rowsTop, a.width, std::max(0, height - rowsTop));
        const auto rows = layout_->VisibleRows(y, height);
        painter.PaintRows(dc, a, rows.first, rows.last);
    }
    dc.SetDeviceOrigin(origin.x, origin.y);
}

bool CTimelineExport::Write(const std::filesystem::path& file, Format format, std::string& error) const {
    error = Refusal(format);
    if (!error.empty()) {
        return false;
    }
    std::filesystem::path partial = file;
    partial += ".part";
    bool ok = false;
    switch (format) {
        case Format::Png: ok = WritePng(partial, error); break;
        case Format::Svg: ok = WriteSvg(partial, error); break;
        case Format::Pdf: ok = WritePdf(partial, error); break;
    }
    std::error_code ec;
    if (ok) {
        std::filesystem::rename(partial, file, ec);
        ok = !ec;
    }
    if (!ok) {
        std::filesystem::remove(partial, ec);
        const std::string why = error;
        error = FormatText(Str::kMsgImageWriteFailed, {Utf8FromPath(file)});
        if (!why.empty()) {
            error += "\n(" + why + ")";
        }
    }
    return ok;
}

bool CTimelineExport::WritePng(const std::filesystem::path& partial, std::string& error) const {
    const std::int64_t w = Width();
    const std::int64_t h = Height();
    // Strips tall enough that only the first holds the header band.
    const int headerHeight = layout_->Geometry().HeaderHeight();
    const auto stripRows = static_cast<int>(
        std::clamp<std::int64_t>(kStripBytes / (3 * w), headerHeight + 1, std::max(kTileSide, headerHeight + 1)));
    const int tileWidth = static_cast<int>(std::min<std::int64_t>(w, kTileSide));
    std::vector<unsigned char> strip(static_cast<std::size_t>(w) * 3 * static_cast<std::size_t>(stripRows));
    wxBitmap tile(tileWidth, stripRows, 24);
    std::int64_t stripTop = -1;

    const auto paintStrip = [&](std::int64_t top) {
        const int rows = static_cast<int>(std::min<std::int64_t>(stripRows, h - top));
        for (std::int64_t left = 0; left < w; left += tileWidth) {
            const int cols = static_cast<int>(std::min<std::int64_t>(tileWidth, w - left));
            {
                wxMemoryDC dc(tile);
                dc.SetBackground(*wxWHITE_BRUSH);
                dc.Clear();
                PaintPart(dc, left, top, cols, rows);
            }
            const wxImage image = tile.ConvertToImage();
            const unsigned char* pixels = image.GetData();
            for (int r = 0; r < rows; ++r) {
                std::copy_n(pixels + static_cast<std::size_t>(r) * tileWidth * 3, static_cast<std::size_t>(cols) * 3,
                            strip.data() + (static_cast<std::size_t>(r) * w + left) * 3);
            }
        }
        stripTop = top;
    };
    std::FILE* file = OpenStdioFile(partial, "wb");
    if (file == nullptr) {
        error = std::strerror(errno);
        return false;
    }
    const bool ok = WritePngRows(
        file, static_cast<std::uint32_t>(w), static_cast<std::uint32_t>(h),
        [&](std::uint32_t y) -> const unsigned char* {
            if (stripTop < 0 || y >= stripTop + stripRows) {
                paintStrip(y);
            }
            return strip.data() + static_cast<std::size_t>(y - stripTop) * w * 3;
        },
        error);
    const bool closed = std::fclose(file) == 0;
    if (ok && !closed) {
        error = std::strerror(errno);
    }
    return ok && closed;
}

bool CTimelineExport::WriteSvg(const std::filesystem::path& partial, std::string& error) const {
    wxString logged;
    {
        // The SVG file's writes fail only into the log.
        const CLoggedError errors(logged);
        wxSVGFileDC dc(PathToWx(partial), static_cast<int>(Width()), static_cast<int>(Height()),
                       source_.screenPpi, ToWx(CNameListLayout::TitleText(source_.title)));
        if (!dc.IsOk()) {
            error = "SVG";
            return false;
        }
        PaintPart(dc, 0, 0, static_cast<int>(Width()), static_cast<int>(Height()), true);
    }
    if (!logged.empty()) {
        error = FromWx(logged);
        return false;
    }
    std::error_code ec;
    const auto size = std::filesystem::file_size(partial, ec);
    if (ec || size == 0) {
        error = "SVG";
        return false;
    }
    return true;
}

bool CTimelineExport::WritePdf(const std::filesystem::path& partial, std::string& error) const {
    const double scale = 72.0 / std::max(source_.screenPpi, 1);
    CPdfFile pdf(partial, static_cast<double>(Width()) * scale, static_cast<double>(Height()) * scale);
    if (pdf.Surface() == nullptr || cairo_surface_status(pdf.Surface()) != CAIRO_STATUS_SUCCESS) {
        pdf.Finish(error);
        return false;
    }
    cairo_t* cr = cairo_create(pdf.Surface());
    {
        wxGCDC dc(pdf.NewContext(cr));
        dc.SetUserScale(scale, scale);
        PaintPart(dc, 0, 0, static_cast<int>(Width()), static_cast<int>(Height()), true);
    }
    cairo_show_page(cr);
    cairo_destroy(cr);
    return pdf.Finish(error);
}
