#include "dat_lst.h"

#include <QCursor>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QScrollBar>

#include "ansi_codepage.h"
#include "dat_lst_delegate.h"

namespace lm {

TDatLst::TDatLst(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("DatLst"));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTextElideMode(Qt::ElideNone);
    setMouseTracking(true);
    setItemDelegate(new TDatLstDelegate(this));
    measuringFont_ = font();
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (programmatic_ == 0) {
            emit selectionClicked();
        }
    });
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
    QFont font;
    {
        std::lock_guard lock(fontMutex_);
        font = measuringFont_;
    }
    return QFontMetrics(font).horizontalAdvance(FromAnsi(ToAnsi(text)));
}

void TDatLst::changeEvent(QEvent* event) {
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        std::lock_guard lock(fontMutex_);
        measuringFont_ = font();
    }
}

int TDatLst::WidestRowExtent() const {
    int widest = -1;
    for (int i = 0; i < count(); ++i) {
        widest = std::max(widest, TextWidth(item(i)->text()));
    }
    return widest < 0 ? 0 : widest + 8;
}

int TDatLst::TopRow() const {
    return verticalScrollBar()->value();
}

QList<int> TDatLst::SelectedRows() const {
    QList<int> rows;
    for (int i = 0; i < count(); ++i) {
        if (item(i)->isSelected()) {
            rows.append(i);
        }
    }
    return rows;
}

int TDatLst::SelectedCount() const {
    return static_cast<int>(selectionModel()->selectedRows().size());
}

QString TDatLst::RowText(int row) const {
    const QListWidgetItem* it = item(row);
    return it != nullptr ? it->text() : QString();
}

void TDatLst::SetRowText(int row, const QString& text) {
    if (QListWidgetItem* it = item(row)) {
        ++programmatic_;
        it->setText(text);
        --programmatic_;
    }
}

void TDatLst::AppendRow(const QString& text) {
    ++programmatic_;
    addItem(text);
    --programmatic_;
}

void TDatLst::DeleteLastRow() {
    if (count() > 0) {
        ++programmatic_;
        delete takeItem(count() - 1);
        --programmatic_;
    }
}

void TDatLst::SetRowSelected(int row, bool selected) {
    QListWidgetItem* it = item(row);
    if (it != nullptr && it->isSelected() != selected) {
        ++programmatic_;
        it->setSelected(selected);
        --programmatic_;
    }
}

void TDatLst::SetCurrentItem(int row) {
    ++programmatic_;
    // Moves the focus only: the selection is the entries' business.
    selectionModel()->setCurrentIndex(model()->index(row, 0), QItemSelectionModel::NoUpdate);
    --programmatic_;
}

void TDatLst::BeginBatch() {
    ++programmatic_;
    setUpdatesEnabled(false);
}

void TDatLst::EndBatch() {
    setUpdatesEnabled(true);
    viewport()->update();
    --programmatic_;
}

void TDatLst::mouseMoveEvent(QMouseEvent* event) {
    QListWidget::mouseMoveEvent(event);
    emit mouseMoved(event->position().toPoint());
}

void TDatLst::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        emit leftButtonReleased(event->position().toPoint());
    }
}

void TDatLst::leaveEvent(QEvent* event) {
    QListWidget::leaveEvent(event);
    // A hint that appears under the pointer takes it off the list as the
    // window system sees it, while it still rests on the lamp: that leave
    // is not the user's, and the hint stays its time.
    if (viewport()->rect().contains(viewport()->mapFromGlobal(QCursor::pos()))) {
        return;
    }
    // Off the list: no lamp under the cursor any more.
    emit mouseMoved(QPoint(-1, -1));
}

}  // namespace lm
