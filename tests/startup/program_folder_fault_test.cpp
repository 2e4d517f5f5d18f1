// SPDX-License-Identifier: MIT
// Linkmint.ini and the debug log in a program folder that is read-only or
// full, and saves that are killed half-way. Each situation is set up in a
// forked child: a read-only or small mount in a private mount table when
// root may mount, a file-size limit (which fails writes as a full disk
// does), or the rights of nobody.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "debug_log.h"
#include "fault_env.h"
#include "file_bytes.h"
#include "ini_file.h"
#include "temp_dir.h"

namespace lm {
namespace {

using test::kChildSkipped;
using test::kOldFileChanged;
using test::kOtherFileLeft;
using test::kSaveClaimedSuccess;
using test::kTempFileLeft;
using test::RunInChild;

using test::ReadFile;
using test::WriteFile;

// Settings with `count` kept entries, so that the file is large.
struct Contents {
    SettingsValues values;
    QList<TFileData> files;
    QByteArray bytes;
};

Contents MakeContents(int count, int variant) {
    Contents c;
    c.values.keepFilesOnExit = true;
    c.values.mainWinTop = 10 + variant;
    c.values.defaultDirectory = QStringLiteral("/srv/media/%1").arg(variant);
    for (int i = 0; i < count; ++i) {
        TFileData e;
        e.FileName = QStringLiteral("/srv/media/season %1/episode %2 [%3].mkv")
                         .arg(variant)
                         .arg(i)
                         .arg(i * 7919 + variant, 8, 16, QChar(u'0'));
        e.Link = QStringLiteral("ed2k://|file|episode %1.mkv|%2|%3|/")
                     .arg(i)
                     .arg(100000 + i)
                     .arg(QString(32, QChar(u'A' + (i + variant) % 6)));
        e.Hashes =
            HashTexts(QByteArray::number(i * 31 + variant, 16).rightJustified(8, '0').toUpper(),
                      QByteArray(32, 'B'), QByteArray(40, 'C'));
        e.State = fsHashed;
        e.CRCStatus = crcMatches;
        e.FileSize = 100000 + i;
        e.Selected = i % 3 == 0;
        c.files << e;
    }
    c.bytes = IniFileContents(c.values, c.files);
    return c;
}

class ProgramFolderFaultTest : public ::testing::Test {
protected:
    QString Dir() const { return QString::fromStdString(dir_.Path().string()) + u'/'; }
    QString IniPath() const { return Dir() + QLatin1String(kIniFileName); }
    QString TempPath() const { return Dir() + QLatin1String(kIniTempFileName); }

    // Saves `next` over `old` and tells what went wrong, as seen from the
    // calling process.
    int SaveAndCheck(const Contents& next, const QByteArray& old) const {
        int found = 0;
        if (SaveIniFile(next.values, next.files, Dir())) {
            found |= kSaveClaimedSuccess;
        }
        if (ReadFile(IniPath()) != old) {
            found |= kOldFileChanged;
        }
        if (QFile::exists(TempPath())) {
            found |= kTempFileLeft;
        }
        if (QDir(Dir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System |
                                  QDir::Hidden) != QStringList{QLatin1String(kIniFileName)}) {
            found |= kOtherFileLeft;
        }
        return found;
    }

    void Ran(const char* way) {
        std::printf("  [ faults ] %s\n", way);
        ran_.push_back(way);
    }

