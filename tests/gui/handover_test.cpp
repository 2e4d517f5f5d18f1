// SPDX-License-Identifier: MIT
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "command_line.h"
#include "dat_lst.h"
#include "gui_test_support.h"
#include "handover_block.h"
#include "handover_sender.h"
#include "handover_server.h"
#include "hashing_worker.h"
#include "instance_names.h"
#include "single_instance.h"
#include "stat_bar.h"

using namespace lm;
using namespace lm::test;

namespace {

constexpr int kProcessTimeoutMs = 60000;

QString Text(const std::u16string& units) {
    return QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()));
}

// What the receiver makes of a run of messages.
QStringList Receive(const std::vector<HandoverMessage>& messages) {
    QStringList paths;
    QString pending;
    for (const HandoverMessage& message : messages) {
        QStringList piece = ParseHandoverText(message.text.data(),
                                              static_cast<int>(message.text.size()), message.count);
        if (!pending.isEmpty()) {
            piece.first().prepend(pending);
            pending.clear();
        }
        if (message.continues) {
            pending = piece.takeLast();
        }
        paths << piece;
    }
    return paths;
}

}  // namespace

class HandoverTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString Path(const QString& name) const { return dir_.filePath(name); }

    // A set of instances of our own, apart from any real running program.
    void UseInstanceTag(const QString& tag) {
        qputenv("LINKMINT_INSTANCE",
                QStringLiteral("guitest-%1-%2").arg(::getpid()).arg(tag).toUtf8());
    }

    QProcess* SecondStart(const QStringList& arguments, const QString& home,
                          const QString& workingDir = {},
                          const QList<std::pair<QString, QString>>& extraEnv = {}) {
        auto* process = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LINKMINT_HOME"), home);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.remove(QStringLiteral("XDG_ACTIVATION_TOKEN"));
        env.remove(QStringLiteral("DESKTOP_STARTUP_ID"));
        for (const auto& [name, value] : extraEnv) {
            env.insert(name, value);
        }
        process->setProcessEnvironment(env);
        if (!workingDir.isEmpty()) {
            process->setWorkingDirectory(workingDir);
        }
        process->start(QStringLiteral(LM_LINKMINT_EXE), arguments);
        return process;
    }

    // Long names, so that all of them need several hand-over messages.
    QStringList LongNamedFiles(const QString& prefix, int count) {
        QStringList files;
        for (int i = 0; i < count; ++i) {
            files << WriteFile(Path("%1-%2-%3.txt").arg(prefix).arg(i).arg(QString(150, u'n')),
                               QByteArray::number(i));
        }
        return files;
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        qputenv("XDG_RUNTIME_DIR", dir_.path().toUtf8());
    }

    void CommandLineSplitting() {
        QCOMPARE(SplitCommandLine(u"prog  \"C:\\My Files\\a b.avi\" c.avi"),
                 QStringList({"prog", "C:\\My Files\\a b.avi", "c.avi"}));
        QCOMPARE(SplitCommandLine(u"prog\ta\x01"
                                  "b\x1f"
                                  "c"),
                 QStringList({"prog", "a", "b", "c"}));
        QCOMPARE(SplitCommandLine(u"prog a\"b c\"d \"\" \"\"e  "),
                 QStringList({"prog", "ab cd", "e"}));
        QCOMPARE(SplitCommandLine(u"prog \"open"), QStringList({"prog", "open"}));
        QCOMPARE(SplitCommandLine(u"   "), QStringList());
    }

    void HandoverTextThatFitsUsesOneMessage() {
        const auto messages = BuildHandoverMessages({"/a", "/DeBuG", "/b c", "-debug"});
        QCOMPARE(messages.size(), std::size_t(1));
        QCOMPARE(Text(messages[0].text), QString::fromUtf16(u"/a\0/b c\0-debug\0\0", 16));
        QCOMPARE(messages[0].count, 3);
        QVERIFY(!messages[0].continues);

        const auto none = BuildHandoverMessages({"/debug"});
        QCOMPARE(none.size(), std::size_t(1));
        QCOMPARE(none[0].count, 0);
        QCOMPARE(Text(none[0].text), QString(QChar(0)));
    }

    void LongHandoverTextIsSplitNeverCut() {
        QStringList many;
        for (int i = 0; i < 40; ++i) {
            many << QStringLiteral("/some/dir/%1-%2").arg(i).arg(QString(150, u'x'));
        }
        const auto messages = BuildHandoverMessages(many);
        QVERIFY(messages.size() > 1);
        for (const HandoverMessage& message : messages) {
            QVERIFY(message.text.size() <= std::size_t(kHandoverTextUnits));
            QVERIFY(!message.continues);
            QCOMPARE(message.text.back(), u'\0');
        }
        QCOMPARE(Receive(messages), many);

        const QString huge = QStringLiteral("/") + QString(5000, u'h');
        const auto pieces = BuildHandoverMessages({"/first", huge, "/last"});
        QVERIFY(pieces.size() >= 3);
        for (const HandoverMessage& message : pieces) {
            QVERIFY(message.text.size() <= std::size_t(kHandoverTextUnits));
        }
        QCOMPARE(Receive(pieces), QStringList({"/first", huge, "/last"}));
    }

    void BlockLayoutAndAccess() {
        UseInstanceTag(QStringLiteral("block"));
        const QString name = InstanceNames::BlockName();
        QVERIFY(name.endsWith(QStringLiteral("-block")));
        HandoverBlock::Remove(name);
        {
            HandoverBlock block;
            QVERIFY(block.Create(name));
            struct stat info {};
            QCOMPARE(::stat(QFile::encodeName("/dev/shm" + name).constData(), &info), 0);
            QCOMPARE(int(info.st_mode & 0777), 0600);
            QCOMPARE(qint64(info.st_size), qint64(HandoverBlock::kSize));
            HandoverBlock again;
            QVERIFY(!again.Create(name));

            HandoverBlock other;
            QVERIFY(other.Open(name));
            block.WriteU32(HandoverBlock::kMainHandleOffset, 0x11223344);
            QCOMPARE(other.ReadU32(HandoverBlock::kMainHandleOffset), 0x11223344u);
            QVERIFY(other.WriteText(std::u16string(u"/x\0/y\u00e9\0\0", 7)));
            QCOMPARE(block.ReadPaths(2), QStringList({"/x", QStringLiteral("/y\u00e9")}));
            QVERIFY(!other.WriteText(std::u16string(2049, u'a')));

            // An area without any 0: reading stops at its end.
            QVERIFY(other.WriteText(std::u16string(2048, u'z')));
            QCOMPARE(block.ReadPaths(3), QStringList{QString(2048, u'z')});
        }
        // The maker drops the name when it ends.
        HandoverBlock gone;
        QVERIFY(!gone.Open(name));
    }

    void SecondStartsHandTheirPathsOver() {
        UseInstanceTag(QStringLiteral("live"));
        SingleInstance instance;
        QCOMPARE(instance.Start({}), SingleInstance::Role::First);
        QVERIFY(instance.Block() != nullptr);
        RecordingWindow window({}, Path("home/"), instance.Block());
        window.messageBoxHook = [&window](const QString& text) { window.boxes << text; };
        HandoverServer server([&window](std::uint32_t m, std::uint32_t w, std::uint32_t l) {
            window.HandoverMessage(m, w, l);
        });
        QVERIFY(server.Listen(InstanceNames::SocketPath()));
        window.show();
        instance.Publish(static_cast<std::uint32_t>(::getpid()), 1);
        QTRY_COMPARE(window.StartupPhase(), 0);

        const QString a = WriteFile(Path("a.txt"), "a");
        const QString b = WriteFile(Path("b.txt"), "b");
        QProcess* second =
            SecondStart({a, QStringLiteral("/debug"), Path("missing"), b}, Path("home2"));
        QTRY_VERIFY_WITH_TIMEOUT(second->state() == QProcess::NotRunning, kProcessTimeoutMs);
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(window.fileTable().FileCount() == 2, kProcessTimeoutMs);
        QCOMPARE(window.fileTable().Entries()[0].FileName, a);
        QCOMPARE(window.fileTable().Entries()[1].FileName, b);
        QVERIFY(!window.DebugLogging());
        QCOMPARE(window.boxes, QStringList());  // a missing path is skipped silently

        // Two long hand-overs at the same moment: every path arrives whole.
        const QStringList first = LongNamedFiles(QStringLiteral("p"), 30);
        const QStringList other = LongNamedFiles(QStringLiteral("q"), 30);
        QVERIFY(first.join(QChar(0)).size() > 5000);
        QProcess* one = SecondStart(first, Path("home2"));
        QProcess* two = SecondStart(other, Path("home2"));
        QTRY_VERIFY_WITH_TIMEOUT(
            one->state() == QProcess::NotRunning && two->state() == QProcess::NotRunning,
            kProcessTimeoutMs);
        QCOMPARE(one->exitCode(), 0);
        QCOMPARE(two->exitCode(), 0);
        QStringList names;
        for (const TFileData& entry : window.fileTable().Entries()) {
            names << entry.FileName;
        }
        QCOMPARE(names.size(), 62);
        for (const QString& path : first + other) {
            QVERIFY2(names.contains(path), qPrintable(path));
        }

        // One path longer than the whole text area travels in pieces.
        QString deep = dir_.path();
        for (int level = 0; level < 10; ++level) {
            deep += u'/' + QString(250, QChar(u'a' + level));
        }
        const QString longPath = WriteFile(deep + QStringLiteral("/long.txt"), "long");
        QVERIFY(longPath.size() > kHandoverTextUnits);
        QProcess* third = SecondStart({longPath, a}, Path("home2"));
        QTRY_VERIFY_WITH_TIMEOUT(third->state() == QProcess::NotRunning, kProcessTimeoutMs);
        QCOMPARE(third->exitCode(), 0);
        QCOMPARE(window.fileTable().FileCount(), 64);
        QCOMPARE(window.fileTable().Entries()[62].FileName, longPath);
        QCOMPARE(window.fileTable().Entries()[63].FileName, a);
        QTRY_VERIFY_WITH_TIMEOUT(
            window.fileTable().FilesRemaining() == 0 && !window.worker().WorkerActive,
            kProcessTimeoutMs);
    }

    // A second start from another folder, as a launcher starts it: its
    // relative paths arrive absolute, and the launcher's tokens reach the
    // window when it comes forward; a later start without any gives none.
    void SecondStartFromElsewherePassesTokensAndAbsolutePaths() {
        UseInstanceTag(QStringLiteral("tokens"));
        SingleInstance instance;
        QCOMPARE(instance.Start({}), SingleInstance::Role::First);
        RecordingWindow window({}, Path("home/"), instance.Block());
        QList<ActivationTokens> activations;
        window.activationHook = [&activations](const ActivationTokens& tokens) {
            activations << tokens;
        };
        HandoverServer server([&window](std::uint32_t m, std::uint32_t w, std::uint32_t l) {
            window.HandoverMessage(m, w, l);
        });
        QVERIFY(server.Listen(InstanceNames::SocketPath()));
        window.show();
        instance.Publish(static_cast<std::uint32_t>(::getpid()), 1);
        QTRY_COMPARE(window.StartupPhase(), 0);

        const QString file = WriteFile(Path("elsewhere/sub/rel.txt"), "rel");
        const QString token = QStringLiteral("wayland-token_0123:abc");
        const QString startupId = QStringLiteral("launcher-42_TIME123456");
        QProcess* second =
            SecondStart({QStringLiteral("./sub//rel.txt")}, Path("home2"), Path("elsewhere"),
                        {{QStringLiteral("XDG_ACTIVATION_TOKEN"), token},
                         {QStringLiteral("DESKTOP_STARTUP_ID"), startupId}});
        QTRY_VERIFY_WITH_TIMEOUT(second->state() == QProcess::NotRunning, kProcessTimeoutMs);
        QCOMPARE(second->exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(window.fileTable().FileCount(), 1, kProcessTimeoutMs);
        QCOMPARE(window.fileTable().Entries()[0].FileName, file);
        QCOMPARE(activations.size(), 1);
        QCOMPARE(activations[0].xdgActivation, token);
        QCOMPARE(activations[0].startupId, startupId);

        // No tokens, or ones no launcher makes (a blank, a control
        // character), give a plain activation.
        QProcess* third =
            SecondStart({}, Path("home2"), {},
                        {{QStringLiteral("XDG_ACTIVATION_TOKEN"), QStringLiteral("two words")},
                         {QStringLiteral("DESKTOP_STARTUP_ID"), QStringLiteral("bell\a")}});
        QTRY_VERIFY_WITH_TIMEOUT(third->state() == QProcess::NotRunning, kProcessTimeoutMs);
        QCOMPARE(third->exitCode(), 0);
        QCOMPARE(activations.size(), 2);
        QVERIFY(activations[1].IsEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(
            window.fileTable().FilesRemaining() == 0 && !window.worker().WorkerActive,
            kProcessTimeoutMs);
    }

    // Without a block the second start can trust, its tokens and paths go
    // on the socket with their messages.
    void TokensAndPathsTravelOnTheSocketWithoutABlock() {
        UseInstanceTag(QStringLiteral("tokens-socket"));
        SingleInstance instance;
        QCOMPARE(instance.Start({}), SingleInstance::Role::First);
        HandoverBlock::Remove(InstanceNames::BlockName());
        RecordingWindow window({}, Path("home5/"), nullptr);
        QList<ActivationTokens> activations;
        window.activationHook = [&activations](const ActivationTokens& tokens) {
            activations << tokens;
        };
        HandoverServer server(
            [&window](const HandoverPacket& packet) { return window.HandoverArrived(packet); },
            [&window](std::uint64_t connection) { window.HandoverEnded(connection); });
        QVERIFY(server.Listen(InstanceNames::SocketPath()));
        window.show();
        instance.Publish(static_cast<std::uint32_t>(::getpid()), 1);
        QTRY_COMPARE(window.StartupPhase(), 0);

        const QString file = WriteFile(Path("socket/rel.txt"), "rel");
        const QString token = QStringLiteral("wayland-token_socket");
        QProcess* second = SecondStart({QStringLiteral("rel.txt")}, Path("home6"), Path("socket"),
                                       {{QStringLiteral("XDG_ACTIVATION_TOKEN"), token}});
        QTRY_VERIFY_WITH_TIMEOUT(second->state() == QProcess::NotRunning, kProcessTimeoutMs);
        QCOMPARE(second->exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(window.fileTable().FileCount(), 1, kProcessTimeoutMs);
        QCOMPARE(window.fileTable().Entries()[0].FileName, file);
        QCOMPARE(activations.size(), 1);
        QCOMPARE(activations[0].xdgActivation, token);
        QTRY_VERIFY_WITH_TIMEOUT(
            window.fileTable().FilesRemaining() == 0 && !window.worker().WorkerActive,
            kProcessTimeoutMs);
    }

    void HandoverDuringStartupKeepsTheCountRight() {
        UseInstanceTag(QStringLiteral("early"));
        HandoverBlock::Remove(InstanceNames::BlockName());
        HandoverBlock block;
        QVERIFY(block.Create(InstanceNames::BlockName()));
        const QString big = SparseFile(Path("early-big.bin"), qint64(300) << 20);
        const QString small = WriteFile(Path("early-small.txt"), "small");
        RecordingWindow window({Path("early-missing"), small}, Path("home4/"), &block);
        // The error box of the first argument lets events through; a
        // hand-over arrives then and its file is being hashed at once.
        window.messageBoxHook = [&](const QString& text) {
            window.boxes << text;
            const HandoverMessage message = BuildHandoverMessages({big}).front();
            QVERIFY(block.WriteText(message.text));
            window.HandoverMessage(WM_HANDOVER, 1, 0);
            QTRY_VERIFY(window.worker().ChunksDone() > 0);
        };
        window.show();
        QTRY_COMPARE(window.StartupPhase(), 0);
        QCOMPARE(window.boxes.size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(
            !window.worker().WorkerActive && window.fileTable().FilesRemaining() == 0 &&
                window.statBar()->PanelText(1) == QStringLiteral("Idle: click here to add files"),
            kProcessTimeoutMs);
        for (const QString& text : window.panel1) {
            QVERIFY2(!text.contains(u'-'), qPrintable(text));
        }
        const QList<TFileData> entries = window.fileTable().Entries();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[0].FileName, big);
        QCOMPARE(entries[0].State, int(fsHashed));
        QCOMPARE(entries[1].State, int(fsHashed));
    }

    // The count in the status bar takes handed-over files in at once, not
    // when the next file is finished: here none is, the queue is paused.
    void HandedOverFilesAreCountedAtOnce() {
        UseInstanceTag(QStringLiteral("count"));
        HandoverBlock::Remove(InstanceNames::BlockName());
        HandoverBlock block;
        QVERIFY(block.Create(InstanceNames::BlockName()));
        const QString first = WriteFile(Path("count-1.txt"), "1");
        RecordingWindow window({first}, Path("home5/"), &block);
        // The worker's end report is the last of what it handed the window:
        // after it nothing of that run (its idle text) comes in any more.
        QSignalSpy ended(&window.worker(), &HashingWorker::threadEnded);
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.StartupPhase() == 0 && !window.worker().WorkerActive &&
                                     window.fileTable().FilesRemaining() == 0 && ended.count() > 0,
                                 kProcessTimeoutMs);
        QCOMPARE(window.statBar()->PanelText(0), QStringLiteral("1 file"));
        window.worker().Paused = true;  // nothing finishes from here on
        const QStringList more = {WriteFile(Path("count-2.txt"), "2"),
                                  WriteFile(Path("count-3.txt"), "3")};
        const HandoverMessage message = BuildHandoverMessages(more).front();
        QVERIFY(block.WriteText(message.text));
        window.HandoverMessage(WM_HANDOVER, 2, 0);
        QTRY_COMPARE(window.fileTable().FileCount(), 3);
        QTRY_COMPARE(window.statBar()->PanelText(0), QStringLiteral("3 files"));
        QCOMPARE(window.statBar()->PanelText(1), QStringLiteral("Paused: 2 files remaining"));
    }

    void FirstInstanceWithoutBlockStillRuns() {
        // A name the system refuses for shared memory.
        UseInstanceTag(QStringLiteral("no/such/name"));
        SingleInstance instance;
        QCOMPARE(instance.Start({}), SingleInstance::Role::First);
        QVERIFY(instance.Block() == nullptr);
        RecordingWindow window({}, Path("home3/"), instance.Block());
        window.show();
        QTRY_COMPARE(window.StartupPhase(), 0);
        window.HandoverMessage(WM_HANDOVER, 3, 0);
        QCOMPARE(window.fileTable().FileCount(), 0);
    }

    void StaleBlockDoesNotLockOutLaterStarts() {
        UseInstanceTag(QStringLiteral("stale"));
        const QString name = InstanceNames::BlockName();
        // What a crashed instance leaves: the block, with its handles, and
        // nobody listening.
        const QByteArray shm = QFile::encodeName(name);
        ::shm_unlink(shm.constData());
        const int fd = ::shm_open(shm.constData(), O_RDWR | O_CREAT | O_EXCL, 0600);
        QVERIFY(fd >= 0);
        QCOMPARE(::ftruncate(fd, HandoverBlock::kSize), 0);
        ::close(fd);
        {
            HandoverBlock left;
            QVERIFY(left.Open(name));
            left.WriteU32(HandoverBlock::kAppHandleOffset, 999999);
            left.WriteU32(HandoverBlock::kMainHandleOffset, 12345);
        }
        WriteFile(InstanceNames::SocketPath(), "not a socket");

        const QString home = Path("stale-home");
        QDir().mkpath(home);
        QProcess* start = SecondStart({WriteFile(Path("s.txt"), "s")}, home);
        // It became the running instance: it answers on the socket.
        QTRY_VERIFY_WITH_TIMEOUT(
            [] {
                HandoverSender sender;
                return sender.Connect(InstanceNames::SocketPath()) &&
                       sender.Send(WM_TRAYCALLBACK, kTrayIconId, kTrayLeftButtonUp);
            }(),
            kProcessTimeoutMs);
        QCOMPARE(start->state(), QProcess::Running);
        // SIGTERM closes it like its close box: the settings are saved.
        start->terminate();
        QVERIFY(start->waitForFinished(kProcessTimeoutMs));
        QCOMPARE(start->exitStatus(), QProcess::NormalExit);
        QCOMPARE(start->exitCode(), 0);
        QVERIFY(QFile::exists(home + QStringLiteral("/Linkmint.ini")));
        HandoverBlock after;
        QVERIFY(!after.Open(name));
    }
};

QTEST_MAIN(HandoverTest)
#include "handover_test.moc"
