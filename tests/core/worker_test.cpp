#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include "core_test_support.h"
#include "file_table.h"
#include "hashing_worker.h"
#include "settings.h"
#include "thread_priority.h"

namespace lm {
namespace {

using test::LinkFor;
using test::ProcessUntil;
using test::Reference;
using test::ReferenceFor;

constexpr qint64 kChunk = 9'728'000;

class WorkerTest : public ::testing::Test {
protected:
    QString Make(const QString& name, qint64 size, std::uint32_t seed = 7) {
        const QString path = dir_.filePath(name);
        test::WriteFile(path, size, seed);
        return path;
    }

    // Runs a worker over what is queued and waits until its thread has ended
    // and everything it handed to the window has been applied.
    void RunToEnd() {
        const int before = static_cast<int>(ended_.count());
        worker_.StartHashing();
        WaitForEnd(before + 1);
    }
    void WaitForEnd(int count) {
        ASSERT_TRUE(ProcessUntil([&] { return ended_.count() >= count; }));
        test::ProcessPending();
    }
    // Lets the deferred event that is armed fire.
    void FireEvent() {
        ASSERT_TRUE(ProcessUntil([&] { return !worker_.EventArmed(); }));
    }

    void ExpectHashed(const TFileData& entry, const Reference& ref, bool second = false) {
        EXPECT_EQ(entry.State, fsHashed) << entry.FileName.toStdString();
        EXPECT_EQ(entry.Link,
                  LinkFor(entry.FileName, ref.size, second ? ref.ed2kSecond : ref.ed2k));
        EXPECT_EQ(entry.CRC32, ref.crc32);
        EXPECT_EQ(entry.MD5, ref.md5);
        EXPECT_EQ(entry.SHA1, ref.sha1);
    }

    QTemporaryDir dir_;
    Settings settings_;
    FileTable table_{&settings_};
    test::RecordingHost host_;
    test::RecordingDebug debug_;
    HashingWorker worker_{table_, settings_, host_, &debug_};
    struct EndCounter {
        int value = 0;
        int count() const { return value; }
    } ended_;

