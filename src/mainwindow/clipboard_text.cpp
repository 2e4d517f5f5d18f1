#include "clipboard_text.h"

#include <algorithm>

#include "ansi_codepage.h"

namespace lm {

QString ClipboardText(const QString& text) {
    const bool unicode =
        std::any_of(text.begin(), text.end(), [](QChar ch) { return ch.unicode() > 0xFF; });
    return unicode ? text : FromAnsi(ToAnsi(text));
}

}  // namespace lm
