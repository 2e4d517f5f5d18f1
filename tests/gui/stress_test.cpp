// SPDX-License-Identifier: MIT
// A random session on the real window while it hashes: files added (new and
// again), rows removed (selected ones, the file in progress, all), sorts,
// pauses and resumes, with short waits between, all through the window's own
// commands. At the end every entry must hold the results of an independent
// computation, none lost or duplicated, none left working or queued.
//
// LM_STRESS_SEED replays a session (the seed is printed); LM_STRESS_STEPS and
// LM_STRESS_FILES change its length and the size of the file set.

#include <QAction>
#include <QDateTime>
#include <QListWidgetItem>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>
#include <random>

#include "gui_test_support.h"
#include "info_win.h"
#include "stress_session.h"

using namespace lm;
using namespace lm::test;

namespace {

// Long enough for the file set to be hashed several times over under
// ThreadSanitizer; only a guard against a hang.
constexpr int kSettleTimeoutMs = 600'000;

}  // namespace

class StressTest : public WindowTest {
    Q_OBJECT

private:
    std::mt19937 random_;

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    // Runs a command as a click would: nothing happens while it is disabled.
    bool Trigger(const char* name) {
        QAction* action = Action(name);
        if (!action->isEnabled()) {
            return false;
        }
        action->trigger();
        return true;
    }
    QStringList SelectedTexts() const {
        QStringList texts;
        for (int row : window_->datLst()->SelectedRows()) {
            texts << window_->datLst()->RowText(row);
        }
        return texts;
    }
    // Selects exactly `rows`, one click each, as a user would.
    void SelectRows(const QList<int>& rows) {
        TDatLst* list = window_->datLst();
        list->clearSelection();
        for (int row : rows) {
            if (row >= 0 && row < list->RowCount()) {
                list->SetRowSelected(row, true);
            }
        }
    }

private slots:
    void RandomSession() {
        const auto seed = static_cast<std::uint32_t>(
            EnvNumber("LM_STRESS_SEED", QDateTime::currentMSecsSinceEpoch() & 0xFFFFFFFF));
        const int steps = static_cast<int>(EnvNumber("LM_STRESS_STEPS", 200));
        const int fileCount = std::max(8, static_cast<int>(EnvNumber("LM_STRESS_FILES", 40)));
        qInfo("stress seed %u, %d steps, %d files (LM_STRESS_SEED replays it)", seed, steps,
              fileCount);
        random_.seed(seed);

        QVERIFY(dir_.isValid());
        const QList<StressFile> files = MakeStressFiles(dir_.filePath("files"), seed, fileCount);
        QCOMPARE(files.size(), fileCount);
        StressModel model(files);

        Start({});
        QTRY_VERIFY(window_->StartupPhase() == 0);

        QStringList chosen;
        window_->addFilesDialogHook = [&chosen] { return chosen; };
        FileTable& table = window_->fileTable();
        HashingWorker& worker = window_->worker();
        QStringList history;
        int busySteps = 0;
        for (int step = 0; step < steps; ++step) {
            busySteps += worker.WorkerActive ? 1 : 0;
            const int pick = Below(100);
            if (pick < 24) {
                // Add Files: mostly files not listed yet, some listed already.
                chosen.clear();
                for (int n = 1 + Below(4); n > 0; --n) {
                    const StressFile& file = files[Below(fileCount)];
                    if (model.Listed(file.path) == 0 || Below(3) == 0) {
                        chosen << file.path;
                    }
                }
                history << QStringLiteral("add %1").arg(chosen.size());
                window_->mnuAddFilesClick();
                for (const QString& path : std::as_const(chosen)) {
                    model.Added(path);
                }
            } else if (pick < 34) {
                // Remove Selected with a few random rows.
                const int rows = window_->datLst()->RowCount();
                if (rows == 0) {
                    continue;
                }
                // The worker goes on while the user moves to a row.
                QThread::usleep(static_cast<unsigned long>(Below(3000)));
                QList<int> picked;
                for (int n = 1 + Below(3); n > 0; --n) {
                    picked << Below(rows);
                }
                SelectRows(picked);
                if (Below(2) == 0) {
                    QTest::qWait(Below(4));
                }
                const QStringList texts = SelectedTexts();
                history << QStringLiteral("remove %1").arg(texts.size());
                if (Trigger("mnuRmvSel")) {
                    for (const QString& text : texts) {
                        QVERIFY2(model.RemovedRow(text), qPrintable(text));
                    }
                }
            } else if (pick < 42) {
                // Remove Selected on the row of the file being hashed.
                std::optional<QString> working;
                table.ForEach([&working](const TFileData& entry) {
                    if (entry.State == fsWorking && !working) {
                        working = entry.FileName;
                    }
                });
                const int row = working ? RowTexts(*window_->datLst()).indexOf(*working) : -1;
                if (row < 0) {
                    continue;
                }
                SelectRows({row});
                const QStringList texts = SelectedTexts();
                history << QStringLiteral("remove current");
                if (Trigger("mnuRmvSel")) {
                    for (const QString& text : texts) {
                        QVERIFY2(model.RemovedRow(text), qPrintable(text));
                    }
                }
            } else if (pick < 44) {
                history << QStringLiteral("remove all");
                if (Trigger("mnuRmvAll")) {
                    model.Cleared();
                }
            } else if (pick < 52) {
                history << QStringLiteral("sort");
                Trigger("mnuSortList");
            } else if (pick < 64) {
                history << (worker.Paused ? QStringLiteral("resume") : QStringLiteral("pause"));
                Trigger("mnuPause");
            } else if (pick < 69) {
                history << QStringLiteral("events");
                QCoreApplication::processEvents();
            } else {
                const int ms = 1 + Below(8);
                history << QStringLiteral("wait %1").arg(ms);
                QTest::qWait(ms);
            }
        }

        // The last run: resumed, then left to finish.
        history << QStringLiteral("finish");
        if (worker.Paused) {
            window_->mnuPauseClick();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!worker.WorkerActive && table.QueuedCount() == 0 &&
                                     window_->datLst()->RowCount() == table.FileCount(),
                                 kSettleTimeoutMs);
        // The worker's last refresh of the list may still be on its way.
        auto links = [&table] {
            QStringList texts;
            for (const TFileData& entry : table.Entries()) {
                texts << entry.Link;
            }
            return texts;
        };
        QTRY_COMPARE_WITH_TIMEOUT(RowTexts(*window_->datLst()), links(), kSettleTimeoutMs);
        // With nothing selected the pane holds every file's block, however
        // it was put together along the way.
        window_->datLst()->clearSelection();
        window_->UpdateInfoWin();
        QCOMPARE(window_->infoWin()->Lines(), PaneLinesFor(table.Entries(), {}));

        const QList<TFileData> entries = table.Entries();
        const QStringList problems = model.Check(entries);
        if (!problems.isEmpty()) {
            qWarning("seed %u; steps: %s", seed, qPrintable(history.join(u", ")));
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        QVERIFY(!worker.Paused);
        QCOMPARE(table.FilesRemaining(), 0);
        QCOMPARE(table.FilesRemaining(), table.QueuedCount());
        QCOMPARE(window_->boxes, QStringList());
        qInfo("%d steps while hashing, %d entries at the end", busySteps,
              static_cast<int>(entries.size()));
    }

    // The worker puts a file's second row into the table before the list
    // shows it; a selection made meanwhile means the rows as shown, for
    // Sort and for Remove Selected.
    void SelectionMeansTheRowsShownWhileASecondRowIsPending() {
        QVERIFY(dir_.isValid());
        Start({});
        QTRY_VERIFY(window_->StartupPhase() == 0);
        FileTable& table = window_->fileTable();
        TDatLst& list = *window_->datLst();
        const QString a = WriteFile(dir_.filePath("a"), "a");
        const QString b = WriteFile(dir_.filePath("b"), "b");
        const QString c = WriteFile(dir_.filePath("c"), "c");
        for (const QString& path : {a, b, c}) {
            table.AddEntry(path);  // queued; no worker runs until StartHashing
        }
        table.RefreshList(list);
        // What the worker does when it has hashed "a", up to the moment the
        // list catches up.
        const std::optional<WorkClaim> claim = table.ClaimNextQueued();
        QVERIFY(claim && claim->fileName == a);
        HashResults results;
        results.link = QStringLiteral("first");
        results.hasSecondLink = true;
        results.secondLink = QStringLiteral("second");
        QVERIFY(table.StoreResults(*claim, results));
        // The rows still show what they showed, the first one its path; the
        // second row is not there yet.
        QCOMPARE(RowTexts(list), QStringList({a, b, c}));

        SelectRows({1});
        QVERIFY(Trigger("mnuSortList"));
        QCOMPARE(RowTexts(list), QStringList({"first", "second", b, c}));
        QCOMPARE(SelectedTexts(), QStringList({b}));

        // "b" hashed the same way; the user removes the row of "c".
        const std::optional<WorkClaim> next = table.ClaimNextQueued();
        QVERIFY(next && next->fileName == b);
        results.link = QStringLiteral("b first");
        results.secondLink = QStringLiteral("b second");
        QVERIFY(table.StoreResults(*next, results));
        SelectRows({3});
        QCOMPARE(SelectedTexts(), QStringList({c}));
        QVERIFY(Trigger("mnuRmvSel"));
        QCOMPARE(RowTexts(list), QStringList({"first", "second", "b first", "b second"}));
        QCOMPARE(table.FileCount(), 4);
        QCOMPARE(table.FilesRemaining(), 0);
        QCOMPARE(window_->boxes, QStringList());
    }

    void cleanup() { window_.reset(); }
};

QTEST_MAIN(StressTest)
#include "stress_test.moc"
