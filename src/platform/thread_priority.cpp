// SPDX-License-Identifier: MIT
#include "thread_priority.h"

#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

namespace lm {

namespace {

constexpr int kIdle = 0;

int NiceFor(int level) {
    switch (level) {
        case 1:
            return 10;
        case 2:
            return 5;
        case 4:
            return -5;
        default:
            return 0;
    }
}

}  // namespace

long CurrentNativeThreadId() {
    return static_cast<long>(::gettid());
}

bool SetNativeThreadPriority(long tid, int level) {
    if (tid <= 0) {
        return false;
    }
    const pid_t thread = static_cast<pid_t>(tid);
    sched_param param{};
    param.sched_priority = 0;
    if (level == kIdle) {
        return ::sched_setscheduler(thread, SCHED_IDLE, &param) == 0;
    }
    // Nice values mean nothing to an idle-class thread: leave that class first.
    const int policy = ::sched_getscheduler(thread);
    if (policy < 0 ||
        (policy == SCHED_IDLE && ::sched_setscheduler(thread, SCHED_OTHER, &param) != 0)) {
        return false;
    }
    const int nice = NiceFor(level);
    if (::setpriority(PRIO_PROCESS, static_cast<id_t>(thread), nice) == 0) {
        return true;
    }
    return nice != 0 && ::setpriority(PRIO_PROCESS, static_cast<id_t>(thread), 0) == 0;
}

}  // namespace lm
