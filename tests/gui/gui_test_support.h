// SPDX-License-Identifier: MIT
#pragma once

#include <QAction>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

#include <sys/types.h>
#include <unistd.h>

#include "dat_lst.h"
#include "main_window.h"

namespace lm::test {

// The real window with its status texts, info-pane rebuilds and close
// requests recorded, and its message boxes caught instead of shown.
class RecordingWindow : public TeD2KfrmMain {
public:
    using TeD2KfrmMain::TeD2KfrmMain;

    QStringList panel1;
    QStringList boxes;
    int refreshes = 0;
    int closeRequests = 0;

    void SetStatusText(int panel, const QString& text) override {
        if (panel == 1 && (panel1.isEmpty() || panel1.last() != text)) {
            panel1.append(text);
        }
        TeD2KfrmMain::SetStatusText(panel, text);
    }
    void RefreshInfo() override {
        ++refreshes;
        TeD2KfrmMain::RefreshInfo();
    }
    void CloseProgram() override { ++closeRequests; }
};

// What the window tests share: a folder of their own, which is the
// program's folder too, and the window under test, its boxes recorded.
class WindowTest : public QObject {
protected:
    QTemporaryDir dir_;
    std::unique_ptr<RecordingWindow> window_;

    QString Path(const QString& name) const { return dir_.filePath(name); }
    RecordingWindow* Make(const QStringList& arguments, HandoverBlock* block = nullptr) {
        window_ = std::make_unique<RecordingWindow>(arguments, dir_.path() + u'/', block);
        window_->messageBoxHook = [this](const QString& text) { window_->boxes << text; };
        return window_.get();
    }
    RecordingWindow* Start(const QStringList& arguments, HandoverBlock* block = nullptr) {
        Make(arguments, block)->show();
        return window_.get();
    }
    QAction* Action(const char* name) const {
        return window_->findChild<QAction*>(QLatin1StringView(name));
    }
    // Started, and every file hashed.
    bool Idle() const {
        return window_->StartupPhase() == 0 && !window_->worker().WorkerActive &&
               window_->fileTable().FilesRemaining() == 0;
    }
};

inline QString WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
    return path;
}

// A sparse file: reads as zeros, takes no room on the disk.
// The whole content of a file; empty when it cannot be read.
inline QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QString SparseFile(const QString& path, qint64 size) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.resize(size);
    }
    return path;
}

// The texts of the list's rows, top to bottom.
inline QStringList RowTexts(const TDatLst& list) {
    QStringList rows;
    for (int i = 0; i < list.RowCount(); ++i) {
        rows << list.RowText(i);
    }
    return rows;
}

// The pane's lines for the table as it stands: each hashed entry's link and
// its "CRC32: ", "MD5: " and "SHA1: " lines; with rows selected, those of
// the selected rows with an empty line between blocks; with none, those of
// every row with an empty line after each block but the last row's.
inline QStringList PaneLinesFor(const QList<TFileData>& entries, const QList<int>& selectedRows) {
    QList<int> rows = selectedRows;
    const bool all = rows.isEmpty();
    if (all) {
        for (int row = 0; row < entries.size(); ++row) {
            rows << row;
        }
    }
    QStringList lines;
    for (int row : rows) {
        const TFileData& entry = entries[row];
        if (entry.Link.isEmpty()) {
            continue;
        }
        if (!all && !lines.isEmpty()) {
            lines << QString();
        }
        lines << entry.Link << QStringLiteral("CRC32: ") + QString::fromLatin1(entry.CRC32())
              << QStringLiteral("MD5: ") + QString::fromLatin1(entry.MD5())
              << QStringLiteral("SHA1: ") + QString::fromLatin1(entry.SHA1());
        if (all && row + 1 < entries.size()) {
            lines << QString();
        }
    }
    return lines;
}

}  // namespace lm::test
