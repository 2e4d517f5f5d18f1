// SPDX-License-Identifier: MIT
// The window's start and end: what a close before the settings were read
// leaves alone, the stored geometry key by key, a hand-over that shows a box,
// the way back from minimized, and the order of the worker's debug lines.
#include <QDir>
#include <QFile>
#include <QTest>

#include <memory>

#include <unistd.h>

#include "command_line.h"
#include "debug_log.h"
#include "gui_test_support.h"
#include "handover_block.h"
#include "instance_names.h"
#include "stat_bar.h"

using namespace lm;
using namespace lm::test;

namespace {

constexpr int kHashTimeoutMs = 60000;

}  // namespace

class StartupCloseTest : public WindowTest {
    Q_OBJECT

private:
    void WriteIni(const QByteArray& text) { WriteFile(Path("Linkmint.ini"), text); }

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        QFile::remove(Path("Linkmint.ini"));
    }
    void cleanup() { window_.reset(); }

    // The user's file stays as it is when the window closes before it was
    // read: before the first activation, or at its first look at events.
    void CloseBeforeTheSettingsWereReadLeavesThemAlone() {
        const QByteArray ini =
            "[Options]\r\nStripPath=1\r\nKeepFilesOnExit=1\r\n\r\n[File Types]\r\nMine|*.mine\r\n";
        for (int when = 0; when < 3; ++when) {
            WriteIni(ini);
            Make({WriteFile(Path("a.txt"), "a")});
            if (when == 0) {
                window_->close();  // never shown
            } else if (when == 1) {
                QMetaObject::invokeMethod(window_.get(), "close", Qt::QueuedConnection);
                window_->show();  // the close comes before the first activation
            } else {
                window_->show();  // the close comes inside it
                QMetaObject::invokeMethod(window_.get(), "close", Qt::QueuedConnection);
            }
            QTRY_VERIFY(!window_->isVisible());
            QTest::qWait(20);
            QCOMPARE(Read(Path("Linkmint.ini")), ini);
            QCOMPARE(window_->fileTable().FileCount(), 0);  // nothing was taken in
            QVERIFY(!window_->worker().WorkerActive);
            window_.reset();
        }
        // Once read, a close saves them.
        Make({})->show();
        QTRY_COMPARE(window_->StartupPhase(), 0);
        window_->close();
        const QByteArray saved = Read(Path("Linkmint.ini"));
        QVERIFY(saved.contains("StripPath=1\r\n"));
        QVERIFY(saved.contains("\r\nMine|*.mine\r\n"));
    }

    // Files not hashed yet are kept by absolute paths, so that a start from
    // another folder finds them; hashed ones keep their name as it was.
    void UnhashedKeptEntriesAreSavedAbsolute() {
        WriteIni("[Options]\r\nKeepFilesOnExit=1\r\n");
        WriteFile(Path("sub/rel.txt"), "rel");
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir_.path()));
        Make({})->show();
        QTRY_COMPARE(window_->StartupPhase(), 0);
        window_->worker().Paused = true;
        window_->fileTable().AddEntry(QStringLiteral("sub/rel.txt"));
        TFileData hashed;
        hashed.FileName = QStringLiteral("kept/done.txt");
        hashed.Link = QStringLiteral("ed2k://|file|done.txt|1|0123456789ABCDEF0123456789ABCDEF|/");
        hashed.State = fsHashed;
        window_->fileTable().Restore(hashed);
        window_->close();
        QDir::setCurrent(before);
        const QByteArray saved = Read(Path("Linkmint.ini"));
        const QByteArray root = QDir(dir_.path()).canonicalPath().toUtf8();
        QVERIFY2(saved.contains("\r\n" + root + "/sub/rel.txt\r\n"), saved.constData());
        QVERIFY(saved.contains("\r\nkept/done.txt\r\n"));
    }

    void EachStoredSizeKeyAppliesOnItsOwn() {
        Make({});
        const QSize designed = window_->size();
        window_.reset();
        struct Case {
            QByteArray display;
            QSize size;
        };
        const Case cases[] = {
            {"MainWinWidth=600\r\n", QSize(600, designed.height())},
            {"MainWinHeight=300\r\n", QSize(designed.width(), 300)},
            {"MainWinWidth=640\r\nMainWinHeight=410\r\n", QSize(640, 410)},
        };
        for (const Case& c : cases) {
            WriteIni("[Display]\r\nMainWinTop=40\r\nMainWinLeft=30\r\n" + c.display);
            Make({})->show();
            QTRY_COMPARE(window_->StartupPhase(), 0);
            QCOMPARE(window_->size(), c.size);
            QCOMPARE(window_->geometry().topLeft(), QPoint(30, 40));
            window_.reset();
        }
    }

    void BroughtForwardAMaximizedWindowStaysMaximized() {
        Make({})->show();
        QTRY_COMPARE(window_->StartupPhase(), 0);
        window_->showMaximized();
        QTRY_VERIFY(window_->isMaximized());
        window_->showMinimized();
        QTRY_VERIFY(window_->isMinimized());
        window_->HandoverMessage(WM_TRAYCALLBACK, kTrayIconId, kTrayLeftButtonUp);
        QTRY_VERIFY(!window_->isMinimized());
        QVERIFY(window_->isMaximized());
        QVERIFY(window_->isVisible());
    }

    // A handed-over folder whose mask is invalid: the box comes after the
    // sender has been answered, never inside the socket's handler.
    void HandedOverPathsAreAddedAfterTheAnswer() {
        qputenv("LINKMINT_INSTANCE", QByteArray("startup-close-") + QByteArray::number(::getpid()));
        HandoverBlock::Remove(InstanceNames::BlockName());
        HandoverBlock block;
        QVERIFY(block.Create(InstanceNames::BlockName()));
        WriteIni("[Options]\r\nDefaultType=1\r\n\r\n[File Types]\r\nBad|[a-\r\n");
        const QString folder = Path("folder");
        WriteFile(folder + QStringLiteral("/inside.txt"), "inside");
        const QString file = WriteFile(Path("plain.txt"), "plain");
        Make({}, &block)->show();
        QTRY_COMPARE(window_->StartupPhase(), 0);

        bool inHandler = false;
        bool boxInHandler = false;
        window_->messageBoxHook = [&](const QString& text) {
            boxInHandler = boxInHandler || inHandler;
            window_->boxes << text;
        };
        QVERIFY(block.WriteText(BuildHandoverMessages({folder, file}).front().text));
        inHandler = true;
        window_->HandoverMessage(WM_HANDOVER, 2, 0);
        inHandler = false;
        QCOMPARE(window_->fileTable().FileCount(), 0);  // not yet
        QTRY_COMPARE(window_->boxes.size(), 1);
        QVERIFY(!boxInHandler);
        QVERIFY(window_->boxes.first().startsWith(QStringLiteral("Error: ")));
        QTRY_VERIFY_WITH_TIMEOUT(
            window_->fileTable().FileCount() == 1 && !window_->worker().WorkerActive,
            kHashTimeoutMs);
        QCOMPARE(window_->fileTable().Entries().first().FileName, file);
    }

    // "Fixing" follows "Checking" at once, before the worker's next step.
    void DebugLogKeepsTheWorkersOrder() {
        Make({QStringLiteral("/debug"), WriteFile(Path("a.txt"), "a"),
              WriteFile(Path("a much longer name than the first.txt"), "b")})
            ->show();
        QTRY_VERIFY_WITH_TIMEOUT(window_->StartupPhase() == 0 && !window_->worker().WorkerActive &&
                                     window_->fileTable().FilesRemaining() == 0,
                                 kHashTimeoutMs);
        const QList<QByteArray> lines = Read(Path(kDebugLogFileName)).split('\n');
        int checks = 0;
        int fixes = 0;
        for (int i = 0; i + 1 < lines.size(); ++i) {
            if (lines[i] == "Checking DatLst scroll width.\r") {
                ++checks;
                QByteArray next = lines[i + 1];
                if (next == "Fixing DatLst scroll width.\r") {
                    ++fixes;
                    next = lines.value(i + 2);
                }
                QCOMPARE(next, QByteArray("Adding remaining hashes to lists.\r"));
            }
        }
        QCOMPARE(checks, 2);
        QCOMPARE(fixes, 2);  // each link is wider than the one before
    }
};

QTEST_MAIN(StartupCloseTest)
#include "startup_close_test.moc"
