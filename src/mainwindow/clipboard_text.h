// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

namespace lm {

class TListRows;

// The text that the clipboard gets for `text`: unchanged when it holds a
// character above U+00FF (it goes on as Unicode text), otherwise passed
// through the ANSI code page, as a Windows user would paste it.
QString ClipboardText(const QString& text);

// ClipboardText of every row's text, each ended by CR LF, as UTF-8: made
// row by row, without the whole text in UTF-16 beside it (for 100,000 links
// that would be twice the memory the clipboard keeps).
QByteArray ClipboardUtf8(const TListRows& rows);

}  // namespace lm
