// SPDX-License-Identifier: MIT
#include "dat_lst_delegate.h"

#include <QPainter>

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
    const QRect textRect = row.translated(TDatLst::kTextLeft, 1);
    const Qt::Alignment align =
        (option.direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    // Drawn as it is: no mnemonic "&", one line.
    painter->drawText(textRect, static_cast<int>(align) | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    const QPixmap lamp = TImageList1::Picture(index.data(TFileListModel::LampRole).toInt());
    if (!lamp.isNull()) {
        painter->drawPixmap(row.topLeft(), lamp);
    }
    painter->restore();
}

QSize TDatLstDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    return {list_->HorizontalExtent(), TDatLst::kRowHeight};
}

}  // namespace lm
