// SPDX-License-Identifier: MIT
// The Pause, Remove and Sort controls while the worker starts, runs out of
// files or restarts: they always show the state the flags are in.
#include <QAction>
#include <QTest>

#include <functional>
#include <memory>

#include "dat_lst.h"
#include "gui_test_support.h"
#include "stat_bar.h"

using namespace lm;
using namespace lm::test;

namespace {

constexpr int kHashTimeoutMs = 60000;
const QString kIdle = QStringLiteral("Idle: click here to add files");

// Runs `duringInfoRebuild` once, inside the next rebuild of the info pane:
// the moment in a command between its list work and what follows it.
class InterruptedWindow : public RecordingWindow {
public:
    using RecordingWindow::RecordingWindow;
    std::function<void()> duringInfoRebuild;

    void UpdateInfoWin() override {
        RecordingWindow::UpdateInfoWin();
        if (auto action = std::exchange(duringInfoRebuild, nullptr)) {
            action();
        }
    }
};

}  // namespace

class WorkerControlsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    std::unique_ptr<InterruptedWindow> window_;

    QString Path(const QString& name) const { return dir_.filePath(name); }
    InterruptedWindow* Start(const QStringList& arguments) {
        window_ = std::make_unique<InterruptedWindow>(arguments, dir_.path() + u'/');
        window_->messageBoxHook = [this](const QString& text) { window_->boxes << text; };
        window_->show();
        return window_.get();
    }
    QAction* Action(const char* name) const {
        return window_->findChild<QAction*>(QLatin1StringView(name));
    }
    QString Panel(int panel) const { return window_->statBar()->PanelText(panel); }
    bool Idle() const {
        return window_->StartupPhase() == 0 && !window_->worker().WorkerActive &&
               Panel(1) == kIdle && window_->fileTable().FilesRemaining() == 0;
    }
    // The Pause controls read as `word` ("Pause" or "Resume") everywhere.
    void ExpectPauseControls(const QString& word) {
        QCOMPARE(Action("mnuPause")->text().remove(u'&'), word);  // as shown
        QCOMPARE(Action("btnPause")->toolTip(), word + QStringLiteral(" (F12)"));
    }

private slots:
    void init() { QVERIFY(dir_.isValid()); }
    void cleanup() { window_.reset(); }

    // The file in progress is removed, and the worker finishes it and runs
    // out of files before the command gets to wait for it.
    void RemovingTheCurrentFileResumesWhenTheWorkerEndedMeanwhile() {
        const QString big = SparseFile(Path("big.bin"), 30 * 9728000);
        Start({big});
        QTRY_VERIFY_WITH_TIMEOUT(window_->worker().ChunksDone() > 0, kHashTimeoutMs);
        window_->datLst()->SetRowSelected(0, true);
        window_->duringInfoRebuild = [this] {
            QTRY_VERIFY_WITH_TIMEOUT(!window_->worker().WorkerActive, kHashTimeoutMs);
        };
        Action("mnuRmvSel")->trigger();
        QVERIFY(!window_->duringInfoRebuild);  // it ran
        QTRY_VERIFY_WITH_TIMEOUT(Idle(), kHashTimeoutMs);
        QVERIFY(!window_->worker().Paused);
        ExpectPauseControls(QStringLiteral("Pause"));
        QCOMPARE(window_->fileTable().FileCount(), 0);

        // Hashing goes on with files added later.
        window_->AddFileIfThere(WriteFile(Path("later.txt"), "later"));
        window_->StartHashing();
        QTRY_VERIFY_WITH_TIMEOUT(Idle(), kHashTimeoutMs);
        QCOMPARE(window_->fileTable().Entries().value(0).State, int(fsHashed));
    }

    // Resume starts a new worker; Pause pressed at once, before that worker
    // has reached the window, stays in force and is shown as such.
    void PauseRightAfterHashingStartsStaysShownAsPaused() {
        Start({SparseFile(Path("big.bin"), 30 * 9728000)});
        QTRY_VERIFY_WITH_TIMEOUT(window_->worker().ChunksDone() > 0, kHashTimeoutMs);
        Action("mnuPause")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!window_->worker().WorkerActive, kHashTimeoutMs);

        Action("mnuPause")->trigger();  // Resume
        QVERIFY(window_->worker().WorkerActive);
        Action("mnuPause")->trigger();  // and Pause again
        ExpectPauseControls(QStringLiteral("Resume"));
        QTRY_VERIFY_WITH_TIMEOUT(!window_->worker().WorkerActive, kHashTimeoutMs);
        QTRY_COMPARE(Panel(1), QStringLiteral("Paused: 1 file remaining"));
        QTest::qWait(50);  // anything the worker still had to say
        QVERIFY(window_->worker().Paused);
        ExpectPauseControls(QStringLiteral("Resume"));
        QVERIFY(Action("mnuPause")->isEnabled());

        Action("mnuPause")->trigger();
        ExpectPauseControls(QStringLiteral("Pause"));
        QTRY_VERIFY_WITH_TIMEOUT(Idle(), kHashTimeoutMs);
        QCOMPARE(window_->fileTable().Entries().value(0).State, int(fsHashed));
    }

    // Remove All restarts the emptied queue; the worker that finds it empty
    // must not offer Remove All and Sort on an empty list.
    void RemoveAllLeavesOnlyTheEmptyListCommands() {
        for (const bool paused : {false, true}) {
            const QString big = SparseFile(Path("big.bin"), 30 * 9728000);
            Start({big});
            QTRY_VERIFY_WITH_TIMEOUT(window_->worker().ChunksDone() > 0, kHashTimeoutMs);
            if (paused) {
                Action("mnuPause")->trigger();
                QTRY_VERIFY_WITH_TIMEOUT(!window_->worker().WorkerActive, kHashTimeoutMs);
            }
            Action("mnuRmvAll")->trigger();
            QTRY_VERIFY_WITH_TIMEOUT(Idle(), kHashTimeoutMs);
            QTest::qWait(50);  // anything the last worker still had to say
            for (const char* name : {"mnuRmvAll", "btnRemoveAll", "mnuSortList", "btnSort",
                                     "mnuSaveED2K", "mnuCpyAll2Clip", "mnuRmvSel"}) {
                QVERIFY2(!Action(name)->isEnabled(), name);
            }
            for (const char* name : {"mnuAddFiles", "mnuAddDir", "mnuPrefs", "mnuAbout"}) {
                QVERIFY2(Action(name)->isEnabled(), name);
            }
            ExpectPauseControls(QStringLiteral("Pause"));
            window_.reset();
        }
    }
};

QTEST_MAIN(WorkerControlsTest)
#include "worker_controls_test.moc"
