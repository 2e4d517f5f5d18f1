// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QFontMetrics>
#include <QIcon>
#include <QPalette>
#include <QString>
#include <QTimer>

#include "settings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QToolButton;

namespace lm {

class DialogHost;
class ShellIntegration;
class TfrmSelDir;
class THintWindowEx;

// The preferences dialog. It shows the live Settings and writes every change
// the user makes back through Settings::Set; whatever changes the settings
// (a click here, the INI load) runs the same reactions, so a value loaded at
// start acts as if it had been clicked. Created once, before the settings
// are loaded, and shown modally as often as the user asks.
class TfrmPrefs : public QDialog {
    Q_OBJECT

public:
    // `selDir` (the select-directory dialog, which follows the default
    // directory) and `shell` (what "Run From Explorer" registers) may be null.
    TfrmPrefs(Settings& settings, DialogHost& host, TfrmSelDir* selDir, ShellIntegration* shell,
              QWidget* parent = nullptr);
    ~TfrmPrefs() override;

    // Whether the file-manager integration is in place; what the INI load's
    // IniLoadContext::isContextMenuRegistered should call.
    bool IsContextMenuRegistered() const;

    // The row a Del File Type would remove: a data row from 1, or -1.
    int SelFileTypeRow() const { return SelFileTypeRow_; }

    static QString DefaultDirError();

    // The file-type table's marker column, name and mask columns and rows:
    // 10, 120 and 16 px, or what the font needs when that is more.
    struct FileTypeSizes {
        int markerWidth = 10;
        int columnWidth = 120;
        int rowHeight = 16;
    };
    static FileTypeSizes FileTypeSizesFor(const QFontMetrics& metrics);

    // The Play Sound button's picture, at every scale, readable on `palette`.
    static QIcon PlaySoundIcon(const QPalette& palette);

    // --- controls, named as the handlers address them ---
    QLineEdit* DefaultDir;
    QToolButton* SelDefDir;
    QComboBox* DefFilTyp;
    QComboBox* BeepType;
    QToolButton* PlaySnd;
    QToolButton* AddSnd;
    QComboBox* ThrdPri;
    // Column 0 the default marker, 1 the name, 2 the mask; table row r - 1
    // is data row r.
    QTableWidget* FileTypesLst;
    QPushButton* AddFileType;
    QPushButton* DelFileType;
    QCheckBox* StripPaths;
    QCheckBox* ShowInfoWin;
    QCheckBox* LowercaseHashes;
    QCheckBox* MinToTray;
    QCheckBox* TrailingSlash;
    QCheckBox* RunFromExplorer;
    QCheckBox* DragDropAll;
    QCheckBox* PresortFiles;
    QCheckBox* PreselFiles;
    QCheckBox* KeepOnXit;
    QCheckBox* AichHash;
    QCheckBox* PartHashes;
    QCheckBox* OverallProgress;
    QRadioButton* GoIdle;
    QRadioButton* Copy2Clip;
    QRadioButton* CopySel2Clip;
    QRadioButton* CopyNExit;
    QPushButton* btnOK;

    THintWindowEx* SoundHintWin = nullptr;
    QTimer Timer1;

public slots:
    void AddFileTypeClick();
    void DelFileTypeClick();
    // A cell of the table chosen by keyboard or mouse (0-based table row).
    void FileTypesLstSelectCell(int tableRow, int column);
    // Moves data row `from` to data row `to` (both from 1), as a drag of
    // the marker cell does.
    void FileTypesLstRowMoved(int from, int to);
    // The custom sound picked in the file dialog (AddSnd).
    void SetCustomSound(const QString& path);
    void btnOKClick();
    void Timer1Timer();
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Esc does nothing: the dialog has no Cancel.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void FitFileTypesToFont();
    void ConnectControls();
    // The close request: takes in a cell edit still open, validates the
    // default directory (with its message) and saves the settings, valid
    // or not; true when the dialog may close.
    bool CloseQuery();
    bool DefaultDirValid() const;
    // Ends an open cell editor, keeping what it holds.
    void CommitCellEdit();

    void SettingsChanged();
    void ShowValues(const SettingsValues& v);
    void ShowFileTypes(const SettingsValues& v);
    void StoreFileTypes();
    void DefFilTypChange();
    void FileTypesLstSetEditText(int tableRow, int column);
    void ApplyDefaultDir(const QString& dir);
    void RecaseAll(bool lower);
    void RerenderAll();
    void RunFromExplorerChanged(bool on);
    void SelDefDirClick();
    void AddSndClick();

    Settings& settings_;
    DialogHost& host_;
    TfrmSelDir* selDir_;
    ShellIntegration* shell_;
    SettingsValues applied_;  // the values the reactions have acted on
    int SelFileTypeRow_ = -1;
    int dragFromRow_ = -1;  // table row whose marker the mouse went down on
};

}  // namespace lm
