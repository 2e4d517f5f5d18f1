// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

#include <cstdint>
#include <map>
#include <optional>

#include "handover_assembler.h"
#include "handover_server.h"

namespace lm {

class HandoverBlock;

// Puts the hand-overs of second starts together, each from the WM_HANDOVER
// messages of its own connection, and hands a hand-over's paths on only
// once its last message is there. A hand-over that breaks off (its sender
// dies half-way, or its text cannot be read) is dropped whole: none of its
// paths are added, and nothing of it is joined to the next sender's paths.
class HandoverIntake {
public:
    // Far more than any command line holds; a sender past it is dropped.
    static constexpr qsizetype kMaxPendingUnits = qsizetype{1} << 24;

    struct Outcome {
        // False: the message was refused, and its sender is told so.
        bool taken = false;
        // The paths of a hand-over whose last message this was.
        std::optional<QStringList> complete;
    };

    // A WM_HANDOVER: its paths come from `packet.text` or, without one,
    // from `block` (null: the receiver has none).
    Outcome Take(const HandoverPacket& packet, const HandoverBlock* block);

    // The sender's connection has ended: what it began and did not finish
    // is dropped.
    void Ended(std::uint64_t connection);

    // Whether a hand-over of that connection has begun and not ended.
    bool Begun(std::uint64_t connection) const { return pending_.count(connection) != 0; }

private:
    struct Pending {
        HandoverAssembler pieces;
        QStringList paths;
        qsizetype units = 0;
        bool broken = false;  // the rest of the hand-over is refused too
    };
    std::map<std::uint64_t, Pending> pending_;
};

}  // namespace lm
