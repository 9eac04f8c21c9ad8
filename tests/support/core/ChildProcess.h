// Runs part of a test in a forked child process, as another user where one
// is given, and hands back the text that part returned (or what ended the
// child). A child that drops its privileges, lowers a limit or changes a
// signal leaves the test program as it was. The part reports through its
// text: an assertion inside the child would never reach the test.
//
// Tests of what a user may not do must not run as root, who may do it all:
// AsUnprivileged() is the user 65534 when the tests run as root (in CI), and
// none, the tests' own user, otherwise. Changing to a chosen user, or making
// another user's file, needs root: CanSwitchUsers() says whether tests can.
#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <exception>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

struct ChildUser {
    uid_t uid = 65534;
    gid_t gid = 65534;
    std::vector<gid_t> groups;  // supplementary groups
};

inline constexpr uid_t kOtherUid = 65534;
inline constexpr gid_t kOtherGid = 65534;

inline bool CanSwitchUsers() { return ::geteuid() == 0; }

inline std::optional<ChildUser> AsUnprivileged() {
    return CanSwitchUsers() ? std::optional<ChildUser>(ChildUser{}) : std::nullopt;
}

// The unprivileged user's own file or folder: given to 65534 when the tests
// run as root, already the tests' own otherwise.
inline void GiveToUnprivileged(const std::filesystem::path& path) {
    if (CanSwitchUsers() && ::lchown(path.c_str(), kOtherUid, kOtherGid) != 0) {
        throw std::runtime_error("cannot give " + path.string() + " to user 65534");
    }
}

inline std::string RunInChild(const std::function<std::string()>& part, const std::optional<ChildUser>& user = {}) {
    int fds[2];
    if (::pipe(fds) != 0) {
        return "no pipe";
    }
    const pid_t pid = ::fork();
    if (pid < 0) {
        return "no child";
    }
    if (pid == 0) {
        ::close(fds[0]);
        std::string text;
        if (user && (::setgroups(user->groups.size(), user->groups.data()) != 0 || ::setgid(user->gid) != 0 ||
                     ::setuid(user->uid) != 0)) {
            text = "cannot become user " + std::to_string(user->uid);
        } else {
            try {
                text = part();
            } catch (const std::exception& e) {
                text = std::string("exception: ") + e.what();
            }
        }
        for (std::size_t done = 0; done < text.size();) {
            const ssize_t n = ::write(fds[1], text.data() + done, text.size() - done);
            if (n <= 0) {
                break;
            }
            done += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFSIGNALED(status)) {
        return "child ended by signal " + std::to_string(WTERMSIG(status));
    }
    return text;
}
