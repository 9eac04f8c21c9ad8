// A program the link's process tests start: link-host with its standard
// input and output as pipes to the test, or annalix-peer without. Ended
// when the object goes (link-host by the end of its input, if it can).
// POSIX: GLib's spawn, poll and waitpid; Windows: CreateProcess, anonymous
// pipes and WaitForSingleObject.
#pragma once

#include <chrono>
#include <string>
#include <vector>

class CLinkChild {
public:
    static constexpr std::chrono::milliseconds kPatience{30000};  // for what takes milliseconds when all is well

    // args[0] is the program; pipes: talk to it through stdin and stdout.
    CLinkChild(std::vector<std::string> args, bool pipes);
    ~CLinkChild();
    CLinkChild(const CLinkChild&) = delete;
    CLinkChild& operator=(const CLinkChild&) = delete;

    long Pid() const { return pid_; }

    void Write(const std::string& line);
    // The next line of its output, without the line end; empty after the time-out.
    std::string ReadLine(std::chrono::milliseconds timeout = kPatience);
    // Lines up to "done" (excluded).
    std::vector<std::string> UntilDone();

    // Ends a process this test did not start itself (one the link started).
    static void End(long pid);

private:
    long pid_ = 0;
#ifdef _WIN32
    void* process_ = nullptr;  // HANDLE
    void* in_ = nullptr;
    void* out_ = nullptr;
#else
    int in_ = -1;
    int out_ = -1;
#endif
    std::string buffer_;
};
