#include "cursor_hint.h"

#include <QCursor>
#include <QToolTip>
#include <QWidget>

namespace lm {

TCursorHint::TCursorHint(QWidget* owner) : QObject(owner), owner_(owner) {
    hintTimer_.setObjectName(QStringLiteral("HintTimer"));
    hintTimer_.setSingleShot(true);
    hintTimer_.setInterval(kHideAfterMs);
    connect(&hintTimer_, &QTimer::timeout, this, &TCursorHint::HintTimerTimer);
}

void TCursorHint::ShowCursorHint(const QString& text) {
    // Above and right of the cursor, so that the lamp stays visible.
    const QPoint at = QCursor::pos() + QPoint(12, -24);
    QToolTip::showText(at, text, owner_, QRect(), kHideAfterMs);
    hintText_ = text;
    hintTimer_.start();
}

void TCursorHint::HideCursorHint() {
    hintTimer_.stop();
    if (!hintText_.isEmpty()) {
        QToolTip::hideText();
        hintText_.clear();
    }
}

void TCursorHint::HintTimerTimer() {
    HideCursorHint();
}

}  // namespace lm
