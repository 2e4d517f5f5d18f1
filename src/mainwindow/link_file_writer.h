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

// Writes LinkFileBytes(lines) to `path` through a temporary file that
// replaces the old one only once it is completely written, so a failed save
// leaves what stood there before. On failure returns false and sets `error`
// to the reason.
bool WriteLinkFile(const QString& path, const QStringList& lines, QString* error);

// The lines of a text pane, as a list box or memo would count them: a
// line break at the very end starts no further line.
QStringList PaneLines(const QString& text);

}  // namespace lm
