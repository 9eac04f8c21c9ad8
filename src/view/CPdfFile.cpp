#include "view/CPdfFile.h"

#include "model/Utf8Path.h"

#include <wx/graphics.h>

#include <cairo-pdf.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

CPdfFile::CPdfFile(const std::filesystem::path& file, double widthPoints, double heightPoints)
    : file_(OpenStdioFile(file, "wb")), widthPoints_(widthPoints), heightPoints_(heightPoints) {
    if (file_ == nullptr) {
        error_ = errno;
        return;
    }
    surface_ = cairo_pdf_surface_create_for_stream(&CPdfFile::Write, this, widthPoints, heightPoints);
}

namespace {

// wx keeps a context's size where only its own kinds of context set it; the
// member pointer reaches it from a class of the family, as the language
// allows for protected members.
struct CContextSize : wxGraphicsContext {
    static void Set(wxGraphicsContext& context, double width, double height) {
        context.*(&CContextSize::m_width) = width;
        context.*(&CContextSize::m_height) = height;
    }
};

}  // namespace

wxGraphicsContext* CPdfFile::NewContext(cairo_t* cr) const {
    wxGraphicsContext* context = wxGraphicsRenderer::GetCairoRenderer()->CreateContextFromNativeContext(cr);
    if (context != nullptr) {
        CContextSize::Set(*context, widthPoints_, heightPoints_);
    }
    return context;
}

CPdfFile::~CPdfFile() {
    if (surface_ != nullptr) {
        cairo_surface_destroy(surface_);
    }
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

cairo_status_t CPdfFile::Write(void* self, const unsigned char* data, unsigned int length) {
    auto* pdf = static_cast<CPdfFile*>(self);
    if (std::fwrite(data, 1, length, pdf->file_) != length) {
        pdf->error_ = errno;
        return CAIRO_STATUS_WRITE_ERROR;
    }
    return CAIRO_STATUS_SUCCESS;
}

bool CPdfFile::Finish(std::string& error) {
    if (surface_ == nullptr) {
        error = std::strerror(error_);
        return false;
    }
    cairo_surface_finish(surface_);
    const cairo_status_t status = cairo_surface_status(surface_);
    const bool closed = std::fclose(file_) == 0;
    if (!closed && error_ == 0) {
        error_ = errno;
    }
    file_ = nullptr;
    // cairo does not always pass a failed write on into its status.
    if (status != CAIRO_STATUS_SUCCESS || !closed || error_ != 0) {
        error = error_ != 0 ? std::strerror(error_) : cairo_status_to_string(status);
        return false;
    }
    return true;
}
