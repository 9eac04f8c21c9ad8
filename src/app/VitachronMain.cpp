// The program's entry point. Before the toolkit starts: writes beyond the
// file-size limit fail rather than end the program; a UTF-8 locale, so file
// names and text convert without loss; the toolkit's texts in Japanese; the
// command line, so that --help, --version and wrong arguments answer
// without a display; and the font mapping, so the documents' Windows
// Japanese face names resolve to installed fonts.
#include "app/CCommandLine.h"
#include "app/CUiLanguage.h"
#include "app/CToolkitEnvironment.h"
#include "app/CVitachronApp.h"
#include "model/CFileIO.h"
#include "platform/CFontSetup.h"
#include "platform/CInstallLayout.h"

#include <wx/app.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <type_traits>

#ifndef _WIN32
#include <langinfo.h>
#endif

wxIMPLEMENT_APP_NO_MAIN(CVitachronApp);

namespace {

void EnsureUtf8Locale() {
#ifndef _WIN32
    const char* set = std::setlocale(LC_ALL, "");
    const char* codeset = set != nullptr ? nl_langinfo(CODESET) : "";
    if (set == nullptr || std::strcmp(codeset, "UTF-8") != 0) {
        // The toolkit sets the locale from the environment again, so the
        // environment must say UTF-8 too.
        setenv("LC_ALL", "C.UTF-8", 1);
        std::setlocale(LC_ALL, "C.UTF-8");
    }
#endif
}

}  // namespace

namespace {

// Char is char, or on Windows wchar_t: there the narrow arguments are in the
// ANSI code page and lose every character outside it.
template <typename Char>
int Run(int argc, Char** argv) {
    CFileIO::FailWritesBeyondTheSizeLimit();
    EnsureUtf8Locale();
    CToolkitEnvironment::Prepare();
    const char* argv0 = nullptr;  // Windows asks the system for the program's own file
    if constexpr (std::is_same_v<Char, char>) {
        argv0 = argv[0];
    }
    const std::filesystem::path programDir = CInstallLayout::RunningProgramDir(argv0);
    // The application object first: the toolkit finds its catalogues through it.
    auto app = std::make_unique<CVitachronApp>();
    wxApp::SetInstance(app.get());
    CUiLanguage::Install(CInstallLayout::LocaleDir(programDir));
    auto line = CCommandLine::Parse(argc, argv);
    if (const int* status = std::get_if<int>(&line)) {
        wxApp::SetInstance(nullptr);
        return *status;
    }
    app->SetCommandLine(std::get<CCommandLine>(line));
    CFontSetup::Load(CInstallLayout::DataDir(programDir) / CFontSetup::kConfigFileName);
    static_cast<void>(app.release());  // wxEntry owns it from here and deletes it at the end
    return wxEntry(argc, argv);
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) { return Run(argc, argv); }
#else
int main(int argc, char** argv) { return Run(argc, argv); }
#endif
