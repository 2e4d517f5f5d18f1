// SPDX-License-Identifier: MIT
// The real linkmint program among things that are not what it expects: a
// Linkmint.ini that is a FIFO or a link to a device, a runtime folder shared
// with another user who laid traps under the predictable names, a start
// lock held for good, a hand-over block taken by another user or cut short,
// and a second start that dies half-way through a long path. Nothing may
// hang for good, crash, or take a wrong path in.
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <functional>
#include <memory>
#include <optional>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "command_line.h"
#include "fault_env.h"
#include "gui_test_support.h"
#include "handover_block.h"
#include "handover_sender.h"
#include "instance_lock.h"
#include "instance_names.h"
#include "path_names.h"

using namespace lm;
using namespace lm::test;

namespace {

constexpr int kProcessTimeoutMs = 60000;
// What "promptly" means for a program told to end: far above the time a
// close takes, far below a hang.
constexpr int kPromptMs = 10000;

// The settings of a first instance that hashes what it is handed, keeps it
// and ends: its Linkmint.ini then tells what reached it.
const QByteArray kTakeAndExit =
    "[Options]\r\nOnCompletion=CopyToClip&Exit\r\nKeepFilesOnExit=1\r\n";

}  // namespace

class HostileNeighboursTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    int tags_ = 0;

    QString Path(const QString& name) const { return dir_.filePath(name); }

    QString UseNewInstanceTag() {
        const QString tag = QStringLiteral("hostile-%1-%2").arg(::getpid()).arg(++tags_);
        qputenv("LINKMINT_INSTANCE", tag.toUtf8());
        return tag;
    }

    // With `asNobody` the program runs as nobody.
    std::unique_ptr<QProcess> Linkmint(const QStringList& arguments, const QString& home,
                                       const QString& runtimeDir = {}, bool asNobody = false) {
        QDir().mkpath(home);
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LINKMINT_HOME"), home);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (!runtimeDir.isEmpty()) {
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
        }
        if (asNobody) {
            env.insert(QStringLiteral("HOME"), home);
            process->setChildProcessModifier([] {
                if (!BecomeNobody()) {
                    ::_exit(126);
                }
            });
        }
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(dir_.path());
        process->start(QStringLiteral(LM_LINKMINT_EXE), arguments);
        return process;
    }

    // Ends a process that did not end by itself, so that a failed test
    // leaves nothing running.
    static void Stop(QProcess& process) {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(kProcessTimeoutMs);
        }
    }

    // A first instance that runs and answers on its socket.
    static bool Answers() {
        HandoverSender sender;
        return sender.Connect(InstanceNames::SocketPath()) &&
               sender.Send(WM_TRAYCALLBACK, kTrayIconId, kTrayLeftButtonUp);
    }

    // What a first instance with kTakeAndExit kept when it ended by itself.
    static bool EndedKeeping(QProcess& first, const QString& home, const QString& file) {
        if (!first.waitForFinished(kProcessTimeoutMs) ||
            first.exitStatus() != QProcess::NormalExit || first.exitCode() != 0) {
            return false;
        }
        return Read(home + QStringLiteral("/Linkmint.ini"))
            .contains("\r\n" + PathToBytes(file) + "\r\n");
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        // Other users (nobody, the second user) reach their files in here.
        QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ExeGroup | QFile::ExeOther);
        const QString runtime = Path("runtime");
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    }

    // A Linkmint.ini that is a FIFO blocked the start for good and one that
    // links to /dev/zero kept it reading for ever, deaf to SIGTERM. Both
    // read as an unreadable file now: the program starts, SIGTERM ends it
    // at once, and neither is written to or replaced.
    void SettingsThatAreNoFileNeverHoldTheStart() {
        struct Case {
            const char* what;
            std::function<bool(const QString&)> make;
            bool isFifo;
        };
        const Case cases[] = {
            {"a FIFO",
             [](const QString& ini) { return ::mkfifo(PathToBytes(ini).constData(), 0600) == 0; },
             true},
            {"a link to /dev/zero",
             [](const QString& ini) { return QFile::link(QStringLiteral("/dev/zero"), ini); },
             false},
        };
        for (const Case& c : cases) {
            UseNewInstanceTag();
            const QString home = Path(QStringLiteral("shape-home-%1").arg(tags_));
            QDir().mkpath(home);
            const QString ini = home + QStringLiteral("/Linkmint.ini");
            QVERIFY2(c.make(ini), c.what);
            auto run = Linkmint({}, home);
            QVERIFY(run->waitForStarted(kProcessTimeoutMs));
            QTest::qWait(1500);  // well into the start, where the settings are read
            QElapsedTimer clock;
            clock.start();
            run->terminate();
            const bool ended = run->waitForFinished(kPromptMs);
            Stop(*run);
            QVERIFY2(ended, qPrintable(QStringLiteral("%1: SIGTERM did not end the start")
                                           .arg(QLatin1StringView(c.what))));
            QCOMPARE(run->exitStatus(), QProcess::NormalExit);
            QVERIFY(clock.elapsed() < kPromptMs);
            struct stat info {};
            QCOMPARE(::lstat(PathToBytes(ini).constData(), &info), 0);
            QVERIFY2(c.isFifo ? S_ISFIFO(info.st_mode) : S_ISLNK(info.st_mode), c.what);
            QCOMPARE(QDir(home).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                     QStringList{QStringLiteral("Linkmint.ini")});
        }
    }

    // XDG_RUNTIME_DIR set to a folder every user may write, like /tmp.
    // Another user made the names a start would use there (they follow
    // from the folder's path), holds the start lock and put a link where
    // the socket goes. The program never goes there: it starts at once, in
    // its private folder, and hashes its file.
    void AnotherUsersTrapsInASharedRuntimeFolderAreAvoided() {
        const QString tag = UseNewInstanceTag();
        const QString shared = Path("shared-runtime");
        QDir().mkpath(shared);
        QCOMPARE(::chmod(PathToBytes(shared).constData(), 01777), 0);
        // The names as they follow from that folder.
        const QByteArray digest =
            QCryptographicHash::hash(QFile::encodeName(shared), QCryptographicHash::Sha256)
                .toHex()
                .left(12);
        const QString stem = shared + QStringLiteral("/linkmint-%1-%2-%3")
                                          .arg(::getuid())
                                          .arg(QString::fromLatin1(digest), tag);

        int ready[2];
        QCOMPARE(::pipe(ready), 0);
        const std::optional<OtherUser> other = SecondUser();
        if (!other) {
            QSKIP("no second local user can be had here (useradd needs root)");
        }
        const QByteArray lock = PathToBytes(stem + QStringLiteral(".lock"));
        const QByteArray alive = PathToBytes(stem + QStringLiteral(".running"));
        const QByteArray decoy = PathToBytes(stem + QStringLiteral(".decoy"));
        const QByteArray socket = PathToBytes(stem + QStringLiteral(".sock"));
        const pid_t trapper = ::fork();
        QVERIFY(trapper >= 0);
        if (trapper == 0) {
            ::alarm(120);
            ::close(ready[0]);
            if (!BecomeUser(*other)) {
                ::_exit(1);
            }
            ::umask(0);
            const int fd = ::open(lock.constData(), O_RDWR | O_CREAT, 0666);
            ::close(::open(alive.constData(), O_RDWR | O_CREAT, 0666));
            ::close(::open(decoy.constData(), O_RDWR | O_CREAT, 0666));
            // Ready only with every trap laid: the link as well as the lock.
            const bool linked = ::symlink(decoy.constData(), socket.constData()) == 0;
            const bool held = linked && fd >= 0 && ::flock(fd, LOCK_EX) == 0;
            const ssize_t told = ::write(ready[1], held ? "1" : "0", 1);
            static_cast<void>(told);
            ::pause();  // holds the lock until it is killed
            ::_exit(0);
        }
        ::close(ready[1]);
        char held = 0;
        QCOMPARE(::read(ready[0], &held, 1), ssize_t{1});
        ::close(ready[0]);
        QCOMPARE(held, '1');
        const QStringList laid =
            QDir(shared).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);

        const QString home = Path("shared-home");
        WriteFile(home + QStringLiteral("/Linkmint.ini"), kTakeAndExit);
        const QString file = WriteFile(Path("shared.txt"), "shared");
        auto run = Linkmint({file}, home, shared);
        const bool ended = run->waitForFinished(30000);
        Stop(*run);
        ::kill(trapper, SIGKILL);
        ::waitpid(trapper, nullptr, 0);
        QVERIFY2(ended, "the start waited on the other user's lock");
        QCOMPARE(run->exitCode(), 0);
        QVERIFY(Read(home + QStringLiteral("/Linkmint.ini")).contains("shared.txt|6|"));
        QCOMPARE(QDir(shared).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                 laid);
    }

    // A start lock that some start holds and never gives back (it hangs):
    // a later start waits a bounded time, says what is wrong and ends with 1.
    void AStartLockHeldForGoodEndsTheWaitWithAMessage() {
        UseNewInstanceTag();
        InstanceLock stuck(InstanceNames::LockPath());
        QVERIFY(stuck.Held());
        QElapsedTimer clock;
        clock.start();
        auto run = Linkmint({WriteFile(Path("waits.txt"), "waits")}, Path("stuck-home"));
        const bool ended = run->waitForFinished(InstanceLock::kDefaultWaitMs + kProcessTimeoutMs);
        Stop(*run);
        QVERIFY2(ended, "the start waited for good");
        QCOMPARE(run->exitStatus(), QProcess::NormalExit);
        QCOMPARE(run->exitCode(), 1);
        const QByteArray said = run->readAllStandardError();
        QVERIFY2(said.contains("has held the start lock") && said.contains("seems to hang"),
                 said.constData());
        QVERIFY(clock.elapsed() >= InstanceLock::kDefaultWaitMs - 1000);
        QVERIFY(!QFile::exists(Path("stuck-home") + QStringLiteral("/Linkmint.ini")));
    }

    // Another user made the block's name first (in /dev/shm every user may
    // make names, and only root may remove another's). The first instance
    // runs without a block, and a second start hands its file over on the
    // socket alone instead of opening a second window. The program runs as
    // nobody here, as a user who cannot remove the other user's block.
    void ABlockNameTakenByAnotherUserLeavesTheSocket() {
        const QString tag = UseNewInstanceTag();
        const std::optional<OtherUser> other = SecondUser();
        if (!IsRoot() || !other) {
            QSKIP("needs root, to act as two other users (nobody, and one made with useradd)");
        }
        // A checkout under a folder closed to other users (root's home) keeps
        // nobody from starting the program at all.
        const int reachable = RunInChild(
            [] { return BecomeNobody() && ::access(LM_LINKMINT_EXE, X_OK) == 0 ? 0 : 1; });
        if (reachable != 0) {
            QSKIP("nobody cannot run " LM_LINKMINT_EXE
                  ": a folder on its way is closed to other users (check out elsewhere "
                  "than /root to run this test)");
        }
        const QString base = Path("taken");
        const QString home = base + QStringLiteral("/home");
        const QString secondHome = base + QStringLiteral("/second-home");
        const QString runtime = base + QStringLiteral("/run");
        for (const QString& folder : {base, home, secondHome, runtime}) {
            QDir().mkpath(folder);
            QCOMPARE(::chown(PathToBytes(folder).constData(), kNobody, kNobody), 0);
        }
        QCOMPARE(::chmod(PathToBytes(runtime).constData(), 0700), 0);
        WriteFile(home + QStringLiteral("/Linkmint.ini"), kTakeAndExit);
        QCOMPARE(::chown(PathToBytes(home + QStringLiteral("/Linkmint.ini")).constData(), kNobody,
                         kNobody),
                 0);
        // The block's name as it follows from nobody's runtime folder.
        const QByteArray name =
            "/eD2K_Memory_Map-" + QByteArray::number(kNobody) + '-' +
            QCryptographicHash::hash(PathToBytes(runtime), QCryptographicHash::Sha256)
                .toHex()
                .left(12) +
            '-' + tag.toUtf8();
        ::shm_unlink(name.constData());
        struct Unlink {
            QByteArray name;
            ~Unlink() { ::shm_unlink(name.constData()); }
        } unlinkAtEnd{name};
        const int made = RunInChild([&] {
            if (!BecomeUser(*other)) {
                return kChildSkipped;
            }
            const int fd = ::shm_open(name.constData(), O_RDWR | O_CREAT | O_EXCL, 0644);
            return fd >= 0 && ::ftruncate(fd, HandoverBlock::kSize) == 0 ? 0 : 1;
        });
        QCOMPARE(made, 0);

        auto asNobody = [&](const QStringList& arguments, const QString& programHome) {
            return Linkmint(arguments, programHome, runtime, true);
        };
        auto first = asNobody({}, home);
        QTRY_VERIFY_WITH_TIMEOUT(RunInChild([&] {
                                     ::setenv("XDG_RUNTIME_DIR", runtime.toUtf8().constData(), 1);
                                     return BecomeNobody() && Answers() ? 0 : 1;
                                 }) == 0,
                                 kProcessTimeoutMs);
        const QString file = WriteFile(base + QStringLiteral("/taken.txt"), "taken");
        auto second = asNobody({file}, secondHome);
        const bool handed = second->waitForFinished(kProcessTimeoutMs);
        Stop(*second);
        const bool kept = EndedKeeping(*first, home, file);
        Stop(*first);
        QVERIFY2(handed, "the second start opened a window of its own");
        QCOMPARE(second->exitCode(), 0);
        QVERIFY2(kept, "the first instance did not take the file");
    }

    // A process of the same user cuts the block short while the window
    // runs. A hand-over through it used to kill the window with SIGBUS; now
    // it is refused (its sender is told) and the window lives on, and a
    // second start that finds the block cut short sends its paths on the
    // socket.
    void ABlockCutShortNeverKillsTheWindow() {
        UseNewInstanceTag();
        const QString home = Path("cut-home");
        WriteFile(home + QStringLiteral("/Linkmint.ini"), kTakeAndExit);
        auto first = Linkmint({}, home);
        QTRY_VERIFY_WITH_TIMEOUT(Answers(), kProcessTimeoutMs);

        HandoverBlock block;
        QVERIFY(block.Open(InstanceNames::BlockName()));
        const QString early = WriteFile(Path("early.txt"), "early");
        QVERIFY(block.WriteText(BuildHandoverMessages({early}).front().text));
        const int fd =
            ::shm_open(QFile::encodeName(InstanceNames::BlockName()).constData(), O_RDWR, 0);
        QVERIFY(fd >= 0);
        QCOMPARE(::ftruncate(fd, 0), 0);
        ::close(fd);
        {
            HandoverSender sender;
            QVERIFY(sender.Connect(InstanceNames::SocketPath()));
            QVERIFY2(!sender.Send(WM_HANDOVER, 1, 0), "a hand-over through a cut block was taken");
        }
        QTest::qWait(300);
        QCOMPARE(first->state(), QProcess::Running);

        const QString file = WriteFile(Path("after-cut.txt"), "after");
        auto second = Linkmint({file}, Path("cut-second-home"));
        const bool handed = second->waitForFinished(kProcessTimeoutMs);
        Stop(*second);
        const bool kept = EndedKeeping(*first, home, file);
        Stop(*first);
        QVERIFY(handed);
        QCOMPARE(second->exitCode(), 0);
        QVERIFY2(kept, "the window died or did not take the file");
        QVERIFY(!Read(home + QStringLiteral("/Linkmint.ini")).contains("early.txt"));
    }

    // A second start handing over a path too long for one message dies
    // after its first piece. Its hand-over is dropped whole (the complete
    // path before the piece too), and the next start's first path arrives
    // as it is, not glued to that piece.
    void ASenderThatDiesHalfWayIsDroppedWhole() {
        UseNewInstanceTag();
        const QString home = Path("dies-home");
        WriteFile(home + QStringLiteral("/Linkmint.ini"), kTakeAndExit);
        auto first = Linkmint({}, home);
        QTRY_VERIFY_WITH_TIMEOUT(Answers(), kProcessTimeoutMs);

        const QString whole = WriteFile(Path("before-the-piece.txt"), "whole");
        const QString longPath = Path(QString(3000, u'p'));
        const std::vector<HandoverMessage> messages = BuildHandoverMessages({whole, longPath});
        QVERIFY(messages.size() >= 3 && messages[1].continues);
        {
            HandoverBlock block;
            QVERIFY(block.Open(InstanceNames::BlockName()));
            HandoverSender dying;
            QVERIFY(dying.Connect(InstanceNames::SocketPath()));
            for (int i = 0; i < 2; ++i) {
                QVERIFY(block.WriteText(messages[i].text));
                const std::uint32_t flags =
                    (messages[i].continues ? kHandoverContinues : 0) | kHandoverMore;
                QVERIFY(
                    dying.Send(WM_HANDOVER, static_cast<std::uint32_t>(messages[i].count), flags));
            }
        }  // the connection ends here, as when its process dies

        const QString file = WriteFile(Path("next.txt"), "next");
        auto second = Linkmint({file}, Path("dies-second-home"));
        const bool handed = second->waitForFinished(kProcessTimeoutMs);
        Stop(*second);
        const bool kept = EndedKeeping(*first, home, file);
        Stop(*first);
        QVERIFY(handed);
        QCOMPARE(second->exitCode(), 0);
        QVERIFY2(kept, "the next start's path did not arrive as it is");
        QVERIFY(!Read(home + QStringLiteral("/Linkmint.ini")).contains("before-the-piece.txt"));
    }
};

QTEST_MAIN(HostileNeighboursTest)
#include "hostile_neighbours_test.moc"
