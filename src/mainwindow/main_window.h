// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

#include "activation_token.h"
#include "debug_log.h"
#include "dialog_host.h"
#include "file_table.h"
#include "handover_intake.h"
#include "hashing_worker.h"
#include "overall_progress.h"
#include "settings.h"
#include "shell_integration.h"
#include "sound_player.h"
#include "worker_host.h"

class QAction;
class QCheckBox;
class QFileDialog;
class QMenu;
class QSplitter;
class QTimer;
class QToolBar;

namespace lm {

class HandoverBlock;
class LauncherEntry;
class TAddFilesDialog;
class TSavDlg;
class TCursorHint;
class TfrmAbout;
class TfrmPrefs;
class TfrmSelDir;
class TfrmCheckFiles;
class TDatLst;
class TInfoPaneText;
class TInfoWin;
class TStatBar;
class TrayArea;

// The program's main window: toolbar, file list, info pane and status bar,
// the commands that act on the list as a whole, and the start-up of the
// first instance (settings, command line, hand-overs from later starts).
//
// The implementation is spread over several files by concern:
//   main_window.cpp           layout, the worker's host, closing
//   main_window_commands.cpp  menu and toolbar commands, enable rules
//   main_window_list.cpp      list events and the info pane
//   main_window_status.cpp    status bar
//   main_window_startup.cpp   first activation and hand-over receiver
//   main_window_dialogs.cpp   the dialogs and what they need of the window
//   main_window_drop.cpp      files and directories dropped onto the window
//   main_window_tray.cpp      minimizing, the notification area
class TeD2KfrmMain : public QMainWindow, public WorkerHost, public DialogHost {
    Q_OBJECT

public:
    // `arguments`: the command line without the program itself.
    // `programDir`: where Linkmint.ini and the debug log live, with a
    // trailing "/". `block`: the hand-over block of this (first) instance,
    // or null when there is none.
    TeD2KfrmMain(QStringList arguments, QString programDir, HandoverBlock* block = nullptr,
                 QWidget* parent = nullptr);
    ~TeD2KfrmMain() override;

    // Test seams: what the program's modal boxes and file dialogs would do.
    // Unset, the real ones are shown.
    std::function<void(const QString& text)> messageBoxHook;
    std::function<QStringList()> addFilesDialogHook;
    // The lists File > Check Files Against List... checks, instead of its
    // file dialog, when set.
    std::function<QStringList()> checkListsDialogHook;
    // The save dialog: given its filter index (1 links, 2 information), its
    // initial directory and file name, the chosen path or empty on cancel.
    std::function<QString(int filterIndex, const QString& directory, const QString& fileName)>
        saveDialogHook;
    // The clipboard: given the text, whether it took it.
    std::function<bool(const QString& text)> clipboardHook;
    // Asking the window system for the focus, with the tokens a later start
    // passed on.
    std::function<void(const ActivationTokens& tokens)> activationHook;

    // Test seam: the player of the completion sound.
    void SetSoundPlayer(std::unique_ptr<SoundPlayer> player) { SndPlayer = std::move(player); }
    // Test seam: the notification area.
    void SetTrayArea(std::unique_ptr<TrayArea> tray);

    Settings& settings() { return settings_; }
    FileTable& fileTable() { return table_; }
    HashingWorker& worker() { return *worker_; }
    TDatLst* datLst() const { return DatLst; }
    TInfoWin* infoWin() const { return InfoWin; }
    TStatBar* statBar() const { return StatBar; }
    const TCursorHint& cursorHint() const { return *cursorHint_; }
    int StartupPhase() const { return startupPhase_; }
    const QString& ApplicationTitle() const { return applicationTitle_; }
    const QString& TrayTip() const { return trayTip_; }
    // The tip the tray icon shows: the tip, and while hashing with the
    // overall progress on, that progress on a second line.
    QString TrayToolTip() const;
    // The overall progress taken anew (a 500 ms timer does it while on).
    void UpdateOverallProgress();
    const TOverallProgress& overallProgress() const { return overall_; }
    bool DebugLogging() const { return debugLog_.Enabled(); }
    // The close found the worker stuck in a read (a hung network or FUSE
    // mount) and went on without it: the settings are saved, but the
    // thread can be neither stopped nor joined, so the process must end
    // without destroying the window.
    bool WorkerStalled() const { return workerStalled_; }

