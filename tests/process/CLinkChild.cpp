#include "CLinkChild.h"

#include <gtest/gtest.h>

#include <thread>

#ifdef _WIN32

#include "model/WideText.h"
#include "model/WindowsCommandLine.h"

#include <windows.h>

CLinkChild::CLinkChild(std::vector<std::string> args, bool pipes) {
    std::vector<std::wstring> wide;
    for (const std::string& arg : args) {
        wide.push_back(WideText(arg));
    }
    std::wstring line = WindowsCommandLine(wide);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    HANDLE childIn = nullptr;
    HANDLE childOut = nullptr;
    if (pipes) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        HANDLE in = nullptr;
        HANDLE out = nullptr;
        if (!::CreatePipe(&childIn, &in, &inherit, 0) || !::CreatePipe(&out, &childOut, &inherit, 0)) {
            ADD_FAILURE() << "no pipe: " << ::GetLastError();
            return;
        }
        // Our ends stay ours: a child holding them would keep the pipes open.
        ::SetHandleInformation(in, HANDLE_FLAG_INHERIT, 0);
        ::SetHandleInformation(out, HANDLE_FLAG_INHERIT, 0);
        in_ = in;
        out_ = out;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = childIn;
        startup.hStdOutput = childOut;
        startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    }
    std::vector<wchar_t> commandLine(line.begin(), line.end());
    commandLine.push_back(L'\0');
    PROCESS_INFORMATION process{};
    const std::wstring program = WideText(args[0]);
    if (::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, pipes, 0, nullptr, nullptr, &startup,
                         &process)) {
        ::CloseHandle(process.hThread);
        process_ = process.hProcess;
        pid_ = static_cast<long>(process.dwProcessId);
    } else {
        ADD_FAILURE() << "cannot start " << args[0] << ": " << ::GetLastError();
    }
    if (childIn != nullptr) {
        ::CloseHandle(childIn);
        ::CloseHandle(childOut);
    }
}

CLinkChild::~CLinkChild() {
    if (in_ != nullptr) {
        ::CloseHandle(in_);  // link-host ends at the end of its input
    }
    if (process_ != nullptr) {
        if (::WaitForSingleObject(process_, in_ != nullptr ? 5000 : 0) != WAIT_OBJECT_0) {
            ::TerminateProcess(process_, 1);
            ::WaitForSingleObject(process_, 5000);
        }
        ::CloseHandle(process_);
    }
    if (out_ != nullptr) {
        ::CloseHandle(out_);
    }
}

void CLinkChild::Write(const std::string& line) {
    const std::string text = line + "\n";
    DWORD written = 0;
    ASSERT_TRUE(::WriteFile(in_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr));
    ASSERT_EQ(written, text.size());
}

std::string CLinkChild::ReadLine(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (const auto nl = buffer_.find('\n'); nl != std::string::npos) {
            std::string line = buffer_.substr(0, nl);
            buffer_.erase(0, nl + 1);
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();  // its standard output is in text mode
            }
            return line;
        }
        // An anonymous pipe has no timed read: look, then read what is there.
        DWORD available = 0;
        if (!::PeekNamedPipe(out_, nullptr, 0, nullptr, &available, nullptr)) {
            return {};  // it has ended
        }
        if (available == 0) {
            if (std::chrono::steady_clock::now() >= deadline) {
                return {};
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        char chunk[4096];
        DWORD n = 0;
        if (!::ReadFile(out_, chunk, std::min<DWORD>(available, sizeof chunk), &n, nullptr) || n == 0) {
            return {};
        }
        buffer_.append(chunk, n);
    }
}

void CLinkChild::End(long pid) {
    if (HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, static_cast<DWORD>(pid))) {
        ::TerminateProcess(process, 1);
        ::WaitForSingleObject(process, 5000);
        ::CloseHandle(process);
    }
}

#else

#include <glib.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

CLinkChild::CLinkChild(std::vector<std::string> args, bool pipes) {
    std::vector<gchar*> argv;
    for (auto& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    GError* error = nullptr;
    GPid pid = 0;
    const bool ok = g_spawn_async_with_pipes(nullptr, argv.data(), nullptr, G_SPAWN_DO_NOT_REAP_CHILD, nullptr,
                                             nullptr, &pid, pipes ? &in_ : nullptr, pipes ? &out_ : nullptr, nullptr,
                                             &error);
    if (!ok) {
        ADD_FAILURE() << "cannot start " << args[0] << ": " << error->message;
        g_error_free(error);
    }
    pid_ = pid;
}

CLinkChild::~CLinkChild() {
    if (in_ >= 0) {
        ::close(in_);
    }
    if (out_ >= 0) {
        ::close(out_);
    }
    if (pid_ > 0) {
        ::kill(static_cast<pid_t>(pid_), SIGTERM);
        ::waitpid(static_cast<pid_t>(pid_), nullptr, 0);
    }
}

void CLinkChild::Write(const std::string& line) {
    const std::string text = line + "\n";
    ASSERT_EQ(::write(in_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
}

std::string CLinkChild::ReadLine(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (const auto nl = buffer_.find('\n'); nl != std::string::npos) {
            std::string line = buffer_.substr(0, nl);
            buffer_.erase(0, nl + 1);
            return line;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd p{out_, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0) {
            return {};
        }
        char chunk[4096];
        const ssize_t n = ::read(out_, chunk, sizeof chunk);
        if (n <= 0) {
            return {};
        }
        buffer_.append(chunk, static_cast<std::size_t>(n));
    }
}

void CLinkChild::End(long pid) { ::kill(static_cast<pid_t>(pid), SIGTERM); }

#endif

std::vector<std::string> CLinkChild::UntilDone() {
    std::vector<std::string> lines;
    for (std::string line = ReadLine(); line != "done"; line = ReadLine()) {
        if (line.empty()) {
            ADD_FAILURE() << "no \"done\" in time";
            break;
        }
        lines.push_back(line);
    }
    return lines;
}
