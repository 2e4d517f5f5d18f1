// SPDX-License-Identifier: MIT
#include "info_view.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

#include "info_pane_lines.h"

namespace lm {

TInfoView::TInfoView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    verticalScrollBar()->setSingleStep(1);
}

void TInfoView::SetLines(const TPaneLines* lines) {
    lines_ = lines;
    LinesChanged(contentWidth_);
}

void TInfoView::LinesChanged(int contentWidth) {
    contentWidth_ = contentWidth;
    UpdateScrollRanges();
    viewport()->update();
}

int TInfoView::VisibleLines() const {
    const int spacing = std::max(1, fontMetrics().lineSpacing());
    return std::max(1, (viewport()->height() - 2 * kMargin) / spacing);
}

void TInfoView::UpdateScrollRanges() {
    const int lines = lines_ != nullptr ? lines_->LineCount() : 0;
    const int visible = VisibleLines();
    verticalScrollBar()->setRange(0, std::max(0, lines - visible));
    verticalScrollBar()->setPageStep(visible);
    const int across = viewport()->width();
    horizontalScrollBar()->setRange(0, std::max(0, contentWidth_ + 2 * kMargin - across));
    horizontalScrollBar()->setPageStep(across);
    horizontalScrollBar()->setSingleStep(std::max(1, fontMetrics().averageCharWidth()));
}

void TInfoView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
}

void TInfoView::scrollContentsBy(int, int) {
    viewport()->update();
}

void TInfoView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    if (lines_ == nullptr) {
        return;
    }
    const QFontMetrics metrics = fontMetrics();
    const int spacing = metrics.lineSpacing();
    const int first = verticalScrollBar()->value();
    const int last = std::min(lines_->LineCount(), first + VisibleLines() + 2);
    const int x = kMargin - horizontalScrollBar()->value();
    painter.setPen(palette().color(QPalette::Text));
    for (int line = first; line < last; ++line) {
        const int top = kMargin + (line - first) * spacing;
        painter.drawText(QPoint(x, top + metrics.ascent()), lines_->Line(line));
    }
}

void TInfoView::mousePressEvent(QMouseEvent* event) {
    emit editWanted(event);
}

void TInfoView::keyPressEvent(QKeyEvent* event) {
    // Moving about is the view's own; anything else wants the text box.
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            QAbstractScrollArea::keyPressEvent(event);
            return;
        default:
            emit editWanted(event);
    }
}

void TInfoView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    // Through the keyboard: the text box takes the focus on.
    if (event->reason() != Qt::MouseFocusReason) {
        emit editWanted(nullptr);
    }
}

void TInfoView::contextMenuEvent(QContextMenuEvent* event) {
    emit editWanted(event);
}

}  // namespace lm
