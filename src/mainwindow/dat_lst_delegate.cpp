// SPDX-License-Identifier: MIT
#include "dat_lst_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "dat_lst.h"
#include "file_list_model.h"
#include "image_list.h"

namespace lm {

TDatLstDelegate::TDatLstDelegate(TDatLst* list) : QStyledItemDelegate(list), list_(list) {}

void TDatLstDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    if (index.row() < 0 || list_->PaintingStopped()) {
        return;
    }
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup group =
        option.state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
    const QRect row = option.rect;
    painter->save();
    painter->fillRect(row,
                      option.palette.brush(group, selected ? QPalette::Highlight : QPalette::Base));
    painter->setPen(
        option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(option.font);
    const QRect textRect = TextRect(row);
    const Qt::Alignment align =
        (option.direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    // Drawn as it is: no mnemonic "&", one line.
    painter->drawText(textRect, static_cast<int>(align) | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    // At the row's top-left corner, and centred in a row taller than it.
    const int lamp = index.data(TFileListModel::LampRole).toInt();
    if (TImageList1::Has(lamp)) {
        TImageList1::Icon(lamp).paint(painter, LampRect(row));
    }
    // Where the keyboard is: the current row, while the list has the focus.
    if (option.state.testFlag(QStyle::State_HasFocus)) {
        QStyleOptionFocusRect focus;
        focus.rect = row;
        focus.state = option.state | QStyle::State_KeyboardFocusChange | QStyle::State_Item;
        focus.direction = option.direction;
        focus.palette = option.palette;
        focus.fontMetrics = option.fontMetrics;
        focus.backgroundColor =
            option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
        const QWidget* widget = option.widget;
        QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
    painter->restore();
}

QRect TDatLstDelegate::TextRect(const QRect& row) {
    return row.translated(TDatLst::kTextLeft, 1);
}

QRect TDatLstDelegate::LampRect(const QRect& row) {
    return {row.left(), row.top() + (row.height() - TDatLst::kLampSize) / 2, TDatLst::kLampSize,
            TDatLst::kLampSize};
}

QSize TDatLstDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    // The text starts right of the lamp column, so the rows are that much
    // wider than the text's extent: the end of every text can be scrolled to.
    const int extent = list_->HorizontalExtent();
    return {extent > 0 ? TDatLst::kTextLeft + extent : 0, list_->RowHeight()};
}

}  // namespace lm
