// SPDX-License-Identifier: MIT
#pragma once

#include "activation_token.h"

class QWindow;

namespace lm {

// Asks the window system to give `window` (shown already) the focus and put
// it in front, with the launcher's tokens where it has any:
//   Wayland: the xdg-activation token (or, failing that, the startup id,
//            which Wayland launchers set to the same token) is what the
//            compositor needs to let a window come forward;
//   X11:     the startup id goes on the window (_NET_STARTUP_ID), its
//            timestamp with the request to activate it (_NET_ACTIVE_WINDOW),
//            and the launcher's startup feedback is ended ("remove").
// A compositor that does not support activation leaves the window where it
// is.
void ActivateWindow(QWindow* window, const ActivationTokens& tokens);

// The timestamp of an X11 startup id ("..._TIME1234"), 0 when it has none.
unsigned long StartupIdTimestamp(const QString& startupId);

// The startup-notification message that ends the launch of `startupId`.
QByteArray StartupRemoveMessage(const QString& startupId);

}  // namespace lm
