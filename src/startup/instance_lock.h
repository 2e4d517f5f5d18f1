#pragma once

#include <QString>

namespace lm {

// An exclusive lock on a file, held from construction until destruction (or
// Release). Serialises the decision which start is the first instance and
// the hand-overs of second starts, so that two of them never write the
// block's text at the same time. The system drops the lock of a process that
// dies, so a crash never leaves it held.
class InstanceLock {
public:
    explicit InstanceLock(const QString& path);  // waits for the lock
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // False when the lock file could not be opened; the caller then goes on
    // without the serialisation rather than not at all.
    bool Held() const { return fd_ >= 0; }
    void Release();

private:
    int fd_ = -1;
};

}  // namespace lm
