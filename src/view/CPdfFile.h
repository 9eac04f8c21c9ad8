// A cairo PDF surface that writes into a file with every write checked.
// cairo's own file output loses the error of the writes it leaves to the
// closing of the file, so a full disk or the file-size limit gave a cut-off
// PDF that was reported as written.
#pragma once

#include <cairo.h>

class wxGraphicsContext;

#include <cstdio>
#include <filesystem>
#include <string>

class CPdfFile {
public:
    CPdfFile(const std::filesystem::path& file, double widthPoints, double heightPoints);
    ~CPdfFile();
    CPdfFile(const CPdfFile&) = delete;
    CPdfFile& operator=(const CPdfFile&) = delete;

    // Null when the file could not be made: then Finish says why.
    cairo_surface_t* Surface() const { return surface_; }
    // A wx drawing context over cr, a context of this file's surface, for a
    // wxGCDC. wx takes a context made from a cairo one as 0 x 0 points, and
    // on that size every clipping region that ends leaves nothing to draw
    // on: what was painted after it was lost.
    wxGraphicsContext* NewContext(cairo_t* cr) const;
    // Ends the document and closes the file; false with the reason when
    // anything of it could not be written.
    bool Finish(std::string& error);

private:
    static cairo_status_t Write(void* self, const unsigned char* data, unsigned int length);

    std::FILE* file_ = nullptr;
    cairo_surface_t* surface_ = nullptr;
    int error_ = 0;
    double widthPoints_;
    double heightPoints_;
};
