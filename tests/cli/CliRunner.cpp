#include "cli/CliRunner.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#else
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <random>

#include "model/WideText.h"
#include "model/WindowsCommandLine.h"
#endif

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

std::string Slurp(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

CliResult CliRunner::Run(const std::vector<std::string>& args) const { return Start(args, std::nullopt); }

CliResult CliRunner::RunWithFileSizeLimit(const std::vector<std::string>& args, std::uint64_t bytes) const {
    return Start(args, bytes);
}

#ifndef _WIN32
CliResult CliRunner::Start(const std::vector<std::string>& args, std::optional<std::uint64_t> fileSizeLimit) const {
    // Output goes to files rather than pipes, so a chatty program can never
    // block on a full pipe while we wait for it.
    std::string outTemplate = (std::filesystem::temp_directory_path() / "vitachron-cli-out-XXXXXX").string();
    std::string errTemplate = (std::filesystem::temp_directory_path() / "vitachron-cli-err-XXXXXX").string();
    const int outFd = ::mkstemp(outTemplate.data());
    const int errFd = ::mkstemp(errTemplate.data());
    if (outFd < 0 || errFd < 0) {
        throw std::runtime_error("cannot make files for the program's output");
    }

    // Everything the child needs is made before fork: after it, only system calls.
    const std::string program = program_.string();
    const std::string dir = workDir_.string();
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid < 0) {
        throw std::runtime_error("cannot start the program");
    }
    if (pid == 0) {
        if (::chdir(dir.c_str()) != 0 || ::dup2(outFd, 1) < 0 || ::dup2(errFd, 2) < 0) {
            ::_exit(127);
        }
        if (fileSizeLimit) {
            const rlimit limit{*fileSizeLimit, *fileSizeLimit};
            std::signal(SIGXFSZ, SIG_DFL);
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
                ::_exit(127);
            }
        }
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    pid_t waited = 0;
    do {
        waited = ::waitpid(pid, &status, 0);
    } while (waited < 0 && errno == EINTR);
    ::close(outFd);
    ::close(errFd);

    CliResult result;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = Slurp(outTemplate);
    result.err = Slurp(errTemplate);
    ::unlink(outTemplate.c_str());
    ::unlink(errTemplate.c_str());
    return result;
}
#else
namespace {

// A new file for the child's output, inherited by it.
HANDLE OutputFile(const std::filesystem::path& file) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return ::CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
}

}  // namespace

// Windows has no file-size limit to give a child: the limit is ignored here,
// and the tests that need one are POSIX only.
CliResult CliRunner::Start(const std::vector<std::string>& args, std::optional<std::uint64_t>) const {
    std::random_device random;
    const std::string tag = std::to_string(random()) + std::to_string(random());
    const auto outFile = std::filesystem::temp_directory_path() / ("vitachron-cli-out-" + tag);
    const auto errFile = std::filesystem::temp_directory_path() / ("vitachron-cli-err-" + tag);
    HANDLE out = OutputFile(outFile);
    HANDLE err = OutputFile(errFile);
    if (out == INVALID_HANDLE_VALUE || err == INVALID_HANDLE_VALUE) {
        throw std::runtime_error("cannot make files for the program's output");
    }
    std::vector<std::wstring> wide{program_.wstring()};
    for (const auto& a : args) {
        wide.push_back(WideText(a));
    }
    std::wstring line = WindowsCommandLine(wide);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    const BOOL started = ::CreateProcessW(program_.c_str(), line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                          nullptr, workDir_.c_str(), &startup, &process);
    ::CloseHandle(out);
    ::CloseHandle(err);
    if (!started) {
        throw std::runtime_error("cannot start the program");
    }
    ::CloseHandle(process.hThread);
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    ::GetExitCodeProcess(process.hProcess, &status);
    ::CloseHandle(process.hProcess);

    CliResult result;
    result.status = static_cast<int>(status);
    result.out = Slurp(outFile.string());
    result.err = Slurp(errFile.string());
    std::error_code ec;
    std::filesystem::remove(outFile, ec);
    std::filesystem::remove(errFile, ec);
    return result;
}
#endif
