// SPDX-License-Identifier: MIT
#include "instance_lock.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace lm {

InstanceLock::InstanceLock(const QString& path, Wait wait) {
    fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) {
        return;
    }
    const int operation = wait == Wait::Yes ? LOCK_EX : LOCK_EX | LOCK_NB;
    while (::flock(fd_, operation) != 0) {
        if (errno != EINTR) {
            heldElsewhere_ = errno == EWOULDBLOCK;
            ::close(fd_);
            fd_ = -1;
            return;
        }
    }
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
