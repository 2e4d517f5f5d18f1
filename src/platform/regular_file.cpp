// SPDX-License-Identifier: MIT
#include "regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "path_names.h"

namespace lm {

namespace {

// What `name`, which stat found as `named`, is. A regular file is opened
// without waiting (a FIFO swapped in for a file would otherwise block the
// caller until someone writes to it) and its size taken from what was
// opened; it has none when it cannot be opened. With `ownersBitsDecide`, a
// regular file of the user's own that its owner may read is not opened:
// the owner's bits decide for the owner (an access list too keeps them
// there), so opening it would tell no more.
RegularFileProbe ProbeFound(const QByteArray& name, const struct stat& named,
                            bool ownersBitsDecide) {
    RegularFileProbe probe{true, S_ISREG(named.st_mode), std::nullopt};
    if (!probe.regular) {
        return probe;
    }
    if (ownersBitsDecide && named.st_uid == ::geteuid() && (named.st_mode & S_IRUSR) != 0) {
        probe.size = static_cast<std::int64_t>(named.st_size);
        return probe;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return probe;
    }
    struct stat opened {};
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode)) {
        probe.size = static_cast<std::int64_t>(opened.st_size);
    }
    ::close(fd);
    return probe;
}

RegularFileProbe Probe(const QString& path, bool ownersBitsDecide) {
    const QByteArray name = PathToBytes(path);
    struct stat named {};
    if (name.isEmpty() || ::stat(name.constData(), &named) != 0) {
        return {};
    }
    return ProbeFound(name, named, ownersBitsDecide);
}

}  // namespace

RegularFileProbe ProbeRegularFile(const QString& path) {
    return Probe(path, false);
}

RegularFileProbe ProbeListedFile(const QString& path) {
    return Probe(path, true);
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
