// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <atomic>
#include <mutex>

#include "debug_sink.h"

namespace lm {

inline constexpr char kDebugLogFileName[] = "LinkmintDebug.log";

// The "/debug" trace: LinkmintDebug.log in the program directory, one
// Windows-1252 line per message, each ending in CR LF. Off until Enable();
// once on it stays on. Writes from the GUI thread and the worker are
// serialised, so no message is lost and lines never mix.
class DebugLog : public DebugSink {
public:
    explicit DebugLog(const QString& programDir);

    // The "/debug" switch was met: deletes an old log, so that this run
    // starts empty, and turns logging on.
    void Enable();

    bool Enabled() const override { return enabled_.load(); }

    // Opens the log, appends the message and CR LF, and closes it again.
    // Characters outside the code page become "?"; a CR or LF inside the
    // message becomes a blank, keeping one message per line. Empty messages
    // and every failure are ignored.
    void WriteDebugLog(const QString& message) override;

    const QString& FilePath() const { return path_; }

    // True when `argument` is the "/debug" switch (any case).
    static bool IsDebugSwitch(const QString& argument);

private:
    QString path_;
    std::atomic<bool> enabled_{false};
    std::mutex mutex_;
};

}  // namespace lm
