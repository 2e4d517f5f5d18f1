// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "settings.h"

namespace lm {

class DebugSink;
class FileTable;
class HashAhead;
struct PassOptions;
class TQuickThread;
class WorkerHost;

// The deferred events: one slot, fired once 100 ms after it was armed, on
// the GUI thread. Arming again before it fires replaces the code.
enum DeferredEvent {
    evRefreshInfo = 0,
    evShowError = 1,
    evCloseProgram = 2,
    evHideToTray = 3,
};

struct ProgressState {
    int chunksDone = 0;  // 0: no file in progress
    int chunksTotal = 0;
    QString fileName;  // without its path; empty: no text
};

// The background hashing of the file table's queued entries, one worker
// thread at a time, and everything around it the window needs: the pause
// and active flags, the progress values, the pending error and the deferred
// events. Lives on the GUI thread; every public function except the flags
// and the progress and error getters is called there. The table, settings,
// host and debug sink must outlive it. What the worker shows reaches the host
// through a queue that a 10 ms timer drains while a worker thread exists.
class HashingWorker : public QObject {
    Q_OBJECT

public:
    HashingWorker(FileTable& table, const Settings& settings, WorkerHost& host,
                  DebugSink* debug = nullptr, QObject* parent = nullptr);
    // Stops a running worker after its current chunk and waits for it.
    ~HashingWorker() override;

    // Set to stop the worker after its current chunk; stays set while paused.
    std::atomic<bool> Paused{false};
    // True from the start of a worker until it has left its loop.
    std::atomic<bool> WorkerActive{false};

    // After files were added or on resume: mirrors the table into the list,
    // shows the working or paused text and starts a worker when none runs
    // and no pause is in force.
    void StartHashing();
    // Mirrors the table into the list rows; enables Remove All and Sort when
    // there are any.
    void RefreshList();
    // Sets Paused and calls `processEvents` until no worker is active, so
    // that the table can be restructured (Remove All, closing). With
    // `giveUp`, asked before each call, the wait may end early (a worker
    // stuck in a read that never returns); false then, the worker still
    // active.
    bool PauseAndWait(const std::function<void()>& processEvents,
                      const std::function<bool()>& giveUp = {});
    // Gives a running worker a new priority at once.
    void SetWorkerPriority(ThreadPriority priority);
    // The Pause button and menu item as the flag stands: "Pause" while it is
    // clear, "Resume" while it is set.
    void ShowPauseState(WorkerHost& host) const;

    void ArmEvent(int code);
    // Drops a pending deferred event (the close sequence).
    void DisableEventTimer();
    bool EventArmed() const { return eventTimer_.isActive(); }

    ProgressState Progress() const;
    int ChunksDone() const { return Progress().chunksDone; }
    int ChunksTotal() const { return Progress().chunksTotal; }
    QString ProgressFileName() const { return Progress().fileName; }
    QString PendingError() const;

    // "Working: 3 files remaining", or "Paused: ..." when `paused`.
    static QString RemainingText(bool paused, int remaining);
    // "1 file", "0 files", "12 files".
    static QString FileCountText(int count);
    // The activity panel with nothing to hash: "Idle: click here to add files".
    static QString IdleText();
    // The title and tray tip with nothing to hash: "Linkmint (idle)".
    static QString IdleTitle();
    // The Pause command's caption while paused: "Resume".
    static QString ResumeCaption();

signals:
    // A worker thread has ended, whatever way (GUI thread).
    void threadEnded();

private slots:
    void EventTimerTimer();
    void DrainHostQueue();
    void ShowThreadDiedBox();

private:
    using HostCall = std::function<void(WorkerHost&)>;

    void AddFiles(std::uint64_t identity);
    // What the helper that hashes ahead has been given so far.
    struct AheadPlan;
    // Gives `ahead` the queued entries that come after those planned, or
    // plans anew when the table has changed its order.
    void KeepAheadPlanned(HashAhead& ahead, AheadPlan& plan, const PassOptions& options) const;
    void OnThreadEnded(std::uint64_t identity, bool died, const QString& why);
    // Hands a call to the GUI thread; calls run there in the order posted.
    void Post(HostCall call);
    void Debug(const QString& message) const;
    // Whether Debug writes anything: messages that cost a text to make are
    // made only then.
    bool DebugOn() const;
    void SetProgress(int done, int total, const QString& fileName);
    void SetChunksDone(int done);
    void ClearProgress(const char* repaintMessage);
    void SetTitle(const QString& title, const char* setMessage, const char* tipMessage);

    FileTable& table_;
    const Settings& settings_;
    WorkerHost& host_;
    DebugSink* debug_;

    QTimer eventTimer_;
    // Drains the calls the worker hands over, while a worker thread exists.
    QTimer drainTimer_;
    int eventCode_ = evRefreshInfo;

    // Threads started and not yet seen ending, by identity; GUI thread only.
    std::map<std::uint64_t, std::unique_ptr<TQuickThread>> threads_;
    std::uint64_t latestIdentity_ = 0;  // the last one StartHashing made
    // The worker that holds WorkerActive; 0 once it has left its loop.
    std::atomic<std::uint64_t> activeIdentity_{0};
    // The worker's priority level, which the hasher's helper threads follow.
    std::atomic<int> priorityLevel_{2};

    mutable std::mutex progressMutex_;
    ProgressState progress_;
    QString pendingError_;

    std::mutex queueMutex_;
    std::deque<HostCall> queue_;
};

}  // namespace lm
