// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace lm {

class RowSink;

// Everything the hashing worker shows or sets off in the window. The worker
// never calls these itself (but for the two marked otherwise): each call is
// handed to the GUI thread and made there, in the order the worker asked
// for them. The main window implements
// the interface; tests implement it with a recorder.
class WorkerHost {
public:
    virtual ~WorkerHost() = default;

    // Status bar: panel 0 the file count, panel 1 the activity text.
    virtual void SetStatusText(int panel, const QString& text) = 0;
    // Repaints the progress panel, which reads the worker's progress values.
    virtual void RepaintStatusBar() = 0;
    // The application's taskbar text; on Linux the taskbar shows the window
    // title, so it is the window's title too.
    virtual void SetApplicationTitle(const QString& title) = 0;
    // The same progress for a dock or task manager: the current file's
    // percentage and the files left; a percentage below 0 means idle.
    virtual void SetTaskbarProgress(int percent, int filesLeft) {
        static_cast<void>(percent);
        static_cast<void>(filesLeft);
    }
    // Applies a new tip to the tray icon; nothing when not in the tray.
    virtual void SetTrayTip(const QString& tip) = 0;

    // The Pause button's picture and tooltip and the Pause menu caption:
    // 15, "Pause (F12)", "Pause" or 16, "Resume (F12)", "Resume".
    virtual void SetPauseControls(int picture, const QString& tooltip, const QString& caption) = 0;
    // Enables or disables the Pause button and menu item together.
    virtual void SetPauseEnabled(bool enabled) = 0;
    // Enables Remove All and Sort (button and menu item) where disabled.
    virtual void EnableRemoveAllAndSort() = 0;
    // true: the application-starting cursor; false: the default cursor.
    virtual void SetBusyCursor(bool busy) = 0;

    // The list rows the file table is mirrored into.
    virtual RowSink& Rows() = 0;
    // Width in pixels of a link in the list's font. Called on the worker's
    // own thread, when it stores a file's link: must be safe there.
    virtual int LinkTextWidth(const QString& link) = 0;
    // Raises the list's horizontal extent to `width` when it is narrower
    // and says whether it did. Called on the worker's thread: the extent
    // changes at once, so the next file compares with it; the list is laid
    // out anew by ApplyScrollExtent on the GUI thread.
    virtual bool RaiseScrollExtent(int width) = 0;
    virtual void ApplyScrollExtent() = 0;

    // The completion actions.
    virtual void CopyAllLinks() = 0;
    virtual void CopySelectedLinks() = 0;
    virtual void PlayNotifySound() = 0;

    // Actions of the deferred events.
    virtual void RefreshInfo() = 0;
    // An error box with one OK button.
    virtual void ShowError(const QString& text) = 0;
    virtual void CloseProgram() = 0;
    virtual bool StartupInProgress() = 0;
    virtual void HideToTray() = 0;
};

}  // namespace lm
