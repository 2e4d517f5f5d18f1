// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QString>

#include "settings.h"

class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QTreeView;

namespace lm {

class DialogHost;
class TSortedNamesModel;

// The select-directory dialog: a folder tree, a file type, a count of the
// matching files, and Open Directory, which adds them all and starts
// hashing. Created once and shown modally; it keeps its state between
// showings.
class TfrmSelDir : public QDialog {
    Q_OBJECT

public:
    TfrmSelDir(Settings& settings, DialogHost& host, QWidget* parent = nullptr);
    ~TfrmSelDir() override;

    // Selects `dir` in the tree (when it exists) and shows it in DirName.
    void SelectDirectory(const QString& dir);
    // The folder that is counted and opened; DirName shows it to the user.
    const QString& ChosenDirectory() const { return dirPath_; }
    // Refills FileTypes from the settings' file-type table, choosing the
    // default type. Done by itself whenever the table or the default changes.
    void RebuildFileTypes();

    // True while a count runs (CountFiles reads "Cancel").
    bool Counting() const;

    QTreeView* DirLst;
    QFileSystemModel* DirModel;
    QLineEdit* DirName;
    QComboBox* FileTypes;
    // The names of the last count, sorted (a view of FileNames).
    QListView* FileLst;
    TSortedNamesModel* FileNames;
    QPushButton* CountFiles;
    QLabel* FileNoLbl;
    QCheckBox* RecurseDirs;
    QCheckBox* AutoCnt;
    QPushButton* CnclBtn;
    QPushButton* OKBtn;

public slots:
    // Counts the files of DirName that match the chosen type; `trigger` is
    // the control that asked (CountFiles for the button).
    void CountFilesClick(QObject* trigger);
    void OKBtnClick();
    void CnclBtnClick();
    // The tree reports a new directory.
    void DirLstChange(const QString& path);
    // The close box and Esc act as Cancel.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // "Number of files: ?", before a count.
    static QString NumberUnknownText();
    void BuildControls();
    // Opens the tree down to the chosen directory and the directory itself
    // ("/" when none is chosen), and scrolls it into view.
    void RevealChosen();
    // The tree fills in an opened directory's rows later, sorted, which
    // moves the chosen one; it is scrolled back into view until the user
    // moves the tree or clicks in it.
    void KeepChosenInView();
    void QueueViewCheck();
    void AutoCount(QObject* trigger);
    void CountOnce();
    QString ChosenMasks() const;
    void ShowStatusAfterCancel();

    Settings& settings_;
    DialogHost& host_;
    bool stopCount_ = false;  // the running count is to stop at its next look
    bool counting_ = false;   // a count runs (its button reads "Cancel")
    bool RecountPending = false;
    QString dirPath_;              // the folder DirName shows, counted and opened
    bool countWhenShown_ = false;  // an automatic count waits for the showing
    bool keepChosenInView_ = false;
    bool viewCheckQueued_ = false;
    QList<FileType> builtTypes_;  // what FileTypes was filled from
    int builtDefault_ = 0;
};

}  // namespace lm
