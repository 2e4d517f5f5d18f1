// SPDX-License-Identifier: MIT
// Many small files, so that the worker's helper hashes ahead of the file in
// turn, and at random moments a pause, a resume, a removal (of other rows,
// of the file in turn, of all) or the end of the worker as the window's
// close makes it. Whatever was hashed ahead must never land on an entry
// that was removed or paused, every entry that ends hashed has its own
// results, and no file is left open once the worker is gone.
//
// LM_STRESS_SEED replays a session (the seed is printed); LM_STRESS_ROUNDS
// changes its length.

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>

#include "core_test_support.h"
#include "file_table.h"
#include "hashing_worker.h"
#include "settings.h"
#include "stress_session.h"

namespace lm {
namespace {

using test::StressFile;
using test::StressModel;

std::size_t OpenDescriptors() {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator("/proc/self/fd")) {
        ++count;
    }
    return count;
}

// `count` files of 0 to 8 KiB with their digests computed apart from the
// program's hashing library.
QList<StressFile> SmallFiles(const QString& dir, std::mt19937& random, int count) {
    QList<StressFile> files;
    QDir().mkpath(dir);
    for (int i = 0; i < count; ++i) {
        StressFile file;
        file.path = QDir(dir).filePath(QStringLiteral("s%1.bin").arg(i, 4, 10, QChar(u'0')));
        const int size = i % 16 == 0 ? 0 : std::uniform_int_distribution<int>(1, 8192)(random);
        QByteArray bytes(size, Qt::Uninitialized);
        for (char& byte : bytes) {
            byte = static_cast<char>(random() >> 24);
        }
        QFile out(file.path);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != size) {
            return {};
        }
        out.close();
        if (!test::ComputeReference(file)) {
            return {};
        }
        files.append(file);
    }
    return files;
}

class AheadStressTest : public ::testing::Test {
protected:
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    struct Session {
        Settings settings;
        FileTable table{&settings};
        test::RecordingHost host;
        std::unique_ptr<HashingWorker> worker;
        Session() {
            host.rows.table = &table;
            worker = std::make_unique<HashingWorker>(table, settings, host);
        }
    };

    static void WaitForWorker(Session& s) {
        if (s.worker->WorkerActive) {
            s.worker->PauseAndWait([] {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
                QThread::usleep(100);
            });
        }
    }
    static void Resume(Session& s) {
        WaitForWorker(s);
        s.worker->Paused = false;
        s.table.QueueUnfinished();
        s.worker->StartHashing();
    }
    // A moment of hashing: the event loop runs for up to 3 ms.
    void Moment() {
        QElapsedTimer clock;
        clock.start();
        const int us = Below(3000);
        while (clock.nsecsElapsed() < us * 1000LL) {
            QCoreApplication::processEvents();
            QThread::usleep(static_cast<unsigned long>(Below(300)));
        }
    }
    // Selects `rows` and removes them as Remove Selected does: a worker on
    // one of them is paused first and resumed after.
    void RemoveRows(Session& s, StressModel& model, const QList<int>& rows) {
        s.table.RefreshList(s.host.rows);
        QList<bool> selected(s.host.rows.RowCount(), false);
        QStringList texts;
        for (int row : rows) {
            if (row < selected.size() && !selected[row]) {
                selected[row] = true;
                texts << s.host.rows.RowText(row);
            }
        }
        s.table.SelectRows(selected);
        bool current = false;
        s.table.ForEach([&current](const TFileData& e) {
            current = current || (e.Selected && e.State == fsWorking);
        });
        if (current) {
            WaitForWorker(s);
        }
        s.table.RemoveSelected();
        s.table.RefreshList(s.host.rows);
        for (const QString& text : texts) {
            ASSERT_TRUE(model.RemovedRow(text)) << text.toStdString();
        }
        if (current) {
            Resume(s);
        }
    }
    // Every hashed entry carries its own file's results.
    static QStringList WrongResults(const QList<TFileData>& entries, const StressModel& model) {
        QStringList problems;
        for (const TFileData& e : entries) {
            const auto file = model.Files().constFind(e.FileName);
            if (file == model.Files().cend()) {
                problems << e.FileName + QStringLiteral(": not a file of the set");
            } else if (e.State == fsWorking) {
                problems << e.FileName + QStringLiteral(": still working");
            } else if (e.State == fsHashed &&
                       ((e.Link != file->PrimaryLink() && e.Link != file->SecondLink()) ||
                        e.CRC32() != file->crc32 || e.MD5() != file->md5 ||
                        e.SHA1() != file->sha1)) {
                problems << e.FileName + QStringLiteral(": wrong results ") + e.Link;
            }
        }
        return problems;
    }

