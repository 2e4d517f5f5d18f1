// The file list's events and the information pane below it.

#include <QFontMetrics>

#include <cmath>

#include "ansi_codepage.h"
#include "cursor_hint.h"
#include "dat_lst.h"
#include "info_win.h"
#include "main_window.h"
#include "stat_bar.h"

namespace lm {

namespace {

// The font the link lines are measured in: the pane's own, one pixel taller
// than its nominal height. (Its width, that is: the height of a line is the
// pane's own line spacing, see LineHeight.)
QFont MeasuringFont(const QWidget* pane) {
    QFont font = pane->font();
    int pixels = font.pixelSize();
    if (pixels <= 0) {
        const double dpi = pane->logicalDpiY();
        pixels = static_cast<int>(std::lround(dpi / 72.0 * font.pointSizeF()));
    }
    font.setPixelSize(pixels + 1);
    return font;
}

}  // namespace

QString TeD2KfrmMain::CountText() const {
    const int selected = DatLst->SelectedCount();
    return HashingWorker::FileCountText(selected > 0 ? selected : DatLst->RowCount());
}

QList<bool> TeD2KfrmMain::RowSelection() const {
    QList<bool> selected(DatLst->RowCount(), false);
    for (int row : DatLst->SelectedRows()) {
        selected[row] = true;
    }
    return selected;
}

void TeD2KfrmMain::SelectionToEntries() {
    table_.SelectRows(RowSelection());
}

void TeD2KfrmMain::DatLstClick() {
    UpdateInfoWin();
}

void TeD2KfrmMain::DatLstMouseMove(QPoint position) {
    const int rows = DatLst->RowCount();
    const int row = position.y() >= 0 ? position.y() / TDatLst::kRowHeight + DatLst->TopRow() : -1;
    QString hint;
    if (position.x() >= 0 && position.x() < TDatLst::kTextLeft && row >= 0 && row < rows) {
        if (const std::optional<TFileData> entry = table_.ListedEntry(row)) {
            hint = LampHint(entry->CRCStatus);
        }
    }
    if (hint.isEmpty()) {
        cursorHint_->HideCursorHint();
    } else {
        cursorHint_->ShowCursorHint(hint);
    }
    StatBar->SetPanelText(0, CountText());
}

void TeD2KfrmMain::DatLstMouseUp(QPoint position) {
    const int below = (DatLst->RowCount() - DatLst->TopRow()) * TDatLst::kRowHeight;
    if (position.y() <= below) {
        return;
    }
    DatLst->BeginBatch();
    DatLst->clearSelection();
    DatLst->EndBatch();
    for (int i = 0; i < table_.FileCount(); ++i) {
        table_.SetSelected(i, false);
    }
    UpdateInfoWin();
}

void TeD2KfrmMain::HSplitMoved() {
    InfoWin->UpdateInfoScrollBars();
}

void TeD2KfrmMain::UpdateInfoWin() {
    InfoWin->setUpdatesEnabled(false);
    QStringList lines;
    int widest = 0;
    int lineHeight = 0;
    const QFontMetrics metrics(MeasuringFont(InfoWin), InfoWin);
    auto appendBlock = [&](const TFileData& entry) {
        lines << entry.Link << QStringLiteral("CRC32: ") + QString::fromLatin1(entry.CRC32)
              << QStringLiteral("MD5: ") + QString::fromLatin1(entry.MD5)
              << QStringLiteral("SHA1: ") + QString::fromLatin1(entry.SHA1);
        // Only the link line decides the width.
        const QString shown = FromAnsi(ToAnsi(entry.Link));
        widest = std::max(widest, metrics.horizontalAdvance(shown));
        // One less than the pane's line spacing: the extent adds one pixel
        // per line, and must say that the lines fit exactly when they do.
        lineHeight = InfoWin->fontMetrics().lineSpacing() - 1;
    };

    const int rows = DatLst->RowCount();
    if (rows == 0) {
        DisableListCommands();
    } else {
        const QList<int> selectedRows = DatLst->SelectedRows();
        // The entries as the rows show them: the worker may have inserted
        // one the list does not show yet.
        const QList<TFileData> entries = table_.ListedEntries();
        if (selectedRows.isEmpty()) {
            StatBar->SetPanelText(0, HashingWorker::FileCountText(rows));
            SetCommandEnabled(cpySel_, false);
            SetCommandEnabled(rmvSel_, false);
            table_.EditEach([](TFileData& entry) { entry.Selected = false; });
            for (int i = 0; i < entries.size(); ++i) {
                if (!entries[i].Link.isEmpty()) {
                    appendBlock(entries[i]);
                    if (i + 1 < entries.size()) {
                        lines << QString();
                    }
                }
            }
        } else {
            StatBar->SetPanelText(
                0, HashingWorker::FileCountText(static_cast<int>(selectedRows.size())));
            const QList<bool> selection = RowSelection();
            table_.SelectRows(selection);
            for (int i = 0; i < rows && i < entries.size(); ++i) {
                if (selection[i] && !entries[i].Link.isEmpty()) {
                    if (!lines.isEmpty()) {
                        lines << QString();
                    }
                    appendBlock(entries[i]);
                }
            }
            SetCommandEnabled(cpySel_, true);
            SetCommandEnabled(rmvSel_, true);
        }
        for (const Command* c : {&saveED2K_, &saveAll_, &cpyAll_, &rmvAll_, &sortList_}) {
            SetCommandEnabled(*c, true);
        }
    }
    InfoWin->setPlainText(lines.join(u'\n'));
    const int lineCount = lines.isEmpty() ? 0 : static_cast<int>(lines.size());
    InfoWin->SetTextExtent(QSize(widest + 25, lineCount * (lineHeight + 1) + 9));
    InfoWin->UpdateInfoScrollBars();
    InfoWin->setUpdatesEnabled(true);
    StatBar->update();
}

}  // namespace lm
