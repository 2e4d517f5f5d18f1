// SPDX-License-Identifier: MIT
#include "main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QSplitter>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include "add_files_dialog.h"
#include "clipboard_holder.h"
#include "cursor_hint.h"
#include "dat_lst.h"
#include "file_list_model.h"
#include "image_list.h"
#include "info_pane_text.h"
#include "info_win.h"
#include "ini_file.h"
#include "launcher_entry.h"
#include "linkmint_build_info.h"
#include "stat_bar.h"
#include "tray_area.h"

namespace lm {

namespace {

constexpr int kDesignWidth = 521;
constexpr int kDesignHeight = 340;
// How often the overall progress is taken anew while it is shown.
constexpr int kOverallProgressMs = 500;
// The longest the close waits for the clipboard holder to take the links.
constexpr int kClipboardHandOverMs = 3000;
// The longest the close waits for the worker to stop. A chunk takes far
// less; a read that takes longer hangs (a network or FUSE mount that does
// not answer), and the close goes on without it.
constexpr int kCloseWaitMs = 5000;

}  // namespace

TeD2KfrmMain::TeD2KfrmMain(QStringList arguments, QString programDir, HandoverBlock* block,
                           QWidget* parent)
    : QMainWindow(parent),
      arguments_(std::move(arguments)),
      programDir_(std::move(programDir)),
      block_(block),
      debugLog_(programDir_),
      table_(&settings_) {
    setObjectName(QStringLiteral("TeD2KfrmMain"));
    setWindowIcon(TImageList1::Icon(TImageList1::Emblem));
    // Linux taskbars and window switchers show the window's title: it is
    // the application title.
    SetApplicationTitle(HashingWorker::IdleTitle());
    launcherEntry_ = std::make_unique<LauncherEntry>(QStringLiteral(LM_APP_ID));
    worker_ = std::make_unique<HashingWorker>(table_, settings_, *this, &debugLog_);
    SndPlayer = MakeSystemSoundPlayer();
    SetTrayArea(MakeSystemTrayArea());

    BuildActions();
    BuildMenus();
    BuildToolBar();
    BuildClientArea();
    cursorHint_ = new TCursorHint(this);
    BuildDialogs();
    // The designed size is the client area below the menu bar.
    resize(kDesignWidth, kDesignHeight + menuBar()->sizeHint().height());

    overallTimer_ = new QTimer(this);
    overallTimer_->setObjectName(QStringLiteral("OverallTimer"));
    overallTimer_->setInterval(kOverallProgressMs);
    connect(overallTimer_, &QTimer::timeout, this, &TeD2KfrmMain::UpdateOverallProgress);

    connect(&settings_, &Settings::changed, this, &TeD2KfrmMain::ApplySettings);
    ApplySettings();
}

TeD2KfrmMain::~TeD2KfrmMain() {
    // The worker must be gone before the widgets it reports to.
    worker_.reset();
}

void TeD2KfrmMain::BuildClientArea() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    HSplit = new QSplitter(Qt::Vertical, central);
    HSplit->setObjectName(QStringLiteral("HSplit"));
    HSplit->setHandleWidth(4);
    HSplit->setChildrenCollapsible(false);
    DatLst = new TDatLst(table_, HSplit);
    InfoWin = new TInfoWin(HSplit);
    paneText_ = std::make_unique<TInfoPaneText>(InfoWin);
    // Files dropped on the pane go to the window, not into the text.
    InfoWin->setAcceptDrops(false);
    HSplit->addWidget(DatLst);
    HSplit->addWidget(InfoWin);
    HSplit->setStretchFactor(0, 1);
    HSplit->setStretchFactor(1, 0);
    HSplit->setSizes({kDesignHeight - TInfoWin::kDesignHeight, TInfoWin::kDesignHeight});
    layout->addWidget(HSplit, 1);

