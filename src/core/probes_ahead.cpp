// SPDX-License-Identifier: MIT
#include "probes_ahead.h"

namespace lm {

namespace {

// Below this a thread costs more than it saves.
constexpr qsizetype kHelperFrom = 64;

}  // namespace

ProbesAhead::ProbesAhead(const QStringList& paths)
    : paths_(paths),
      probes_(static_cast<std::size_t>(paths.size())),
      done_(static_cast<std::size_t>(paths.size())) {
    if (paths.size() >= kHelperFrom && std::thread::hardware_concurrency() > 1) {
        helper_ = std::thread([this] {
            while (!stop_.load(std::memory_order_relaxed) && ProbeNext()) {
            }
        });
    }
}

ProbesAhead::~ProbesAhead() {
    stop_ = true;
    if (helper_.joinable()) {
        helper_.join();
    }
}

bool ProbesAhead::ProbeNext() {
    const std::size_t index = next_.fetch_add(1, std::memory_order_relaxed);
    if (index >= probes_.size()) {
        return false;
    }
    probes_[index] = ProbeListedFile(paths_[static_cast<qsizetype>(index)]);
    done_[index].store(true, std::memory_order_release);
    return true;
}

const RegularFileProbe& ProbesAhead::At(std::size_t index) {
    // Not there yet: the caller takes the next files itself until it is;
    // once every file is taken, the helper is finishing this one.
    while (!done_[index].load(std::memory_order_acquire)) {
        if (!ProbeNext()) {
            std::this_thread::yield();
        }
    }
    return probes_[index];
}

}  // namespace lm
