// SPDX-License-Identifier: MIT
#include "path_names.h"

#include <QStringList>

#include <dirent.h>
#include <sys/stat.h>

#include <cstring>
#include <memory>
#include <string>

#include "path_bytes.h"

namespace lm {

namespace {

std::u16string_view Units(QStringView text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

QString FromUnits(const std::u16string& units) {
    return QString(reinterpret_cast<const QChar*>(units.data()),
                   static_cast<qsizetype>(units.size()));
}

struct DirCloser {
    void operator()(DIR* d) const { closedir(d); }
};

// The entry of `dir` (bytes) whose name reads as `shown` through Qt's
// decoding; empty when there is none.
QByteArray EntryShownAs(const QByteArray& dir, const QString& shown) {
    std::unique_ptr<DIR, DirCloser> handle(opendir(dir.isEmpty() ? "." : dir.constData()));
    if (!handle) {
        return {};
    }
    while (const dirent* entry = readdir(handle.get())) {
        const QByteArray name(entry->d_name);
        if (QString::fromUtf8(name) == shown) {
            return name;
        }
    }
    return {};
}

}  // namespace

QString PathFromBytes(QByteArrayView bytes) {
    return FromUnits(
        PathTextFromBytes(std::string_view(bytes.data(), static_cast<std::size_t>(bytes.size()))));
}

QByteArray PathToBytes(QStringView path) {
    const std::string bytes = PathBytesFromText(Units(path));
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::filesystem::path FileSystemPath(QStringView path) {
    return std::filesystem::path(PathBytesFromText(Units(path)));
}

QString DisplayPath(const QString& path) {
    // Almost every path holds no surrogate at all: it is shown as it is,
    // shared rather than copied.
    for (const QChar ch : path) {
        if (ch.isSurrogate()) {
            return FromUnits(PathDisplayText(Units(path)));
        }
    }
    return path;
}

QString PathFromFileUrl(const QUrl& url) {
    if (!url.isLocalFile()) {
        return {};
    }
    // The encoded form keeps a byte that is not UTF-8 as "%E9"; the decoded
    // one would have made it U+FFFD.
    return PathFromBytes(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
}

QUrl FileUrlForPath(const QString& path) {
    return QUrl::fromEncoded(QByteArrayLiteral("file://") +
                             PathToBytes(path).toPercentEncoding("/"));
}

PathKind KindOfPath(const QString& path) {
    const QByteArray bytes = PathToBytes(path);
    struct stat info {};
    if (bytes.isEmpty() || ::stat(bytes.constData(), &info) != 0) {
        return PathKind::Missing;
    }
    if (S_ISREG(info.st_mode)) {
        return PathKind::File;
    }
    return S_ISDIR(info.st_mode) ? PathKind::Directory : PathKind::Other;
}

QString PathFromDialog(const QString& shown) {
    if (!shown.contains(QChar(0xFFFD)) || KindOfPath(shown) != PathKind::Missing) {
        return shown;
    }
    const QStringList parts = shown.split(u'/');
    QByteArray bytes;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            bytes += '/';
        }
        QByteArray part = PathToBytes(parts[i]);
        if (parts[i].contains(QChar(0xFFFD))) {
            const QByteArray found = EntryShownAs(bytes, parts[i]);
            if (found.isEmpty()) {
                return shown;  // not there after all
            }
            part = found;
        }
        bytes += part;
    }
    return PathFromBytes(bytes);
}

}  // namespace lm
