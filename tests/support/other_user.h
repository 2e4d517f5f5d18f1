#pragma once

#include <cerrno>
#include <functional>

#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lm::test {

// The account the tests borrow when they need a second user.
inline constexpr uid_t kOtherUid = 65534;
inline constexpr gid_t kOtherGid = 65534;

// Only root can act as someone else.
inline bool CanActAsOtherUser() {
    return ::geteuid() == 0;
}

// Starts `body` in a child process that has become the other user; its
// result (0 to 125) is the child's exit code. The child does nothing but
// `body` and leaves with _exit, so the parent's threads and open objects are
// left alone. Returns the child's pid, or -1.
inline pid_t StartAsOtherUser(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setresgid(kOtherGid, kOtherGid, kOtherGid) != 0 ||
            ::setresuid(kOtherUid, kOtherUid, kOtherUid) != 0) {
            ::_exit(126);
        }
        ::_exit(body());
    }
    return child;
}

// Waits for a child of StartAsOtherUser, calling `meanwhile` (if any) while
// it runs, and returns its result, or -1 when it could not switch or died.
inline int WaitForChild(pid_t child, const std::function<void()>& meanwhile = {}) {
    if (child < 0) {
        return -1;
    }
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(child, &status, meanwhile ? WNOHANG : 0);
        if (done == child) {
            break;
        }
        if (done < 0 && errno != EINTR) {
            return -1;
        }
        if (meanwhile) {
            meanwhile();
            ::usleep(1000);
        }
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) >= 126) {
        return -1;
    }
    return WEXITSTATUS(status);
}

inline int RunAsOtherUser(const std::function<int()>& body) {
    return WaitForChild(StartAsOtherUser(body));
}

}  // namespace lm::test
