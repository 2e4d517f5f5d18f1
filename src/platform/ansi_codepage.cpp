// SPDX-License-Identifier: MIT
#include "ansi_codepage.h"

#include <array>

#include "windows1252.h"

namespace lm {

namespace {

constexpr std::array<char16_t, 256> MakeTable() {
    std::array<char16_t, 256> table{};
    for (int i = 0; i < 256; ++i) {
        table[i] = Windows1252ToUnicode(static_cast<unsigned char>(i));
    }
    return table;
}

constexpr std::array<char16_t, 256> kTable = MakeTable();

}  // namespace

char16_t AnsiToUnicode(unsigned char byte) {
    return kTable[byte];
}

char UnicodeToAnsi(char16_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) {
        return static_cast<char>(ch);
    }
    for (int i = 0; i < 32; ++i) {
        if (kWindows1252High[i] == ch) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

QByteArray ToAnsi(QStringView text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        if (QChar::isHighSurrogate(ch) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text[i + 1].unicode())) {
            ++i;  // one character outside the code page
            out.append('?');
            continue;
        }
        out.append(UnicodeToAnsi(ch));
    }
    return out;
}

QString FromAnsi(QByteArrayView bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        dst[i] = QChar(kTable[static_cast<unsigned char>(bytes[i])]);
    }
    return out;
}

QString ThroughAnsi(const QString& text) {
    // The code page holds every unit below 0x80 and from 0xA0 to 0xFF as it
    // is: text of those alone is taken unchanged, without two copies. No
    // early exit and no branches, so the loop runs many units at a time.
    const char16_t* units = QStringView(text).utf16();
    bool changes = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = units[i];
        changes |= (unit > 0xFF) | (static_cast<char16_t>(unit - 0x80) < 0x20);
    }
    return changes ? FromAnsi(ToAnsi(text)) : text;
}

bool NeedsWideChars(QStringView text) {
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (UnicodeToAnsi(u) == '?' && u != u'?') {
            return true;
        }
    }
    return false;
}

}  // namespace lm
