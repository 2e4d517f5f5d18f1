// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

#include "activation_token.h"
#include "handover_block.h"
#include "instance_lock.h"

namespace lm {

// Which of a session's starts runs the window. The first start makes the
// hand-over block and serves; a later one brings the running window forward,
// hands its paths over and ends.
class SingleInstance {
public:
    // Unanswered: an instance runs but did not take the paths (it is not
    // listening, it did not answer in time, or it refused them). Nothing of
    // it is touched. Blocked: another start has held the start lock past
    // every reasonable time (it hangs); this one gives up.
    enum class Role { First, HandedOver, Unanswered, Blocked };

    // Call before anything else of the program. Holds the start lock from
    // here until Publish, so that a start at the same moment waits for this
    // one to be ready to receive.
    //
    // A running instance is known by the lock it holds for its whole life,
    // never by how fast it answers: only when no process holds that lock are
    // a block and a socket left behind removed (the instance that made them
    // has gone), and this start becomes the first instance. When no block
    // can be made (another user took its name) this start still becomes the
    // first instance, and receives hand-overs on its socket alone.
    Role Start(const QStringList& arguments);

    // The first instance's block; null when it could not be made.
    HandoverBlock* Block() { return block_.IsOpen() ? &block_ : nullptr; }

    // The first instance is ready: writes its handles to the block and lets
    // waiting starts go on.
    void Publish(std::uint32_t appHandle, std::uint32_t mainHandle);

    // Gives the block's name and the locks up at once, as the destructor
    // would (for a process that ends without destructors).
    void End();

    // The hand-over of a second start, exposed for the tests: sends the
    // launcher's tokens, the restore message and then `arguments` (made
    // absolute from this start's working folder) in as many messages as they
    // need. Each text is written under the lock to the running instance's
    // block (null: there is none that can be trusted) and stays until its
    // message was handled; without the block it goes with its message on the
    // socket. False when no instance answered or it refused a message.
    static bool HandOver(HandoverBlock* block, const QString& socketPath,
                         const QStringList& arguments, const ActivationTokens& tokens = {});

private:
    Role StartFirst(bool removeLeftovers);

    std::unique_ptr<InstanceLock> lock_;
    std::unique_ptr<InstanceLock> alive_;
    HandoverBlock block_;
};

}  // namespace lm
