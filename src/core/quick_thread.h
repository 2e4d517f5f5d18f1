#pragma once

#include <QObject>
#include <QThread>

#include <cstdint>
#include <functional>
#include <mutex>

namespace lm {

// A thread that runs one function at a chosen priority (an index for
// SetNativeThreadPriority) and, whatever way the function ends, reports the
// end to `ended` with the thread's identity: a number no other thread of the
// process ever gets. An exception from the function is caught there and
// reported as a death with its description. The owner learns the identity
// before it calls start(); the object deletes itself once it has finished.
class TQuickThread final : public QThread {
    Q_OBJECT

public:
    using Ended = std::function<void(std::uint64_t identity, bool died, const QString& why)>;

    TQuickThread(int priority, Ended ended, std::function<void(std::uint64_t identity)> method,
                 QObject* parent = nullptr);
    ~TQuickThread() override;

    std::uint64_t Identity() const { return identity_; }
    // Takes effect at once while the thread runs.
    void SetPriorityLevel(int priority);

protected:
    void run() override;

private:
    const std::uint64_t identity_;
    const Ended ended_;
    const std::function<void(std::uint64_t)> method_;
    std::mutex priorityMutex_;
    int priority_;
    long nativeId_ = 0;  // while the body runs
};

}  // namespace lm