    void SetUp() override {
        QObject::connect(&worker_, &HashingWorker::threadEnded, [this] { ++ended_.value; });
    }
};

TEST_F(WorkerTest, OneFileMakesTheExactCallsAndDebugMessages) {
    settings_.Set(&SettingsValues::onCompletion, OnCompletion::CopyToClipboard);
    const QString path = Make("one [00000000].bin", 1000);
    table_.AddEntry(path);
    RunToEnd();
    FireEvent();

    const Reference ref = ReferenceFor(path);
    const QString link = LinkFor(path, 1000, ref.ed2k);
    const QStringList expected = {
        // StartHashing
        "rows", "enableRemoveSort", "status1:Working: 1 file remaining",
        // the worker
        "cursor:1", "pause:15|Pause (F12)|Pause", "enableRemoveSort", "pauseEnabled:1",
        "status1:Working: 1 file remaining", "title:0%; 1 to go - Linkmint",
        "tip:0%; 1 to go - Linkmint", "repaint", "repaint", "title:100%; 1 to go - Linkmint",
        "tip:100%; 1 to go - Linkmint", QStringLiteral("scroll:%1").arg(link.size() * 6 + 8),
        "rows", "enableRemoveSort", "status0:1 file", "repaint", "title:Linkmint (idle)",
        "tip:Linkmint (idle)", "cursor:0", "pauseEnabled:0", "sound",
        "status1:Idle: click here to add files", "copyAll"};
    EXPECT_EQ(host_.calls, expected);
    EXPECT_EQ(host_.events, QStringList({"info"}));
    EXPECT_EQ(host_.rows.rows, QStringList({link}));
    EXPECT_FALSE(worker_.WorkerActive);

    const QStringList messages = {
        "Entering AddFiles thread.",
        "Creating memory stream.",
        "Enabling abort button.",
        "Start of file reading loop.",
        "Setting file state to \"working\".",
        "Opening file \"" + path + "\".",
        "Opening file worked.",
        "Setting status bar text (1).",
        "Setting application title (1).",
        "Setting system tray icon hint (1).",
        "Refreshing status bar (1).",
        "Refreshing status bar (3).",
        "Setting application title (2).",
        "Setting system tray icon hint (2).",
        "Closing file stream.",
        "Adding eD2K link to ED2KLinkLst.",
        "Locking DatLst canvas.",
        "Getting eD2K text width.",
        "Unlocking DatLst canvas.",
        "Checking DatLst scroll width.",
        "Adding remaining hashes to lists.",
        "Updating DatLst.",
        "Setting status bar text (2).",
        "Refreshing status bar (5).",
        "Trigger InfoWin update.",
        "Exited file reading loop.",
        "Setting application title (3).",
        "Setting system tray icon hint (3).",
        "Disabling abort button.",
        "Playing notify sound.",
        "Setting status bar text (3).",
        "Copying all links to clipboard.",
        "Exiting AddFile thread.",
    };
    QStringList got = debug_.Messages();
    // Written on the GUI thread when the link is measured.
    ASSERT_TRUE(got.removeOne("Fixing DatLst scroll width."));
    EXPECT_EQ(got, messages);

    const TFileData entry = *table_.Entry(0);
    ExpectHashed(entry, ref);
    EXPECT_EQ(entry.CRCStatus, ref.crc32 == "00000000" ? crcMatches : crcMismatch);
    EXPECT_EQ(table_.FilesRemaining(), 0);
}

TEST_F(WorkerTest, ThreeFilesGiveTheTitleSequenceAndCorrectResults) {
    settings_.Set(&SettingsValues::lowercaseHashes, true);
    settings_.Set(&SettingsValues::stripPath, true);
    const QString big = Make("big.bin", 2 * kChunk + 100, 1);
    const QString small = Make("small.bin", 777, 2);
    const QString empty = Make("empty.bin", 0);
    for (const QString& path : {big, small, empty}) {
        table_.AddEntry(path);
    }
    RunToEnd();

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
    EXPECT_EQ(host_.Calls("status0:"), QStringList({"3 files", "3 files", "4 files"}));

    const QList<TFileData> entries = table_.Entries();
    ASSERT_EQ(entries.size(), 4);  // the empty file has two links
    for (int i : {0, 1, 2}) {
        const TFileData& entry = entries[i];
        const Reference ref = ReferenceFor(entry.FileName);
        const QString name = entry.FileName.section('/', -1);
        EXPECT_EQ(entry.Link, LinkFor(name, ref.size, ref.ed2k.toLower()));
        EXPECT_EQ(entry.MD5, ref.md5.toLower());
        EXPECT_EQ(entry.SHA1, ref.sha1.toLower());
        EXPECT_EQ(entry.CRC32, ref.crc32.toLower());
        EXPECT_EQ(entry.State, fsHashed);
        EXPECT_EQ(entry.CRCStatus, crcNotFound);
    }
    EXPECT_EQ(entries[2].CRC32, "00000000");
    EXPECT_EQ(entries[2].Link, "ed2k://|file|empty.bin|0|31d6cfe0d16ae931b73c59d7e0c089c0|/");
    EXPECT_EQ(entries[3].Link, LinkFor("empty.bin", 0, ReferenceFor(empty).ed2kSecond.toLower()));
}

TEST_F(WorkerTest, ExactChunkSizeGivesASecondRowDirectlyBelow) {
    const QString exact = Make("exact [ABCDEF12].bin", kChunk, 3);
    const QString after = Make("after.bin", 10, 4);
    table_.AddEntry(exact);
    table_.AddEntry(after);
    RunToEnd();

    const Reference ref = ReferenceFor(exact);
    const QList<TFileData> entries = table_.Entries();
    ASSERT_EQ(entries.size(), 3);
    ExpectHashed(entries[0], ref);
    ExpectHashed(entries[1], ref, true);
    EXPECT_EQ(entries[1].FileName, exact);
    EXPECT_EQ(entries[1].CRCStatus, entries[0].CRCStatus);
    EXPECT_EQ(entries[1].FileSize, kChunk);
    EXPECT_NE(ref.ed2kSecond, ref.ed2k);
    ExpectHashed(entries[2], ReferenceFor(after));
    EXPECT_EQ(host_.rows.rows, QStringList({entries[0].Link, entries[1].Link, entries[2].Link}));
    EXPECT_EQ(table_.FilesRemaining(), 0);
}

TEST_F(WorkerTest, PauseInsideAFileThenResumeHashesItFromTheStart) {
    settings_.Set(&SettingsValues::onCompletion, OnCompletion::CopyToClipAndExit);
    const QString big = Make("big.bin", kChunk + 5000, 5);
    const QString next = Make("next.bin", 300, 6);
    table_.AddEntry(big);
    table_.AddEntry(next);
    debug_.HookAt(
        "Refreshing status bar (3).", 1, [this] { worker_.Paused = true; }, false);
    RunToEnd();

    const QStringList messages = debug_.Messages();
    for (const char* m : {"Refreshing status bar (2).", "Pausing file list (1).",
                          "Refreshing status bar (4).", "Pausing file list (2)."}) {
        EXPECT_EQ(messages.count(m), 1) << m;
    }
    for (const TFileData& entry : table_.Entries()) {
        EXPECT_EQ(entry.State, fsIdle);
        EXPECT_TRUE(entry.Link.isEmpty());
    }
    EXPECT_EQ(host_.Calls("status1:").last(), "Paused: 2 files remaining");
    EXPECT_FALSE(host_.calls.contains("sound"));
    EXPECT_FALSE(host_.calls.contains("copyAll"));
    EXPECT_FALSE(host_.calls.contains("pauseEnabled:0"));
    EXPECT_EQ(worker_.ChunksDone(), 0);
    EXPECT_TRUE(worker_.ProgressFileName().isEmpty());

    // Resume: queue again, clear the pause, start.
    host_.calls.clear();
    worker_.Paused = false;
    EXPECT_EQ(table_.QueueUnfinished(), 2);
    RunToEnd();
    FireEvent();
    ExpectHashed(*table_.Entry(0), ReferenceFor(big));
    ExpectHashed(*table_.Entry(1), ReferenceFor(next));
    EXPECT_TRUE(host_.calls.contains("copyAll"));
    EXPECT_EQ(host_.events.last(), "close");
}

TEST_F(WorkerTest, StartHashingWhilePausedOnlyShowsThePausedText) {
    table_.AddEntry(Make("a.bin", 10));
    worker_.Paused = true;
    worker_.StartHashing();
    test::ProcessPending();
    EXPECT_FALSE(worker_.WorkerActive);
    EXPECT_EQ(host_.calls,
              QStringList({"rows", "enableRemoveSort", "status1:Paused: 1 file remaining"}));
    EXPECT_EQ(ended_.count(), 0);
}

TEST_F(WorkerTest, AVanishedFileIsReportedAndLeftIdle) {
    const QString path = Make("vanishing.bin", 100);
    table_.AddEntry(path);
    QFile::remove(path);
    RunToEnd();
    FireEvent();

    EXPECT_EQ(host_.events, QStringList({"error:Error: Unable to open file \"" + path + "\"."}));
    EXPECT_TRUE(worker_.PendingError().isEmpty());
    const TFileData entry = *table_.Entry(0);
    EXPECT_EQ(entry.State, fsIdle);
    EXPECT_EQ(entry.CRCStatus, crcNoHash);
    EXPECT_EQ(table_.FilesRemaining(), 0);
    EXPECT_EQ(host_.rows.rows, QStringList({path}));
    EXPECT_TRUE(debug_.Messages().contains("Opening file failed."));
    EXPECT_EQ(host_.Calls("status1:").last(), "Idle: click here to add files");
}

// Sorting and removing rows from the GUI thread while a file is read.
TEST_F(WorkerTest, RemoveAndSortWhileHashingKeepResultsWithTheirFiles) {
    const QString zeta = Make("zeta.bin", kChunk + 10, 8);
    const QString alpha = Make("alpha.bin", 20, 9);
    const QString gone = Make("gone.bin", 30, 10);
    const QString mid = Make("mid.bin", 40, 11);
    for (const QString& path : {zeta, alpha, gone, mid}) {
        table_.AddEntry(path);
    }
    debug_.HookAt("Refreshing status bar (3).", 1, {}, true);
    const int before = static_cast<int>(ended_.count());
    worker_.StartHashing();
    ASSERT_TRUE(ProcessUntil([&] { return debug_.Reached(); }));
    table_.SortEntries();  // alpha, gone, mid, zeta(working)
    ASSERT_EQ(table_.Entry(3)->FileName, zeta);
    ASSERT_TRUE(table_.RemoveEntry(1));  // gone
    worker_.RefreshList();
    debug_.Release();
    WaitForEnd(before + 1);

    const QList<TFileData> entries = table_.Entries();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0].FileName, alpha);
    EXPECT_EQ(entries[1].FileName, mid);
    EXPECT_EQ(entries[2].FileName, zeta);
    ExpectHashed(entries[0], ReferenceFor(alpha));
    ExpectHashed(entries[1], ReferenceFor(mid));
    ExpectHashed(entries[2], ReferenceFor(zeta));
    EXPECT_EQ(table_.FilesRemaining(), 0);
    EXPECT_EQ(host_.rows.rows, QStringList({entries[0].Link, entries[1].Link, entries[2].Link}));
}

