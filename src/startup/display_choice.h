// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

namespace lm {

// Which display the window opens on, chosen before Qt starts.
struct DisplayChoice {
    // Nothing to open a window on: no Qt platform chosen and neither a
    // Wayland nor an X display given.
    bool none = false;
    // The Qt platform to ask for; empty leaves the choice to Qt (which
    // follows QT_QPA_PLATFORM and the session type).
    QByteArray platform;
};

// With only a Wayland display, Wayland (Qt would try X11 first and fail);
// with both, Qt's own choice; with neither, none. QT_QPA_PLATFORM wins.
DisplayChoice ChooseDisplay();

// The one line `linkmint` prints when there is no display, and when the
// display given cannot be opened.
QByteArray NoDisplayMessage();
QByteArray DisplayFailedMessage();

// While it lives, Qt's messages are held back; a fatal one (Qt could open
// no display) prints DisplayFailedMessage() instead and ends the process
// with status 1. When it goes, the held messages are passed on as usual.
class DisplayStartGuard {
public:
    DisplayStartGuard();
    ~DisplayStartGuard();
    DisplayStartGuard(const DisplayStartGuard&) = delete;
    DisplayStartGuard& operator=(const DisplayStartGuard&) = delete;
};

}  // namespace lm