    StatBar = new TStatBar(central);
    StatBar->SetProgressSource([this] { return worker_->Progress(); });
    layout->addWidget(StatBar);
    setCentralWidget(central);

    connect(DatLst, &TDatLst::selectionClicked, this, &TeD2KfrmMain::DatLstClick);
    connect(DatLst, &TDatLst::mouseMoved, this, &TeD2KfrmMain::DatLstMouseMove);
    connect(DatLst, &TDatLst::leftButtonReleased, this, &TeD2KfrmMain::DatLstMouseUp);
    connect(DatLst, &TDatLst::contextMenuWanted, this, &TeD2KfrmMain::ShowListMenu);
    // Delete removes the selected rows while the list has the focus (in the
    // info pane it deletes text).
    auto* removeKey = new QAction(DatLst);
    removeKey->setObjectName(QStringLiteral("actDeleteKey"));
    removeKey->setShortcut(QKeySequence::Delete);
    removeKey->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    DatLst->addAction(removeKey);
    connect(removeKey, &QAction::triggered, this, [this] {
        if (rmvSel_.mnu->isEnabled()) {
            mnuRmvSelClick();
        }
    });
    connect(HSplit, &QSplitter::splitterMoved, this, &TeD2KfrmMain::HSplitMoved);
    connect(StatBar, &TStatBar::clicked, this, &TeD2KfrmMain::StatBarClick);
}

void TeD2KfrmMain::ApplySettings() {
    const SettingsValues values = settings_.Snapshot();
    InfoWin->setVisible(values.showInfoWin);
    if (values.overallProgress != StatBar->OverallPanelShown()) {
        StatBar->SetOverallPanelShown(values.overallProgress);
        if (values.overallProgress) {
            overallTimer_->start();
        } else {
            overallTimer_->stop();
        }
        UpdateOverallProgress();
    }
    const bool exitBox = values.onCompletion == OnCompletion::CopyToClipboard ||
                         values.onCompletion == OnCompletion::CopySelectedToClipboard;
    xitOnDoneAction_->setVisible(exitBox);
    if (XitOnDone->isChecked() != values.exitWhenDone) {
        XitOnDone->setChecked(values.exitWhenDone);
    }
    // The Add Files dialog offers the file types in the table's order, with
    // the default one chosen; between changes it keeps the user's choice.
    if (values.fileTypes != addFilesTypes_ || values.defaultType != addFilesDefault_) {
        addFilesTypes_ = values.fileTypes;
        addFilesDefault_ = values.defaultType;
        OpnDlg->SetFileTypes(values.fileTypes, values.defaultType);
    }
}

void TeD2KfrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // FormResize: XitOnDone sits in the toolbar right of tbSep10 by layout.
    InfoWin->UpdateInfoScrollBars();
}

void TeD2KfrmMain::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        // Set before the wait below, so that nothing is added and no second
        // close starts while the worker finishes its chunk.
        closing_ = true;
        debugLog_.WriteDebugLog(QStringLiteral("CloseQuery start."));
        if (worker_->WorkerActive) {
            debugLog_.WriteDebugLog(QStringLiteral("Waiting for file loading to abort."));
        }
        if (!WaitForWorker(kCloseWaitMs)) {
            // The file being read stays unhashed, as after a pause, and is
            // kept that way; the thread is left behind (see WorkerStalled).
            workerStalled_ = true;
            table_.PauseUnfinished();
            debugLog_.WriteDebugLog(
                QStringLiteral("File reading did not stop within %1 seconds; closing without it.")
                    .arg(kCloseWaitMs / 1000));
        }
        debugLog_.WriteDebugLog(QStringLiteral("CloseQuery complete."));

        debugLog_.WriteDebugLog(QStringLiteral("Close start."));
        worker_->DisableEventTimer();
        cursorHint_->HideCursorHint();
        debugLog_.WriteDebugLog(QStringLiteral("Turning off drag drop."));
        setAcceptDrops(false);
        if (tray_->IconShown()) {
            debugLog_.WriteDebugLog(QStringLiteral("Getting rid of tray icon."));
            tray_->RemoveIcon();
        }
        minimized_ = false;
        DatLst->SetPaintingStopped(true);
        StatBar->SetPaintingStopped(true);
        debugLog_.WriteDebugLog(QStringLiteral("Saving INI file."));
        SaveIniFile();
        if (SndPlayer->Playing()) {
            debugLog_.WriteDebugLog(
                QStringLiteral("Notify sound still playing so hiding application."));
            hide();
            debugLog_.WriteDebugLog(QStringLiteral("Waiting for sound player to finish."));
            while (SndPlayer->Playing()) {
                QThread::msleep(100);
            }
        }
        KeepClipboard();
        debugLog_.WriteDebugLog(QStringLiteral("Close complete."));
        event->accept();
        emit closeCompleted();
        return;
    }
    event->accept();
}

