// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTimer>

namespace lm {

// The progress badge of the program's entry in a dock or task manager
// (Plasma's task manager, GNOME's docks, Unity's launcher): the
// com.canonical.Unity.LauncherEntry "Update" signal on the session bus,
// for the desktop entry of `desktopFileName`. Without a session bus the
// calls do nothing. A folder of small files changes the count many times a
// second: the signal goes out at most every kMinGapMs, the last state always.
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
    static constexpr int kMinGapMs = 100;

private:
    struct State {
        bool shown = false;
        int percent = 0;
        int filesLeft = 0;
        bool operator==(const State&) const = default;
    };
    void Want(State state);
    void Send();

    QString appUri_;
    State wanted_;
    State sent_;
    QElapsedTimer sinceSent_;
    QTimer later_;
};

}  // namespace lm
