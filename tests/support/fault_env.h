// SPDX-License-Identifier: MIT
#pragma once

// Helpers for tests that put the program into hostile surroundings: a
// folder that is read-only or full, a file the user may not read. Root may
// mount and ignores permission bits, so each helper says whether it could
// set its situation up; a test that finds no way skips.

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include <grp.h>
#include <pwd.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lm::test {

// The unprivileged account (uid and gid) that tests turn into.
inline constexpr unsigned kNobody = 65534;

// What a child returns when it could not set its surroundings up.
inline constexpr int kChildSkipped = 77;

// What a child that tried to save reports, bit by bit; 0 is the only good
// answer.
enum SaveFinding : int {
    kSaveClaimedSuccess = 1,
    kOldFileChanged = 2,
    kTempFileLeft = 4,
    kOtherFileLeft = 8,
    kNoErrorText = 16,
};

// A child's exit status in words.
inline std::string DescribeFindings(int code) {
    if (code == kChildSkipped) {
        return "skipped";
    }
    if (code < 0 || code >= 128) {
        return "the child crashed, hung or could not start (" + std::to_string(code) + ")";
    }
    std::string out;
    for (auto [bit, text] : {std::pair{kSaveClaimedSuccess, "the save claimed success; "},
                             {kOldFileChanged, "the old file changed; "},
                             {kTempFileLeft, "a temporary file was left; "},
                             {kOtherFileLeft, "another file appeared; "},
                             {kNoErrorText, "no reason was given; "}}) {
        if ((code & bit) != 0) {
            out += text;
        }
    }
    return out.empty() ? "ok" : out;
}

inline bool IsRoot() {
    return ::geteuid() == 0;
}

// The exit status of a forked child that ran `body`; -1 when there was no
// child, 128 + the signal when one ended it. The child leaves through _exit
// and never comes back into the test runner; an alarm ends one that hangs.
inline int RunInChild(const std::function<int()>& body, unsigned hangGuardSeconds = 60) {
    const pid_t pid = ::fork();
    if (pid < 0) {
        return -1;
    }
    if (pid == 0) {
        ::alarm(hangGuardSeconds);
        ::_exit(body());
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    if (WIFSIGNALED(status)) {
        return 128 + WTERMSIG(status);
    }
    return WEXITSTATUS(status);
}

// For a child only: gives up root for good and becomes nobody.
inline bool BecomeNobody() {
    return ::setgroups(0, nullptr) == 0 && ::setresgid(kNobody, kNobody, kNobody) == 0 &&
           ::setresuid(kNobody, kNobody, kNobody) == 0;
}

// Starts `body` in a child that has become nobody (exit status 126 when it
// could not); returns the child's pid, or -1. Wait for it with WaitForChild.
inline pid_t StartAsNobody(const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::alarm(60);
        ::_exit(BecomeNobody() ? body() : 126);
    }
    return pid;
}

// The exit status of a child of StartAsNobody, or -1 when it could not
// switch or died; `meanwhile` runs again and again while the child does (a
// test's event loop, say, which the child talks to).
inline int WaitForChild(pid_t pid, const std::function<void()>& meanwhile = {}) {
    if (pid < 0) {
        return -1;
    }
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, meanwhile ? WNOHANG : 0);
        if (done == pid) {
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

// A second local user, for tests of what another user of the machine can do
// to the program: "linkmint-other", made with useradd when it does not exist
// yet (which needs root) and kept afterwards, so that tests running side by
// side share it. Nothing where there is none and none can be made.
struct OtherUser {
    uid_t uid;
    gid_t gid;
};
inline std::optional<OtherUser> SecondUser() {
    constexpr const char* kName = "linkmint-other";
    const passwd* entry = ::getpwnam(kName);
    if (entry == nullptr && IsRoot()) {
        // A second test may make it at the same moment; either one wins.
        [[maybe_unused]] const int status = std::system(
            "useradd --system --no-create-home --home-dir /nonexistent "
            "--shell /usr/sbin/nologin linkmint-other >/dev/null 2>&1");
        entry = ::getpwnam(kName);
    }
    if (entry == nullptr || entry->pw_uid == ::geteuid()) {
        return std::nullopt;
    }
    return OtherUser{entry->pw_uid, entry->pw_gid};
}

// For a child only: becomes `user` for good.
inline bool BecomeUser(const OtherUser& user) {
    return ::setgroups(0, nullptr) == 0 && ::setresgid(user.gid, user.gid, user.gid) == 0 &&
           ::setresuid(user.uid, user.uid, user.uid) == 0;
}

// For a child only: its own copy of the mount table, so that what it
// mounts is gone with it and nobody else sees it.
inline bool PrivateMounts() {
    return ::unshare(CLONE_NEWNS) == 0 &&
           ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

// Needs PrivateMounts first.
inline bool MountReadOnly(const std::string& dir) {
    return ::mount(dir.c_str(), dir.c_str(), nullptr, MS_BIND, nullptr) == 0 &&
           ::mount(nullptr, dir.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
}

// Needs PrivateMounts first. An empty file system of `bytes` over `dir`.
inline bool MountSmallTmpfs(const std::string& dir, unsigned long bytes) {
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
    return ::mount("linkmint-test", dir.c_str(), "tmpfs", 0, options.c_str()) == 0;
}

// For a child only: writes past `bytes` in any file fail with EFBIG instead
// of raising SIGXFSZ, which looks to the program like a full disk.
inline bool LimitFileSize(rlim_t bytes) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

// Lets the calling thread reach files only as nobody would, for as long as
// the object lives; threads started meanwhile keep that for good. Only the
// file-system identity of this one thread changes (the raw system calls:
// the C library's wrappers of the other identity calls change every
// thread). Does nothing when not root: then permission bits stop the
// process anyway.
class ThreadFsNobody {
public:
    ThreadFsNobody() {
        if (IsRoot()) {
            ::syscall(SYS_setfsgid, kNobody);
            ::syscall(SYS_setfsuid, kNobody);
            active_ = ::syscall(SYS_setfsuid, -1) == static_cast<long>(kNobody);
        }
    }
    ~ThreadFsNobody() {
        if (IsRoot()) {
            ::syscall(SYS_setfsuid, 0);
            ::syscall(SYS_setfsgid, 0);
        }
    }
    ThreadFsNobody(const ThreadFsNobody&) = delete;
    ThreadFsNobody& operator=(const ThreadFsNobody&) = delete;

    // False when root could not give its rights up here.
    bool Active() const { return active_ || !IsRoot(); }

private:
    bool active_ = false;
};

}  // namespace lm::test
