// SPDX-License-Identifier: MIT
#include "file_replace.h"

#include <QRandomGenerator>

#include <cerrno>
#include <climits>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lm {

namespace {

constexpr int kMaxLinkDepth = 40;
constexpr int kTempNameTries = 100;

int WriteAll(int fd, const char* data, std::size_t size, off_t offset) {
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size, offset);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return errno;
        }
        if (n == 0) {
            return EIO;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
        offset += n;
    }
    return 0;
}

void SyncFolder(const QByteArray& folder) {
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);  // best effort: the rename itself has been made
        ::close(fd);
    }
}

// The rewrite itself. Only calls that are safe in a child forked from a
// process with threads: system calls, no allocation.
int Rewrite(int fd, const QByteArray& bytes, off_t oldSize) {
    const auto size = static_cast<off_t>(bytes.size());
    if (size > oldSize && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) != 0) {
        if (errno != EOPNOTSUPP && errno != ENOSYS) {
            return errno;
        }
        // No way to reserve room while keeping the size: the file grows
        // first (its old bytes stay as they are) and is cut back when that
        // fails.
        const int failed = ::posix_fallocate(fd, oldSize, size - oldSize);
        if (failed != 0) {
            // The caller hears of the reservation's failure, whether the
            // cut back works or not.
            [[maybe_unused]] const int cut = ::ftruncate(fd, oldSize);
            return failed;
        }
    }
    if (const int failed = WriteAll(fd, bytes.constData(), bytes.size(), 0)) {
        return failed;
    }
    if (::ftruncate(fd, size) != 0 || ::fsync(fd) != 0) {
        return errno;
    }
    return 0;
}

}  // namespace

QByteArray FolderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

std::optional<QByteArray> FinalLinkTarget(QByteArray path) {
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        struct stat info {};
        if (::lstat(path.constData(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return path;
        }
        QByteArray target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.constData(), target.data(), target.size());
        if (length <= 0 || length >= target.size()) {
            return std::nullopt;
        }
        target.truncate(length);
        path = target.startsWith('/') ? target : FolderOf(path) + '/' + target;
    }
    return std::nullopt;
}

int ReplaceByRename(const QByteArray& target, const QByteArray& bytes, const QByteArray& tempName) {
    struct stat old {};
    const bool exists = ::lstat(target.constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        return S_ISDIR(old.st_mode) ? EISDIR : EINVAL;
    }
    constexpr int kFlags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    QByteArray temp = tempName;
    int fd = -1;
    if (!temp.isEmpty()) {
        ::unlink(temp.constData());
        fd = ::open(temp.constData(), kFlags, 0666);
    } else {
        const QByteArray stem = FolderOf(target) + "/." + target.mid(target.lastIndexOf('/') + 1);
        for (int i = 0; i < kTempNameTries && fd < 0; ++i) {
            temp = stem + '.' + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
            fd = ::open(temp.constData(), kFlags, 0666);
            if (fd < 0 && errno != EEXIST) {
                break;
            }
        }
    }
    if (fd < 0) {
        return errno;
    }
    int error = 0;
    if (exists && ::fchmod(fd, old.st_mode & 07777) != 0) {
        error = errno;
    }
    if (error == 0) {
        error = WriteAll(fd, bytes.constData(), bytes.size(), 0);
    }
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(temp.constData(), target.constData()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temp.constData());
        return error;
    }
    SyncFolder(FolderOf(target));
    return 0;
}

int RewriteInPlace(const QByteArray& target, const QByteArray& bytes) {
    const int fd =
        ::open(target.constData(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return errno;
    }
    struct stat old {};
    if (::fstat(fd, &old) != 0 || !S_ISREG(old.st_mode)) {
        ::close(fd);
        return S_ISDIR(old.st_mode) ? EISDIR : EINVAL;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    // A file-size limit would cut the writing short: refused beforehand.
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        static_cast<rlim_t>(bytes.size()) > limit.rlim_cur) {
        ::close(fd);
        return EFBIG;
    }
    // Once the first byte is written the old content is gone, so the rest
    // must be written too, even when this process is killed meanwhile (the
    // user's SIGKILL, the session's end): a process of its own, in a
    // session of its own, does the writing, and this one waits for it.
    const pid_t writer = ::fork();
    if (writer == 0) {
        ::setsid();
        ::close_range(3, static_cast<unsigned>(fd) - 1, 0);
        ::close_range(static_cast<unsigned>(fd) + 1, ~0U, 0);
        int error = Rewrite(fd, bytes, old.st_size);
        if (::close(fd) != 0 && error == 0) {
            error = errno;
        }
        ::_exit(error);
    }
    if (writer < 0) {
        // No process to spare: written here, with the reservation all the same.
        int error = Rewrite(fd, bytes, old.st_size);
        if (::close(fd) != 0 && error == 0) {
            error = errno;
        }
        return error;
    }
    ::close(fd);
    int status = 0;
    while (::waitpid(writer, &status, 0) < 0) {
        if (errno != EINTR) {
            return errno;
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : EINTR;
}

}  // namespace lm
