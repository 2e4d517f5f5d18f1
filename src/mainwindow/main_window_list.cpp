// SPDX-License-Identifier: MIT
// The file list's events and the information pane below it.

#include <QMenu>

#include "cursor_hint.h"
#include "dat_lst.h"
#include "info_pane_text.h"
#include "info_win.h"
#include "main_window.h"
#include "stat_bar.h"

namespace lm {

QString TeD2KfrmMain::CountText() const {
    const int selected = DatLst->SelectedCount();
    return HashingWorker::FileCountText(selected > 0 ? selected : DatLst->RowCount());
}

QList<bool> TeD2KfrmMain::RowSelection(const QList<int>& selectedRows) const {
    QList<bool> selected(DatLst->RowCount(), false);
    for (int row : selectedRows) {
        selected[row] = true;
    }
    return selected;
}

void TeD2KfrmMain::SelectionToEntries() {
    table_.SelectRows(RowSelection(DatLst->SelectedRows()));
}

void TeD2KfrmMain::DatLstClick() {
    UpdateInfoWin();
}

void TeD2KfrmMain::DatLstMouseMove(QPoint position) {
    const int rows = DatLst->RowCount();
    const int row = position.y() >= 0 ? position.y() / DatLst->RowHeight() + DatLst->TopRow() : -1;
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
    const int below = (DatLst->RowCount() - DatLst->TopRow()) * DatLst->RowHeight();
    if (position.y() <= below) {
        return;
    }
    DatLst->BeginBatch();
    DatLst->clearSelection();
    DatLst->EndBatch();
    table_.UnselectAll();
    UpdateInfoWin();
}

void TeD2KfrmMain::ShowListMenu(QPoint globalPos) {
    cursorHint_->HideCursorHint();
    listMenu_->popup(globalPos);
}

void TeD2KfrmMain::HSplitMoved() {
    InfoWin->UpdateInfoScrollBars();
}

void TeD2KfrmMain::UpdateInfoWin() {
    InfoWin->setUpdatesEnabled(false);
    const int rows = DatLst->RowCount();
    if (rows == 0) {
        DisableListCommands();
        paneText_->Clear();
    } else {
        const QList<int> selectedRows = DatLst->SelectedRows();
        if (selectedRows.isEmpty()) {
            StatBar->SetPanelText(0, HashingWorker::FileCountText(rows));
            SetCommandEnabled(cpySel_, false);
            SetCommandEnabled(cpySelMagnet_, false);
            SetCommandEnabled(rmvSel_, false);
            table_.UnselectAll();
            paneText_->ShowAll(table_, DatLst->ListRows());
        } else {
            StatBar->SetPanelText(
                0, HashingWorker::FileCountText(static_cast<int>(selectedRows.size())));
            table_.SelectRows(RowSelection(selectedRows));
            paneText_->ShowRows(table_, selectedRows);
            SetCommandEnabled(cpySel_, true);
            SetCommandEnabled(cpySelMagnet_, true);
            SetCommandEnabled(rmvSel_, true);
        }
        for (const Command* c :
             {&saveED2K_, &saveAll_, &cpyAll_, &cpyMagnet_, &rmvAll_, &sortList_}) {
            SetCommandEnabled(*c, true);
        }
    }
    InfoWin->UpdateInfoScrollBars();
    InfoWin->setUpdatesEnabled(true);
    StatBar->update();
}

}  // namespace lm
