// SPDX-License-Identifier: MIT
#include "quick_thread.h"

#include <atomic>
#include <exception>
#include <new>

#include "thread_priority.h"

namespace lm {

namespace {

std::uint64_t NextIdentity() {
    static std::atomic<std::uint64_t> counter{0};
    return ++counter;
}

}  // namespace

TQuickThread::TQuickThread(int priority, Ended ended, std::function<void(std::uint64_t)> method)
    : identity_(NextIdentity()),
      ended_(std::move(ended)),
      method_(std::move(method)),
      priority_(priority) {}

TQuickThread::~TQuickThread() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

void TQuickThread::Start() {
    thread_ = std::thread(&TQuickThread::Run, this);
}

void TQuickThread::SetPriorityLevel(int priority) {
    std::lock_guard lock(priorityMutex_);
    priority_ = priority;
    if (nativeId_ != 0) {
        SetNativeThreadPriority(nativeId_, priority_);
    }
}

void TQuickThread::Run() {
    {
        std::lock_guard lock(priorityMutex_);
        nativeId_ = CurrentNativeThreadId();
        SetNativeThreadPriority(nativeId_, priority_);
    }
    bool died = false;
    QString why;
    try {
        method_(identity_);
    } catch (const std::bad_alloc&) {
        died = true;
        why = QStringLiteral("out of memory");
    } catch (const std::exception& e) {
        died = true;
        why = QString::fromLocal8Bit(e.what());
    } catch (...) {
        died = true;
        why = QStringLiteral("unknown error");
    }
    {
        // Once the thread is gone its id may be given to another one.
        std::lock_guard lock(priorityMutex_);
        nativeId_ = 0;
    }
    ended_(identity_, died, why);
}

}  // namespace lm
