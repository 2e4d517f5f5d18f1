// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

#include <cstdint>

class QTimer;

namespace lm {

// A tool-tip window placed by its caller: it shows one UTF-16 text, never
// takes the focus, lets every mouse event through to what lies beneath, and
// has a raised one-pixel frame.
class THintWindowEx : public QWidget {
    Q_OBJECT

public:
    explicit THintWindowEx(QWidget* owner = nullptr);

    // Shows `text` in `rect` (screen coordinates; 4 pixels are added to its
    // bottom), held inside the virtual desktop.
    void ActivateAt(const QRect& rect, const QString& text);
    // Hides the window; it can be shown again.
    void ReleaseWindow();

    const QString& HintText() const { return HintText_; }
    void ClearHintText() { HintText_.clear(); }
    void SetColor(const QColor& color);

    // Where a window of `bounds` ends up inside `desktop`: pushed back from
    // the bottom and the right edge, then right to the left edge.
    static QRect HeldInside(QRect bounds, const QRect& desktop);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintBorder(class QPainter& painter);

    QString HintText_;
    std::uint32_t LastActive = 0;  // when the last activation ended, in ms
};

// Extra width for the characters above U+00FF that the 8-bit measure does
// not see: 2.5 pixels each, the sum taken to the nearest whole number with
// a half going to the even neighbour.
int WideCharExtraWidth(const QString& text);

// The hint's rectangle for a text of measured size (w, h) with the cursor
// at `cursor`: above and right of it.
QRect CursorHintRect(QPoint cursor, int w, int h, const QString& text);

// Shows `text` beside the mouse cursor in the owner's hint window (made on
// first use and kept in `slot`) and (re)starts `timer` with 2,500 ms, whose
// timeout should call HideCursorHint. The same text again does nothing.
// `cursor` defaults to the mouse cursor's position.
void ShowCursorHint(QWidget* owner, THintWindowEx*& slot, QTimer& timer, const QString& text);
void ShowCursorHint(QWidget* owner, THintWindowEx*& slot, QTimer& timer, const QString& text,
                    QPoint cursor);
// Stops the timer and hides the hint; the next ShowCursorHint shows it anew.
void HideCursorHint(THintWindowEx* slot, QTimer& timer);

inline constexpr int kCursorHintMs = 2500;

}  // namespace lm
