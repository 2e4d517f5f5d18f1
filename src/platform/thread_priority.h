// SPDX-License-Identifier: MIT
#pragma once

namespace lm {

// The kernel's id of the calling thread (gettid), usable with
// SetNativeThreadPriority from any other thread of the process.
long CurrentNativeThreadId();

// Gives thread `tid` of this process one of the worker priorities, in the
// order the preferences offer them: 0 idle (SCHED_IDLE), 1 lowest (nice +10),
// 2 lower (+5), 3 normal (0), 4 higher (-5). Other values count as normal.
// A raise the system does not permit falls back to normal without a word.
// Returns false when the thread keeps the priority it had.
bool SetNativeThreadPriority(long tid, int level);

}  // namespace lm
