// SPDX-License-Identifier: MIT
#include "dat_lst.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QThread>

#include "ansi_codepage.h"
#include "dat_lst_delegate.h"
#include "file_list_model.h"
#include "list_rows.h"

namespace lm {

TDatLst::TDatLst(FileTable& table, QWidget* parent)
    : QListView(parent),
      model_(new TFileListModel(
          table, [this](const QString& text) { return TextWidth(text); }, this)) {
    setObjectName(QStringLiteral("DatLst"));
    setModel(model_);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTextElideMode(Qt::ElideNone);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setMouseTracking(true);
    setItemDelegate(new TDatLstDelegate(this));
    meter_.SetFont(font());
    otherThreadMeter_.SetFont(font());
    rowHeight_ = RowHeightFor(fontMetrics());
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection& deselected) {
                CountSelection(selected, deselected);
                if (programmatic_ == 0) {
                    emit selectionClicked();
                }
            });
}

void TDatLst::CountSelection(const QItemSelection& selected, const QItemSelection& deselected) {
    for (const QItemSelectionRange& range : selected) {
        selectedCount_ += range.height();
    }
    for (const QItemSelectionRange& range : deselected) {
        selectedCount_ -= range.height();
    }
}

int TDatLst::RowHeightFor(const QFontMetrics& metrics) {
    // The text is drawn 1 px down, centred: a pixel above and below it.
    return std::max(kRowHeight, metrics.height() + 2);
}

void TDatLst::SetHorizontalExtent(int width) {
    extent_ = width;
    ApplyHorizontalExtent();
}

bool TDatLst::RaiseHorizontalExtent(int width) {
    int current = extent_.load();
    while (width > current) {
        if (extent_.compare_exchange_weak(current, width)) {
            return true;
        }
    }
    return false;
}

void TDatLst::ApplyHorizontalExtent() {
    if (laidOutExtent_ != extent_.load()) {
        laidOutExtent_ = extent_.load();
        doItemsLayout();
    }
}

int TDatLst::TextWidth(const QString& text) const {
    const QString shown = ThroughAnsi(text);
    if (QThread::currentThread() == thread()) {
        return meter_.Width(shown);
    }
    std::lock_guard lock(otherThreadMeterMutex_);
    return otherThreadMeter_.Width(shown);
}

int TDatLst::WidestRowExtent() const {
    if (RowCount() == 0) {
        return 0;
    }
    return model_->Rows().WidestText() + 8;
}

void TDatLst::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                          const QList<int>&) {
    // Every row is one height and the horizontal extent is kept apart, so a
    // new text never moves a row: the rows in sight are painted again,
    // without the new layout of every row a list view would otherwise make.
    const int top = TopRow();
    const int first = std::max(topLeft.row(), top);
    const int last = std::min(bottomRight.row(), top + viewport()->height() / rowHeight_);
    if (first <= last) {
        viewport()->update(QRect(0, (first - top) * rowHeight_, viewport()->width(),
                                 (last - first + 1) * rowHeight_));
    }
}

int TDatLst::TopRow() const {
    return verticalScrollBar()->value();
}

QList<int> TDatLst::SelectedRows() const {
    QList<int> rows;
    rows.reserve(selectedCount_);
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            rows.append(row);
        }
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

QString TDatLst::RowText(int row) const {
    return model_->Rows().Text(row);
}

const TListRows& TDatLst::ListRows() const {
    return model_->Rows();
}

QStringList TDatLst::RowTexts() const {
    return model_->Rows().Texts();
}

void TDatLst::SetRowSelected(int row, bool selected) {
    selectionModel()->select(
        model_->index(row), selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

int TDatLst::RowCount() const {
    return model_->rowCount();
}

void TDatLst::InsertRows(int first, int count) {
    model_->InsertRows(first, count);
}

void TDatLst::RemoveRows(int first, int count) {
    model_->RemoveRows(first, count);
}

void TDatLst::ResetRows(int count) {
    model_->ResetRows(count);
    selectedCount_ = 0;  // a reset drops the selection without a word
}

void TDatLst::RowsChanged(int first, int last) {
    model_->RowsChanged(first, last);
}

void TDatLst::SetRowsSelected(int first, int last, bool selected) {
    selectionModel()->select(
        QItemSelection(model_->index(first), model_->index(last)),
        selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

void TDatLst::BeginBatch() {
    ++programmatic_;
}

void TDatLst::EndBatch() {
    --programmatic_;
}

void TDatLst::mouseMoveEvent(QMouseEvent* event) {
    QListView::mouseMoveEvent(event);
    emit mouseMoved(event->position().toPoint());
}

void TDatLst::mouseReleaseEvent(QMouseEvent* event) {
    QListView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        emit leftButtonReleased(event->position().toPoint());
    }
}

void TDatLst::contextMenuEvent(QContextMenuEvent* event) {
    QPoint at = event->globalPos();
    if (event->reason() != QContextMenuEvent::Mouse) {
        // From the keyboard: at the current row, or the list's corner.
        const QRect row = visualRect(currentIndex());
        const QPoint local = row.isValid() ? QPoint(kTextLeft, row.bottom()) : QPoint(kTextLeft, 0);
        at = viewport()->mapToGlobal(local);
    }
    event->accept();
    emit contextMenuWanted(at);
}

void TDatLst::keyPressEvent(QKeyEvent* event) {
    // Shift+F10 opens the menu as the Menu key does.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(), QCursor::pos());
        contextMenuEvent(&menu);
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

void TDatLst::leaveEvent(QEvent* event) {
    QListView::leaveEvent(event);
    // A hint that appears under the pointer takes it off the list as the
    // window system sees it, while it still rests on the lamp: that leave
    // is not the user's, and the hint stays its time.
    if (viewport()->rect().contains(viewport()->mapFromGlobal(QCursor::pos()))) {
        return;
    }
    // Off the list: no lamp under the cursor any more.
    emit mouseMoved(QPoint(-1, -1));
}

void TDatLst::changeEvent(QEvent* event) {
    QListView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        meter_.SetFont(font());
        {
            std::lock_guard lock(otherThreadMeterMutex_);
            otherThreadMeter_.SetFont(font());
        }
        rowHeight_ = RowHeightFor(fontMetrics());
        model_->Rows().ForgetWidths();
        doItemsLayout();
    }
}

}  // namespace lm
