// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QWidget;

namespace lm {

class THintWindowEx;

// The pop-up that explains a list lamp: shown just above and right of the
// cursor, hidden again by HintTimer 2,500 ms later or as soon as the cursor
// leaves the lamps.
class TCursorHint : public QObject {
    Q_OBJECT

public:
    static constexpr int kHideAfterMs = 2500;

    explicit TCursorHint(QWidget* owner);

    void ShowCursorHint(const QString& text);
    void HideCursorHint();
    // What is shown; empty when hidden.
    const QString& HintText() const { return hintText_; }

private:
    void HintTimerTimer();

    QWidget* owner_;
    THintWindowEx* window_ = nullptr;  // made on first use, owned by owner_
    QTimer hintTimer_;
    QString hintText_;
};

}  // namespace lm