void TeD2KfrmMain::KeepClipboard() {
    // Only a display server's clipboard ends with its owner; others (the
    // tests' offscreen one) have nothing to keep.
    const QString platform = QGuiApplication::platformName();
    QClipboard* clipboard = QGuiApplication::clipboard();
    if ((platform != u"xcb" && !platform.startsWith(u"wayland")) || clipboard == nullptr ||
        !clipboard->ownsClipboard() || clipboard->mimeData() == nullptr) {
        return;
    }
    // The links as the clipboard keeps them, UTF-8: not made again.
    const QByteArray text = clipboard->mimeData()->data(QStringLiteral("text/plain"));
    if (text.isEmpty() || !HandClipboardToHolder(text)) {
        return;
    }
    // Until the holder has taken it over, so that nothing is lost between.
    QEventLoop wait;
    QTimer::singleShot(kClipboardHandOverMs, &wait, &QEventLoop::quit);
    const auto taken = connect(clipboard, &QClipboard::changed, &wait, [&wait, clipboard] {
        if (!clipboard->ownsClipboard()) {
            wait.quit();
        }
    });
    wait.exec();
    disconnect(taken);
}

bool TeD2KfrmMain::WaitForWorker(int timeoutMs) {
    if (!worker_->WorkerActive) {
        return true;
    }
    // The worker posts its last calls and its end as events, so waiting for
    // events never sleeps past its end; a timer wakes the wait at its bound.
    QElapsedTimer waited;
    waited.start();
    QTimer bound;
    bound.setSingleShot(true);
    if (timeoutMs >= 0) {
        bound.start(timeoutMs);
    }
    return worker_->PauseAndWait(
        [] { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); },
        [&] { return timeoutMs >= 0 && waited.elapsed() >= timeoutMs; });
}