    // A message of a later start (WM_ACTIVATIONTOKEN, WM_TRAYCALLBACK or
    // WM_HANDOVER), handled on the GUI thread before the sender is answered.
    // Never waits: handed-over paths are taken from the block (or the text
    // sent with the message) at once, and a hand-over's paths are added by a
    // queued call once its last message is in. False: the message was
    // refused (the hand-over is broken, or the window is closing).
    bool HandoverArrived(const HandoverPacket& packet);
    // The same for one sender that never goes away (the tests' way in).
    void HandoverMessage(std::uint32_t message, std::uint32_t wParam, std::uint32_t lParam);
    // A sender's connection has ended: a hand-over it left unfinished is
    // dropped.
    void HandoverEnded(std::uint64_t connection);

    // Rebuilds the info pane and applies the enable rules of the commands.
    void UpdateInfoWin() override;

    // "Error: " in the user's language: an error box starts so and shows
    // an error's picture.
    static QString ErrorPrefix();

    // Hint text for a CRC status; empty for an unknown one.
    static QString LampHint(int crcStatus);

    // How long the toolbar's tips stay up.
    static constexpr int kHintHidePauseMs = 7000;

    // WorkerHost
    void SetStatusText(int panel, const QString& text) override;
    void RepaintStatusBar() override;
    void SetApplicationTitle(const QString& title) override;
    void SetTaskbarProgress(int percent, int filesLeft) override;
    void SetTrayTip(const QString& tip) override;
    void SetPauseControls(int picture, const QString& tooltip, const QString& caption) override;
    void SetPauseEnabled(bool enabled) override;
    void EnableRemoveAllAndSort() override;
    void SetBusyCursor(bool busy) override;
    RowSink& Rows() override;
    int LinkTextWidth(const QString& link) override;
    bool RaiseScrollExtent(int width) override;
    void ApplyScrollExtent() override;
    void CopyAllLinks() override;
    void CopySelectedLinks() override;
    void PlayNotifySound() override;
    void RefreshInfo() override;
    void ShowError(const QString& text) override;
    void CloseProgram() override;
    bool StartupInProgress() override;
    void HideToTray() override;

    // DialogHost (SetStatusText, PlayNotifySound, ShowError and
    // UpdateInfoWin serve both interfaces)
    int ListRowCount() const override;
    void EditEntries(const std::function<void(TFileData&)>& edit) override;
    void RerenderLinks() override;
    void AddFileIfThere(const QString& path) override;
    int FileCount() const override;
    int FilesRemaining() const override;
    void SortEntries() override;
    void StartHashing() override;
    bool HashingPaused() const override;
    void SetWorkerPriority(ThreadPriority priority) override;
    void SetInfoWinVisible(bool visible) override;
    void SetExitWhenDoneVisible(bool visible) override;
    void SetOpenDialogDirectory(const QString& dir) override;
    void SaveIniFile() override;

    TfrmPrefs* prefsDialog() const { return frmPrefs; }
    TfrmSelDir* selDirDialog() const { return frmSelDir; }
    TfrmAbout* aboutDialog() const { return frmAbout; }
    TAddFilesDialog* addFilesDialog() const { return OpnDlg; }
    TSavDlg* saveDialog() const { return SavDlg; }
    TfrmCheckFiles* checkFilesDialog() const { return frmCheckFiles; }
    QMenu* listMenu() const { return listMenu_; }

signals:
    // The close sequence has run to its end ("Close complete."); the program
    // ends here even while the window is hidden in the notification area.
    void closeCompleted();

public slots:
    void mnuAddFilesClick();
    void mnuAddDirClick();
    void mnuSaveED2KClick();
    void mnuSaveAllClick();
    void mnuExitClick();
    void mnuCpyAll2ClipClick();
    void mnuCpySel2ClipClick();
    void mnuCpyMagnetClick();
    void mnuCpySelMagnetClick();
    void mnuCheckListsClick();
    void mnuRmvAllClick();
    void mnuRmvSelClick();
    void mnuSortListClick();
    void mnuPrefsClick();
    void mnuPauseClick();
    void mnuAboutClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // A menu item and its toolbar button (null when it has none), enabled
    // and disabled together.
    struct Command {
        QAction* mnu = nullptr;
        QAction* btn = nullptr;
    };
    // A toolbar button's picture index, for painting it anew in another
    // palette.
    static constexpr const char* kPictureProperty = "lmPicture";

    void BuildActions();
    void BuildMenus();
    // The Pause menu item's text, with its mnemonic: Pause, or Resume.
    static QString PauseCaption(bool paused);
    // The toolbar's and the rows' pictures, for the palette now in force.
    void RepaintPictures();
    // The list's own menu at `globalPos`.
    void ShowListMenu(QPoint globalPos);
    void BuildToolBar();
    void BuildClientArea();
    void BuildDialogs();
    void ApplySettings();
    // The window's place and size into the settings, for the next save.
    void StoreGeometry();

