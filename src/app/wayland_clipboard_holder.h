// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace lm {

// Serves `text` (UTF-8) as the Wayland clipboard of the compositor of
// $WAYLAND_DISPLAY until another program takes the clipboard over, then
// returns 0; 1 when there is no compositor, seat or clipboard to serve.
//
// A compositor takes the clipboard only from a client that has the keyboard
// focus, with the serial of an event it sent: a tiny transparent window gets
// the focus for a moment, its keyboard-enter serial sets the selection, and
// the window goes again. Without the focus in time, the selection is set
// all the same, for compositors that do not ask for it.
int ServeWaylandClipboard(const std::string& text);

}  // namespace lm
