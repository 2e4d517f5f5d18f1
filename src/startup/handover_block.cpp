// SPDX-License-Identifier: MIT
#include "handover_block.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "command_line.h"
#include "peer_credentials.h"

namespace lm {

HandoverBlock::~HandoverBlock() {
    Close();
}

void HandoverBlock::Close() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!createdName_.isEmpty()) {
        Remove(createdName_);
        createdName_.clear();
    }
}

bool HandoverBlock::Create(const QString& name) {
    if (fd_ >= 0) {
        return false;
    }
    const QByteArray path = QFile::encodeName(name);
    const int fd = ::shm_open(path.constData(), O_RDWR | O_CREAT | O_EXCL, 0600);
    if (fd < 0) {
        return false;
    }
    // The umask may have taken bits away; 0600 is what is wanted, no more.
    if (::fchmod(fd, 0600) != 0 || ::ftruncate(fd, static_cast<off_t>(kSize)) != 0) {
        ::close(fd);
        ::shm_unlink(path.constData());
        return false;
    }
    fd_ = fd;
    createdName_ = name;
    return true;
}

bool HandoverBlock::Open(const QString& name) {
    if (fd_ >= 0) {
        return false;
    }
    fd_ = ::shm_open(QFile::encodeName(name).constData(), O_RDWR, 0);
    // A block of another user, or one others may write, is not ours: its
    // paths would be someone else's words. One of another size is no block
    // of this program's (or one being cut short).
    if (fd_ >= 0 && !Trusted()) {
        ::close(fd_);
        fd_ = -1;
    }
    return fd_ >= 0;
}

bool HandoverBlock::Trusted() const {
    struct stat info {};
    return fd_ >= 0 && PrivateToThisUser(fd_) && ::fstat(fd_, &info) == 0 &&
           info.st_size == static_cast<off_t>(kSize);
}

bool HandoverBlock::Remove(const QString& name) {
    return ::shm_unlink(QFile::encodeName(name).constData()) == 0;
}

bool HandoverBlock::Read(std::size_t offset, unsigned char* into, std::size_t bytes) const {
    if (offset + bytes > kSize || !Trusted()) {
        return false;
    }
    while (bytes > 0) {
        const ssize_t n = ::pread(fd_, into, bytes, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;  // cut short after the look
        }
        into += n;
        offset += static_cast<std::size_t>(n);
        bytes -= static_cast<std::size_t>(n);
    }
    return true;
}

bool HandoverBlock::Write(std::size_t offset, const unsigned char* from, std::size_t bytes) {
    if (offset + bytes > kSize || !Trusted()) {
        return false;
    }
    while (bytes > 0) {
        const ssize_t n = ::pwrite(fd_, from, bytes, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        from += n;
        offset += static_cast<std::size_t>(n);
        bytes -= static_cast<std::size_t>(n);
    }
    return true;
}

std::uint32_t HandoverBlock::ReadU32(std::size_t offset) const {
    unsigned char p[4];
    if (!Read(offset, p, sizeof(p))) {
        return 0;
    }
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

bool HandoverBlock::WriteU32(std::size_t offset, std::uint32_t value) {
    unsigned char p[4];
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<unsigned char>(value >> (8 * i));
    }
    return Write(offset, p, sizeof(p));
}

bool HandoverBlock::WriteText(const std::u16string& text) {
    if (text.size() > static_cast<std::size_t>(kTextUnits)) {
        return false;
    }
    std::string bytes(2 * text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        bytes[2 * i] = static_cast<char>(text[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(text[i] >> 8);
    }
    return Write(kTextOffset, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

std::optional<QStringList> HandoverBlock::TryReadPaths(int count) const {
    unsigned char bytes[2 * kTextUnits];
    if (!Read(kTextOffset, bytes, sizeof(bytes))) {
        return std::nullopt;
    }
    std::u16string area(static_cast<std::size_t>(kTextUnits), u'\0');
    for (std::size_t i = 0; i < area.size(); ++i) {
        area[i] = static_cast<char16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    }
    return ParseHandoverText(area.data(), kTextUnits, count);
}

}  // namespace lm
