// Start-up of the first instance: the first activation of the window, which
// takes in the settings and the command line, and the hand-overs of later
// starts.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "dat_lst.h"
#include "debug_log.h"
#include "dir_listing.h"
#include "handover_block.h"
#include "ini_file.h"
#include "instance_names.h"
#include "main_window.h"
#include "mask.h"
#include "prefs_dialog.h"
#include "tray_area.h"

namespace lm {

void TeD2KfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The first activation runs once the shown window reaches the event
    // loop, whether or not a window manager ever gives it the focus.
    if (startupPhase_ == 2) {
        QTimer::singleShot(0, this, &TeD2KfrmMain::FirstActivation);
    }
}

void TeD2KfrmMain::FirstActivation() {
    if (startupPhase_ != 2) {
        return;
    }
    startupPhase_ = 1;
    QCoreApplication::processEvents();

    IniLoadContext context;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        context.workArea = screen->availableGeometry().size();
    }
    context.isContextMenuRegistered = [this] { return frmPrefs->IsContextMenuRegistered(); };
    const QList<TFileData> kept = LoadIniFile(settings_, programDir_, context);
    for (const TFileData& entry : kept) {
        table_.Restore(entry);
    }
    const SettingsValues values = settings_.Snapshot();
    if (values.mainWinWidth > 0 && values.mainWinHeight > 0) {
        setGeometry(values.mainWinLeft, values.mainWinTop, values.mainWinWidth,
                    values.mainWinHeight);
    } else {
        move(values.mainWinLeft, values.mainWinTop);
    }

    for (const QString& argument : std::as_const(arguments_)) {
        QCoreApplication::processEvents();
        const QFileInfo info(argument);
        if (info.isFile()) {
            table_.AddEntry(argument);
        } else if (DebugLog::IsDebugSwitch(argument)) {
            debugLog_.Enable();
        } else if (info.isDir()) {
            AddDirectory(argument);
        } else {
            ShowMessage(QStringLiteral("Error: Could not find file \"%1\"").arg(argument));
        }
    }
    setAcceptDrops(true);

    if (table_.FileCount() > 0) {
        if (settings_.Snapshot().presortFiles && table_.FileCount() >= 2) {
            table_.SortEntries();
        }
        worker_->RefreshList();
        UpdateInfoWin();
        // A hand-over taken in meanwhile may have started the worker. A
        // count made under it would leave out the file it holds and end
        // below zero, so it stops first and that file is queued again too.
        if (worker_->WorkerActive) {
            const bool wasPaused = worker_->Paused;
            WaitForWorker();
            worker_->Paused = wasPaused;
        }
        // Restored entries that were not hashed and the new ones are queued.
        if (table_.QueueUnfinished() > 0) {
            worker_->StartHashing();
        }
    }
    startupPhase_ = 0;
}

void TeD2KfrmMain::AddDirectory(const QString& dir) {
    const SettingsValues values = settings_.Snapshot();
    QString masks = QStringLiteral("*.*");
    if (!values.dirDragDropAll) {
        const int row = values.defaultType - 1;
        masks = row >= 0 && row < values.fileTypes.size() ? values.fileTypes[row].masks : QString();
    }
    QStringList files;
    try {
        ListDirFiles(dir, masks, files, true, true);
    } catch (const EMaskException& error) {
        // What was listed before the bad mask is still taken.
        ShowMessage(QStringLiteral("Error: ") + error.Message());
    }
    for (const QString& file : std::as_const(files)) {
        if (QFileInfo(file).isFile()) {
            table_.AddEntry(file);
        }
    }
}

void TeD2KfrmMain::BringForward() {
    minimized_ = false;
    if (tray_->IconShown()) {
        tray_->RemoveIcon();
    }
    if (isMinimized()) {
        showNormal();
    } else if (!isVisible()) {
        show();
    }
    raise();
    activateWindow();
}

void TeD2KfrmMain::HandoverMessage(std::uint32_t message, std::uint32_t wParam,
                                   std::uint32_t lParam) {
    if (closing_) {
        return;
    }
    if (message == WM_TRAYCALLBACK && wParam == kTrayIconId && lParam == kTrayLeftButtonUp) {
        BringForward();
    } else if (message == WM_HANDOVER) {
        HandoverReceived(static_cast<int>(wParam & 0xFFFF), (lParam & kHandoverContinues) != 0);
    }
}

void TeD2KfrmMain::HandoverReceived(int count, bool continues) {
    if (block_ == nullptr) {
        return;
    }
    const QStringList paths = handoverPieces_.Take(block_->ReadPaths(count), continues);
    for (const QString& path : std::as_const(paths)) {
        const QFileInfo info(path);
        if (info.isFile()) {
            table_.AddEntry(path);
        } else if (info.isDir()) {
            AddDirectory(path);
        }
    }
    if (continues) {
        return;
    }
    if (table_.FileCount() >= 1) {
        if (settings_.Snapshot().presortFiles && table_.FileCount() >= 2) {
            table_.SortEntries();
        }
        worker_->StartHashing();
    }
}

}  // namespace lm
