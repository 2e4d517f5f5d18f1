// SPDX-License-Identifier: MIT
#include "regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "path_names.h"

namespace lm {

RegularFileProbe ProbeRegularFile(const QString& path) {
    const QByteArray name = PathToBytes(path);
    struct stat info {};
    if (name.isEmpty() || ::stat(name.constData(), &info) != 0) {
        return {};
    }
    RegularFileProbe probe{true, S_ISREG(info.st_mode), std::nullopt};
    if (!probe.regular) {
        return probe;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return probe;
    }
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        probe.size = static_cast<std::int64_t>(info.st_size);
    }
    ::close(fd);
    return probe;
}

RegularFileProbe ProbeListedFile(const QString& path) {
    const QByteArray name = PathToBytes(path);
    if (name.isEmpty()) {
        return {};
    }
    // A regular file of the user's own that its owner may read: the owner's
    // bits decide for the owner (an access list too keeps them there), so
    // opening it would tell no more. One system call for most files.
    struct stat named {};
    if (::stat(name.constData(), &named) == 0 && S_ISREG(named.st_mode) &&
        named.st_uid == ::geteuid() && (named.st_mode & S_IRUSR) != 0) {
        return {true, true, static_cast<std::int64_t>(named.st_size)};
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return ProbeRegularFile(path);
    }
    struct stat info {};
    RegularFileProbe probe;
    if (::fstat(fd, &info) == 0) {
        probe.exists = true;
        probe.regular = S_ISREG(info.st_mode);
        if (probe.regular) {
            probe.size = static_cast<std::int64_t>(info.st_size);
        }
    }
    ::close(fd);
    return probe;
}

int OpenRegularFileForReading(const QString& path, std::int64_t maxBytes) {
    const QByteArray name = PathToBytes(path);
    if (name.isEmpty()) {
        return -1;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > maxBytes ||
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace lm
