// vitachron-render IN.vtc OUT.png|OUT.svg|OUT.pdf [--zoom N]
// The whole timeline with its name column as one picture, as the window's
// "画像として保存..." writes it. vitachron-cli's "render" runs this program.
// It needs a display for the toolkit's text (run under xvfb-run without one).
#include "model/CFileError.h"
#include "model/CFileIO.h"
#include "model/CFormatError.h"
#include "model/CMemoryProfile.h"
#include "model/CNullDocHost.h"
#include "model/CVitachronDoc.h"
#include "model/LocalTime.h"
#include "model/Utf8Path.h"
#include "platform/CFontSetup.h"
#include "platform/CInstallLayout.h"
#include "view/CTimelineExport.h"
#include "view/CViewFonts.h"
#include "view/CVitachronView.h"
#include "wxsupport/CLogFontConverter.h"
#include "wxsupport/WxConvert.h"

#include <wx/app.h>
#include <wx/debug.h>
#include <wx/init.h>
#include <wx/log.h>

#include <charconv>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <type_traits>

namespace {

class CRenderApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

int Usage() {
    std::fprintf(stderr, "usage: vitachron-cli render IN.vtc OUT.png|OUT.svg|OUT.pdf [--zoom N]\n");
    return 2;
}

// The argument as UTF-8: on Windows the system's UTF-16 ones, since the
// narrow ones are in the ANSI code page.
std::string Utf8Arg(const char* arg) { return arg; }
#ifdef _WIN32
std::string Utf8Arg(const wchar_t* arg) { return FromWx(wxString(arg)); }
#endif

template <typename Char>
int Run(int argc, Char** argv) {
    CFileIO::FailWritesBeyondTheSizeLimit();
    std::setlocale(LC_ALL, "C.UTF-8");
    if (argc != 3 && argc != 5) {
        return Usage();
    }
    const std::filesystem::path in = PathFromUtf8(Utf8Arg(argv[1]));
    const std::filesystem::path out = PathFromUtf8(Utf8Arg(argv[2]));
    const char* argv0 = nullptr;  // Windows asks the system for the program's own file
    if constexpr (std::is_same_v<Char, char>) {
        argv0 = argv[0];
    }
    int zoom = 0;
    if (argc == 5) {
        const std::string flag = Utf8Arg(argv[3]);
        const std::string value = Utf8Arg(argv[4]);
        const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), zoom);
        if (flag != "--zoom" || ec != std::errc() || end != value.data() + value.size() || zoom < 1 || zoom > 1000) {
            std::fprintf(stderr, "vitachron-cli render: --zoom takes a percentage from 1 to 1000\n");
            return 2;
        }
    }
    const auto format = CTimelineExport::FormatOf(out);
    if (!format) {
        std::fprintf(stderr, "vitachron-cli render: %s: the picture is written as .png, .svg or .pdf\n",
                     Utf8FromPath(out).c_str());
        return 2;
    }

    CNullDocHost host;
    CMemoryProfile profile;
    CVitachronDoc doc(host, profile, CInstallLayout::SharedCategoryFile(CInstallLayout::RunningProgramDir(argv0)));
    try {
        doc.OpenFile(in);
    } catch (const CFormatError& e) {
        std::fprintf(stderr, "%s: damaged document file: %s\n", Utf8FromPath(in).c_str(), e.what());
        return 1;
    } catch (const CFileError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    if (zoom != 0) {
        doc.SetZoom(zoom);
    }

    CFontSetup::Load(CInstallLayout::DataDir(CInstallLayout::RunningProgramDir(argv0)) / CFontSetup::kConfigFileName);
    // A failed check of the toolkit is told on the terminal: its dialog
    // would wait for a click nobody gives.
    wxSetAssertHandler([](const wxString& file, int line, const wxString&, const wxString& cond, const wxString& msg) {
        std::fprintf(stderr, "vitachron-render: %s:%d: %s %s\n", static_cast<const char*>(file.utf8_str()), line,
                     static_cast<const char*>(cond.utf8_str()), static_cast<const char*>(msg.utf8_str()));
    });
    // Whatever the toolkit logs goes to the terminal: its message box would
    // wait for a click nobody gives. (The toolkit deletes it at the end.)
    delete wxLog::SetActiveTarget(new wxLogStderr);
    wxApp::SetInstance(new CRenderApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr,
                     "vitachron-cli render: the toolkit cannot start without a display (run it under xvfb-run)\n");
        return 1;
    }
    int status = 0;
    {
        CViewFonts fonts;
        // The fonts follow the document's zoom as the window's do.
        fonts.Recreate(doc.Settings(), doc.Settings().zoom);
        CTimelineExport::Source source;
        source.doc = &doc;
        source.fonts = &fonts;
        source.leftMargin = CVitachronView::MeasureLeftMargin(nullptr);
        source.title = Utf8FromPath(in.filename());
        source.currentYear = CurrentLocalYear();
        source.screenPpi = static_cast<int>(CLogFontConverter::ScreenDpi());
        const CTimelineExport picture(source);
        std::string error;
        if (picture.Write(out, *format, error)) {
            std::printf("%s: %lld x %lld\n", Utf8FromPath(out).c_str(), static_cast<long long>(picture.Width()),
                        static_cast<long long>(picture.Height()));
        } else {
            std::fprintf(stderr, "vitachron-cli render: %s\n", error.c_str());
            status = 1;
        }
    }
    wxTheApp->OnExit();
    wxEntryCleanup();
    return status;
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) { return Run(argc, argv); }
#else
int main(int argc, char** argv) { return Run(argc, argv); }
#endif
