// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace lm {

// An exclusive lock on a file, held from construction until destruction (or
// Release). The system drops the lock of a process that ends, so a crash
// never leaves it held.
//
// Waiting, it serialises the decision which start is the first instance
// and the hand-overs of second starts, so that two of them never write the
// block's text at the same time. Tried without waiting, it tells whether
// some live process holds it.
//
// The file is only ever this user's own regular file: a link put in its
// place, or a file of another user, is not used. No wait is without bound:
// a holder that keeps the lock longer than `waitMs` is taken to hang.
class InstanceLock {
public:
    enum class Wait { Yes, No };
    // Far longer than any start takes to get ready or any hand-over to be
    // answered; a holder past it is stuck.
    static constexpr int kDefaultWaitMs = 15000;

    explicit InstanceLock(const QString& path, Wait wait = Wait::Yes, int waitMs = kDefaultWaitMs);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    bool Held() const { return fd_ >= 0; }
    // Not held because another process holds it (without waiting, or still
    // after the wait's bound).
    bool HeldElsewhere() const { return heldElsewhere_; }
    // Neither: the lock file could not be opened or is not this user's own
    // file; the caller then goes on without the lock rather than not at all.
    bool Unavailable() const { return !Held() && !heldElsewhere_; }
    void Release();

private:
    int fd_ = -1;
    bool heldElsewhere_ = false;
};

}  // namespace lm
