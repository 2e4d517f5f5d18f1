// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <mutex>

namespace lm {

// What to do when the queue has been hashed.
enum class OnCompletion { GoIdle, CopyToClipboard, CopySelectedToClipboard, CopyToClipAndExit };

// Worker thread priorities, in the order the preferences offer them.
enum class ThreadPriority { Idle = 0, Lowest = 1, Lower = 2, Normal = 3, Higher = 4 };

// One row of the file-type table: a display name and masks separated by ";".
struct FileType {
    QString name;
    QString masks;
    bool operator==(const FileType&) const = default;
};

// Every option with its first-run default. The names follow the INI keys.
struct SettingsValues {
    // [Display]
    int mainWinTop = 109;
    int mainWinLeft = 211;
    int mainWinWidth = 0;  // 0: keep the window's designed size
    int mainWinHeight = 0;

    // [Options]
    bool stripPath = false;
    bool showInfoWin = true;
    bool lowercaseHashes = false;
    bool trailingSlash = true;
    bool minimizeToTray = false;
    bool dirDragDropAll = false;
    bool presortFiles = false;
    bool preselectFiles = false;
    int notifySound = 0;      // 0..6 system sounds, 7 the custom file
    QString customSoundPath;  // the custom file, when there is one
    QString defaultDirectory;
    bool recurseDirectories = false;
    bool autoCountDirectories = false;
    int defaultType = 1;  // 1-based row of fileTypes
    ThreadPriority threadPriority = ThreadPriority::Lower;
    OnCompletion onCompletion = OnCompletion::GoIdle;
    bool keepFilesOnExit = false;

    // [File Types]
    QList<FileType> fileTypes = {
        {QStringLiteral("All Files (*.*)"), QStringLiteral("*.*")},
        {QStringLiteral("Videos (AVI,OGM,MKV,WMV,ASF,MPG,MP4,MOV)"),
         QStringLiteral("*.avi;*.ogm;*.mkv;*.wmv;*.asf;*.mpg;*.mpeg;*.mp4;*.mov")},
    };

    // [File Paths]
    QString lastFilePath;
    QString lastSoundPath;
    QString lastSavePath;

    // [Extras], a section of its own that is written only when one of these
    // is on, so that with all off the file is what it always was.
    bool aichHash = false;    // links carry "h=" with the AICH root
    bool partHashes = false;  // links carry "p=" with the part hashes
    // The whole job's progress in a status panel of its own and the tray
    // tip; its key is written only while it is on.
    bool overallProgress = false;

    // Not stored in the INI file.
    bool runFromExplorer = false;  // read from the desktop integration at load
    bool exitWhenDone = false;     // the toolbar's "Exit when done" box

    bool operator==(const SettingsValues&) const = default;
};

// The live settings. The dialogs show them and the rest of the program reads
// them here. Any thread may take a snapshot; changes are made on the GUI
// thread and announced with `changed`, so that a value applied by the
// program (the INI load) has the same effects as one the user clicks.
class Settings : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    SettingsValues Snapshot() const {
        std::lock_guard lock(mutex_);
        return values_;
    }

    // One field, e.g. Get(&SettingsValues::stripPath), without copying the rest.
    template <class T>
    T Get(T SettingsValues::*field) const {
        std::lock_guard lock(mutex_);
        return values_.*field;
    }

    // Sets one field, e.g. Set(&SettingsValues::stripPath, true), and
    // announces the change when the value differs.
    template <class T, class U>
    void Set(T SettingsValues::*field, U&& value) {
        {
            std::lock_guard lock(mutex_);
            if (values_.*field == value) {
                return;
            }
            values_.*field = std::forward<U>(value);
        }
        emit changed();
    }

    // Replaces everything at once (the INI load); announces when anything differs.
    void Replace(const SettingsValues& values) {
        {
            std::lock_guard lock(mutex_);
            if (values_ == values) {
                return;
            }
            values_ = values;
        }
        emit changed();
    }

signals:
    void changed();

private:
    mutable std::mutex mutex_;
    SettingsValues values_;
};

}  // namespace lm
