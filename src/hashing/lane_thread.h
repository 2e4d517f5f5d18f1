// SPDX-License-Identifier: MIT
#pragma once

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace lm {

// A thread that runs one posted task at a time for its owner: Post hands a
// task over, Wait blocks until it is done and rethrows what it threw.
class LaneThread {
public:
    LaneThread();
    ~LaneThread();
    LaneThread(const LaneThread&) = delete;
    LaneThread& operator=(const LaneThread&) = delete;

    // Runs before every task on this thread (for example to follow a new
    // thread priority). Set it while the thread is idle.
    void SetTaskHook(std::function<void()> hook);

    // Waits for the previous task first, so at most one is ever pending.
    void Post(std::function<void()> task);
    void Wait();
    // Waits, dropping whatever the task threw.
    void Drain() noexcept;

private:
    void Run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::function<void()> task_;
    std::function<void()> hook_;
    std::exception_ptr error_;
    bool busy_ = false;
    bool stop_ = false;
    std::thread thread_;
};

}  // namespace lm
