// SPDX-License-Identifier: MIT
#include "instance_lock.h"

#include <QElapsedTimer>
#include <QThread>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "path_names.h"

namespace lm {

namespace {

// How often a waiting start looks at the lock again.
constexpr int kPollMs = 25;

}  // namespace

InstanceLock::InstanceLock(const QString& path, Wait wait, int waitMs) {
    const int fd = ::open(PathToBytes(path).constData(),
                          O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0600);
    if (fd < 0) {
        return;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) {
        ::close(fd);
        return;
    }
    QElapsedTimer waited;
    waited.start();
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int failed = errno;
        if (failed == EINTR) {
            continue;
        }
        if (failed != EWOULDBLOCK || wait == Wait::No || waited.elapsed() >= waitMs) {
            heldElsewhere_ = failed == EWOULDBLOCK;
            ::close(fd);
            return;
        }
        QThread::msleep(kPollMs);
    }
    fd_ = fd;
}

InstanceLock::~InstanceLock() {
    Release();
}

void InstanceLock::Release() {
    if (fd_ >= 0) {
        ::flock(fd_, LOCK_UN);
        ::close(fd_);
        fd_ = -1;
    }
}

}  // namespace lm
