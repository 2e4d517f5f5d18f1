// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "check_runner.h"

class QThread;

namespace lm {

// An entry as the window keeps it, in little room: a list of a million
// lines is a million rows. Why a file could not be read is kept apart.
struct CheckRow {
    std::string name;        // the spelling found, or the list's own
    std::uint32_t list = 0;  // the index of the list
    std::uint32_t line = 0;
    Verdict verdict = Verdict::NotChecked;
    std::uint8_t differs = 0;  // Difference bits
};
// Grows without moving what it holds, so that no row is ever held twice.
using CheckRows = std::deque<CheckRow>;

// One row's verdict, as the check hands it to the window.
struct VerdictUpdate {
    std::size_t row = 0;
    EntryResult result;
};

// One check of files against lists on a thread of its own. The lists are
// read twice, as streams: once for the rows and to count how many entries
// name each file, then to check each entry (EntryChecker), so that every
// file is read once and the thread holds no more than the rows. The thread
// only leaves what it finds under a mutex; a timer on the GUI thread takes
// it over and emits the signals, so every signal comes on the GUI thread and
// the hand-over stays visible to ThreadSanitizer.
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
    // order (errors, warnings and notes, one line each), and every entry to
    // check, none checked yet. The receiver may take the rows over.
    void listsRead(const QStringList& messages, CheckRows& entries);
    // Where the check is: `files` is the number of distinct files to read.
    void progress(const CheckProgress& progress);
    // Verdicts found since the last report, a few times a second at most.
    void resultsChanged(const std::vector<VerdictUpdate>& updates);
    // The check is over; entries that a cancel left unread are NotChecked
    // and `completed` is false. The last verdicts came just before.
    void finished(bool completed);
    // The check stopped for a reason of its own (it ran out of memory); the
    // text says so. `finished` follows.
    void failed(const QString& text);

private:
    // What the thread leaves for the GUI thread, under mutex_.
    struct Report {
        std::optional<QStringList> messages;
        std::optional<CheckRows> entries;
        std::optional<CheckProgress> progress;
        std::vector<VerdictUpdate> updates;
        std::optional<QString> error;
        bool done = false;
        bool completed = false;
    };

    void Work(const QStringList& listPaths, unsigned threads);
    void TakeReport();

    std::unique_ptr<QThread> thread_;
    std::atomic<bool> cancel_{false};
    std::uint64_t generation_ = 0;  // which Start the signals belong to
    std::mutex mutex_;
    Report report_;
    QTimer poll_;
};

}  // namespace lm
