// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace lm {

// Puts the paths of hand-over messages back together. A path too long for
// one message comes in pieces: the last path of a message that goes on is
// held back and put in front of the first path of the next message.
//
// The sender is another process and may be hostile: a path that grows past
// kMaxPathLength is dropped whole, its later pieces included, so that the
// piece held back stays bounded.
class HandoverAssembler {
public:
    // Far beyond any path a file system takes (PATH_MAX is 4096 bytes).
    static constexpr qsizetype kMaxPathLength = 32767;

    // Takes the paths read from one message and whether its last path goes
    // on in the next one; returns the paths that are complete.
    QStringList Take(QStringList paths, bool continues);

    // The piece held back for the next message.
    const QString& Pending() const { return pending_; }

private:
    QString pending_;
    bool dropping_ = false;  // the path in progress has grown too long
};

}  // namespace lm
