// SPDX-License-Identifier: MIT
// Run by tests/desktop/with_desktop.sh: the dialogs on a real X server with a
// window manager, as a person meets them. Each test leaves a screenshot of
// the screen around its dialog, the window manager's frame included, under
// <build>/screenshots/.

#include <QApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include "fake_dialog_host.h"
#include "prefs_dialog.h"
#include "sel_dir_dialog.h"

namespace lm::test {

namespace {

// A loaded machine runs other suites beside this one: the window manager
// may take a while to hand a new window the focus.
constexpr int kActiveTimeoutMs = 20000;

bool SaveScreenOf(QWidget* window, const QString& name) {
    QApplication::processEvents();
    const QRect frame = window->frameGeometry().adjusted(-8, -8, 8, 8);
    const QPixmap shot =
        window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    const QString dir = QStringLiteral(LM_SCREENSHOT_DIR);
    QDir().mkpath(dir);
    return !shot.isNull() && shot.save(dir + u'/' + name + QStringLiteral(".png"));
}

}  // namespace

class DialogsDesktopTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void selectDirectoryOpensOnTheChosenFolder();
    void preferencesStayOnEscape();
};

void DialogsDesktopTest::initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
}

// The tree is filled in by a thread of its own and sorted afterwards; the
// chosen folder must still be in view once all of that has reached the
// screen.
void DialogsDesktopTest::selectDirectoryOpensOnTheChosenFolder() {
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString parent = tmp.filePath(QStringLiteral("Videos"));
    for (int i = 0; i < 40; ++i) {
        QVERIFY(
            QDir().mkpath(parent + QStringLiteral("/Season %1").arg(i, 2, 10, QLatin1Char('0'))));
    }
    const QString chosen = parent + QStringLiteral("/zz Chosen");
    QVERIFY(QDir().mkpath(chosen + QStringLiteral("/Extras")));
    QVERIFY(QDir().mkpath(chosen + QStringLiteral("/Subtitles")));

    Settings settings;
    FakeDialogHost host;
    TfrmSelDir dialog(settings, host);
    dialog.SelectDirectory(chosen);  // as the main window does before opening it
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog, kActiveTimeoutMs));
    QTreeView* tree = dialog.DirLst;
    QTRY_COMPARE(dialog.DirModel->index(chosen).row(), 40);
    QTRY_VERIFY(
        tree->viewport()->rect().contains(tree->visualRect(dialog.DirModel->index(chosen))));
    QTRY_VERIFY(tree->viewport()->rect().contains(
        tree->visualRect(dialog.DirModel->index(chosen + QStringLiteral("/Subtitles")))));
    QTest::qWait(300);  // whatever the tree still does reaches the screen
    QVERIFY(tree->viewport()->rect().contains(tree->visualRect(dialog.DirModel->index(chosen))));
    QCOMPARE(dialog.DirName->text(), chosen);
    QVERIFY(SaveScreenOf(&dialog, QStringLiteral("desktop_select_directory")));

    // Scrolled away by the user, the tree stays where the user put it.
    tree->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
    QCOMPARE(tree->verticalScrollBar()->value(), 0);
    tree->expand(dialog.DirModel->index(QDir::homePath()));
    QTest::qWait(300);
    QCOMPARE(tree->verticalScrollBar()->value(), 0);
}

// Esc from the keyboard, through the X server: the dialog has no Cancel and
// stays open.
void DialogsDesktopTest::preferencesStayOnEscape() {
    const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (xdotool.isEmpty()) {
        QSKIP("xdotool is missing (scripts/install-deps --test)");
    }
    Settings settings;
    FakeDialogHost host;
    TfrmPrefs prefs(settings, host, nullptr, nullptr);
    prefs.show();
    prefs.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&prefs, kActiveTimeoutMs));
    QVERIFY(SaveScreenOf(&prefs, QStringLiteral("desktop_preferences")));

    QProcess key;
    key.start(xdotool, {QStringLiteral("key"), QStringLiteral("--window"),
                        QString::number(prefs.winId()), QStringLiteral("Escape")});
    QVERIFY(key.waitForFinished(10000));
    QCOMPARE(key.exitCode(), 0);
    QTest::qWait(500);
    QVERIFY(prefs.isVisible());
    QCOMPARE(host.saveCalls, 0);

    // The close box still closes, after the check and the save.
    prefs.close();
    QVERIFY(!prefs.isVisible());
    QCOMPARE(host.saveCalls, 1);
}

}  // namespace lm::test

QTEST_MAIN(lm::test::DialogsDesktopTest)

#include "dialogs_desktop_test.moc"