    TempDir dir_;
    std::vector<std::string> ran_;
};

const QByteArray kOldIni = "[Options]\r\nStripPath=1\r\nKeepFilesOnExit=0\r\n";

TEST_F(ProgramFolderFaultTest, SaveIntoAReadOnlyFolderFailsAndKeepsTheOldFile) {
    const Contents next = MakeContents(200, 1);
    ASSERT_TRUE(WriteFile(IniPath(), kOldIni));
    const std::string dir = dir_.Path().string();

    // A read-only mount of the folder.
    int code = RunInChild([&] {
        if (!test::PrivateMounts() || !test::MountReadOnly(dir)) {
            return kChildSkipped;
        }
        return SaveAndCheck(next, kOldIni);
    });
    EXPECT_TRUE(code == 0 || code == kChildSkipped)
        << "read-only mount: " << test::DescribeFindings(code);
    if (code != kChildSkipped) {
        Ran("read-only mount");
    }

    // A folder of root's that nobody may write to; without root, one whose
    // write permission is taken away.
    ::chmod(dir.c_str(), test::IsRoot() ? 0755 : 0555);
    code = RunInChild([&] {
        if (test::IsRoot() && !test::BecomeNobody()) {
            return kChildSkipped;
        }
        if (::access(dir.c_str(), W_OK) == 0) {
            return kChildSkipped;  // permissions do not bind here
        }
        return SaveAndCheck(next, kOldIni);
    });
    ::chmod(dir.c_str(), 0700);
    EXPECT_TRUE(code == 0 || code == kChildSkipped)
        << "folder without write right: " << test::DescribeFindings(code);
    if (code != kChildSkipped) {
        Ran("folder without write permission");
    }

    EXPECT_EQ(ReadFile(IniPath()), kOldIni);
    EXPECT_FALSE(QFile::exists(TempPath()));
    if (ran_.empty()) {
        GTEST_SKIP() << "neither a read-only mount nor a permission drop is possible here";
    }
}

TEST_F(ProgramFolderFaultTest, SaveIntoAFullFolderFailsAndKeepsTheOldFile) {
    const Contents next = MakeContents(2000, 2);  // a few hundred kilobytes
    ASSERT_GT(next.bytes.size(), 256 * 1024);
    const std::string dir = dir_.Path().string();

    // A 64 KiB file system over the folder.
    int code = RunInChild([&] {
        if (!test::PrivateMounts() || !test::MountSmallTmpfs(dir, 64 * 1024)) {
            return kChildSkipped;
        }
        if (!WriteFile(IniPath(), kOldIni)) {
            return 100;
        }
        return SaveAndCheck(next, kOldIni);
    });
    EXPECT_TRUE(code == 0 || code == kChildSkipped)
        << "small tmpfs: " << test::DescribeFindings(code);
    if (code != kChildSkipped) {
        Ran("64 KiB tmpfs");
    }

    // Writes beyond 16 KiB fail as on a full disk; also part of the way
    // into the buffered tail of the file.
    for (const rlim_t limit : {rlim_t{16 * 1024}, rlim_t(next.bytes.size() - 100)}) {
        ASSERT_TRUE(WriteFile(IniPath(), kOldIni));
        code = RunInChild([&] {
            if (!test::LimitFileSize(limit)) {
                return kChildSkipped;
            }
            return SaveAndCheck(next, kOldIni);
        });
        EXPECT_EQ(code, 0) << "file size limit " << limit << ": " << test::DescribeFindings(code);
        EXPECT_EQ(ReadFile(IniPath()), kOldIni);
        EXPECT_FALSE(QFile::exists(TempPath()));
    }
    Ran("file size limit");

    // With room again the same save goes through.
    ASSERT_TRUE(SaveIniFile(next.values, next.files, Dir()));
    EXPECT_EQ(ReadFile(IniPath()), next.bytes);
}

// The child saves two different settings files in turn until it is killed;
// whenever that happens, Linkmint.ini is one of them, complete.
TEST_F(ProgramFolderFaultTest, SavesKilledAtRandomLeaveOneCompleteFile) {
    const Contents a = MakeContents(1500, 3);
    const Contents b = MakeContents(1700, 4);
    ASSERT_NE(a.bytes, b.bytes);
    ASSERT_TRUE(SaveIniFile(a.values, a.files, Dir()));

    // Delays spread over about one save, so that kills land in every phase
    // of one.
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(SaveIniFile(b.values, b.files, Dir()));
    ASSERT_TRUE(SaveIniFile(a.values, a.files, Dir()));
    const auto perSave = std::chrono::duration_cast<std::chrono::microseconds>(
                             std::chrono::steady_clock::now() - start) /
                         2;
    const long spread = std::clamp<long>(perSave.count(), 1000, 20000);

    std::mt19937 random(20261208);
    std::uniform_int_distribution<long> delay(0, spread);
    std::bernoulli_distribution waitForOne(0.5);
    int unchanged = 0, replaced = 0, tempLeft = 0;
    constexpr int kRounds = 80;
    for (int round = 0; round < kRounds; ++round) {
        // The child writes the other file first, so that every save it
        // finishes changes what is there, and tells of each one through a
        // pipe. Half the kills wait for the first save to finish, so that
        // they land in the second whatever the machine's speed.
        const bool holdsA = ReadFile(IniPath()) == a.bytes;
        const Contents& first = holdsA ? b : a;
        const Contents& second = holdsA ? a : b;
        int finished[2];
        ASSERT_EQ(::pipe(finished), 0);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::alarm(60);
            ::close(finished[0]);
            for (;;) {
                SaveIniFile(first.values, first.files, Dir());
                ssize_t ignored = ::write(finished[1], "1", 1);
                SaveIniFile(second.values, second.files, Dir());
                ignored = ::write(finished[1], "2", 1);
                static_cast<void>(ignored);
            }
        }
        ::close(finished[1]);
        char got = 0;
        if (waitForOne(random)) {
            ASSERT_EQ(::read(finished[0], &got, 1), 1);
        }
        ::usleep(static_cast<useconds_t>(delay(random)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ::close(finished[0]);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "round " << round;

        const QByteArray now = ReadFile(IniPath());
        ASSERT_TRUE(now == a.bytes || now == b.bytes)
            << "round " << round << ": " << now.size() << " bytes";
        ((now == a.bytes) == holdsA ? unchanged : replaced) += 1;
        tempLeft += QFile::exists(TempPath()) ? 1 : 0;
    }
    std::printf(
        "  [ faults ] %d kills (0-%ld us): file unchanged %d, replaced %d, temporary "
        "file left %d times\n",
        kRounds, spread, unchanged, replaced, tempLeft);

    Settings settings;
    const QList<TFileData> kept = LoadIniFile(settings, Dir());
    const Contents& last = kept.size() == a.files.size() ? a : b;
    EXPECT_EQ(kept, last.files);
    EXPECT_EQ(settings.Snapshot().defaultDirectory, last.values.defaultDirectory);
}

// What a killed save leaves behind: a partly written temporary file.
TEST_F(ProgramFolderFaultTest, ALeftOverTemporaryFileIsIgnoredAndReplaced) {
    const Contents a = MakeContents(20, 5);
    const Contents b = MakeContents(30, 6);
    ASSERT_TRUE(SaveIniFile(a.values, a.files, Dir()));
    ASSERT_TRUE(WriteFile(TempPath(), b.bytes.left(b.bytes.size() / 2)));

    Settings settings;
    EXPECT_EQ(LoadIniFile(settings, Dir()), a.files);
    EXPECT_EQ(settings.Snapshot().mainWinTop, a.values.mainWinTop);

    // A longer leftover than the new file is not left hanging off its end.
    ASSERT_TRUE(WriteFile(TempPath(), b.bytes + b.bytes));
    ASSERT_TRUE(SaveIniFile(b.values, b.files, Dir()));
    EXPECT_EQ(ReadFile(IniPath()), b.bytes);
    EXPECT_FALSE(QFile::exists(TempPath()));
}

// Whatever an interrupted save or somebody else left under the temporary
// name is replaced, never written through: a link to another file, or a
// FIFO, which would block the save (and the program's close) for good.
TEST_F(ProgramFolderFaultTest, ALeftOverTemporaryNameIsNotWrittenThrough) {
    const Contents a = MakeContents(20, 7);
    const Contents b = MakeContents(30, 8);
    const std::string temp = TempPath().toStdString();
    TempDir elsewhere;
    const QString victim = QString::fromStdString((elsewhere.Path() / "notes.txt").string());
    const QByteArray notes = "someone else's notes\n";

    struct Leftover {
        const char* what;
        std::function<bool()> make;
    };
    const Leftover leftovers[] = {
        {"a link to another file",
         [&] { return WriteFile(victim, notes) && QFile::link(victim, TempPath()); }},
        {"a dangling link", [&] { return QFile::link(victim + ".gone", TempPath()); }},
        {"a FIFO", [&] { return ::mkfifo(temp.c_str(), 0644) == 0; }},
    };
    for (const Leftover& leftover : leftovers) {
        SCOPED_TRACE(leftover.what);
        ASSERT_TRUE(SaveIniFile(a.values, a.files, Dir()));
        ASSERT_TRUE(leftover.make());
        const int code =
            RunInChild([&] { return SaveIniFile(b.values, b.files, Dir()) ? 0 : 1; }, 20);
        EXPECT_EQ(code, 0) << (code == 128 + SIGALRM ? "the save hung" : "the save failed");
        EXPECT_EQ(ReadFile(IniPath()), code == 0 ? b.bytes : a.bytes);
        EXPECT_FALSE(QFileInfo::exists(TempPath()) || QFileInfo(TempPath()).isSymLink());
        EXPECT_EQ(ReadFile(victim), notes);
        EXPECT_FALSE(QFile::exists(victim + ".gone"));
        QFile::remove(TempPath());
    }
}

// The debug log never stops the program: with no room and with no right to
// write it loses its lines quietly; what it did write is the log's start.
TEST_F(ProgramFolderFaultTest, TheDebugLogFailsQuietly) {
    const std::string dir = dir_.Path().string();
    const QString logPath = Dir() + QLatin1String(kDebugLogFileName);
    const QByteArray oldLog = "an older run\r\n";
    QByteArray all;
    for (int i = 0; i < 3000; ++i) {
        all += QByteArray("Refreshing status bar (3). message ") + QByteArray::number(i) + "\r\n";
    }
    auto writeAll = [&] {
        DebugLog log(Dir());
        log.Enable();
        for (int i = 0; i < 3000; ++i) {
            log.WriteDebugLog(QStringLiteral("Refreshing status bar (3). message %1").arg(i));
        }
        // The log's prefix is what could be written before room ran out.
        const QByteArray written = ReadFile(logPath);
        return written == oldLog || all.startsWith(written) ? 0 : kOldFileChanged;
    };

    struct Way {
        const char* name;
        bool needsOldLog;  // the old log cannot be removed there
        std::function<bool()> setUp;
    };
    const Way ways[] = {
        {"read-only mount", true,
         [&] { return test::PrivateMounts() && test::MountReadOnly(dir); }},
        {"64 KiB tmpfs", false,
         [&] { return test::PrivateMounts() && test::MountSmallTmpfs(dir, 64 * 1024); }},
        {"file size limit", false, [] { return test::LimitFileSize(16 * 1024); }},
    };
    for (const Way& way : ways) {
        ASSERT_TRUE(WriteFile(logPath, oldLog));
        const int code = RunInChild([&] { return way.setUp() ? writeAll() : kChildSkipped; });
        if (code == kChildSkipped) {
            continue;
        }
        Ran(way.name);
        EXPECT_EQ(code, 0) << way.name << ": " << test::DescribeFindings(code);
        if (way.needsOldLog) {
            EXPECT_EQ(ReadFile(logPath), oldLog) << way.name;
        }
    }
    EXPECT_FALSE(ran_.empty());
}

// A folder the log cannot be removed from, but the log itself may be
// written: the new run still starts with an empty log.
TEST_F(ProgramFolderFaultTest, AnOldDebugLogThatCannotBeRemovedIsEmptied) {
    const std::string dir = dir_.Path().string();
    const QString logPath = Dir() + QLatin1String(kDebugLogFileName);
    ASSERT_TRUE(WriteFile(logPath, "an older run\r\n"));
    ::chmod(logPath.toLocal8Bit().constData(), 0666);
    ::chmod(dir.c_str(), test::IsRoot() ? 0755 : 0555);
    const int code = RunInChild([&] {
        if ((test::IsRoot() && !test::BecomeNobody()) || ::access(dir.c_str(), W_OK) == 0) {
            return kChildSkipped;
        }
        DebugLog log(Dir());
        log.Enable();
        log.WriteDebugLog("CloseQuery start.");
        return 0;
    });
    ::chmod(dir.c_str(), 0700);
    if (code == kChildSkipped) {
        GTEST_SKIP() << "no way to keep the log from being removed here";
    }
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadFile(logPath), "CloseQuery start.\r\n");
}

}  // namespace
}  // namespace lm
