// SPDX-License-Identifier: MIT
// The window on a real X server with a window manager: what offscreen runs
// cannot show. The pointer is moved by xdotool, as a user's would be, and
// screenshots of what the user sees are left beside the test.
#include <QCursor>
#include <QElapsedTimer>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include <memory>

#include "check_files_dialog.h"
#include "cursor_hint.h"
#include "dat_lst.h"
#include "gui_test_support.h"
#include "hint_window_ex.h"
#include "instance_names.h"
#include "prefs_dialog.h"
#include "sel_dir_dialog.h"

using namespace lm;
using namespace lm::test;

namespace {

constexpr int kHashTimeoutMs = 60000;

bool MovePointer(QPoint to) {
    return QProcess::execute(QStringLiteral("xdotool"),
                             {QStringLiteral("mousemove"), QString::number(to.x()),
                              QString::number(to.y())}) == 0;
}

// What the screen shows around `widget`, pop-ups over it included.
void Screenshot(QWidget* widget, const char* name, int margin = 0) {
    QScreen* screen = widget->screen();
    const QRect area = widget->frameGeometry().adjusted(-margin, -margin, margin, margin);
    const QPixmap shot = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    QVERIFY(shot.save(QStringLiteral(LM_SCREENSHOT_DIR "/%1.png").arg(QLatin1StringView(name))));
}

}  // namespace

class DesktopWindowTest : public WindowTest {
    Q_OBJECT

private:
    const THintWindowEx* HintWindow() const { return window_->findChild<THintWindowEx*>(); }
    bool HintShown() const {
        return !window_->cursorHint().HintText().isEmpty() && HintWindow() != nullptr &&
               HintWindow()->isVisible();
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    }
    void cleanup() { window_.reset(); }

    // The hint maps right by the pointer; it stays its 2.5 s while the
    // pointer rests on the lamp, and goes at once when it leaves the lamps.
    void LampHintStaysWhileThePointerRests() {
        Start({WriteFile(Path("clip [3610A686].txt"), "hello"), WriteFile(Path("b.txt"), "b")});
        QTRY_VERIFY_WITH_TIMEOUT(Idle(), kHashTimeoutMs);
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        TDatLst* list = window_->datLst();
        QVERIFY(MovePointer(list->viewport()->mapToGlobal(QPoint(60, 40))));
        QTest::qWait(100);
        QVERIFY(MovePointer(list->viewport()->mapToGlobal(QPoint(8, 8))));
        QTRY_VERIFY(HintShown());
        QElapsedTimer shown;
        shown.start();
        QCOMPARE(window_->cursorHint().HintText(),
                 QStringLiteral("Found correct CRC in filename."));
        QTest::qWait(200);  // painted
        Screenshot(window_.get(), "main_window_hint", 40);
        QTest::qWait(1500);
        QVERIFY2(HintShown(), "the hint went before its time");
        QTRY_VERIFY_WITH_TIMEOUT(!HintShown(), 3000);
        QVERIFY(shown.elapsed() >= 2000);

        // Rested on again after a move: shown again; off the lamps: gone.
        QVERIFY(MovePointer(list->viewport()->mapToGlobal(QPoint(9, 9))));
        QTRY_VERIFY(HintShown());
        QVERIFY(MovePointer(list->viewport()->mapToGlobal(QPoint(120, 9))));
        QTRY_VERIFY(!HintShown());
    }

    void MaximizedWindowComesBackMaximized() {
        Start({});
        QTRY_COMPARE(window_->StartupPhase(), 0);
        window_->showMaximized();
        QTRY_VERIFY(window_->isMaximized());
        window_->showMinimized();
        QTRY_VERIFY(window_->isMinimized());
        window_->HandoverMessage(WM_TRAYCALLBACK, kTrayIconId, kTrayLeftButtonUp);
        QTRY_VERIFY(!window_->isMinimized() && window_->isVisible());
        QTest::qWait(200);
        QVERIFY(window_->isMaximized());
    }

    // What the user sees while files are read, and the two dialogs.
    void Screenshots() {
        Start({SparseFile(Path("big.bin"), qint64(2) << 30), WriteFile(Path("a.txt"), "a")});
        QTRY_VERIFY_WITH_TIMEOUT(window_->worker().ChunksDone() > 3, kHashTimeoutMs);
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        QTest::qWait(300);
        Screenshot(window_.get(), "main_window_working");

        window_->prefsDialog()->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_->prefsDialog()));
        QTest::qWait(300);
        Screenshot(window_->prefsDialog(), "preferences");
        window_->prefsDialog()->hide();

        window_->selDirDialog()->SelectDirectory(dir_.path());
        window_->selDirDialog()->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_->selDirDialog()));
        QTest::qWait(500);
        Screenshot(window_->selDirDialog(), "select_directory");
        window_->selDirDialog()->hide();
        window_->mnuPauseClick();
        QTRY_VERIFY_WITH_TIMEOUT(!window_->worker().WorkerActive, kHashTimeoutMs);
    }

    // A list named on the command line, checked in its own window, and the
    // links of a file of several parts with the part hashes and AICH root.
    void CheckAndExtrasScreenshots() {
        WriteFile(Path("lists/good.txt"), "hello");
        WriteFile(Path("lists/bad.txt"), "not this");
        const QString list = WriteFile(Path("lists/files.sfv"),
                                       "; by hand\r\ngood.txt 3610A686\r\nbad.txt 3610A686\r\n"
                                       "gone.txt 3610A686\r\n");
        WriteFile(Path("Linkmint.ini"), "[Extras]\r\nAichHash=1\r\nPartHashes=1\r\n");
        Start({list, SparseFile(Path("parts.bin"), 3 * 9'728'000 + 5)});
        TfrmCheckFiles* check = window_->checkFilesDialog();
        QTRY_VERIFY_WITH_TIMEOUT(Idle() && check->isVisible() && !check->Checking(),
                                 kHashTimeoutMs);
        QVERIFY(window_->fileTable().Entries()[0].Link.contains(QStringLiteral("|p=")));
        QVERIFY(QTest::qWaitForWindowExposed(check));
        QTest::qWait(300);
        Screenshot(check, "check_files");
        check->hide();
        QTest::qWait(300);
        Screenshot(window_.get(), "main_window_part_hashes");
        QFile::remove(Path("Linkmint.ini"));
    }
};

QTEST_MAIN(DesktopWindowTest)
#include "desktop_window_test.moc"
