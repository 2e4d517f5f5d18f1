// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>

#include <cstdint>

namespace lm {

class FileTable;
struct ProgressState;

// The whole job's progress in bytes while the worker hashes: what has been
// read since the job began, how much the job holds in all (what was read
// and what is still queued, the rest of the current file included), the
// speed so far and the time left. Worked out on the GUI thread from the
// file table and the worker's progress; the worker does nothing for it.
class TOverallProgress {
    Q_DECLARE_TR_FUNCTIONS(lm::TOverallProgress)

public:
    static constexpr std::int64_t kChunkBytes = 9728000;
    // A megabyte here is 10^6 bytes, as disks and networks count.
    static constexpr std::int64_t kMegabyte = 1000000;

    // Called while the worker is active: begins a job the first time, then
    // takes a new look. `progress` is the worker's for the current file.
    void Update(const FileTable& table, const ProgressState& progress);
    // The worker is idle or paused: the job is over.
    void End();
    bool Running() const { return running_; }

    std::int64_t BytesDone() const { return done_; }
    std::int64_t BytesTotal() const { return total_; }
    qint64 ElapsedMs() const { return running_ ? clock_.elapsed() : 0; }

    // "N MB of M MB, S MB/s, T left"; the speed and time left only once a
    // second has passed and something was read; empty when no job runs.
    QString Text() const;
    static QString TextFor(std::int64_t done, std::int64_t total, qint64 elapsedMs);
    // The text's two forms from their pieces: "N MB of M MB", and that
    // with the speed and the time left.
    static QString AmountsText(const QString& done, const QString& total);
    static QString SpeedText(const QString& amounts, const QString& speed, const QString& left);

private:
    bool running_ = false;
    QElapsedTimer clock_;
    std::int64_t hashedAtStart_ = 0;  // bytes of the files hashed before the job
    std::int64_t done_ = 0;
    std::int64_t total_ = 0;
};

}  // namespace lm
