// SPDX-License-Identifier: MIT
#include "handover_block.h"

#include <QFile>

#include <cstring>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "command_line.h"
#include "peer_credentials.h"

namespace lm {

HandoverBlock::~HandoverBlock() {
    if (data_ != nullptr) {
        ::munmap(data_, kSize);
    }
    if (!createdName_.isEmpty()) {
        Remove(createdName_);
    }
}

bool HandoverBlock::Map(int fd) {
    void* view = ::mmap(nullptr, kSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    ::close(fd);
    if (view == MAP_FAILED) {
        return false;
    }
    data_ = static_cast<unsigned char*>(view);
    return true;
}

bool HandoverBlock::Create(const QString& name) {
    if (data_ != nullptr) {
        return false;
    }
    const QByteArray path = QFile::encodeName(name);
    const int fd = ::shm_open(path.constData(), O_RDWR | O_CREAT | O_EXCL, 0600);
    if (fd < 0) {
        return false;
    }
    // The umask may have taken bits away; 0600 is what is wanted, no more.
    if (::fchmod(fd, 0600) != 0 || ::ftruncate(fd, static_cast<off_t>(kSize)) != 0 || !Map(fd)) {
        ::shm_unlink(path.constData());
        return false;
    }
    createdName_ = name;
    return true;
}

bool HandoverBlock::Open(const QString& name) {
    if (data_ != nullptr) {
        return false;
    }
    const int fd = ::shm_open(QFile::encodeName(name).constData(), O_RDWR, 0);
    if (fd < 0) {
        return false;
    }
    // A block of another user, or one others may write, is not ours: its
    // paths would be someone else's words. A block shorter than the layout
    // (half made) is not used either: touching the missing bytes would fault.
    struct stat info {};
    if (!PrivateToThisUser(fd) || ::fstat(fd, &info) != 0 ||
        info.st_size < static_cast<off_t>(kSize)) {
        ::close(fd);
        return false;
    }
    return Map(fd);
}

bool HandoverBlock::Remove(const QString& name) {
    return ::shm_unlink(QFile::encodeName(name).constData()) == 0;
}

std::uint32_t HandoverBlock::ReadU32(std::size_t offset) const {
    if (data_ == nullptr || offset + 4 > kSize) {
        return 0;
    }
    const unsigned char* p = data_ + offset;
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void HandoverBlock::WriteU32(std::size_t offset, std::uint32_t value) {
    if (data_ == nullptr || offset + 4 > kSize) {
        return;
    }
    for (int i = 0; i < 4; ++i) {
        data_[offset + i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

bool HandoverBlock::WriteText(const std::u16string& text) {
    if (data_ == nullptr || text.size() > static_cast<std::size_t>(kTextUnits)) {
        return false;
    }
    unsigned char* p = data_ + kTextOffset;
    for (char16_t unit : text) {
        *p++ = static_cast<unsigned char>(unit & 0xFF);
        *p++ = static_cast<unsigned char>(unit >> 8);
    }
    return true;
}

QStringList HandoverBlock::ReadPaths(int count) const {
    if (data_ == nullptr) {
        return {};
    }
    std::u16string area(static_cast<std::size_t>(kTextUnits), u'\0');
    const unsigned char* p = data_ + kTextOffset;
    for (std::size_t i = 0; i < area.size(); ++i) {
        area[i] = static_cast<char16_t>(p[2 * i] | p[2 * i + 1] << 8);
    }
    return ParseHandoverText(area.data(), kTextUnits, count);
}

}  // namespace lm
