// SPDX-License-Identifier: MIT
// The real linkmint program as other programs meet it: started and signalled
// at any moment of its start, given names that look like Qt's options, and
// met by later starts while it is busy or in a session of its own.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <memory>

#include <unistd.h>

#include "gui_test_support.h"
#include "handover_block.h"
#include "handover_server.h"
#include "instance_lock.h"
#include "instance_names.h"

using namespace lm;
using namespace lm::test;

namespace {

constexpr int kProcessTimeoutMs = 60000;

// What a first instance holds, without its window: the lock that says it
// lives and its hand-over block.
struct HeldInstance {
    InstanceLock alive{InstanceNames::AlivePath(), InstanceLock::Wait::No};
    HandoverBlock block;
    HeldInstance() { block.Create(InstanceNames::BlockName()); }
};

}  // namespace

class LinkmintProcessTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    int tags_ = 0;

    QString Path(const QString& name) const { return dir_.filePath(name); }

    void UseNewInstanceTag() {
        qputenv("LINKMINT_INSTANCE",
                QStringLiteral("process-%1-%2").arg(::getpid()).arg(++tags_).toUtf8());
    }

    std::unique_ptr<QProcess> Linkmint(const QStringList& arguments, const QString& home,
                                       const QString& workingDir = {},
                                       const QString& runtimeDir = {}) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LINKMINT_HOME"), home);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (!runtimeDir.isEmpty()) {
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
        }
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(workingDir.isEmpty() ? dir_.path() : workingDir);
        process->start(QStringLiteral(LM_LINKMINT_EXE), arguments);
        return process;
    }

    static bool Finish(QProcess& process) {
        return process.state() == QProcess::NotRunning ||
               process.waitForFinished(kProcessTimeoutMs);
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        qputenv("XDG_RUNTIME_DIR", dir_.path().toUtf8());
    }

    // SIGTERM at any moment of the start, from before the settings are read
    // to after: the user's Linkmint.ini is never replaced by defaults.
    void SignalDuringStartNeverReplacesTheSettings() {
        UseNewInstanceTag();
        const QString home = Path("signal-home");
        QDir().mkpath(home);
        const QString ini = home + QStringLiteral("/Linkmint.ini");
        WriteFile(ini,
                  "[Options]\r\nStripPath=1\r\nTrailingSlash=0\r\nPresortFiles=1\r\n"
                  "DefaultType=2\r\nThreadPriority=3\r\nOnCompletion=CopyToClip&Exit\r\n"
                  "KeepFilesOnExit=1\r\n\r\n[File Types]\r\nOne|*.one\r\nTwo|*.two;*.2\r\n");
        // A first run hashes a file, keeps it and closes itself: the file is
        // then in the program's own form, which a load and save reproduce.
        QElapsedTimer clock;
        clock.start();
        auto first = Linkmint({WriteFile(Path("kept.two"), "kept")}, home);
        QVERIFY(Finish(*first));
        QCOMPARE(first->exitCode(), 0);
        const qint64 oneRunMs = std::max<qint64>(clock.elapsed(), 50);
        const QByteArray reference = Read(ini);
        QVERIFY(reference.contains("[Hashed Files]\r\ned2k://|file|kept.two|4|"));

        // The same start, signalled at twenty moments spread over it.
        WriteFile(ini, QByteArray(reference).replace("CopyToClip&Exit", "GoIdle"));
        const QByteArray idleReference = Read(ini);
        int ended = 0;
        for (int step = 0; step <= 20; ++step) {
            auto run = Linkmint({}, home);
            QVERIFY(run->waitForStarted(kProcessTimeoutMs));
            QTest::qWait(static_cast<int>(oneRunMs * step / 16));
            run->terminate();
            QVERIFY2(Finish(*run), qPrintable(QString::number(step)));
            ended += run->exitStatus() == QProcess::NormalExit ? 1 : 0;
            QCOMPARE(Read(ini), idleReference);
        }
        QVERIFY(ended > 0);  // some of them were past the signal handler's setup
    }

    // Every argument is a path: Qt takes none of them for its own options.
    void NamesLikeQtOptionsAreFiles() {
        UseNewInstanceTag();
        const QString home = Path("options-home");
        QDir().mkpath(home);
        WriteFile(home + QStringLiteral("/Linkmint.ini"),
                  "[Options]\r\nOnCompletion=CopyToClip&Exit\r\nKeepFilesOnExit=1\r\n");
        const QString work = Path("options-work");
        QDir().mkpath(work);
        const QStringList names = {QStringLiteral("-reverse"), QStringLiteral("-platform"),
                                   QStringLiteral("xcb"), QStringLiteral("-style"),
                                   QStringLiteral("--help")};
        for (const QString& name : names) {
            WriteFile(work + u'/' + name, name.toUtf8());
        }
        auto run = Linkmint(names, home, work);
        QVERIFY(Finish(*run));
        QCOMPARE(run->exitStatus(), QProcess::NormalExit);
        QCOMPARE(run->exitCode(), 0);
        const QByteArray saved = Read(home + QStringLiteral("/Linkmint.ini"));
        for (const QString& name : names) {
            QVERIFY2(saved.contains("\r\n" + name.toUtf8() + "\r\n"), qPrintable(name));
        }
    }

    // An instance that lives but does not answer is left alone: the later
    // start says so and ends, and takes nothing of the running one.
    void LiveInstanceIsNeverTakenForDead() {
        UseNewInstanceTag();
        HeldInstance running;
        QVERIFY(running.alive.Held() && running.block.IsOpen());
        auto start = Linkmint({WriteFile(Path("busy.txt"), "busy")}, Path("busy-home"));
        QVERIFY(Finish(*start));
        QCOMPARE(start->exitCode(), 1);
        QVERIFY(start->readAllStandardError().contains("did not take the files"));
        HandoverBlock still;
        QVERIFY(still.Open(InstanceNames::BlockName()));

        // One that answers slowly gets the files all the same.
        QStringList received;
        HandoverServer server([&](std::uint32_t message, std::uint32_t wParam, std::uint32_t) {
            QTest::qSleep(1500);
            if (message == WM_HANDOVER) {
                received << running.block.ReadPaths(static_cast<int>(wParam));
            }
        });
        QVERIFY(server.Listen(InstanceNames::SocketPath()));
        const QString slow = WriteFile(Path("slow.txt"), "slow");
        auto patient = Linkmint({slow}, Path("busy-home"));
        QTRY_VERIFY_WITH_TIMEOUT(patient->state() == QProcess::NotRunning, kProcessTimeoutMs);
        QCOMPARE(patient->exitCode(), 0);
        QCOMPARE(received, QStringList{slow});
    }

    // Two sessions of one user, each with its runtime folder: two instances.
    void EachRuntimeFolderHasItsOwnInstance() {
        UseNewInstanceTag();
        const QString other = Path("other-runtime");
        QDir().mkpath(other);
        QFile::setPermissions(other, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString block = InstanceNames::BlockName();
        const QStringList here = {block, InstanceNames::SocketPath(), InstanceNames::LockPath(),
                                  InstanceNames::AlivePath()};
        qputenv("XDG_RUNTIME_DIR", other.toUtf8());
        const QStringList there = {InstanceNames::BlockName(), InstanceNames::SocketPath(),
                                   InstanceNames::LockPath(), InstanceNames::AlivePath()};
        qputenv("XDG_RUNTIME_DIR", dir_.path().toUtf8());
        for (int i = 0; i < here.size(); ++i) {
            QVERIFY2(here[i] != there[i], qPrintable(here[i]));
        }

        HeldInstance running;
        QStringList received;
        HandoverServer server([&](std::uint32_t message, std::uint32_t wParam, std::uint32_t) {
            if (message == WM_HANDOVER) {
                received << running.block.ReadPaths(static_cast<int>(wParam));
            }
        });
        QVERIFY(server.Listen(InstanceNames::SocketPath()));
        // A start in the other session runs its own window ...
        auto own = Linkmint({WriteFile(Path("own.txt"), "own")}, Path("own-home"), {}, other);
        QTest::qWait(1000);
        QCOMPARE(own->state(), QProcess::Running);
        QCOMPARE(received, QStringList());
        // ... and a start in this one still reaches the instance here.
        const QString mine = WriteFile(Path("mine.txt"), "mine");
        auto later = Linkmint({mine}, Path("own-home"));
        QTRY_VERIFY_WITH_TIMEOUT(later->state() == QProcess::NotRunning, kProcessTimeoutMs);
        QCOMPARE(later->exitCode(), 0);
        QCOMPARE(received, QStringList{mine});
        own->terminate();
        QVERIFY(Finish(*own));
        QCOMPARE(own->exitStatus(), QProcess::NormalExit);
    }
};

QTEST_MAIN(LinkmintProcessTest)
#include "linkmint_process_test.moc"
