// SPDX-License-Identifier: MIT
// Files and directories dropped onto the main window.

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <algorithm>

#include "main_window.h"
#include "path_names.h"
#include "stat_bar.h"

namespace lm {

namespace {

bool HasLocalFiles(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) {
        return false;
    }
    const QList<QUrl> urls = data->urls();
    return std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

}  // namespace

void TeD2KfrmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (!closing_ && HasLocalFiles(event->mimeData())) {
        event->acceptProposedAction();
    }
}

void TeD2KfrmMain::dragMoveEvent(QDragMoveEvent* event) {
    if (!closing_ && HasLocalFiles(event->mimeData())) {
        event->acceptProposedAction();
    }
}

void TeD2KfrmMain::dropEvent(QDropEvent* event) {
    if (closing_ || !HasLocalFiles(event->mimeData())) {
        return;
    }
    event->acceptProposedAction();
    const QList<QUrl> urls = event->mimeData()->urls();
    for (const QUrl& url : urls) {
        if (url.isLocalFile()) {
            // The URL's bytes, not Qt's reading of them.
            AddPath(PathFromFileUrl(url), false);
        }
    }
    CheckTakenLists();
    if (table_.FileCount() == 0) {
        return;
    }
    if (settings_.Snapshot().presortFiles && table_.FileCount() > 1) {
        table_.SortEntries();
    }
    worker_->StartHashing();
    StatBar->SetPanelText(0, CountText());
}

void TeD2KfrmMain::AddPath(const QString& path, bool reportMissing) {
    switch (KindOfPath(path)) {
        case PathKind::File:
            if (!TakeListToCheck(path)) {
                table_.AddEntry(path);
            }
            break;
        case PathKind::Other:  // a FIFO or device: the worker says it cannot read it
            table_.AddEntry(path);
            break;
        case PathKind::Directory:
            AddDirectory(path);
            break;
        case PathKind::Missing:
            if (reportMissing) {
                ShowMessage(tr("Error: Could not find file \"%1\"").arg(DisplayPath(path)));
            }
            break;
    }
}

}  // namespace lm
