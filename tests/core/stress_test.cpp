// SPDX-License-Identifier: MIT
// A random session straight on the file table and the worker, many more
// steps than the window's: entries added (new and again), removed (selected
// rows, the file in progress, all), sorted, paused and resumed while files
// are hashed, in the order the window's commands use. The end is checked
// against digests computed apart from the program's hashing library.
//
// LM_STRESS_SEED replays a session (the seed is printed); LM_STRESS_STEPS
// and LM_STRESS_FILES change its length and the size of the file set.

#include <QCoreApplication>
#include <QDateTime>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core_test_support.h"
#include "file_table.h"
#include "hashing_worker.h"
#include "settings.h"
#include "stress_session.h"

namespace lm {
namespace {

using test::StressFile;
using test::StressModel;

class EngineStressTest : public ::testing::Test {
protected:
    void SetUp() override { host_.rows.table = &table_; }
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    static void ProcessEvents() { QCoreApplication::processEvents(); }

    void WaitForWorker() {
        if (worker_.WorkerActive) {
            worker_.PauseAndWait([] {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
                QThread::usleep(200);
            });
        }
    }
    void Resume() {
        WaitForWorker();
        worker_.Paused = false;
        table_.QueueUnfinished();
        worker_.StartHashing();
    }
    // Selects `rows` of the list as shown and removes them, as Remove
    // Selected does; returns the texts of the rows removed.
    QStringList RemoveRows(const QList<int>& rows) {
        QList<bool> selected(host_.rows.RowCount(), false);
        QStringList texts;
        for (int row : rows) {
            if (!selected[row]) {
                selected[row] = true;
                texts << host_.rows.RowText(row);
            }
        }
        table_.SelectRows(selected);
        bool current = false;
        table_.ForEach([&current](const TFileData& e) {
            current = current || (e.Selected && e.State == fsWorking);
        });
        table_.RemoveSelected();
        table_.RefreshList(host_.rows);
        if (current) {
            WaitForWorker();
            Resume();
        }
        return texts;
    }

    QTemporaryDir dir_;
    std::mt19937 random_;
    Settings settings_;
    FileTable table_{&settings_};
    test::RecordingHost host_;
    HashingWorker worker_{table_, settings_, host_};
};

TEST_F(EngineStressTest, RandomSessionKeepsEveryEntryAndItsResults) {
    const auto seed = static_cast<std::uint32_t>(
        test::EnvNumber("LM_STRESS_SEED", QDateTime::currentMSecsSinceEpoch() & 0xFFFFFFFF));
    const int steps = static_cast<int>(test::EnvNumber("LM_STRESS_STEPS", 2000));
    const int fileCount = std::max(8, static_cast<int>(test::EnvNumber("LM_STRESS_FILES", 40)));
    std::printf("stress seed %u, %d steps, %d files (LM_STRESS_SEED replays it)\n", seed, steps,
                fileCount);
    random_.seed(seed);
    ASSERT_TRUE(dir_.isValid());
    const QList<StressFile> files = test::MakeStressFiles(dir_.filePath("files"), seed, fileCount);
    ASSERT_EQ(files.size(), fileCount);
    StressModel model(files);

    int busySteps = 0;
    for (int step = 0; step < steps; ++step) {
        busySteps += worker_.WorkerActive ? 1 : 0;
        const int pick = Below(100);
        if (pick < 20) {
            for (int n = 1 + Below(4); n > 0; --n) {
                const StressFile& file = files[Below(fileCount)];
                if (model.Listed(file.path) == 0 || Below(3) == 0) {
                    table_.AddEntry(file.path);
                    model.Added(file.path);
                }
            }
            worker_.StartHashing();
        } else if (pick < 30 && host_.rows.RowCount() > 0) {
            QList<int> rows;
            for (int n = 1 + Below(3); n > 0; --n) {
                rows << Below(host_.rows.RowCount());
            }
            for (const QString& text : RemoveRows(rows)) {
                ASSERT_TRUE(model.RemovedRow(text)) << text.toStdString();
            }
        } else if (pick < 38) {
            QString working;
            table_.ForEach([&working](const TFileData& entry) {
                if (entry.State == fsWorking && working.isEmpty()) {
                    working = entry.FileName;
                }
            });
            const int row = working.isEmpty() ? -1 : host_.rows.rows.indexOf(working);
            if (row >= 0) {
                for (const QString& text : RemoveRows({row})) {
                    ASSERT_TRUE(model.RemovedRow(text)) << text.toStdString();
                }
            }
        } else if (pick < 40) {
            // Remove All: stops a running worker, then starts over empty.
            if (worker_.WorkerActive && !worker_.Paused) {
                worker_.Paused = true;
            }
            table_.RemoveAll();
            table_.RefreshList(host_.rows);
            model.Cleared();
            WaitForWorker();
            if (worker_.Paused) {
                Resume();
            }
        } else if (pick < 48) {
            table_.SortEntries();
            table_.RefreshList(host_.rows);
        } else if (pick < 58) {
            if (!worker_.Paused) {
                worker_.Paused = true;
            } else {
                Resume();
            }
        } else if (pick < 62) {
            // The rows after a refresh are the table as a list made anew
            // would show it: every entry in order, its link or its path,
            // and its selection.
            const bool wasRunning = worker_.WorkerActive && !worker_.Paused;
            WaitForWorker();
            table_.RefreshList(host_.rows);
            QStringList texts;
            // std::vector, since QList<bool>'s == hands memcmp a null
            // pointer when both lists are empty.
            std::vector<bool> selected;
            for (const TFileData& entry : table_.Entries()) {
                texts << (entry.Link.isEmpty() ? entry.FileName : entry.Link);
                selected.push_back(entry.Selected);
            }
            const std::vector<bool> shown(host_.rows.selected.begin(), host_.rows.selected.end());
            ASSERT_EQ(host_.rows.rows, texts) << "seed " << seed << ", step " << step;
            ASSERT_EQ(shown, selected) << "seed " << seed << ", step " << step;
            if (wasRunning) {
                Resume();
            }
        } else if (pick < 80) {
            ProcessEvents();
        } else {
            QThread::usleep(static_cast<unsigned long>(50 + Below(2000)));
            ProcessEvents();
        }
    }

    if (worker_.Paused) {
        Resume();
    }
    ASSERT_TRUE(test::ProcessUntil([this] {
        return !worker_.WorkerActive && table_.QueuedCount() == 0 &&
               host_.rows.RowCount() == table_.FileCount();
    }));
    // The worker's last refresh of the list may still be on its way.
    auto links = [this] {
        QStringList texts;
        for (const TFileData& entry : table_.Entries()) {
            texts << entry.Link;
        }
        return texts;
    };
    test::ProcessUntil([&] { return host_.rows.rows == links(); });
    const QList<TFileData> entries = table_.Entries();
    const QStringList problems = model.Check(entries);
    EXPECT_TRUE(problems.isEmpty()) << "seed " << seed << "\n"
                                    << problems.join(u'\n').toStdString();
    EXPECT_EQ(table_.FilesRemaining(), 0);
    EXPECT_EQ(host_.rows.rows, links());
    EXPECT_FALSE(host_.events.join(u'\n').contains("error:"))
        << host_.events.join(u'\n').toStdString();
    std::printf("%d steps while hashing, %d entries at the end\n", busySteps,
                static_cast<int>(entries.size()));
}

}  // namespace
}  // namespace lm
