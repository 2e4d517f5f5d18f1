#include "info_win.h"

#include <QTextBlock>
#include <QTextDocument>

namespace lm {

namespace {

// The height a horizontal scroll bar takes from the pane.
constexpr int kScrollBarRoom = 21;

}  // namespace

TInfoWin::TInfoWin(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("InfoWin"));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

TInfoWin::ScrollBars TInfoWin::ScrollBarsFor(QSize pane, QSize extent) {
    if (pane.width() >= extent.width()) {
        return pane.height() >= extent.height() ? ScrollBars::None : ScrollBars::Vertical;
    }
    return extent.height() + kScrollBarRoom <= pane.height() ? ScrollBars::Horizontal
                                                             : ScrollBars::Both;
}

QStringList TInfoWin::Lines() const {
    const QTextDocument* text = document();
    if (text->isEmpty()) {
        return {};
    }
    QStringList lines;
    for (QTextBlock block = text->begin(); block.isValid(); block = block.next()) {
        lines << block.text();
    }
    return lines;
}

void TInfoWin::UpdateInfoScrollBars() {
    current_ = ScrollBarsFor(size(), extent_);
    const bool horizontal = current_ == ScrollBars::Horizontal || current_ == ScrollBars::Both;
    const bool vertical = current_ == ScrollBars::Vertical || current_ == ScrollBars::Both;
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

}  // namespace lm
