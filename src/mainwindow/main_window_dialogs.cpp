// SPDX-License-Identifier: MIT
// The preferences, select-directory and about dialogs, and what they ask of
// the main window.

#include <QCoreApplication>
#include <QFileDialog>

#include "about_dialog.h"
#include "absolute_path.h"
#include "add_files_dialog.h"
#include "check_files_dialog.h"
#include "dat_lst.h"
#include "freedesktop_integration.h"
#include "freedesktop_shell_integration.h"
#include "info_win.h"
#include "ini_file.h"
#include "main_window.h"
#include "prefs_dialog.h"
#include "program_dir.h"
#include "save_dialog.h"
#include "sel_dir_dialog.h"
#include "ui_language.h"

namespace lm {

void TeD2KfrmMain::BuildDialogs() {
    // Made before the settings are loaded, so that the loaded values act on
    // the window as the user's clicks would.
    shell_ = std::make_unique<FreedesktopShellIntegration>(
        FreedesktopIntegration::DefaultDataHome(), QCoreApplication::applicationFilePath(),
        InstalledIconName(), TranslationsDirectory());
    frmSelDir = new TfrmSelDir(settings_, *this, this);
    frmPrefs = new TfrmPrefs(settings_, *this, frmSelDir, shell_.get(), this);
    frmAbout = new TfrmAbout(this);

    // One save dialog serves both save commands; one open dialog Add Files.
    SavDlg = new TSavDlg(this, [this](const QString& text) { ShowMessage(text); });
    OpnDlg = new TAddFilesDialog(this);
    frmCheckFiles = new TfrmCheckFiles(this);
}

QString TeD2KfrmMain::RunSaveDialog(int filterIndex) {
    const QString directory = settings_.Snapshot().lastSavePath;
    if (saveDialogHook) {
        // What the dialog itself lets through.
        return TSavDlg::CheckedTarget(saveDialogHook(filterIndex, directory, saveFileName_));
    }
    SavDlg->setDirectory(directory);
    SavDlg->selectNameFilter(SavDlg->nameFilters().value(filterIndex - 1));
    SavDlg->selectFile(saveFileName_);
    if (SavDlg->exec() != QDialog::Accepted || SavDlg->selectedFiles().isEmpty()) {
        return {};
    }
    return SavDlg->selectedFiles().constFirst();
}

int TeD2KfrmMain::ListRowCount() const {
    return DatLst->RowCount();
}

void TeD2KfrmMain::EditEntries(const std::function<void(TFileData&)>& edit) {
    table_.EditEach(edit);
    table_.RefreshList(*DatLst);
}

void TeD2KfrmMain::AddFileIfThere(const QString& path) {
    table_.AddFileIfThere(path);
}

int TeD2KfrmMain::FileCount() const {
    return table_.FileCount();
}

int TeD2KfrmMain::FilesRemaining() const {
    return table_.FilesRemaining();
}

void TeD2KfrmMain::SortEntries() {
    table_.SortEntries();
}

void TeD2KfrmMain::StartHashing() {
    worker_->StartHashing();
}

bool TeD2KfrmMain::HashingPaused() const {
    return worker_->Paused;
}

void TeD2KfrmMain::SetWorkerPriority(ThreadPriority priority) {
    worker_->SetWorkerPriority(priority);
}

void TeD2KfrmMain::SetInfoWinVisible(bool visible) {
    InfoWin->setVisible(visible);
}

void TeD2KfrmMain::SetExitWhenDoneVisible(bool visible) {
    xitOnDoneAction_->setVisible(visible);
}

void TeD2KfrmMain::SetOpenDialogDirectory(const QString& dir) {
    settings_.Set(&SettingsValues::lastFilePath, dir);
}

void TeD2KfrmMain::StoreGeometry() {
    const QRect frame = normalGeometry();
    settings_.Set(&SettingsValues::mainWinLeft, frame.left());
    settings_.Set(&SettingsValues::mainWinTop, frame.top());
    settings_.Set(&SettingsValues::mainWinWidth, frame.width());
    settings_.Set(&SettingsValues::mainWinHeight, frame.height());
}

void TeD2KfrmMain::SaveIniFile() {
    if (!settingsLoaded_) {
        return;  // what stands in the file has not been read yet
    }
    // Failures of the settings file are silent.
    StoreGeometry();
    QList<TFileData> entries = table_.Entries();
    // A file not hashed yet is looked for by its path at the next start,
    // which may work in another folder.
    QString here;
    for (TFileData& entry : entries) {
        if (entry.State < fsHashed && !entry.FileName.startsWith(u'/')) {
            if (here.isEmpty()) {
                here = WorkingFolder();
            }
            entry.FileName = AbsolutePath(entry.FileName, here);
        }
    }
    lm::SaveIniFile(settings_.Snapshot(), entries, programDir_);
}

}  // namespace lm
