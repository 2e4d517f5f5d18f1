// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <atomic>
#include <thread>

#include "core_test_support.h"
#include "fault_env.h"
#include "file_table.h"
#include "hashing_worker.h"
#include "settings.h"
#include "thread_priority.h"

namespace lm {
namespace {

using test::LinkFor;
using test::ProcessUntil;
using test::ReferenceFor;

constexpr qint64 kChunk = 9'728'000;
const QString kBar = "Refreshing status bar (3).";  // written after every chunk
const QString kDied =
    "error:Error: File processing thread died.  Click the Resume button to "
    "try continuing.";

int NiceOf(long tid) {
    return getpriority(PRIO_PROCESS, static_cast<id_t>(tid));
}

class WorkerTest : public ::testing::Test {
protected:
    void SetUp() override {
        host_.rows.table = &table_;
        QObject::connect(&worker_, &HashingWorker::threadEnded, [this] { ++ended_; });
    }
    QString Add(const QString& name, qint64 size, std::uint32_t seed = 7) {
        const QString path = dir_.filePath(name);
        test::WriteFile(path, size, seed);
        table_.AddEntry(path);
        return path;
    }
    // Starts a worker and waits until it has ended and all it asked of the
    // window is done.
    void Run() {
        worker_.StartHashing();
        WaitForEnds(ended_ + 1);
    }
    void WaitForEnds(int count) {
        ASSERT_TRUE(ProcessUntil([&] { return ended_ >= count; }));
    }
    void FireEvent() {
        ASSERT_TRUE(ProcessUntil([&] { return !worker_.EventArmed(); }));
    }
    void ExpectHashed(int index, bool second = false) {
        const TFileData e = *table_.Entry(index);
        const test::Reference ref = ReferenceFor(e.FileName);
        EXPECT_EQ(e.State, fsHashed) << e.FileName.toStdString();
        EXPECT_EQ(e.Link, LinkFor(e.FileName, ref.size, second ? ref.ed2kSecond : ref.ed2k));
        EXPECT_EQ(std::tuple(e.CRC32(), e.MD5(), e.SHA1()),
                  std::tuple(ref.crc32, ref.md5, ref.sha1));
    }

