// render: the picture of a whole timeline. Drawing text needs the toolkit,
// which this tool does without, so the work is vitachron-render's, the
// program beside this one; the command hands its arguments over to it.
#include "cli/Commands.h"
#include "platform/CInstallLayout.h"

#include <iostream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#else
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "model/Utf8Path.h"
#include "model/WideText.h"
#include "model/WindowsCommandLine.h"
#endif

#ifdef _WIN32
namespace {

// Windows has no exec: the render program runs as a child with our
// standard handles, and its exit status becomes ours. -1 when it could not start.
int RunAndWait(const std::filesystem::path& program, const CliArgs& args) {
    std::vector<std::wstring> wide{program.wstring()};
    for (const std::string& arg : args) {
        wide.push_back(WideText(arg));
    }
    std::wstring line = WindowsCommandLine(wide);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = ::GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    for (HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) {
        if (handle != nullptr && handle != INVALID_HANDLE_VALUE) {
            ::SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
        }
    }
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                          &process)) {
        return -1;
    }
    ::CloseHandle(process.hThread);
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 1;
    ::GetExitCodeProcess(process.hProcess, &status);
    ::CloseHandle(process.hProcess);
    return static_cast<int>(status);
}

}  // namespace
#endif

std::filesystem::path RenderProgram() {
    return CInstallLayout::RenderProgram(CInstallLayout::RunningProgramDir(nullptr));
}

int CmdRender(const CliArgs& args) {
    if (args.size() < 2) {
        std::cerr << "usage: vitachron-cli render IN.vtc OUT.png|OUT.svg|OUT.pdf [--zoom N]\n";
        return 2;
    }
    const std::filesystem::path program = RenderProgram();
#ifndef _WIN32
    std::vector<std::string> owned{program.string()};
    owned.insert(owned.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : owned) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    std::cerr << "vitachron-cli: render needs " << program.string() << ", which could not be started\n";
#else
    if (const int status = RunAndWait(program, args); status >= 0) {
        return status;
    }
    std::cerr << "vitachron-cli: render needs " << Utf8FromPath(program) << ", which could not be started\n";
#endif
    return 1;
}
