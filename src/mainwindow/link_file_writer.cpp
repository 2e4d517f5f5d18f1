// SPDX-License-Identifier: MIT
#include "link_file_writer.h"

#include <QCoreApplication>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

#include "ansi_codepage.h"
#include "file_replace.h"
#include "path_names.h"

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

bool WriteLinkFile(const QString& path, const QStringList& lines, QString* error) {
    const QByteArray bytes = LinkFileBytes(lines);
    auto fail = [error](const QString& reason) {
        if (error != nullptr) {
            *error = reason;
        }
        return false;
    };
    // The file a link points at is the one saved over.
    const std::optional<QByteArray> target = FinalLinkTarget(PathToBytes(path));
    if (!target) {
        return fail(QString::fromLocal8Bit(std::strerror(ELOOP)));
    }
    struct stat old {};
    const bool exists = ::lstat(target->constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) {
        return fail(QString::fromLocal8Bit(std::strerror(EISDIR)));
    }
    if (exists && !S_ISREG(old.st_mode)) {
        return fail(
            QCoreApplication::translate("lm::TeD2KfrmMain", "it is not a regular file",
                                        "why a save failed: Error: Could not save \"%1\": <this>"));
    }
    // A new file in its place (written apart, then renamed over the old
    // one) is the safe way, but only where the folder may be written, and
    // it would cut the file's hard links and give it our ownership: such a
    // file is rewritten where it stands, as safely as that can be done.
    const bool inPlace = exists && (old.st_nlink > 1 || old.st_uid != ::geteuid() ||
                                    ::access(FolderOf(*target).constData(), W_OK | X_OK) != 0);
    const int failed = inPlace ? RewriteInPlace(*target, bytes) : ReplaceByRename(*target, bytes);
    if (failed != 0) {
        return fail(QString::fromLocal8Bit(std::strerror(failed)));
    }
    return true;
}

}  // namespace lm
