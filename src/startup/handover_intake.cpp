// SPDX-License-Identifier: MIT
#include "handover_intake.h"

#include "command_line.h"
#include "handover_block.h"
#include "instance_names.h"

namespace lm {

HandoverIntake::Outcome HandoverIntake::Take(const HandoverPacket& packet,
                                             const HandoverBlock* block) {
    const int count = static_cast<int>(packet.wParam & 0xFFFF);
    const bool continues = (packet.lParam & kHandoverContinues) != 0;
    const bool last = !continues && (packet.lParam & kHandoverMore) == 0;
    Pending& pending = pending_[packet.connection];

    std::optional<QStringList> paths;
    if (!pending.broken) {
        if (packet.text) {
            paths = ParseHandoverText(packet.text->data(), static_cast<int>(packet.text->size()),
                                      count);
        } else if (block != nullptr) {
            paths = block->TryReadPaths(count);
        }
    }
    if (paths) {
        for (const QString& path : *paths) {
            pending.units += path.size() + 1;
        }
    }
    if (!paths || pending.units > kMaxPendingUnits) {
        // Broken off: nothing of it is added, and its later messages are
        // refused as well, until its last one.
        if (last) {
            pending_.erase(packet.connection);
        } else {
            pending = Pending{};
            pending.broken = true;
        }
        return {false, std::nullopt};
    }
    pending.paths += pending.pieces.Take(std::move(*paths), continues);
    if (!last) {
        return {true, std::nullopt};
    }
    Outcome outcome{true, std::move(pending.paths)};
    pending_.erase(packet.connection);
    return outcome;
}

void HandoverIntake::Ended(std::uint64_t connection) {
    pending_.erase(connection);
}

}  // namespace lm
