// SPDX-License-Identifier: MIT
#include "clipboard_text.h"

#include "ansi_codepage.h"
#include "list_rows.h"

namespace lm {

namespace {

bool BeyondCodePage(QStringView text) {
    const char16_t* units = text.utf16();
    bool unicode = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        unicode |= units[i] > 0xFF;
    }
    return unicode;
}

// Appends ClipboardText of `text` (through the code page unless `unicode`)
// to `out` as UTF-8. ASCII, which the code page keeps, is copied as it is.
void AppendClipboardUtf8(QByteArray& out, const QString& text, bool unicode) {
    const char16_t* units = QStringView(text).utf16();
    char16_t any = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        any |= units[i];
    }
    if (any >= 0x80) {
        out += (unicode ? text : ThroughAnsi(text)).toUtf8();
        return;
    }
    const qsizetype at = out.size();
    out.resize(at + text.size());
    char* to = out.data() + at;
    for (qsizetype i = 0; i < text.size(); ++i) {
        to[i] = static_cast<char>(units[i]);
    }
}

}  // namespace

QString ClipboardText(const QString& text) {
    // Text beyond the code page goes on the clipboard as it is; the rest as
    // the code page gives it back.
    return BeyondCodePage(text) ? text : ThroughAnsi(text);
}

QByteArray ClipboardUtf8(const TListRows& rows) {
    // Whether the whole text goes through the code page is decided for the
    // whole text, as ClipboardText decides it.
    bool unicode = false;
    qsizetype units = 0;
    for (int i = 0; i < rows.Count(); ++i) {
        const QString row = rows.Text(i);
        unicode = unicode || BeyondCodePage(row);
        units += row.size() + 2;
    }
    QByteArray out;
    out.reserve(units);  // the size exactly for ASCII
    for (int i = 0; i < rows.Count(); ++i) {
        AppendClipboardUtf8(out, rows.Text(i), unicode);
        out += "\r\n";
    }
    return out;
}

}  // namespace lm
