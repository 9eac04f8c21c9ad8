// The whole timeline as one picture: the name column on the left, then
// every row over the full year range, as the window paints it at the
// current zoom. Written as PNG (in strips, so memory stays small), SVG or
// PDF. The file is written beside the target and moved onto it at the end.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

class CPatternCache;
class CTimelineLayout;
class CViewFonts;
class CVitachronDoc;
class wxDC;

class CTimelineExport {
public:
    enum class Format { Png, Svg, Pdf };

    struct Source {
        const CVitachronDoc* doc = nullptr;
        const CViewFonts* fonts = nullptr;
        int leftMargin = 0;
        std::string title;
        int currentYear = 0;
        int screenPpi = 96;  // a PDF shows one pixel at its on-screen size
    };

    // A PNG is held to this many pixels and this width; drawings (SVG,
    // PDF) to this many pixels on either side, where cairo's fixed-point
    // coordinates still hold a pixel exactly.
    static constexpr std::int64_t kMaxPngPixels = 256'000'000;
    static constexpr std::int64_t kMaxPngWidth = 65'535;
    static constexpr std::int64_t kMaxDrawingSide = 8'000'000;

    // By the file's extension (.png, .svg, .pdf in any case); none for others.
    static std::optional<Format> FormatOf(const std::filesystem::path& file);

    explicit CTimelineExport(Source source);
    ~CTimelineExport();
    CTimelineExport(const CTimelineExport&) = delete;
    CTimelineExport& operator=(const CTimelineExport&) = delete;

    std::int64_t Width() const;
    std::int64_t Height() const;
    // The names fit without being cut, and so does the title.
    std::int64_t NameColumnWidth() const { return nameColumn_; }
    const CTimelineLayout& Layout() const { return *layout_; }

    // Why the picture cannot be written in that format (the user's
    // message); empty when it can.
    std::string Refusal(Format format) const;

    // Paints the part [x, x + width) x [y, y + height) of the picture with
    // its top-left corner at the device's (0, 0). blended: patterns as the
    // mix of their colours (drawings).
    void PaintPart(wxDC& dc, std::int64_t x, std::int64_t y, int width, int height, bool blended = false) const;

    // False with the reason (UTF-8, for the user) when nothing was written.
    bool Write(const std::filesystem::path& file, Format format, std::string& error) const;

private:
    bool WritePng(const std::filesystem::path& partial, std::string& error) const;
    bool WriteSvg(const std::filesystem::path& partial, std::string& error) const;
    bool WritePdf(const std::filesystem::path& partial, std::string& error) const;

    Source source_;
    std::unique_ptr<CTimelineLayout> layout_;
    std::unique_ptr<CPatternCache> patterns_;
    std::unique_ptr<CPatternCache> blendedPatterns_;
    std::int64_t nameColumn_ = 0;
};