TEST_F(WorkerTest, FilesAddedWhileRunningAreHashedBySameWorkerAtItsPriority) {
    const QString first = Make("first.bin", kChunk + 1, 12);
    const QString added = Make("added.bin", 50, 13);
    table_.AddEntry(first);
    std::atomic<long> workerTid{0};
    debug_.HookAt(
        "Refreshing status bar (3).", 1, [&workerTid] { workerTid = CurrentNativeThreadId(); },
        true);
    const int before = static_cast<int>(ended_.count());
    worker_.StartHashing();
    ASSERT_TRUE(ProcessUntil([&] { return debug_.Reached(); }));

    // The default priority is "lower", nice +5 (unless the tests already run
    // at a lower priority).
    const int baseNice = getpriority(PRIO_PROCESS, 0);
    errno = 0;
    const int workerNice = getpriority(PRIO_PROCESS, static_cast<id_t>(workerTid.load()));
    ASSERT_EQ(errno, 0);
    if (baseNice <= 5) {
        EXPECT_EQ(workerNice, 5);
        worker_.SetWorkerPriority(ThreadPriority::Lowest);
        EXPECT_EQ(getpriority(PRIO_PROCESS, static_cast<id_t>(workerTid.load())), 10);
    }

    table_.AddEntry(added);
    worker_.StartHashing();
    EXPECT_EQ(host_.Calls("status1:").last(), "Working: 2 files remaining");
    debug_.Release();
    WaitForEnd(before + 1);

    EXPECT_EQ(ended_.count(), before + 1) << "no second worker was started";
    EXPECT_EQ(debug_.Messages().count("Entering AddFiles thread."), 1);
    EXPECT_TRUE(host_.Calls("title:").contains("100%; 2 to go - Linkmint"));
    EXPECT_TRUE(host_.Calls("title:").contains("0%; 1 to go - Linkmint"));
    ExpectHashed(*table_.Entry(0), ReferenceFor(first));
    ExpectHashed(*table_.Entry(1), ReferenceFor(added));
}

