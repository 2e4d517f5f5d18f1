// SPDX-License-Identifier: MIT
#pragma once

#include <QStyledItemDelegate>

namespace lm {

class TDatLst;

// Paints one row of the file list (DatLstDrawItem): the background as the
// list prepared it, the text 18 px right and 1 px down, the lamp at the
// row's top-left corner (centred in a row taller than the lamp), and the
// focus rectangle on the current row while the list has the focus.
class TDatLstDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit TDatLstDelegate(TDatLst* list);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Where a row's text and lamp are drawn.
    static QRect TextRect(const QRect& row);
    static QRect LampRect(const QRect& row);

private:
    TDatLst* list_;
};

}  // namespace lm
