// SPDX-License-Identifier: MIT
#include "lane_thread.h"

#include <utility>

namespace lm {

LaneThread::LaneThread() : thread_([this] { Run(); }) {}

LaneThread::~LaneThread() {
    Drain();
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void LaneThread::SetTaskHook(std::function<void()> hook) {
    Drain();
    std::lock_guard lock(mutex_);
    hook_ = std::move(hook);
}

void LaneThread::Post(std::function<void()> task) {
    Drain();
    {
        std::lock_guard lock(mutex_);
        task_ = std::move(task);
        busy_ = true;
    }
    wake_.notify_one();
}

void LaneThread::Wait() {
    std::unique_lock lock(mutex_);
    done_.wait(lock, [this] { return !busy_; });
    if (error_) {
        std::exception_ptr error = std::exchange(error_, nullptr);
        lock.unlock();
        std::rethrow_exception(error);
    }
}

void LaneThread::Drain() noexcept {
    std::unique_lock lock(mutex_);
    done_.wait(lock, [this] { return !busy_; });
    error_ = nullptr;
}

void LaneThread::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return busy_ || stop_; });
        if (!busy_) {
            return;  // stop_ with nothing left to do
        }
        std::function<void()> task = std::move(task_);
        std::function<void()> hook = hook_;
        lock.unlock();
        std::exception_ptr error;
        try {
            if (hook) {
                hook();
            }
            task();
        } catch (...) {
            error = std::current_exception();
        }
        lock.lock();
        error_ = error;
        busy_ = false;
        done_.notify_all();
    }
}

}  // namespace lm
