// SPDX-License-Identifier: MIT
#include "link_file_writer.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "ansi_codepage.h"

namespace lm {

QByteArray LinkFileBytes(const QStringList& lines) {
    const bool wide = std::any_of(lines.begin(), lines.end(),
                                  [](const QString& line) { return NeedsWideChars(line); });
    QByteArray bytes;
    if (!wide) {
        for (const QString& line : lines) {
            bytes += ToAnsi(line);
            bytes += "\r\n";
        }
        return bytes;
    }
    bytes += "\xFF\xFE";
    for (const QString& line : lines) {
        for (const QChar unit : line) {
            const char16_t u = unit.unicode();
            bytes += static_cast<char>(u & 0xFF);
            bytes += static_cast<char>(u >> 8);
        }
        bytes += QByteArrayView("\r\0\n\0", 4);
    }
    return bytes;
}

namespace {

// Replaces the content of the existing file itself: same inode, owner,
// permissions and hard links.
bool WriteInPlace(const QString& path, const QByteArray& bytes, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly) ||
        file.write(bytes) != bytes.size() || !file.resize(bytes.size()) || !file.flush() ||
        ::fsync(file.handle()) != 0) {
        if (error != nullptr) {
            *error = file.errorString();
        }
        return false;
    }
    return true;
}

}  // namespace

bool WriteLinkFile(const QString& path, const QStringList& lines, QString* error) {
    const QByteArray bytes = LinkFileBytes(lines);
    // The file a link points at is the one saved over.
    QString target = path;
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth) {
        target = info.symLinkTarget();
        info.setFile(target);
    }
    // A new file in its place (written apart, then renamed over the old
    // one) is the safe way, but only where the folder may be written, and
    // it would cut the file's hard links and give it our ownership.
    struct stat old {};
    const QByteArray native = QFile::encodeName(target);
    const bool exists = ::stat(native.constData(), &old) == 0 && S_ISREG(old.st_mode);
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    if (exists && (old.st_nlink > 1 || old.st_uid != ::geteuid() ||
                   ::access(folder.constData(), W_OK | X_OK) != 0)) {
        return WriteInPlace(target, bytes, error);
    }
    QSaveFile file(target);  // keeps the old file's permissions
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error != nullptr) {
            *error = file.errorString();
        }
        return false;
    }
    return true;
}

}  // namespace lm
