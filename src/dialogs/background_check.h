// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "check_runner.h"

class QThread;

namespace lm {

// One check of files against lists on a thread of its own: the lists are
// read there, then every file they name is hashed once (CheckRunner). The
// thread only leaves what it finds under a mutex; a timer on the GUI thread
// takes it over and emits the signals, so every signal comes on the GUI
// thread and the hand-over stays visible to ThreadSanitizer.
class BackgroundCheck : public QObject {
    Q_OBJECT

public:
    explicit BackgroundCheck(QObject* parent = nullptr);
    // Stops a check that still runs.
    ~BackgroundCheck() override;

    // Reads `listPaths` and checks the files they name. A check that still
    // runs is stopped first. `threads` as for ChunkBuffer.
    void Start(const QStringList& listPaths, unsigned threads = 0);
    // Asks the check to end before its next chunk; `finished` follows, with
    // `completed` false.
    void Cancel();
    // Cancels and waits for the thread, at most a chunk's time; nothing more
    // is reported of that check.
    void Stop();
    // From Start until `finished` (or Stop).
    bool Running() const { return thread_ != nullptr; }

signals:
    // Once, when every list has been read: what was said about the lists, in
    // order (errors and warnings, one line each), and every entry to check,
    // none checked yet.
    void listsRead(const QStringList& messages, const std::vector<EntryResult>& entries);
    // Where the check is.
    void progress(const CheckProgress& progress);
    // Every entry with its verdict so far, a few times a second at most.
    void resultsChanged(const std::vector<EntryResult>& results);
    // Every entry with its verdict; entries that a cancel left unread are
    // NotChecked and `completed` is false.
    void finished(bool completed, const std::vector<EntryResult>& results);
    // The check stopped for a reason of its own (it ran out of memory); the
    // text says so. `finished` follows.
    void failed(const QString& text);

private:
    // What the thread leaves for the GUI thread, under mutex_.
    struct Report {
        std::optional<QStringList> messages;
        std::optional<std::vector<EntryResult>> entries;
        std::optional<CheckProgress> progress;
        std::optional<std::vector<EntryResult>> results;
        std::optional<QString> error;
        bool done = false;
        bool completed = false;
    };

    void Work(const QStringList& listPaths, unsigned threads);
    void TakeReport();

    std::unique_ptr<QThread> thread_;
    std::unique_ptr<CheckRunner> runner_;  // used by the thread while it runs
    std::atomic<bool> cancel_{false};
    std::uint64_t generation_ = 0;  // which Start the signals belong to
    std::mutex mutex_;
    Report report_;
    QTimer poll_;
};

}  // namespace lm
