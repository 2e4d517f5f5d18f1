// SPDX-License-Identifier: MIT
// Start-up of the first instance: the first activation of the window, which
// takes in the settings and the command line, and the hand-overs of later
// starts.

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <utility>

#include "command_line.h"
#include "dat_lst.h"
#include "debug_log.h"
#include "dir_listing.h"
#include "handover_block.h"
#include "ini_file.h"
#include "instance_names.h"
#include "main_window.h"
#include "mask.h"
#include "path_names.h"
#include "prefs_dialog.h"
#include "stat_bar.h"
#include "tray_area.h"
#include "window_activation.h"

namespace lm {

namespace {

// How often adding a folder lets the window's events through.
constexpr int kListingEventsMs = 10;

}  // namespace

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
    // A close that came in meanwhile (a signal, a close box) ends the start:
    // nothing more is loaded, added or started.
    if (closing_) {
        startupPhase_ = 0;
        return;
    }

    IniLoadContext context;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        context.workArea = screen->availableGeometry().size();
    }
    context.isContextMenuRegistered = [this] { return frmPrefs->IsContextMenuRegistered(); };
    const QList<TFileData> kept = LoadIniFile(settings_, programDir_, context);
    settingsLoaded_ = true;
    for (const TFileData& entry : kept) {
        table_.Restore(entry);
    }
    ApplyStoredGeometry();

    for (const QString& argument : std::as_const(arguments_)) {
        QCoreApplication::processEvents();
        if (closing_) {
            startupPhase_ = 0;
            return;
        }
        // A file of that name is a file all the same.
        if (DebugLog::IsDebugSwitch(argument)) {
            const PathKind kind = KindOfPath(argument);
            if (kind != PathKind::File && kind != PathKind::Other) {
                debugLog_.Enable();
                continue;
            }
        }
        AddPath(argument, true);
    }
    if (closing_) {
        startupPhase_ = 0;
        return;
    }
    setAcceptDrops(true);
    CheckTakenLists();

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

void TeD2KfrmMain::ApplyStoredGeometry() {
    // Each key on its own: a missing one keeps the designed value.
    const SettingsValues values = settings_.Snapshot();
    QRect frame = geometry();
    frame.moveTo(values.mainWinLeft, values.mainWinTop);
    if (values.mainWinWidth > 0) {
        frame.setWidth(values.mainWinWidth);
    }
    if (values.mainWinHeight > 0) {
        frame.setHeight(values.mainWinHeight);
    }
    setGeometry(frame);
}

void TeD2KfrmMain::AddDirectory(const QString& dir) {
    const SettingsValues values = settings_.Snapshot();
    QString masks = QStringLiteral("*.*");
    if (!values.dirDragDropAll) {
        const int row = values.defaultType - 1;
        masks = row >= 0 && row < values.fileTypes.size() ? values.fileTypes[row].masks : QString();
    }
    // The whole folder or, when its mask is invalid, nothing of it. The
    // window keeps painting while a large one is listed and added.
    const FilesToAdd found = ListFilesToAdd(dir, masks, true, EventsEvery(kListingEventsMs));
    if (!found.maskError.isEmpty()) {
        ShowMessage(ErrorPrefix() + found.maskError);
        return;
    }
    const ListingEventHook events = EventsEvery(kListingEventsMs);
    for (const QString& file : found.paths) {
        if (closing_) {
            return;
        }
        table_.AddFileIfThere(file);  // it may have gone meanwhile
        events();
    }
}

void TeD2KfrmMain::BringForward() {
    minimized_ = false;
    const ActivationTokens tokens = std::exchange(pendingTokens_, {});
    if (tray_->IconShown()) {
        tray_->RemoveIcon();
    }
    if (isMinimized()) {
        // Back to what it was before: a maximized window comes back maximized.
        setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    if (!isVisible()) {
        show();
    }
    raise();
    // A Wayland compositor lets a window come forward (and back from being
    // minimized, which Wayland does not tell the window) only with the
    // launcher's token; an X11 window manager wants the launch's time.
    if (activationHook) {
        activationHook(tokens);
    } else {
        ActivateWindow(windowHandle(), tokens);
    }
}

void TeD2KfrmMain::HandoverMessage(std::uint32_t message, std::uint32_t wParam,
                                   std::uint32_t lParam) {
    HandoverArrived(HandoverPacket{message, wParam, lParam, 0, std::nullopt});
}

bool TeD2KfrmMain::HandoverArrived(const HandoverPacket& packet) {
    if (packet.message == WM_ACTIVATIONTOKEN) {
        if (closing_) {
            return true;
        }
        // The launcher's token, laid out as one path in the block or the text.
        std::optional<QStringList> text;
        if (packet.text) {
            text = ParseHandoverText(packet.text->data(), static_cast<int>(packet.text->size()), 1);
        } else if (block_ != nullptr) {
            text = block_->TryReadPaths(1);
        }
        const QString token = text ? text->value(0) : QString();
        if (IsUsableToken(token) && packet.wParam == kXdgActivationToken) {
            pendingTokens_.xdgActivation = token;
        } else if (IsUsableToken(token) && packet.wParam == kStartupIdToken) {
            pendingTokens_.startupId = token;
        }
        return true;
    }
    if (packet.message == WM_TRAYCALLBACK && packet.wParam == kTrayIconId &&
        packet.lParam == kTrayLeftButtonUp) {
        if (!closing_) {
            BringForward();
        }
        return true;
    }
    if (packet.message != WM_HANDOVER) {
        return true;
    }
    if (closing_) {
        return false;  // nothing more is added: the sender must not say it was
    }
    // The sender writes its next text once this message is answered, so
    // the paths are taken now; adding them (which may show a box) waits
    // for a queued call, after the answer has gone out.
    HandoverIntake::Outcome outcome = handovers_.Take(packet, block_);
    if (outcome.complete) {
        QMetaObject::invokeMethod(
            this, [this, paths = std::move(*outcome.complete)] { AddHandedOver(paths); },
            Qt::QueuedConnection);
    }
    return outcome.taken;
}

void TeD2KfrmMain::HandoverEnded(std::uint64_t connection) {
    handovers_.Ended(connection);
}

void TeD2KfrmMain::AddHandedOver(const QStringList& paths) {
    if (closing_) {
        return;
    }
    for (const QString& path : paths) {
        AddPath(path, false);
    }
    if (closing_) {
        return;
    }
    CheckTakenLists();
    if (table_.FileCount() >= 1) {
        if (settings_.Snapshot().presortFiles && table_.FileCount() >= 2) {
            table_.SortEntries();
        }
        worker_->StartHashing();
        // The count takes the new rows in now, not at the next finished file.
        StatBar->SetPanelText(0, CountText());
    }
}

}  // namespace lm
