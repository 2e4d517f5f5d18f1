#include "clipboard_text.h"

#include "ansi_codepage.h"

namespace lm {

QString ClipboardText(const QString& text) {
    bool unicode = false;
    bool changes = false;  // a character the code page reads back otherwise
    // No early exit and no branches: the loop runs many units at a time.
    const char16_t* units = QStringView(text).utf16();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = units[i];
        unicode |= unit > 0xFF;
        changes |= static_cast<char16_t>(unit - 0x80) < 0x20;
    }
    // Text the code page holds as it is (most links) is taken unchanged,
    // without two copies of the whole of it.
    return unicode || !changes ? text : FromAnsi(ToAnsi(text));
}

}  // namespace lm