    QTemporaryDir dir_;
    std::mt19937 random_;
};

TEST_F(AheadStressTest, PausesRemovalsAndClosesWhileSmallFilesAreHashedAhead) {
    const auto seed = static_cast<std::uint32_t>(
        test::EnvNumber("LM_STRESS_SEED", QDateTime::currentMSecsSinceEpoch() & 0xFFFFFFFF));
    const int rounds = static_cast<int>(test::EnvNumber("LM_STRESS_ROUNDS", 40));
    std::printf("ahead stress seed %u, %d rounds (LM_STRESS_SEED replays it)\n", seed, rounds);
    random_.seed(seed);
    ASSERT_TRUE(dir_.isValid());
    const QList<StressFile> files = SmallFiles(dir_.filePath("files"), random_, 300);
    ASSERT_EQ(files.size(), 300);
    const std::size_t descriptors = OpenDescriptors();

    int closes = 0;
    for (int round = 0; round < rounds; ++round) {
        SCOPED_TRACE(QStringLiteral("seed %1, round %2").arg(seed).arg(round).toStdString());
        Session s;
        StressModel model(files);
        for (int n = 50 + Below(250); n > 0; --n) {
            const StressFile& file = files[Below(static_cast<int>(files.size()))];
            s.table.AddEntry(file.path);
            model.Added(file.path);
        }
        s.worker->StartHashing();
        for (int action = Below(6); action >= 0; --action) {
            Moment();
            const int pick = Below(100);
            if (pick < 30) {
                if (!s.worker->Paused) {
                    s.worker->Paused = true;
                } else {
                    Resume(s);
                }
            } else if (pick < 60 && s.table.FileCount() > 0) {
                QList<int> rows;
                for (int n = 1 + Below(8); n > 0; --n) {
                    rows << Below(s.table.FileCount());
                }
                RemoveRows(s, model, rows);
            } else if (pick < 75) {
                // The file in turn, wherever it is.
                s.table.RefreshList(s.host.rows);
                QString working;
                s.table.ForEach([&working](const TFileData& e) {
                    if (e.State == fsWorking && working.isEmpty()) {
                        working = e.FileName;
                    }
                });
                const int row = working.isEmpty() ? -1 : s.host.rows.rows.indexOf(working);
                if (row >= 0) {
                    RemoveRows(s, model, {row});
                }
            } else if (pick < 85) {
                // Remove All.
                s.worker->Paused = true;
                WaitForWorker(s);
                s.table.RemoveAll();
                s.table.RefreshList(s.host.rows);
                model.Cleared();
                Resume(s);
            } else {
                s.table.SortEntries();
                s.table.RefreshList(s.host.rows);
            }
        }

        if (Below(2) == 0) {
            // The window closes: the worker is paused and ends, or, at
            // once, the worker object goes.
            ++closes;
            if (Below(2) == 0) {
                s.worker->Paused = true;
                WaitForWorker(s);
            }
            s.worker.reset();
            const QList<TFileData> closed = s.table.Entries();
            EXPECT_EQ(OpenDescriptors(), descriptors);
            const QStringList problems = WrongResults(closed, model);
            EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
            QThread::msleep(5);
            EXPECT_EQ(s.table.Entries(), closed) << "an entry changed after the worker ended";
            continue;
        }
        if (s.worker->Paused) {
            Resume(s);
        }
        ASSERT_TRUE(test::ProcessUntil(
            [&s] { return !s.worker->WorkerActive && s.table.QueuedCount() == 0; }));
        const QList<TFileData> entries = s.table.Entries();
        const QStringList problems = model.Check(entries) + WrongResults(entries, model);
        EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
        EXPECT_EQ(s.table.FilesRemaining(), 0);
        EXPECT_FALSE(s.host.events.join(u'\n').contains("error:"));
        s.worker.reset();
        EXPECT_EQ(OpenDescriptors(), descriptors);
    }
    std::printf("%d of %d rounds ended by a close\n", closes, rounds);
}

}  // namespace
}  // namespace lm
