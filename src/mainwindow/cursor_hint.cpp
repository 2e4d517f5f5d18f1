// SPDX-License-Identifier: MIT
#include "cursor_hint.h"

#include <QWidget>

#include "hint_window_ex.h"

namespace lm {

TCursorHint::TCursorHint(QWidget* owner) : QObject(owner), owner_(owner) {
    hintTimer_.setObjectName(QStringLiteral("HintTimer"));
    hintTimer_.setSingleShot(true);
    hintTimer_.setInterval(kHideAfterMs);
    connect(&hintTimer_, &QTimer::timeout, this, &TCursorHint::HintTimerTimer);
}

void TCursorHint::ShowCursorHint(const QString& text) {
    // Above and right of the cursor, so that the lamp stays visible.
    lm::ShowCursorHint(owner_, window_, hintTimer_, text);
    hintText_ = text;
}

void TCursorHint::HideCursorHint() {
    lm::HideCursorHint(window_, hintTimer_);
    hintText_.clear();
}

void TCursorHint::HintTimerTimer() {
    HideCursorHint();
}

}  // namespace lm