void TeD2KfrmMain::ShowMessage(const QString& text) {
    if (messageBoxHook) {
        messageBoxHook(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Linkmint"), text, QMessageBox::Ok, this);
    if (text.startsWith(u"Error: ") || text.startsWith(ErrorPrefix())) {
        box.setIcon(QMessageBox::Critical);
    }
    box.exec();
}

QString TeD2KfrmMain::ErrorPrefix() {
    return tr("Error: ",
              "the start of every error message; each one that begins so in English "
              "begins with this translation");
}

QString TeD2KfrmMain::LampHint(int crcStatus) {
    return LampHintText(crcStatus);
}

// WorkerHost ------------------------------------------------------------

void TeD2KfrmMain::SetStatusText(int panel, const QString& text) {
    StatBar->SetPanelText(panel, text);
}

void TeD2KfrmMain::RepaintStatusBar() {
    StatBar->update();
}

void TeD2KfrmMain::SetApplicationTitle(const QString& title) {
    applicationTitle_ = title;
    setWindowTitle(title);
}

void TeD2KfrmMain::SetTaskbarProgress(int percent, int filesLeft) {
    if (percent < 0) {
        launcherEntry_->Clear();
    } else {
        launcherEntry_->ShowProgress(percent, filesLeft);
    }
}

void TeD2KfrmMain::SetPauseControls(int picture, const QString& tooltip, const QString& caption) {
    pause_.btn->setIcon(TImageList1::Icon(picture));
    pause_.btn->setProperty(kPictureProperty, picture);
    pause_.btn->setToolTip(tooltip);
    // The menu's own text for it, with its mnemonic.
    pause_.mnu->setText(PauseCaption(caption == HashingWorker::ResumeCaption()));
}

void TeD2KfrmMain::SetPauseEnabled(bool enabled) {
    SetCommandEnabled(pause_, enabled);
}

void TeD2KfrmMain::EnableRemoveAllAndSort() {
    // An empty list offers nothing to remove or sort, whoever asks.
    if (DatLst->RowCount() == 0) {
        return;
    }
    SetCommandEnabled(rmvAll_, true);
    SetCommandEnabled(sortList_, true);
}

void TeD2KfrmMain::SetBusyCursor(bool busy) {
    if (busy) {
        setCursor(Qt::BusyCursor);
    } else {
        unsetCursor();
    }
}

RowSink& TeD2KfrmMain::Rows() {
    return *DatLst;
}

int TeD2KfrmMain::LinkTextWidth(const QString& link) {
    return DatLst->TextWidth(link);
}

bool TeD2KfrmMain::RaiseScrollExtent(int width) {
    return DatLst->RaiseHorizontalExtent(width);
}

void TeD2KfrmMain::ApplyScrollExtent() {
    DatLst->ApplyHorizontalExtent();
}

void TeD2KfrmMain::CopyAllLinks() {
    mnuCpyAll2ClipClick();
}

void TeD2KfrmMain::CopySelectedLinks() {
    mnuCpySel2ClipClick();
}

void TeD2KfrmMain::PlayNotifySound() {
    const SettingsValues values = settings_.Snapshot();
    static constexpr SystemSound kSounds[] = {SystemSound::Ok,       SystemSound::Hand,
                                              SystemSound::Question, SystemSound::Exclamation,
                                              SystemSound::Asterisk, SystemSound::Beep};
    if (values.notifySound >= 1 && values.notifySound <= 6) {
        SndPlayer->PlaySystemSound(kSounds[values.notifySound - 1]);
    } else if (values.notifySound == 7) {
        // The preferences' Play Sound button starts and stops the preview.
        if (SndPlayer->Playing()) {
            SndPlayer->Stop();
        } else {
            SndPlayer->PlayFile(values.customSoundPath);
        }
    }
}

void TeD2KfrmMain::UpdateOverallProgress() {
    if (!StatBar->OverallPanelShown()) {
        overall_.End();
    } else if (worker_->WorkerActive && !closing_) {
        overall_.Update(table_, worker_->Progress());
    } else {
        overall_.End();
    }
    StatBar->SetPanelText(TStatBar::kOverallPanel, overall_.Text());
    if (tray_->IconShown()) {
        tray_->SetTip(TrayToolTip());
    }
}

QString TeD2KfrmMain::TrayToolTip() const {
    return TipWithProgress(trayTip_);
}

QString TeD2KfrmMain::TipWithProgress(const QString& tip) const {
    const QString overall = overall_.Text();
    if (overall.isEmpty() || tip == HashingWorker::IdleTitle()) {
        return tip;
    }
    return tip.left(TrayArea::kMaxTipLength) + u'\n' + overall;
}

void TeD2KfrmMain::RefreshInfo() {
    UpdateInfoWin();
}

void TeD2KfrmMain::ShowError(const QString& text) {
    ShowMessage(text);
}

void TeD2KfrmMain::CloseProgram() {
    close();
}

bool TeD2KfrmMain::StartupInProgress() {
    return startupPhase_ != 0;
}

}  // namespace lm
