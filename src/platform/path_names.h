// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <QUrl>

#include <filesystem>

namespace lm {

// The program's paths as QString, by the lossless mapping of path_bytes.h.
// Every path that comes from the system or goes to it passes here: the
// command line, a directory's entries, dropped file URLs, the names a file
// dialog returns, and every open, stat and listing. (Qt's own file names,
// QFile::encodeName and QFileInfo, would turn a byte that is not UTF-8 into
// U+FFFD and name a file that does not exist.)
QString PathFromBytes(QByteArrayView bytes);
QByteArray PathToBytes(QStringView path);
// The same bytes as a path for the standard library.
std::filesystem::path FileSystemPath(QStringView path);

// What the user is shown of a path: a byte that was not UTF-8 as U+FFFD.
QString DisplayPath(const QString& path);

// The local path of a file URL, its percent-encoded bytes taken as they are.
// Empty for a URL that is not a local file.
QString PathFromFileUrl(const QUrl& url);
// A file URL for `path`, its bytes percent-encoded.
QUrl FileUrlForPath(const QString& path);

enum class PathKind { Missing, File, Directory, Other };
// What `path` names, links followed.
PathKind KindOfPath(const QString& path);

// The path a Qt file dialog means when it returns `shown`: the dialog reads
// names through Qt's own decoding, so a name that was not UTF-8 comes back
// with U+FFFD in it. Each such part is looked up in its folder among the
// entries that read the same that way; the first one found is taken. A path
// that exists as it stands is returned unchanged.
QString PathFromDialog(const QString& shown);

}  // namespace lm