    QTemporaryDir dir_;
    Settings settings_;
    FileTable table_{&settings_};
    test::RecordingHost host_;
    test::RecordingDebug debug_;
    HashingWorker worker_{table_, settings_, host_, &debug_};
    int ended_ = 0;
};

TEST_F(WorkerTest, OneFileMakesTheExactCallsAndDebugMessages) {
    settings_.Set(&SettingsValues::onCompletion, OnCompletion::CopyToClipboard);
    const QString path = Add("one [00000000].bin", 1000);
    Run();
    FireEvent();

    const QString link = LinkFor(path, 1000, ReferenceFor(path).ed2k);
    // One call per "; ".
    EXPECT_EQ(host_.calls.join("; "),
              "rows; enableRemoveSort; status1:Working: 1 file remaining; cursor:1; "
              "pause:15|Pause (F12)|Pause; enableRemoveSort; pauseEnabled:1; "
              "status1:Working: 1 file remaining; title:0%; 1 to go - Linkmint; "
              "tip:0%; 1 to go - Linkmint; repaint; repaint; title:100%; 1 to go - Linkmint; "
              "tip:100%; 1 to go - Linkmint; scroll:" +
                  QString::number(link.size() * 6 + 8) +
                  "; rows; enableRemoveSort; status0:1 file; repaint; title:Linkmint (idle); "
                  "tip:Linkmint (idle); cursor:0; pauseEnabled:0; sound; "
                  "status1:Idle: click here to add files; copyAll");
    EXPECT_EQ(host_.events, QStringList({"info"}));
    EXPECT_EQ(host_.rows.rows, QStringList({link}));
    const QStringList messages = debug_.Messages();
    EXPECT_EQ(messages.join(" "),
              "Entering AddFiles thread. Creating memory stream. Enabling abort button. "
              "Start of file reading loop. Setting file state to \"working\". Opening file \"" +
                  path +
                  "\". Opening file worked. Setting status bar text (1). Setting application "
                  "title (1). Setting system tray icon hint (1). Refreshing status bar (1). "
                  "Refreshing status bar (3). Setting application title (2). Setting system "
                  "tray icon hint (2). Closing file stream. Adding eD2K link to ED2KLinkLst. "
                  "Locking DatLst canvas. Getting eD2K text width. Unlocking DatLst canvas. "
                  "Checking DatLst scroll width. Fixing DatLst scroll width. Adding remaining "
                  "hashes to lists. Updating DatLst. Setting status bar text (2). Refreshing "
                  "status bar (5). Trigger InfoWin update. Exited file reading loop. Setting "
                  "application title (3). Setting system tray icon hint (3). Disabling abort "
                  "button. Playing notify sound. Setting status bar text (3). Copying all links "
                  "to clipboard. Exiting AddFile thread.");
    EXPECT_EQ(messages.size(), 34);
    ExpectHashed(0);
    EXPECT_EQ(table_.Entry(0)->CRCStatus, crcMismatch);
    EXPECT_FALSE(worker_.WorkerActive);
}

// Includes the sizes that get a second link: exactly one chunk, and empty.
TEST_F(WorkerTest, ThreeFilesGiveTheTitleSequenceAndSecondLinksBelowTheirFirst) {
    Add("big.bin", 2 * kChunk + 100, 1);
    Add("exact.bin", kChunk, 2);
    Add("empty.bin", 0);
    Run();

    EXPECT_EQ(
        host_.Calls("title:"),
        QStringList({"0%; 3 to go - Linkmint", "33%; 3 to go - Linkmint", "67%; 3 to go - Linkmint",
                     "100%; 3 to go - Linkmint", "0%; 2 to go - Linkmint",
                     "100%; 2 to go - Linkmint", "0%; 1 to go - Linkmint", "Linkmint (idle)"}));
    EXPECT_EQ(host_.Calls("tip:"), host_.Calls("title:"));
    EXPECT_EQ(host_.Calls("status1:"),
              QStringList({"Working: 3 files remaining", "Working: 3 files remaining",
                           "Working: 2 files remaining", "Working: 1 file remaining",
                           "Idle: click here to add files"}));
    EXPECT_EQ(host_.Calls("status0:"), QStringList({"3 files", "4 files", "5 files"}));
    ASSERT_EQ(table_.FileCount(), 5);
    for (auto [index, second] :
         {std::pair{0, false}, {1, false}, {2, true}, {3, false}, {4, true}}) {
        ExpectHashed(index, second);
    }
    EXPECT_EQ(table_.Entry(2)->FileSize, kChunk);
    EXPECT_EQ(table_.Entry(3)->Link, "ed2k://|file|" + table_.Entry(3)->FileName +
                                         "|0|31D6CFE0D16AE931B73C59D7E0C089C0|/");
    EXPECT_EQ(table_.FilesRemaining(), 0);
    EXPECT_EQ(host_.rows.rows.size(), 5);
}

// Many small files are hashed ahead on the other core; the window still
// sees each file go through all its steps, one file after the other, in
// list order.
TEST_F(WorkerTest, SmallFilesHashedAheadGoThroughTheirStepsInListOrder) {
    QStringList paths;
    QList<qint64> sizes;
    for (int i = 0; i < 150; ++i) {
        sizes << (i % 10 == 0 ? 0 : 1 + 67 * i);
        paths << Add(QString("small %1.bin").arg(i, 3, 10, QChar(u'0')), sizes.last(), 30 + i);
    }
    Run();

    QStringList opened, titles;
    int stored = 0;
    for (const QString& message : debug_.Messages()) {
        if (message.startsWith("Opening file \"")) {
            EXPECT_EQ(stored, opened.size()) << "a file opened before the one ahead was stored";
            opened << message.mid(14, message.size() - 16);
        } else if (message == "Adding eD2K link to ED2KLinkLst.") {
            ++stored;
        }
    }
    EXPECT_EQ(opened, paths);
    EXPECT_EQ(stored, paths.size());
    for (int i = 0; i < sizes.size(); ++i) {
        const int left = static_cast<int>(sizes.size()) - i;
        titles << QString("0%; %1 to go - Linkmint").arg(left);
        if (sizes[i] > 0) {
            titles << QString("100%; %1 to go - Linkmint").arg(left);
        }
    }
    titles << "Linkmint (idle)";
    EXPECT_EQ(host_.Calls("title:"), titles);
    ASSERT_EQ(table_.FileCount(), 165);  // every empty file has a second row
    for (int i = 0; i < table_.FileCount(); ++i) {
        ExpectHashed(i, i > 0 && table_.Entry(i - 1)->FileName == table_.Entry(i)->FileName);
    }
}

TEST_F(WorkerTest, PauseInsideAFileThenResumeHashesItFromTheStart) {
    settings_.Set(&SettingsValues::onCompletion, OnCompletion::CopyToClipAndExit);
    Add("big.bin", kChunk + 5000, 5);
    Add("next.bin", 300, 6);
    debug_.HookAt(kBar, {}, true);
    worker_.StartHashing();
    ASSERT_TRUE(ProcessUntil([&] { return debug_.Reached(); }));
    worker_.PauseAndWait([&] {
        debug_.Release();
        QThread::msleep(1);
    });
    WaitForEnds(1);

    for (const char* m : {"Refreshing status bar (2).", "Pausing file list (1).",
                          "Refreshing status bar (4).", "Pausing file list (2)."}) {
        EXPECT_EQ(debug_.Messages().count(m), 1) << m;
    }
    EXPECT_EQ(std::tuple(table_.Entry(0)->State, table_.Entry(1)->State),
              std::tuple(int{fsIdle}, int{fsIdle}));
    EXPECT_EQ(host_.calls.last(), "status1:Paused: 2 files remaining");
    for (const char* call : {"sound", "copyAll", "pauseEnabled:0"}) {
        EXPECT_FALSE(host_.calls.contains(call)) << call;
    }
    EXPECT_EQ(std::tuple(worker_.ChunksDone(), worker_.ProgressFileName()),
              std::tuple(0, QString()));

    worker_.Paused = false;
    EXPECT_EQ(table_.QueueUnfinished(), 2);
    Run();
    FireEvent();
    ExpectHashed(0);
    ExpectHashed(1);
    EXPECT_TRUE(host_.calls.contains("copyAll"));
    EXPECT_EQ(host_.events.last(), "close");
}

TEST_F(WorkerTest, AVanishedFileIsReportedAndLeftIdle) {
    const QString path = Add("vanishing.bin", 100);
    QFile::remove(path);
    Run();
    FireEvent();
    EXPECT_EQ(host_.events, QStringList({"error:Error: Unable to open file \"" + path + "\"."}));
    EXPECT_TRUE(worker_.PendingError().isEmpty());
    EXPECT_EQ(std::tuple(table_.Entry(0)->State, table_.FilesRemaining()),
              std::tuple(int{fsIdle}, 0));
    EXPECT_EQ(host_.rows.rows, QStringList({path}));
}

TEST_F(WorkerTest, RemoveAndSortWhileHashingKeepResultsWithTheirFiles) {
    const QString zeta = Add("zeta.bin", kChunk + 10, 8);
    Add("alpha.bin", 20, 9);
    Add("gone.bin", 30, 10);
    Add("mid.bin", 40, 11);
    debug_.HookAt(kBar, {}, true);
    worker_.StartHashing();
    ASSERT_TRUE(ProcessUntil([&] { return debug_.Reached(); }));
    table_.SortEntries();  // alpha, gone, mid, zeta (working)
    ASSERT_TRUE(table_.RemoveEntry(1));
    debug_.Release();
    WaitForEnds(1);

    ASSERT_EQ(table_.FileCount(), 3);
    EXPECT_EQ(table_.Entry(2)->FileName, zeta);
    for (int i : {0, 1, 2}) {
        ExpectHashed(i);
    }
    EXPECT_EQ(table_.FilesRemaining(), 0);
}

TEST_F(WorkerTest, FilesAddedWhileRunningAreHashedBySameWorkerAtItsPriority) {
    Add("first.bin", kChunk + 1, 12);
    std::atomic<long> tid{0};
    debug_.HookAt(
        kBar, [&tid] { tid = CurrentNativeThreadId(); }, true);
    worker_.StartHashing();
    ASSERT_TRUE(ProcessUntil([&] { return debug_.Reached(); }));
    if (NiceOf(0) <= 5) {
        EXPECT_EQ(NiceOf(tid), 5);  // the default, "lower"
        worker_.SetWorkerPriority(ThreadPriority::Lowest);
        EXPECT_EQ(NiceOf(tid), 10);
    }
    Add("added.bin", 50, 13);
    worker_.StartHashing();
    EXPECT_EQ(host_.calls.last(), "status1:Working: 2 files remaining");
    debug_.Release();
    WaitForEnds(1);

    EXPECT_EQ(debug_.Messages().count("Entering AddFiles thread."), 1);
    EXPECT_TRUE(host_.Calls("title:").contains("100%; 2 to go - Linkmint"));
    ExpectHashed(0);
    ExpectHashed(1);
}

// A file added just as the worker finishes is hashed by a new worker.
TEST_F(WorkerTest, AFileAddedAsTheWorkerLeavesIsNotForgotten) {
    Add("first.bin", 10, 19);
    debug_.HookAt("Exited file reading loop.", {}, true);
    worker_.StartHashing();
    ASSERT_TRUE(ProcessUntil([&] { return debug_.Reached(); }));
    Add("late.bin", 20, 20);
    worker_.StartHashing();  // the worker is still active
    debug_.Release();
    WaitForEnds(2);
    ExpectHashed(1);
    EXPECT_EQ(debug_.Messages().count("Entering AddFiles thread."), 2);
}

// Whether or not a chunk of it had been finished.
TEST_F(WorkerTest, AFileThatShrinksEndsTheWorkerAndIsReported) {
    for (const QString& at : {kBar, QString("Opening file worked.")}) {
        SCOPED_TRACE(at.toStdString());
        table_.RemoveAll();
        host_.calls.clear();
        host_.events.clear();
        // Three chunks: the file may be read a chunk ahead of the hashing.
        const QString shrinking = Add("shrinking.bin", 2 * kChunk + 4000, 14);
        Add("waiting.bin", 10, 15);
        debug_.HookAt(
            at, [shrinking] { QFile::resize(shrinking, kChunk / 2); }, false);
        Run();
        ASSERT_TRUE(ProcessUntil([&] { return !host_.events.isEmpty(); }));

        EXPECT_EQ(host_.events, QStringList({kDied}));
        EXPECT_FALSE(worker_.WorkerActive);
        EXPECT_TRUE(worker_.Paused);
        EXPECT_EQ(worker_.ChunksDone(), 0);
        EXPECT_EQ(std::tuple(table_.Entry(0)->State, table_.Entry(1)->State),
                  std::tuple(int{fsIdle}, int{fsIdle}));
        EXPECT_TRUE(host_.calls.contains("pause:16|Resume (F12)|Resume"));
        EXPECT_EQ(host_.calls.last(), "status1:Paused: 2 files remaining");
        EXPECT_FALSE(host_.calls.contains("sound"));

        worker_.Paused = false;  // Resume carries on
        table_.QueueUnfinished();
        Run();
        ExpectHashed(1);
        worker_.DisableEventTimer();
    }
}

// Each file is spoiled while the worker stands at the file ahead of it,
// before it looks at what comes next (a file read ahead keeps what it was
// read as). The user gets the open error, the entry stays listed and idle,
// and the worker ends normally.
TEST_F(WorkerTest, AFileSpoiledBeforeItsOpenIsReportedAndTheOthersAreHashed) {
    struct Spoiler {
        const char* what;
        std::function<bool(const QString&)> spoil;
    };
    const Spoiler spoilers[] = {
        {"vanished", [](const QString& p) { return QFile::remove(p); }},
        {"replaced by a directory",
         [](const QString& p) { return QFile::remove(p) && QDir().mkdir(p); }},
        {"replaced by a FIFO",
         [](const QString& p) {
             return QFile::remove(p) && ::mkfifo(QFile::encodeName(p).constData(), 0644) == 0;
         }},
        // Root reads anything: the worker then runs with nobody's rights.
        {"unreadable",
         [](const QString& p) { return QFile::setPermissions(p, QFileDevice::Permissions()); }},
    };
    // Nobody must reach the other files.
    ASSERT_EQ(::chmod(QFile::encodeName(dir_.path()).constData(), 0755), 0);
    int round = 0;
    for (const Spoiler& spoiler : spoilers) {
        SCOPED_TRACE(spoiler.what);
        table_.RemoveAll();
        host_.calls.clear();
        host_.events.clear();
        ++round;
        const QString good = Add(QString("good %1.bin").arg(round), 3000, 21);
        const QString bad = Add(QString("bad %1.bin").arg(round), 100, 22);
        debug_.HookAt("Opening file \"" + good + "\".", {}, true);
        const int ends = ended_;
        const bool asNobody = std::string_view(spoiler.what) == "unreadable";
        {
            std::optional<test::ThreadFsNobody> nobody;
            if (asNobody) {
                nobody.emplace();  // the worker thread keeps it
                if (!nobody->Active()) {
                    std::printf("  [ faults ] skipped: root cannot drop its file rights here\n");
                    debug_.HookAt({}, {}, false);
                    continue;
                }
            }
            worker_.StartHashing();
        }
        ASSERT_TRUE(ProcessUntil([&] { return debug_.Reached(); }));
        ASSERT_TRUE(spoiler.spoil(bad));
        debug_.Release();
        WaitForEnds(ends + 1);
        FireEvent();

        EXPECT_EQ(host_.events.filter("error:"),
                  QStringList({"error:Error: Unable to open file \"" + bad + "\"."}));
        ExpectHashed(0);
        EXPECT_EQ(std::tuple(table_.Entry(1)->State, table_.Entry(1)->FileName),
                  std::tuple(int{fsIdle}, bad));
        EXPECT_EQ(table_.FilesRemaining(), 0);
        EXPECT_EQ(host_.rows.rows.at(1), bad);
        EXPECT_EQ(host_.calls.last(), "status1:Idle: click here to add files");
        EXPECT_TRUE(host_.calls.contains("sound"));
        EXPECT_FALSE(worker_.WorkerActive);
        EXPECT_FALSE(worker_.Paused);
    }
}

// Cut short from the window's thread while the worker waits after the
// first of three chunks, to less than it has hashed.
TEST_F(WorkerTest, AFileCutShortBetweenChunksStopsTheWorkerAndResumeGoesOn) {
    constexpr qint64 cutTo = 100;
    const QString before = Add("before.bin", 500, 23);
    Run();  // hashed by an earlier worker
    const QString cut = Add("cut.bin", 2 * kChunk + 4000, 24);
    const QString after = Add("after.bin", 700, 25);
    debug_.HookAt(kBar, {}, true);  // the first chunk of the file being cut
    const int ends = ended_;
    worker_.StartHashing();
    ASSERT_TRUE(ProcessUntil([&] { return debug_.Reached(); }));
    ASSERT_TRUE(QFile::resize(cut, cutTo));
    debug_.Release();
    WaitForEnds(ends + 1);
    ASSERT_TRUE(ProcessUntil([&] { return !host_.events.filter("error:").isEmpty(); }));

    EXPECT_EQ(host_.events.filter("error:"), QStringList({kDied}));
    EXPECT_EQ(std::tuple(table_.Entry(1)->State, table_.Entry(2)->State),
              std::tuple(int{fsIdle}, int{fsIdle}));
    ExpectHashed(0);
    EXPECT_EQ(host_.calls.last(), "status1:Paused: 2 files remaining");
    EXPECT_EQ(std::tuple(worker_.ChunksDone(), worker_.ProgressFileName()),
              std::tuple(0, QString()));
    EXPECT_FALSE(worker_.WorkerActive);

    // Resume reads the file again, at its new size.
    worker_.Paused = false;
    EXPECT_EQ(table_.QueueUnfinished(), 2);
    Run();
    for (int i : {0, 1, 2}) {
        ExpectHashed(i);
    }
    EXPECT_EQ(std::tuple(table_.Entry(0)->FileName, table_.Entry(2)->FileName),
              std::tuple(before, after));
    worker_.DisableEventTimer();
}

// The normal end of one worker, handled only while the next one is inside a
// file, is not taken for the death of the new one.
TEST_F(WorkerTest, AnEarlierWorkersEndIsNotTakenForADeath) {
    Add("quick.bin", 10, 16);
    worker_.StartHashing();
    while (worker_.WorkerActive) {  // without handling what the worker hands over
        QThread::msleep(1);
    }
    Add("slow.bin", kChunk + 9, 17);
    debug_.HookAt(kBar, {}, true);
    worker_.StartHashing();
    while (!debug_.Reached()) {
        QThread::msleep(1);
    }
    ASSERT_EQ(worker_.ChunksDone(), 1);
    WaitForEnds(1);
    EXPECT_FALSE(worker_.Paused);
    EXPECT_TRUE(worker_.WorkerActive);
    debug_.Release();
    WaitForEnds(2);
    EXPECT_TRUE(host_.events.filter("error:").isEmpty());
    ExpectHashed(1);
}

TEST_F(WorkerTest, DeferredEventsKeepOnlyTheLatestCode) {
    worker_.ArmEvent(evRefreshInfo);
    worker_.ArmEvent(evCloseProgram);
    FireEvent();
    worker_.ArmEvent(evShowError);  // nothing pending: no box
    FireEvent();
    EXPECT_EQ(host_.events, QStringList({"close"}));

    host_.startup = true;
    worker_.ArmEvent(evHideToTray);
    ASSERT_TRUE(ProcessUntil([&] { return host_.events.size() == 3; }));
    EXPECT_TRUE(worker_.EventArmed()) << "waits for the start-up to end";
    host_.startup = false;
    ASSERT_TRUE(ProcessUntil([&] { return host_.events.contains("hide"); }));
    EXPECT_EQ(host_.events, QStringList({"close", "startup?", "startup?", "startup?", "hide"}));
}

TEST(ThreadPriorityTest, IdleIsTheIdleSchedulingClass) {
    std::thread([] {
        EXPECT_TRUE(SetNativeThreadPriority(CurrentNativeThreadId(), 0));
        EXPECT_EQ(sched_getscheduler(0), SCHED_IDLE);
    }).join();
}

}  // namespace
}  // namespace lm
