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

TQuickThread::TQuickThread(int priority, Ended ended, std::function<void(std::uint64_t)> method,
                           QObject* parent)
    : QThread(parent),
      identity_(NextIdentity()),
      ended_(std::move(ended)),
      method_(std::move(method)),
      priority_(priority) {
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

TQuickThread::~TQuickThread() {
    wait();
}

void TQuickThread::SetPriorityLevel(int priority) {
    std::lock_guard lock(priorityMutex_);
    priority_ = priority;
    if (nativeId_ != 0) {
        SetNativeThreadPriority(nativeId_, priority_);
    }
}

void TQuickThread::run() {
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
        // The id may be reused by another thread once this one is gone.
        std::lock_guard lock(priorityMutex_);
        nativeId_ = 0;
    }
    ended_(identity_, died, why);
}

}  // namespace lm
