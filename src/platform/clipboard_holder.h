// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

namespace lm {

// On X11 and Wayland a clipboard lives only as long as the program that owns
// it, unless a clipboard manager takes a copy. For the links to stay
// pasteable once Linkmint has ended, the text is handed to a small holder
// process (linkmint-clipboard-holder) that serves it until another program
// takes the clipboard over, and then ends, as the usual command-line
// clipboard tools do. It speaks to the X server where there is one (a
// Wayland desktop's X server passes the clipboard on), else to the Wayland
// compositor.

// The name of the holder program.
inline constexpr char kClipboardHolderName[] = "linkmint-clipboard-holder";

// Where the holder program lies: beside this executable (the build tree) or
// in ../libexec/linkmint/ (an installed one); empty when it is in neither.
QString ClipboardHolderPath();

// The Qt platform the holder runs on: "xcb" with $DISPLAY, else "wayland"
// with $WAYLAND_DISPLAY; empty without either.
QString HolderPlatform();

// Starts the holder, detached, with `text` (UTF-8) to serve on that
// display. False when there is no display or no holder, or it could not be
// started.
bool HandClipboardToHolder(const QByteArray& text);

}  // namespace lm
