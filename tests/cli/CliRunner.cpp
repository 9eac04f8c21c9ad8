#include "cli/CliRunner.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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
