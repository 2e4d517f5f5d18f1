// SPDX-License-Identifier: MIT
#include "hint_window_ex.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QToolTip>

#include "ansi_codepage.h"

namespace lm {

namespace {

std::uint32_t TickCount() {
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return static_cast<std::uint32_t>(clock.elapsed());
}

QRect VirtualDesktop() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->virtualGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

THintWindowEx::THintWindowEx(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                         Qt::WindowTransparentForInput | Qt::NoDropShadowWindowHint) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFont(QToolTip::font());
    setLayoutDirection(owner != nullptr ? owner->layoutDirection() : Qt::LeftToRight);
    SetColor(QColor(0xff, 0xff, 0x80));  // light yellow until the caller sets its own
}

void THintWindowEx::SetColor(const QColor& color) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
    setAutoFillBackground(true);
}

QRect THintWindowEx::HeldInside(QRect bounds, const QRect& desktop) {
    if (bounds.top() + bounds.height() > desktop.top() + desktop.height()) {
        bounds.moveTop(desktop.top() + desktop.height() - bounds.height());
    }
    if (bounds.left() + bounds.width() > desktop.left() + desktop.width()) {
        bounds.moveLeft(desktop.left() + desktop.width() - bounds.width());
    }
    if (bounds.left() < desktop.left()) {
        bounds.moveLeft(desktop.left());
    }
    return bounds;
}

void THintWindowEx::ActivateAt(const QRect& rect, const QString& text) {
    HintText_ = text;
    QRect bounds = rect;
    bounds.setBottom(bounds.bottom() + 4);
    setGeometry(HeldInside(bounds, VirtualDesktop()));
    show();
    raise();
    update();
    LastActive = TickCount();
}

void THintWindowEx::ReleaseWindow() {
    hide();
}

void THintWindowEx::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.drawText(rect().adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     HintText_);
    PaintBorder(painter);
}

void THintWindowEx::PaintBorder(QPainter& painter) {
    const QRect r = rect().adjusted(0, 0, -1, -1);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

int WideCharExtraWidth(const QString& text) {
    int n = 0;
    for (const QChar ch : text) {
        if (ch.unicode() > 0xff) {
            ++n;
        }
    }
    // 2.5 n = 5n / 2: a whole number, or a half between k and k + 1.
    const int k = 5 * n / 2;
    const bool half = (5 * n) % 2 != 0;
    return half && k % 2 != 0 ? k + 1 : k;
}

QRect CursorHintRect(QPoint cursor, int w, int h, const QString& text) {
    const int e = WideCharExtraWidth(text);
    // From (x, y - h - 2) to (x + w + e + 6, y), right and bottom exclusive.
    return QRect(cursor.x(), cursor.y() - h - 2, w + e + 6, h + 2);
}

void ShowCursorHint(QWidget* owner, THintWindowEx*& slot, QTimer& timer, const QString& text) {
    ShowCursorHint(owner, slot, timer, text, QCursor::pos());
}

void ShowCursorHint(QWidget* owner, THintWindowEx*& slot, QTimer& timer, const QString& text,
                    QPoint cursor) {
    if (slot == nullptr) {
        slot = new THintWindowEx(owner);
        slot->SetColor(QToolTip::palette().color(QPalette::ToolTipBase));
        QFont font = QToolTip::font();
        if (owner != nullptr) {
            font.setFamily(owner->font().family());
        }
        slot->setFont(font);
    }
    if (slot->HintText() == text) {
        return;
    }
    // Measured as the 8-bit text, which the extra width makes up for.
    const QFontMetrics metrics(slot->font());
    const QSize size = metrics.size(0, ThroughAnsi(text));
    slot->ActivateAt(CursorHintRect(cursor, size.width(), size.height(), text), text);
    timer.setInterval(kCursorHintMs);
    timer.start();
}

void HideCursorHint(THintWindowEx* slot, QTimer& timer) {
    timer.stop();
    if (slot != nullptr) {
        slot->ClearHintText();
        slot->ReleaseWindow();
    }
}

}  // namespace lm
