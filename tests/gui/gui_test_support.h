#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

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

inline QString WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
    return path;
}

// A sparse file: reads as zeros, takes no room on the disk.
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

}  // namespace lm::test
