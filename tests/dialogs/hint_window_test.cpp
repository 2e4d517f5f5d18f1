// SPDX-License-Identifier: MIT
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "dialogs_gui_tests.h"
#include "hint_window_ex.h"

namespace lm::test {

class HintWindowTest : public QObject {
    Q_OBJECT

private slots:
    void extraWidthRoundsHalfToEven();
    void rectangleAboveAndRightOfCursor();
    void heldInsideTheDesktop();
    void showHideAndShowAgain();
};

void HintWindowTest::extraWidthRoundsHalfToEven() {
    const auto wide = [](int n, const QString& rest = {}) {
        return WideCharExtraWidth(QString(n, QChar(0x4e2d)) + rest);
    };
    QCOMPARE(wide(0, QStringLiteral("plain ÿ text")), 0);  // U+00FF is not above
    QCOMPARE(wide(1), 2);                                  // 2.5 -> 2
    QCOMPARE(wide(2), 5);
    QCOMPARE(wide(3, QStringLiteral("abc")), 8);           // 7.5 -> 8
    QCOMPARE(wide(5), 12);                                 // 12.5 -> 12
    QCOMPARE(wide(7), 18);                                 // 17.5 -> 18
    QCOMPARE(WideCharExtraWidth(QStringLiteral("Ā")), 2);  // U+0100
}

void HintWindowTest::rectangleAboveAndRightOfCursor() {
    // From (x, y - h - 2) to (x + w + e + 6, y).
    const QRect r = CursorHintRect(QPoint(100, 200), 50, 14, QString(3, QChar(0x3042)));
    QCOMPARE(r, QRect(100, 184, 50 + 8 + 6, 16));
    QCOMPARE(CursorHintRect(QPoint(0, 20), 10, 10, QStringLiteral("a")), QRect(0, 8, 16, 12));
}

void HintWindowTest::heldInsideTheDesktop() {
    const QRect desktop(0, 0, 800, 600);
    QCOMPARE(THintWindowEx::HeldInside(QRect(10, 10, 100, 20), desktop), QRect(10, 10, 100, 20));
    QCOMPARE(THintWindowEx::HeldInside(QRect(750, 590, 100, 20), desktop),
             QRect(700, 580, 100, 20));
    QCOMPARE(THintWindowEx::HeldInside(QRect(-30, 5, 100, 20), desktop), QRect(0, 5, 100, 20));
    // On a desktop that starts left of the primary screen.
    const QRect wide(-1024, 0, 2048, 768);
    QCOMPARE(THintWindowEx::HeldInside(QRect(-1100, 100, 50, 20), wide), QRect(-1024, 100, 50, 20));
    QCOMPARE(THintWindowEx::HeldInside(QRect(1000, 100, 50, 20), wide), QRect(974, 100, 50, 20));
}

void HintWindowTest::showHideAndShowAgain() {
    QWidget owner;
    owner.show();
    THintWindowEx* hint = nullptr;
    QTimer timer;
    const QString text = QStringLiteral("CRC32 matches – 中");

    ShowCursorHint(&owner, hint, timer, text, QPoint(200, 300));
    QVERIFY(hint != nullptr);
    QVERIFY(hint->isVisible());
    QCOMPARE(hint->HintText(), text);
    QVERIFY(timer.isActive());
    QCOMPARE(timer.interval(), 2500);
    const QRect first = hint->geometry();
    QCOMPARE(first.left(), 200);
    QCOMPARE(first.top() + first.height(), 300 + 4);  // 4 pixels added below

    // The same text again: nothing moves, the timer is not restarted.
    timer.stop();
    ShowCursorHint(&owner, hint, timer, text, QPoint(400, 400));
    QCOMPARE(hint->geometry(), first);
    QVERIFY(!timer.isActive());

    // After the hide it shows again at the new place.
    HideCursorHint(hint, timer);
    QVERIFY(!hint->isVisible());
    QVERIFY(hint->HintText().isEmpty());
    THintWindowEx* const same = hint;
    ShowCursorHint(&owner, hint, timer, text, QPoint(400, 400));
    QCOMPARE(hint, same);
    QCOMPARE(hint->geometry().topLeft(), QPoint(400, first.top() + 100));
    QVERIFY(SaveScreenshot(hint, QStringLiteral("hint_window")));

    // Hiding with no window yet only stops the timer.
    THintWindowEx* none = nullptr;
    HideCursorHint(none, timer);
    QVERIFY(!timer.isActive());
}

int RunHintWindowTests(int argc, char** argv) {
    HintWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace lm::test

#include "hint_window_test.moc"
