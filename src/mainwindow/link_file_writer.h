// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lm {

// The bytes of a saved link or information file: every line followed by
// CR LF, the last one included. When every line converts to the ANSI code
// page and back unchanged the file is in that code page, without a
// byte-order mark; otherwise the whole file is UTF-16LE, starting FF FE.
QByteArray LinkFileBytes(const QStringList& lines);

// Writes LinkFileBytes(lines) to `path` (to the file a link there points
// at). Whatever happens meanwhile (a full disk, a failed write, the program
// killed), the file holds either its old content or the complete new one.
// Where the folder may be written, through a temporary file that replaces
// the old one only once it is completely written, with the old file's
// permissions. Over an existing file in a folder that may not be written,
// or one with other hard links or another owner, in place (RewriteInPlace),
// so that the file stays the same file. On failure returns false and sets
// `error` to the reason in the system's words ("No space left on device").
bool WriteLinkFile(const QString& path, const QStringList& lines, QString* error);

}  // namespace lm