    static void SetCommandEnabled(const Command& command, bool enabled);
    void DisableListCommands();

    // List events.
    void DatLstClick();
    void DatLstMouseMove(QPoint position);
    void DatLstMouseUp(QPoint position);
    void HSplitMoved();
    // Per row, whether it is selected.
    QList<bool> RowSelection(const QList<int>& selectedRows) const;
    // The entries' Selected flags from the rows' selection.
    void SelectionToEntries();
    QString CountText() const;

    // Status bar.
    void StatBarClick();

    // Start-up.
    void FirstActivation();
    void AddPath(const QString& path, bool reportMissing);
    void AddDirectory(const QString& dir);
    void AddHandedOver(const QStringList& paths);
    // A list to check rather than a file to hash (IsListToCheck) is kept for
    // CheckTakenLists, which opens the check on every list kept so far.
    bool TakeListToCheck(const QString& path);
    void CheckTakenLists();
    void ApplyStoredGeometry();
    // Shows the window, from the tray or minimized, and asks for the focus
    // with the tokens a later start passed on.
    void BringForward();
    void ShowMessage(const QString& text);

    // Saving: runs the save dialog with `filterIndex` unless `lines` is
    // empty, then writes the lines to the chosen file.
    void SaveLines(int filterIndex, const QStringList& lines);
    QString RunSaveDialog(int filterIndex);
    // Puts the text on the clipboard as a Windows user would paste it;
    // a clipboard that does not take it is reported.
    void SetClipboardText(const QString& text);
    // Puts text that is ClipboardText already, as UTF-8, on the clipboard.
    void SetClipboardUtf8(const QByteArray& text);
    // Pauses the worker and waits until it has stopped; with a bound, at
    // most `timeoutMs` (false: it is still busy).
    bool WaitForWorker(int timeoutMs = -1);
    // At the end: links this program has on the clipboard are handed to a
    // holder that serves them after the program has ended.
    void KeepClipboard();

    // Minimizing.
    void GoToTray();
    // `tip`, and the overall progress on a second line while it is shown.
    QString TipWithProgress(const QString& tip) const;

    QStringList arguments_;
    QString programDir_;
    HandoverBlock* block_;

    Settings settings_;
    DebugLog debugLog_;
    FileTable table_;
    std::unique_ptr<HashingWorker> worker_;

    QToolBar* ToolBar1 = nullptr;
    TDatLst* DatLst = nullptr;
    QSplitter* HSplit = nullptr;
    TInfoWin* InfoWin = nullptr;
    std::unique_ptr<TInfoPaneText> paneText_;
    TStatBar* StatBar = nullptr;
    QCheckBox* XitOnDone = nullptr;
    QAction* xitOnDoneAction_ = nullptr;
    TCursorHint* cursorHint_ = nullptr;

    std::unique_ptr<ShellIntegration> shell_;
    TfrmSelDir* frmSelDir = nullptr;
    TfrmPrefs* frmPrefs = nullptr;
    TfrmAbout* frmAbout = nullptr;
    TAddFilesDialog* OpnDlg = nullptr;
    TSavDlg* SavDlg = nullptr;
    TfrmCheckFiles* frmCheckFiles = nullptr;
    QStringList listsToCheck_;
    std::unique_ptr<SoundPlayer> SndPlayer;
    std::unique_ptr<TrayArea> tray_;
    QString saveFileName_;  // the name last chosen in the save dialog

    Command addFiles_, addDir_, checkLists_, saveED2K_, saveAll_, exit_, cpyAll_, cpyMagnet_,
        cpySel_, cpySelMagnet_, rmvAll_, rmvSel_, sortList_, prefs_, pause_, about_;
    QMenu* listMenu_ = nullptr;  // the list's own menu

    int startupPhase_ = 2;
    // Until the settings have been read, nothing may write them: a close
    // before (a signal during start-up) would replace them with defaults.
    bool settingsLoaded_ = false;
    bool closing_ = false;
    bool workerStalled_ = false;
    bool minimized_ = false;
    QString applicationTitle_;
    QString trayTip_;
    TOverallProgress overall_;
    QTimer* overallTimer_ = nullptr;
    std::unique_ptr<LauncherEntry> launcherEntry_;
    ActivationTokens pendingTokens_;  // from a later start, for BringForward
    HandoverIntake handovers_;        // each sender's hand-over until it is whole
    QList<FileType> addFilesTypes_;   // what OpnDlg's filters were made from
    int addFilesDefault_ = 0;
};

}  // namespace lm
