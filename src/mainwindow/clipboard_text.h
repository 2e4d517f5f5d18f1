// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace lm {

// The text that the clipboard gets for `text`: unchanged when it holds a
// character above U+00FF (it goes on as Unicode text), otherwise passed
// through the ANSI code page, as a Windows user would paste it.
QString ClipboardText(const QString& text);

}  // namespace lm
