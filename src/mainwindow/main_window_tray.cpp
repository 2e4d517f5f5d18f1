// SPDX-License-Identifier: MIT
// Minimizing: to the notification area when MinimizeToTray is on and the
// desktop has one, otherwise as usual.

#include <QEvent>
#include <QWindowStateChangeEvent>

#include "main_window.h"
#include "tray_area.h"

namespace lm {

void TeD2KfrmMain::SetTrayArea(std::unique_ptr<TrayArea> tray) {
    tray_ = std::move(tray);
    tray_->leftClicked = [this] { BringForward(); };
}

void TeD2KfrmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        RepaintPictures();
        return;
    }
    if (event->type() != QEvent::WindowStateChange || closing_) {
        return;
    }
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if (isMinimized() && !(change->oldState() & Qt::WindowMinimized)) {
        GoToTray();
    }
}

void TeD2KfrmMain::GoToTray() {
    minimized_ = true;
    if (!settings_.Snapshot().minimizeToTray || !tray_->Available()) {
        return;
    }
    tray_->ShowIcon(TipWithProgress(applicationTitle_));
    if (StartupInProgress()) {
        // Hidden once start-up has ended.
        if (!worker_->EventArmed()) {
            worker_->ArmEvent(evHideToTray);
        }
        return;
    }
    // Hidden once the minimize itself has been carried out.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (minimized_ && tray_->IconShown()) {
                HideToTray();
            }
        },
        Qt::QueuedConnection);
}

void TeD2KfrmMain::HideToTray() {
    hide();
}

void TeD2KfrmMain::SetTrayTip(const QString& tip) {
    trayTip_ = tip;
    if (tray_->IconShown()) {
        tray_->SetTip(TrayToolTip());
    }
}

}  // namespace lm
