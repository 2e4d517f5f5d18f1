// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <cmath>

#include "about_dialog.h"
#include "dialogs_gui_tests.h"
#include "letter_physics.h"

namespace lm::test {

class AboutDialogTest : public QObject {
    Q_OBJECT

private slots:
    void titleLaidOutInLetters();
    void bouncesOffTheShallowerButtonEdge();
    void bouncesOffTheClientEdges();
    void capAndPush();
    void lettersLeftAloneSettleHome();
    void screenshot();
    void growsWithTheFont();
};

void AboutDialogTest::titleLaidOutInLetters() {
    TfrmAbout about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About Linkmint"));
    QCOMPARE(about.size(), QSize(345, 201));
    QCOMPARE(about.OKBtn->geometry(), QRect(256, 160, 81, 33));
    QCOMPARE(about.OKBtn->text(), QStringLiteral("&OK"));

    const QString title = TfrmAbout::TitleText();
    QCOMPARE(title, QStringLiteral("Linkmint v0.9.9.6b"));
    QCOMPARE(about.Letters().size(), 17);
    QString shown;
    for (int i = 0; i < about.Letters().size(); ++i) {
        const TLetter& l = about.Letters()[i];
        shown += about.LetterLabel(i)->text();
        QCOMPARE(l.x, l.hx);
        QCOMPARE(l.vx, 0.0);
        QCOMPARE(l.hy, about.Letters()[0].hy);
        if (i > 0) {
            const TLetter& prev = about.Letters()[i - 1];
            // Side by side; the blank after "Linkmint" is 4 pixels.
            QCOMPARE(l.hx - prev.hx, prev.w + (i == 8 ? 4.0 : 0.0));
        }
    }
    QCOMPARE(shown, QStringLiteral("Linkmintv0.9.9.6b"));
    QCOMPARE(about.Icon->geometry().right() + 1 + 12, about.LetterLabel(0)->x());
    QCOMPARE(about.Picture->x(), about.LetterLabel(16)->geometry().right() + 1 + 12);
    QCOMPARE(about.Picture->y(), (201 - 64) / 2);
}

void AboutDialogTest::bouncesOffTheShallowerButtonEdge() {
    const QSize client(345, 201);
    const QRect button(256, 160, 81, 33);
    const auto never = [] { return false; };

    // 2 pixels into the left edge, 20 below the top: off the left edge.
    TLetter side;
    side.w = 8;
    side.h = 14;
    side.hx = 100;  // far from home: no settling to turn it round again
    side.x = 256 - 8 + 2;
    side.y = side.hy = 160 + 20;
    side.vx = 1;
    StepLetter(side, client, button, never);
    QCOMPARE(side.x + side.w, 256.0 - 3);  // 3 in after the move, mirrored out
    QVERIFY(side.vx < 0);
    QCOMPARE(side.y, 180.0);

    // 1 pixel below the top and 30 into the left edge: off the top.
    TLetter top;
    top.w = 8;
    top.h = 14;
    top.x = top.hx = 290;
    top.y = top.hy = 160 - 14 + 1;
    top.vy = 0;
    StepLetter(top, client, button, never);
    QCOMPARE(top.y + top.h, 160.0 - 1);
    QCOMPARE(top.x, 290.0);
}

void AboutDialogTest::bouncesOffTheClientEdges() {
    const QSize client(345, 201);
    const QRect button(256, 160, 81, 33);
    const auto never = [] { return false; };
    TLetter l;
    l.w = 10;
    l.h = 10;
    l.hx = l.hy = 100;
    l.x = 1;
    l.y = 100;
    l.vx = -3;
    StepLetter(l, client, button, never);
    QCOMPARE(l.x, 2.0);
    QVERIFY(l.vx > 0);

    l.x = 340;
    l.y = 50;
    l.vx = 4;
    StepLetter(l, client, button, never);
    QCOMPARE(l.x, 2 * 345.0 - 344 - 20);
    QVERIFY(l.vx < 0);
}

void AboutDialogTest::capAndPush() {
    TLetter l;
    l.vx = 9;
    l.vy = -9;
    CapVelocity(l);
    QCOMPARE(l.vx, 5.0);
    QCOMPARE(l.vy, -9.0);

    // The pointer on the left edge pushes the letter right and, from below
    // its middle, upwards.
    TLetter pushed;
    pushed.w = 8;
    pushed.h = 14;
    PushLetter(pushed, 0, 12);
    QCOMPARE(pushed.vx, 3.0);   // (0 + 6) / 2
    QCOMPARE(pushed.vy, -2.5);  // (0 - 5) / 2
    // Far outside the letter the push is too big and does nothing.
    TLetter far;
    far.w = 8;
    far.h = 14;
    PushLetter(far, 0, -20);
    QCOMPARE(far.vx, 0.0);
    QCOMPARE(far.vy, 0.0);
}

void AboutDialogTest::lettersLeftAloneSettleHome() {
    TfrmAbout about;
    about.SetRandomDraw([] { return true; });
    // Scatter them, and kick one through the LtrMouseMove path.
    for (int i = 0; i < about.Letters().size(); ++i) {
        TLetter& l = about.Letter(i);
        l.x += (i % 2 == 0 ? 40 : -35);
        l.y += (i % 3 == 0 ? 30 : -25);
        l.vx = (i % 4) - 1.5;
    }
    about.LtrMouseMove(3, QPointF(0, about.Letters()[3].h));
    for (int tick = 0; tick < 4000; ++tick) {
        about.Timer1Timer();
    }
    for (int i = 0; i < about.Letters().size(); ++i) {
        const TLetter& l = about.Letters()[i];
        QVERIFY2(std::abs(l.x - l.hx) + std::abs(l.y - l.hy) < 1.0,
                 qPrintable(QStringLiteral("letter %1 at %2,%3 home %4,%5")
                                .arg(i)
                                .arg(l.x)
                                .arg(l.y)
                                .arg(l.hx)
                                .arg(l.hy)));
        QCOMPARE(about.LetterLabel(i)->pos(),
                 QPoint(int(std::nearbyint(l.x)), int(std::nearbyint(l.y))));
    }
}

void AboutDialogTest::screenshot() {
    TfrmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QVERIFY(about.Timer1.isActive());
    QVERIFY(SaveScreenshot(&about, QStringLiteral("about")));
    about.OKBtn->click();
    QVERIFY(!about.Timer1.isActive());
    QVERIFY(!about.isVisible());
}

// At a large font the box grows so that the title with its pictures fits
// across, the credit keeps every line and the button its text, and the
// title stays above them; the letters still bounce inside it.
void AboutDialogTest::growsWithTheFont() {
    const QFont before = QApplication::font();
    for (const int points : {16, 24}) {
        QFont large = before;
        large.setPointSize(points);
        QApplication::setFont(large);
        TfrmAbout about;
        const QFontMetrics metrics(about.font());
        QCOMPARE(about.LetterLabel(0)->height(), metrics.height());
        QVERIFY(about.width() >= 345 && about.height() >= 201);
        QVERIFY(about.Icon->x() >= 8);
        QVERIFY(about.Picture->geometry().right() <= about.width() - 8);
        QVERIFY(about.Credit->height() >= about.Credit->heightForWidth(about.Credit->width()));
        QVERIFY(about.OKBtn->width() >= about.OKBtn->sizeHint().width());
        QVERIFY(about.OKBtn->height() >= about.OKBtn->sizeHint().height());
        const int bottomRow = std::min(about.Credit->y(), about.OKBtn->y());
        QVERIFY(about.LetterLabel(0)->geometry().bottom() < bottomRow);
        QVERIFY(about.Picture->geometry().bottom() < bottomRow);
        QVERIFY(!about.Credit->geometry().intersects(about.OKBtn->geometry()));
        for (int tick = 0; tick < 200; ++tick) {
            about.LtrMouseMove(tick % about.Letters().size(), QPointF(0, 0));
            about.Timer1Timer();
        }
        for (int i = 0; i < about.Letters().size(); ++i) {
            QVERIFY(about.rect().contains(about.LetterLabel(i)->geometry()));
        }
    }
    QApplication::setFont(before);
}

int RunAboutDialogTests(int argc, char** argv) {
    AboutDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace lm::test

#include "about_dialog_test.moc"
