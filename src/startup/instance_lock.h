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
class InstanceLock {
public:
    enum class Wait { Yes, No };

    explicit InstanceLock(const QString& path, Wait wait = Wait::Yes);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    bool Held() const { return fd_ >= 0; }
    // Not held because another process holds it (only without waiting).
    bool HeldElsewhere() const { return heldElsewhere_; }
    // Neither: the lock file could not be opened; the caller then goes on
    // without the lock rather than not at all.
    bool Unavailable() const { return !Held() && !heldElsewhere_; }
    void Release();

private:
    int fd_ = -1;
    bool heldElsewhere_ = false;
};

}  // namespace lm
