// SPDX-License-Identifier: MIT
#include "clipboard_text.h"

#include "ansi_codepage.h"

namespace lm {

QString ClipboardText(const QString& text) {
    // Text beyond the code page goes on the clipboard as it is; the rest as
    // the code page gives it back.
    const char16_t* units = QStringView(text).utf16();
    bool unicode = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        unicode |= units[i] > 0xFF;
    }
    return unicode ? text : ThroughAnsi(text);
}

}  // namespace lm
