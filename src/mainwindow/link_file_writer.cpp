#include "link_file_writer.h"

#include <QSaveFile>

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

bool WriteLinkFile(const QString& path, const QStringList& lines, QString* error) {
    QSaveFile file(path);
    const QByteArray bytes = LinkFileBytes(lines);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error != nullptr) {
            *error = file.errorString();
        }
        return false;
    }
    return true;
}

QStringList PaneLines(const QString& text) {
    if (text.isEmpty()) {
        return {};
    }
    QStringList lines = text.split(u'\n');
    if (text.endsWith(u'\n')) {
        lines.removeLast();
    }
    return lines;
}

}  // namespace lm
