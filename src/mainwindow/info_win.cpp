// SPDX-License-Identifier: MIT
#include "info_win.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStackedLayout>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

#include "info_view.h"

namespace lm {

namespace {

// The height a horizontal scroll bar takes from the pane.
constexpr int kScrollBarRoom = 21;

}  // namespace

TInfoWin::TInfoWin(QWidget* parent)
    : QWidget(parent), view_(new TInfoView(this)), editor_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("InfoWin"));
    editor_->setObjectName(QStringLiteral("InfoWinText"));
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab moves on to the next control instead of typing a tab.
    editor_->setTabChangesFocus(true);
    editor_->document()->setDocumentMargin(TInfoView::kMargin);
    // Files dropped on the pane go to the window, not into the text.
    editor_->setAcceptDrops(false);
    view_->SetLines(&blocks_);
    stack_ = new QStackedLayout(this);
    stack_->setContentsMargins(0, 0, 0, 0);
    stack_->addWidget(view_);
    stack_->addWidget(editor_);
    stack_->setCurrentWidget(view_);
    setFocusProxy(view_);
    for (QAbstractScrollArea* area :
         {static_cast<QAbstractScrollArea*>(view_), static_cast<QAbstractScrollArea*>(editor_)}) {
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    connect(view_, &TInfoView::editWanted, this, &TInfoWin::IntoTextBox);
}

TInfoWin::ScrollBars TInfoWin::ScrollBarsFor(QSize pane, QSize extent) {
    if (pane.width() >= extent.width()) {
        return pane.height() >= extent.height() ? ScrollBars::None : ScrollBars::Vertical;
    }
    return extent.height() + kScrollBarRoom <= pane.height() ? ScrollBars::Horizontal
                                                             : ScrollBars::Both;
}

void TInfoWin::SetTextExtent(QSize extent, int widestLine) {
    extent_ = extent;
    widestLine_ = widestLine;
    view_->LinesChanged(ContentWidth());
}

int TInfoWin::ContentWidth() const {
    return std::max(extent_.width() - 25, widestLine_);
}

QStringList TInfoWin::Lines() const {
    if (!InTextBox()) {
        return blocks_.LinesFrom(0);
    }
    const QTextDocument* text = editor_->document();
    if (text->isEmpty()) {
        return {};
    }
    QStringList lines;
    for (QTextBlock block = text->begin(); block.isValid(); block = block.next()) {
        lines << block.text();
    }
    return lines;
}

QString TInfoWin::Text() const {
    return Lines().join(u'\n');
}

bool TInfoWin::InTextBox() const {
    return stack_->currentWidget() == editor_;
}

bool TInfoWin::EditedByUser() const {
    return InTextBox() && editor_->document()->isModified();
}

void TInfoWin::Rewritten() {
    if (InTextBox()) {
        // Back to the view: the text box is filled only when wanted again.
        const bool hadFocus = editor_->hasFocus();
        editor_->clear();
        stack_->setCurrentWidget(view_);
        if (hadFocus) {
            view_->setFocus(Qt::OtherFocusReason);
        }
    }
    view_->verticalScrollBar()->setValue(0);
    view_->horizontalScrollBar()->setValue(0);
    view_->LinesChanged(ContentWidth());
}

void TInfoWin::Appended(int firstNew) {
    if (InTextBox()) {
        // Not something to undo: the program wrote it, as a rewrite would.
        QTextDocument* text = editor_->document();
        const QStringList lines = blocks_.LinesFrom(firstNew);
        if (!lines.isEmpty()) {
            text->setUndoRedoEnabled(false);
            QTextCursor end(text);
            end.movePosition(QTextCursor::End);
            end.insertText((text->isEmpty() ? QString() : QStringLiteral("\n")) +
                           lines.join(u'\n'));
            text->setUndoRedoEnabled(true);
            text->setModified(false);
        }
    }
    view_->LinesChanged(ContentWidth());
}

void TInfoWin::IntoTextBox(QEvent* cause) {
    if (InTextBox()) {
        return;
    }
    // The lines go into the text box once, at the place the view shows.
    const int firstLine = view_->verticalScrollBar()->value();
    const int across = view_->horizontalScrollBar()->value();
    editor_->setPlainText(blocks_.LinesFrom(0).join(u'\n'));
    editor_->document()->setModified(false);
    editor_->setHorizontalScrollBarPolicy(view_->horizontalScrollBarPolicy());
    editor_->setVerticalScrollBarPolicy(view_->verticalScrollBarPolicy());
    stack_->setCurrentWidget(editor_);
    editor_->verticalScrollBar()->setValue(firstLine);
    editor_->horizontalScrollBar()->setValue(across);
    editor_->setFocus(Qt::MouseFocusReason);
    // What reached in goes on to the text box: a click places the cursor.
    if (cause == nullptr) {
        return;
    }
    if (cause->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(cause);
        QMouseEvent again(press->type(), press->position(), press->globalPosition(),
                          press->button(), press->buttons(), press->modifiers());
        QApplication::sendEvent(editor_->viewport(), &again);
    } else if (cause->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(cause);
        QKeyEvent again(key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat(),
                        static_cast<ushort>(key->count()));
        QApplication::sendEvent(editor_, &again);
    } else if (cause->type() == QEvent::ContextMenu) {
        const auto* menu = static_cast<QContextMenuEvent*>(cause);
        QContextMenuEvent again(menu->reason(), menu->pos(), menu->globalPos(), menu->modifiers());
        QApplication::sendEvent(editor_->viewport(), &again);
    }
}

void TInfoWin::UpdateInfoScrollBars() {
    current_ = ScrollBarsFor(size(), extent_);
    bool horizontal = current_ == ScrollBars::Horizontal || current_ == ScrollBars::Both;
    bool vertical = current_ == ScrollBars::Vertical || current_ == ScrollBars::Both;
    // The rule above measures the link lines with a font of its own and
    // leaves the bars' own room to chance: what it leaves out of reach gets
    // its bar too. Each bar takes room from the other way, so twice.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int lines = InTextBox() ? editor_->document()->blockCount() : blocks_.LineCount();
    for (int pass = 0; pass < 2; ++pass) {
        const int across = width() - FrameAndMargins() - (vertical ? bar : 0);
        const int down = height() - FrameAndMargins() - (horizontal ? bar : 0);
        horizontal = horizontal || (lines > 0 && ContentWidth() > across);
        vertical = vertical || lines * LineSpacing() > down;
    }
    current_ = horizontal && vertical ? ScrollBars::Both
               : horizontal           ? ScrollBars::Horizontal
               : vertical             ? ScrollBars::Vertical
                                      : ScrollBars::None;
    for (QAbstractScrollArea* area :
         {static_cast<QAbstractScrollArea*>(view_), static_cast<QAbstractScrollArea*>(editor_)}) {
        const Qt::ScrollBarPolicy across =
            horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
        const Qt::ScrollBarPolicy down = vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
        if (area->horizontalScrollBarPolicy() != across) {
            area->setHorizontalScrollBarPolicy(across);
        }
        if (area->verticalScrollBarPolicy() != down) {
            area->setVerticalScrollBarPolicy(down);
        }
    }
}

int TInfoWin::LineSpacing() const {
    return view_->fontMetrics().lineSpacing();
}

int TInfoWin::FrameAndMargins() const {
    return 2 * view_->frameWidth() + 2 * TInfoView::kMargin;
}

}  // namespace lm
