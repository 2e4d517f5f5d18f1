// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace lm {

// What a launcher gives a program it starts so that the program's window
// may come to the front: an xdg-activation token on Wayland
// ($XDG_ACTIVATION_TOKEN) and a startup-notification id on X11
// ($DESKTOP_STARTUP_ID, which ends in "_TIME" and the launch's timestamp).
// A later start passes them to the running window, which uses them to come
// forward.
struct ActivationTokens {
    QString xdgActivation;
    QString startupId;

    bool IsEmpty() const { return xdgActivation.isEmpty() && startupId.isEmpty(); }
};

// The longest token passed on; real ones are far shorter.
inline constexpr int kMaxTokenUnits = 1024;

// A token is printable ASCII without blanks (what launchers make), at most
// kMaxTokenUnits long; anything else is not passed on nor used.
bool IsUsableToken(const QString& token);

// The tokens of this process's environment, each only when usable.
ActivationTokens ActivationTokensFromEnvironment();

}  // namespace lm
