// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace lm {

// The 8-bit "ANSI" code page is Windows-1252, by our own table, so that the
// files we write are byte-compatible with the ones written on Windows.
//
// The five bytes that Windows-1252 leaves undefined (81, 8D, 8F, 90, 9D) map
// to the C1 control characters of the same value and back, as Windows does.

// The UTF-16 code unit of one byte.
char16_t AnsiToUnicode(unsigned char byte);

// The byte of one character, or '?' when the code page has none.
char UnicodeToAnsi(char16_t ch);

// Converts a text to the code page. A character that it cannot hold becomes
// one "?"; a surrogate pair counts as one character.
QByteArray ToAnsi(QStringView text);

QString FromAnsi(QByteArrayView bytes);

// FromAnsi(ToAnsi(text)): the text as the code page gives it back, taken as
// it is (no copy) when the code page holds it unchanged.
QString ThroughAnsi(const QString& text);

// The wide-character test: true when converting the text to the code page
// and back does not give it unchanged.
bool NeedsWideChars(QStringView text);

}  // namespace lm
