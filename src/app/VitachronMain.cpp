// The program's entry point. Before the toolkit starts: writes beyond the
// file-size limit fail rather than end the program, a UTF-8 locale, so file
// names and text convert without loss, and the font mapping, so the
// documents' Windows Japanese face names resolve to installed fonts.
#include "app/CVitachronApp.h"
#include "model/CFileIO.h"
#include "platform/CFontSetup.h"

#include <wx/app.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>

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

std::filesystem::path ProgramDir(const char* argv0) {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        return self.parent_path();
    }
    return std::filesystem::absolute(argv0, ec).parent_path();
}

}  // namespace

int main(int argc, char** argv) {
    CFileIO::FailWritesBeyondTheSizeLimit();
    EnsureUtf8Locale();
#ifndef _WIN32
    // A timeline is read by scrolling; its scroll bars stay in view rather
    // than appearing only under the mouse.
    setenv("GTK_OVERLAY_SCROLLING", "0", 0);
#endif
    CFontSetup::Load(ProgramDir(argv[0]) / CFontSetup::kConfigFileName);
    return wxEntry(argc, argv);
}
