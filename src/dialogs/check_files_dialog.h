// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QDialog>
#include <QFontMetrics>
#include <QPalette>
#include <QString>
#include <QStringList>

#include <vector>

#include "background_check.h"
#include "check_runner.h"

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace lm {

class BackgroundCheck;
class CheckResultsModel;

// The colour a verdict is shown in, readable on the palette's base colour
// (at least 4.5:1).
QColor VerdictColour(Verdict verdict, const QPalette& palette);

// Whether a file dropped on the window or named on its command line is a
// list to check rather than a file to hash: a regular file named *.sfv,
// *.md5 or *.sha1 (in any case) whose first 64 KiB hold at least one entry
// the list reader knows. Link files (*.ed2k) and text files (*.txt) are
// files like any other there; File > Check Files Against List... takes them.
bool IsListToCheck(const QString& path);

// The file dialog's filter for lists to check: every kind the list reader
// knows by its usual names, md5sum's and sha1sum's MD5SUMS and SHA1SUMS
// among them, then all files.
QString ListFileFilter();

// "Check Files Against List": reads one or more lists of any format the
// list reader knows (ed2k links and information files, .sfv, md5sum and
// sha1sum, BSD style), hashes the files they name on a thread of its own and
// shows each entry's verdict with a summary. It never touches the main file
// list. Made once, with the main window as parent, and shown by CheckLists
// as often as asked; it is not modal.
class TfrmCheckFiles : public QDialog {
    Q_OBJECT

public:
    explicit TfrmCheckFiles(QWidget* parent = nullptr);
    // Stops a check that still runs.
    ~TfrmCheckFiles() override;

    // Shows the dialog and checks the files of `listPaths`. A check that
    // still runs is stopped and its rows give way to the new lists'.
    void CheckLists(const QStringList& listPaths);

    // From CheckLists until the verdicts are in, the check cancelled, or the
    // dialog closed.
    bool Checking() const;

    // The verdict column: 90 px, or as wide as the font needs for the
    // widest verdict ("NOT CHECKED").
    static constexpr int kVerdictColumnWidth = 90;
    static int VerdictColumnWidth(const QFontMetrics& metrics);

    // The hasher's lanes (as for ChunkBuffer); 0 lets it choose.
    unsigned hashThreads = 0;

    // The table's text at `row` (an entry) and `column` (0 name, 1 verdict,
    // 2 what differed).
    QString CellText(int row, int column) const;
    int RowCount() const;

    // --- controls ---
    QLabel* ListsLbl;             // the lists being checked
    QPlainTextEdit* MessagesBox;  // what was wrong with the lists; hidden when nothing was
    QTableView* ResultsLst;       // one row per entry
    QLabel* FileLbl;              // "File 2 of 5: name"
    QProgressBar* FilesBar;       // files done of all
    QProgressBar* ChunksBar;      // chunks done of the current file
    QLabel* SummaryLbl;
    QPushButton* btnCancel;
    QPushButton* btnClose;

signals:
    // The check is over: every verdict is in (`completed`), or it was
    // cancelled. Not emitted for a check that a close or a new CheckLists
    // stopped.
    void checkFinished(bool completed);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void FitToFont();
    void ListsRead(const QStringList& messages, CheckRows& entries);
    void ShowProgress(const CheckProgress& progress);
    void Finished(bool completed);
    void AddMessage(const QString& text);
    // Closing stops a check that still runs, and shows it stopped.
    void StopShown();

    BackgroundCheck* check_;
    CheckResultsModel* model_;
    QStringList listPaths_;
    std::size_t files_ = 0;  // files the check reads, once it has begun
};

}  // namespace lm
