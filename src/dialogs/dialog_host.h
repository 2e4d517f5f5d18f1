// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

#include "file_data.h"
#include "settings.h"

namespace lm {

// What the preferences and select-directory dialogs need of the main window.
// The main window implements it; the dialogs never include its class. All
// calls are made on the GUI thread. SetStatusText, PlayNotifySound and
// ShowError have the signatures of WorkerHost's, so a window that is both
// implements each once.
//
// The dialogs are made once, before the settings are loaded, so that the
// load's values act on the window as clicks would:
//
//   frmSelDir = new TfrmSelDir(settings, host, window);
//   frmPrefs = new TfrmPrefs(settings, host, frmSelDir, shell, window);
//   frmAbout = new TfrmAbout(window);
//   context.isContextMenuRegistered = [=] { return frmPrefs->IsContextMenuRegistered(); };
class DialogHost {
public:
    virtual ~DialogHost() = default;

    // --- the file list ---
    // Rows the list shows now.
    virtual int ListRowCount() const = 0;
    // Calls `edit` on every file-table entry in list order, under the
    // table's lock, then shows every row anew (its link, or its path while
    // it has none).
    virtual void EditEntries(const std::function<void(TFileData&)>& edit) = 0;
    // Re-renders every stored link with the link options now in the
    // settings, as the lower-case option re-cases them: each entry's Link
    // becomes RerenderLink(Link, its kept digests, the settings), entries
    // without a link keep none, and every row is shown anew. Nothing else
    // of an entry changes.
    virtual void RerenderLinks() = 0;
    // Appends an entry for `path` when it is a regular file: a found file
    // may have gone meanwhile (FileTable::AddFileIfThere).
    virtual void AddFileIfThere(const QString& path) = 0;
    virtual int FileCount() const = 0;
    virtual int FilesRemaining() const = 0;
    virtual void SortEntries() = 0;
    // Mirrors the table, shows the working or paused text and starts the
    // worker when none runs (HashingWorker::StartHashing).
    virtual void StartHashing() = 0;
    // True while hashing is paused by the user.
    virtual bool HashingPaused() const = 0;
    // Gives a running worker the new priority at once; nothing when none runs.
    virtual void SetWorkerPriority(ThreadPriority priority) = 0;

    // --- the window ---
    // Shows or hides the information pane and the splitter above it.
    virtual void SetInfoWinVisible(bool visible) = 0;
    // Rebuilds the information pane from the selected entries.
    virtual void UpdateInfoWin() = 0;
    // Shows or hides the toolbar's "Exit when done" box.
    virtual void SetExitWhenDoneVisible(bool visible) = 0;
    // Panel 1 of the status bar.
    virtual void SetStatusText(int panel, const QString& text) = 0;
    // Where the Add Files dialog starts.
    virtual void SetOpenDialogDirectory(const QString& dir) = 0;
    // Plays the completion sound now chosen in the settings; a second press
    // while a sound file plays stops it.
    virtual void PlayNotifySound() = 0;

    // --- the rest ---
    // Writes Linkmint.ini from the live settings (and the kept files).
    virtual void SaveIniFile() = 0;
    // An error box with one OK button.
    virtual void ShowError(const QString& text) = 0;
};

}  // namespace lm
