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
