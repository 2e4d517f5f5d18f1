// SPDX-License-Identifier: MIT
#include "debug_log.h"

#include <QFile>
#include <QFileInfo>

#include "ansi_codepage.h"

namespace lm {

DebugLog::DebugLog(const QString& programDir)
    : path_((programDir.endsWith(u'/') ? programDir : programDir + u'/') +
            QLatin1String(kDebugLogFileName)) {}

void DebugLog::Enable() {
    std::lock_guard lock(mutex_);
    if (!enabled_.load()) {
        // A log that cannot be removed (its folder may not be written) is
        // emptied instead, so that this run's lines stand alone. Only a
        // plain file: a link's target is somebody else's.
        const QFileInfo old(path_);
        if (!QFile::remove(path_) && old.isFile() && !old.isSymLink()) {
            QFile file(path_);
            static_cast<void>(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        }
        enabled_ = true;
    }
}

void DebugLog::WriteDebugLog(const QString& message) {
    if (!enabled_.load() || message.isEmpty()) {
        return;
    }
    QByteArray line = ToAnsi(message);
    line.replace('\r', ' ');
    line.replace('\n', ' ');
    line.append("\r\n", 2);

    std::lock_guard lock(mutex_);
    QFile file(path_);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        file.write(line);
        file.close();
    }
}

bool DebugLog::IsDebugSwitch(const QString& argument) {
    return argument.compare(u"/debug", Qt::CaseInsensitive) == 0;
}

}  // namespace lm