// A file that shrinks while it is read ends the worker; the end is reported
// whether or not a chunk of it had been finished.
TEST_F(WorkerTest, AFileThatShrinksEndsTheWorkerAndIsReported) {
    for (const char* at : {"Refreshing status bar (3).", "Opening file worked."}) {
        SCOPED_TRACE(at);
        table_.RemoveAll();
        worker_.DisableEventTimer();
        host_.calls.clear();
        host_.events.clear();
        worker_.Paused = false;
        // Three chunks: the file may be read a chunk ahead of the hashing.
        const QString shrinking = Make("shrinking.bin", 2 * kChunk + 4000, 14);
        const QString waiting = Make("waiting.bin", 10, 15);
        table_.AddEntry(shrinking);
        table_.AddEntry(waiting);
        debug_.HookAt(
            at, 1, [shrinking] { QFile::resize(shrinking, kChunk / 2); }, false);
        RunToEnd();

        EXPECT_FALSE(worker_.WorkerActive);
        EXPECT_TRUE(worker_.Paused);
        EXPECT_EQ(worker_.ChunksDone(), 0);
        for (const TFileData& entry : table_.Entries()) {
            EXPECT_EQ(entry.State, fsIdle);
        }
        EXPECT_TRUE(host_.calls.contains("pause:16|Resume (F12)|Resume"));
        EXPECT_EQ(host_.calls.last(), "status1:Paused: 2 files remaining");
        EXPECT_FALSE(host_.calls.contains("sound"));
        EXPECT_EQ(host_.events,
                  QStringList({"error:Error: File processing thread died.  Click the Resume "
                               "button to try continuing."}));
        EXPECT_TRUE(debug_.Messages().contains("Thread died; clearing status bar."));

        // Resume carries on.
        worker_.Paused = false;
        EXPECT_EQ(table_.QueueUnfinished(), 2);
        RunToEnd();
        EXPECT_EQ(table_.Entry(0)->State, fsHashed);
        EXPECT_EQ(table_.Entry(1)->State, fsHashed);
    }
}

