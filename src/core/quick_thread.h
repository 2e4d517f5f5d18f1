// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

namespace lm {

// A thread that runs one function at a chosen priority (a level for
// SetNativeThreadPriority) and, whatever way the function ends, reports the
// end to `ended` from the thread itself, as its very last action, with the
// thread's identity: a number no other thread of the process ever gets. An
// exception from the function is caught and reported as a death with its
// description, so it never ends the process. The owner learns the identity
// before Start() and, once the end is reported, destroys the object, which
// joins the finished thread.
class TQuickThread {
public:
    using Ended = std::function<void(std::uint64_t identity, bool died, const QString& why)>;

    TQuickThread(int priority, Ended ended, std::function<void(std::uint64_t identity)> method);
    TQuickThread(const TQuickThread&) = delete;
    TQuickThread& operator=(const TQuickThread&) = delete;
    // Waits for the thread to finish.
    ~TQuickThread();

    void Start();
    std::uint64_t Identity() const { return identity_; }
    // Takes effect at once while the thread runs.
    void SetPriorityLevel(int priority);

private:
    void Run();

    const std::uint64_t identity_;
    const Ended ended_;
    const std::function<void(std::uint64_t)> method_;
    std::mutex priorityMutex_;
    int priority_;
    long nativeId_ = 0;  // while the function runs
    std::thread thread_;
};

}  // namespace lm
