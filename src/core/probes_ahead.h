// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

#include "regular_file.h"

namespace lm {

// Looks at a folder's listed files (ProbeListedFile) on a thread of its own
// while the caller takes the answers in list order: adding a large folder
// costs the caller the entries, not three system calls a file. The caller
// looks at a file itself when the helper has not come to it yet, so the
// answers never wait for the helper to be given a processor. Nothing is
// shared but the paths and the answers; the helper touches no widget and no
// table, and is stopped and joined when this goes.
class ProbesAhead {
public:
    explicit ProbesAhead(const QStringList& paths);
    ProbesAhead(const ProbesAhead&) = delete;
    ProbesAhead& operator=(const ProbesAhead&) = delete;
    ~ProbesAhead();

    // What path `index` of the list is, as ProbeListedFile finds it.
    const RegularFileProbe& At(std::size_t index);

private:
    // Looks at the next file nobody has taken; false when none is left.
    bool ProbeNext();

    const QStringList& paths_;
    std::vector<RegularFileProbe> probes_;
    std::vector<std::atomic<bool>> done_;
    std::atomic<std::size_t> next_{0};
    std::atomic<bool> stop_{false};
    std::thread helper_;
};

}  // namespace lm
