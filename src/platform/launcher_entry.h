// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace lm {

// The progress badge of the program's entry in a dock or task manager
// (Plasma's task manager, GNOME's docks, Unity's launcher): the
// com.canonical.Unity.LauncherEntry "Update" signal on the session bus,
// for the desktop entry of `desktopFileName`. Without a session bus the
// calls do nothing.
class LauncherEntry {
public:
    explicit LauncherEntry(const QString& desktopFileName);

    // The current file's progress (0 to 100) and the number of files left.
    void ShowProgress(int percent, int filesLeft);
    // No badge and no bar: the program is idle.
    void Clear();

    // "application://NAME.desktop", as the docks know the entry.
    const QString& AppUri() const { return appUri_; }
    // Where the signal comes from.
    static constexpr char kObjectPath[] = "/org/linkmint/Linkmint/LauncherEntry";
    static constexpr char kInterface[] = "com.canonical.Unity.LauncherEntry";

private:
    QString appUri_;
    // What was sent last, so that a step that changes nothing sends nothing.
    int percent_ = -1;
    int filesLeft_ = -1;
    bool shown_ = false;
};

}  // namespace lm
