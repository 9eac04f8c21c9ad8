// Runs part of a test as another user, in a child process: the link's
// objects must be right for a user who cannot override file permissions,
// and two users' links must stay apart. Only root can switch; tests check
// CanSwitchUser() first. The child reports what it found wrong as text,
// one finding a line; nothing reported means all held.
#pragma once

#include <functional>
#include <string>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

inline constexpr uid_t kOtherUser = 65534;  // "nobody"

inline bool CanSwitchUser() { return ::geteuid() == 0; }

// Collects a child's findings.
class CFindings {
public:
    void Expect(bool holds, const std::string& what) {
        if (!holds) {
            text_ += what + "\n";
        }
    }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

// what() runs in a child with user and group id uid; the result is its
// findings, or how the child failed.
inline std::string RunAsUser(uid_t uid, const std::function<std::string()>& what) {
    int fds[2];
    if (::pipe(fds) != 0) {
        return "no pipe";
    }
    const pid_t pid = ::fork();
    if (pid < 0) {
        return "no fork";
    }
    if (pid == 0) {
        ::close(fds[0]);
        const bool switched =
            ::setgroups(0, nullptr) == 0 && ::setresgid(uid, uid, uid) == 0 && ::setresuid(uid, uid, uid) == 0;
        const std::string found = switched ? what() : "cannot become user " + std::to_string(uid);
        for (std::size_t at = 0; at < found.size();) {
            const ssize_t n = ::write(fds[1], found.data() + at, found.size() - at);
            if (n <= 0) {
                break;
            }
            at += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string found;
    char chunk[4096];
    for (ssize_t n; (n = ::read(fds[0], chunk, sizeof chunk)) > 0;) {
        found.append(chunk, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFSIGNALED(status)) {
        found += "the child died of signal " + std::to_string(WTERMSIG(status)) + "\n";
    }
    return found;
}
