// SPDX-License-Identifier: MIT
#include "overall_progress.h"

#include <algorithm>
#include <cmath>

#include "file_table.h"
#include "hashing_worker.h"

namespace lm {

namespace {

struct Sums {
    std::int64_t hashed = 0;     // files done
    std::int64_t remaining = 0;  // files queued or being read
    std::int64_t current = 0;    // the size of the file being read
};

Sums SumSizes(const FileTable& table) {
    Sums sums;
    table.ForEach([&sums](const TFileData& entry) {
        const std::int64_t size = std::max<std::int64_t>(entry.FileSize, 0);
        if (entry.State == fsHashed) {
            sums.hashed += size;
        } else if (entry.State == fsQueued || entry.State == fsWorking) {
            sums.remaining += size;
            if (entry.State == fsWorking) {
                sums.current = size;
            }
        }
    });
    return sums;
}

QString Duration(std::int64_t seconds) {
    const std::int64_t hours = seconds / 3600;
    const std::int64_t minutes = seconds / 60 % 60;
    const std::int64_t rest = seconds % 60;
    if (hours > 0) {
        return QStringLiteral("%1:%2:%3")
            .arg(hours)
            .arg(minutes, 2, 10, QChar(u'0'))
            .arg(rest, 2, 10, QChar(u'0'));
    }
    return QStringLiteral("%1:%2").arg(minutes).arg(rest, 2, 10, QChar(u'0'));
}

}  // namespace

void TOverallProgress::Update(const FileTable& table, const ProgressState& progress) {
    const Sums sums = SumSizes(table);
    if (!running_) {
        running_ = true;
        clock_.start();
        hashedAtStart_ = sums.hashed;
    }
    // Of the file being read, the chunks done so far.
    const std::int64_t current =
        progress.chunksDone > 0 ? std::min(sums.current, progress.chunksDone * kChunkBytes) : 0;
    // Files removed meanwhile may take some of what was done with them.
    done_ = std::max<std::int64_t>(0, sums.hashed - hashedAtStart_) + current;
    total_ = std::max(done_, done_ + sums.remaining - current);
}

void TOverallProgress::End() {
    running_ = false;
    done_ = total_ = 0;
}

QString TOverallProgress::Text() const {
    return running_ ? TextFor(done_, total_, clock_.elapsed()) : QString();
}

QString TOverallProgress::AmountsText(const QString& done, const QString& total) {
    return tr("%1 MB of %2 MB", "megabytes read of all").arg(done, total);
}

QString TOverallProgress::SpeedText(const QString& amounts, const QString& speed,
                                    const QString& left) {
    return tr("%1, %2 MB/s, %3 left", "megabytes read of all, the speed, the time left")
        .arg(amounts, speed, left);
}

QString TOverallProgress::TextFor(std::int64_t done, std::int64_t total, qint64 elapsedMs) {
    const QString amounts =
        AmountsText(QString::number(done / kMegabyte), QString::number(total / kMegabyte));
    if (elapsedMs < 1000 || done <= 0) {
        return amounts;  // no speed to tell yet
    }
    const double perSecond = static_cast<double>(done) / (static_cast<double>(elapsedMs) / 1000.0);
    const double megabytes = perSecond / kMegabyte;
    const QString speed = megabytes < 10 ? QString::number(megabytes, 'f', 1)
                                         : QString::number(std::llround(megabytes));
    const auto left =
        static_cast<std::int64_t>(std::ceil(static_cast<double>(total - done) / perSecond));
    return SpeedText(amounts, speed, Duration(left));
}

}  // namespace lm