// The end of a worker that finished normally, handled only while the next
// worker is already inside a file, is not taken for that worker's death.
TEST_F(WorkerTest, AnEarlierWorkersEndIsNotTakenForADeath) {
    table_.AddEntry(Make("quick.bin", 10, 16));
    worker_.StartHashing();
    // Wait without handling the events the worker posts.
    while (worker_.WorkerActive) {
        QThread::msleep(1);
    }
    table_.AddEntry(Make("slow.bin", kChunk + 9, 17));
    debug_.HookAt("Refreshing status bar (3).", 1, {}, true);
    worker_.StartHashing();
    while (!debug_.Reached()) {
        QThread::msleep(1);
    }
    ASSERT_EQ(worker_.ChunksDone(), 1);
    ASSERT_TRUE(ProcessUntil([&] { return ended_.count() == 1; }));  // the first worker
    test::ProcessPending();
    EXPECT_FALSE(worker_.Paused);
    EXPECT_TRUE(worker_.WorkerActive);
    debug_.Release();
    WaitForEnd(2);
    EXPECT_TRUE(host_.events.filter("error:").isEmpty());
    EXPECT_EQ(table_.Entry(1)->State, fsHashed);
}

TEST_F(WorkerTest, DeferredEventsKeepOnlyTheLatestCode) {
    worker_.ArmEvent(evRefreshInfo);
    worker_.ArmEvent(evCloseProgram);
    FireEvent();
    EXPECT_EQ(host_.events, QStringList({"close"}));

    host_.events.clear();
    worker_.ArmEvent(evShowError);  // nothing pending: no box
    FireEvent();
    EXPECT_TRUE(host_.events.isEmpty());

    host_.startupInProgress = true;
    worker_.ArmEvent(evHideToTray);
    ASSERT_TRUE(ProcessUntil([&] { return host_.events.size() == 2; }));
    EXPECT_TRUE(worker_.EventArmed()) << "waits for the start-up to end";
    host_.startupInProgress = false;
    ASSERT_TRUE(ProcessUntil([&] { return host_.events.contains("hide"); }));
    EXPECT_EQ(host_.events, QStringList({"startup?", "startup?", "startup?", "hide"}));

    worker_.ArmEvent(evRefreshInfo);
    worker_.DisableEventTimer();
    test::ProcessPending();
    EXPECT_FALSE(host_.events.contains("info"));
}

TEST_F(WorkerTest, PauseAndWaitReturnsOnceTheWorkerHasLeft) {
    table_.AddEntry(Make("long.bin", kChunk + 3, 18));
    debug_.HookAt("Refreshing status bar (3).", 1, {}, true);
    worker_.StartHashing();
    ASSERT_TRUE(ProcessUntil([&] { return debug_.Reached(); }));
    int spins = 0;
    worker_.PauseAndWait([&] {
        if (++spins == 1) {
            debug_.Release();
        }
        test::ProcessPending();
        QThread::msleep(1);
    });
    EXPECT_FALSE(worker_.WorkerActive);
    EXPECT_EQ(table_.Entry(0)->State, fsIdle);
    WaitForEnd(1);
}

TEST(ThreadPriorityTest, MapsTheLevelsToNiceValuesAndTheIdleClass) {
    std::thread([] {
        const long self = CurrentNativeThreadId();
        const int base = getpriority(PRIO_PROCESS, static_cast<id_t>(self));
        if (base <= 5) {
            EXPECT_TRUE(SetNativeThreadPriority(self, 2));
            EXPECT_EQ(getpriority(PRIO_PROCESS, static_cast<id_t>(self)), 5);
            EXPECT_TRUE(SetNativeThreadPriority(self, 1));
            EXPECT_EQ(getpriority(PRIO_PROCESS, static_cast<id_t>(self)), 10);
        }
        EXPECT_TRUE(SetNativeThreadPriority(self, 0));
        EXPECT_EQ(sched_getscheduler(static_cast<pid_t>(self)), SCHED_IDLE);
        EXPECT_FALSE(SetNativeThreadPriority(0, 3));
    }).join();

    std::thread([] {
        const long self = CurrentNativeThreadId();
        // Higher is -5 where permitted, otherwise normal.
        SetNativeThreadPriority(self, 4);
        const int nice = getpriority(PRIO_PROCESS, static_cast<id_t>(self));
        EXPECT_TRUE(nice == -5 || nice == 0 || nice == getpriority(PRIO_PROCESS, 0)) << nice;
    }).join();
}

}  // namespace
}  // namespace lm
