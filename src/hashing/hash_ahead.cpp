// SPDX-License-Identifier: MIT
#include "hash_ahead.h"

#include <algorithm>
#include <utility>

namespace lm {

HashAhead::HashAhead(unsigned threads, std::function<void()> hook) : hook_(std::move(hook)) {
    if (ChunkBuffer(threads).Parallel()) {
        helper_ = std::thread([this] { Run(); });
    }
}

HashAhead::~HashAhead() {
    if (!helper_.joinable()) {
        return;
    }
    {
        std::lock_guard lock(mutex_);
        items_.clear();
        stop_ = true;
    }
    helperWake_.notify_one();
    helper_.join();  // after the file it is on, closed by then
}

void HashAhead::Plan(std::vector<UpcomingFile> files) {
    if (!Enabled()) {
        return;
    }
    std::lock_guard lock(mutex_);
    std::deque<Item> planned;
    for (UpcomingFile& file : files) {
        if (planned.size() >= kLimit) {
            break;
        }
        const auto known = FindLocked(file.key);
        if (known != items_.end() && known->file.path == file.path) {
            planned.push_back(std::move(*known));
            items_.erase(known);
        } else {
            planned.emplace_back(std::move(file));
        }
    }
    // A file the helper is on and that is no longer planned is dropped when
    // it is done.
    items_.swap(planned);
    WakeHelperLocked();
}

void HashAhead::Add(UpcomingFile file) {
    if (!Enabled()) {
        return;
    }
    std::lock_guard lock(mutex_);
    items_.emplace_back(std::move(file));
    WakeHelperLocked();
}

void HashAhead::Add(std::vector<UpcomingFile> files) {
    if (!Enabled() || files.empty()) {
        return;
    }
    std::lock_guard lock(mutex_);
    for (UpcomingFile& file : files) {
        items_.emplace_back(std::move(file));
    }
    WakeHelperLocked();
}

std::size_t HashAhead::Planned() const {
    std::lock_guard lock(mutex_);
    return items_.size();
}

std::optional<AheadResult> HashAhead::Take(std::uint64_t key, const PassOptions& options,
                                           ChunkBuffer& buffer) {
    if (!Enabled()) {
        return std::nullopt;
    }
    std::unique_lock lock(mutex_);
    for (;;) {
        const auto item = FindLocked(key);
        if (item == items_.end()) {
            return std::nullopt;
        }
        if (item->state != State::Working) {
            std::optional<AheadResult> result;
            if (item->state == State::Done && item->result.options == options) {
                result = std::move(item->result);
            }
            items_.erase(item);
            return result;
        }
        // The helper is on it: rather than wait, hash what comes after.
        if (Item* next = ClaimLocked()) {
            const UpcomingFile file = next->file;
            lock.unlock();
            std::optional<AheadResult> result = HashWhole(file, buffer);
            lock.lock();
            FinishLocked(file.key, std::move(result));
            continue;
        }
        ownerWaiting_ = true;
        ownerWake_.wait(lock);
        ownerWaiting_ = false;
    }
}

bool HashAhead::OwnerWaiting() const {
    std::lock_guard lock(mutex_);
    return ownerWaiting_;
}

void HashAhead::Drop() {
    if (!Enabled()) {
        return;
    }
    std::unique_lock lock(mutex_);
    items_.clear();
    ownerWaiting_ = true;
    ownerWake_.wait(lock, [this] { return !helperBusy_; });
    ownerWaiting_ = false;
}

void HashAhead::Run() {
    ChunkBuffer buffer(1);
    std::unique_lock lock(mutex_);
    for (;;) {
        Item* item = stop_ ? nullptr : ClaimLocked();
        if (item == nullptr) {
            if (stop_) {
                return;
            }
            helperIdle_ = true;
            helperWake_.wait(lock);
            helperIdle_ = false;
            continue;
        }
        const UpcomingFile file = item->file;
        helperBusy_ = true;
        lock.unlock();
        if (hook_) {
            hook_();
        }
        std::optional<AheadResult> result = HashWhole(file, buffer);
        lock.lock();
        helperBusy_ = false;
        FinishLocked(file.key, std::move(result));
    }
}

std::optional<AheadResult> HashAhead::HashWhole(const UpcomingFile& file, ChunkBuffer& buffer) {
    AheadResult result;
    result.options = file.options;
    try {
        FileHashPass pass(buffer);
        result.opened = pass.Open(file.path, file.options);
        if (result.opened) {
            if (pass.ChunkCount() > 1) {
                return std::nullopt;  // the owner hashes it with both lanes
            }
            while (pass.HasNextChunk()) {
                pass.HashNextChunk();
            }
            pass.Close();
            result.digests = pass.Finish();
        }
    } catch (...) {
        result.error = std::current_exception();
    }
    return result;
}

HashAhead::Item* HashAhead::ClaimLocked() {
    for (Item& item : items_) {
        if (item.state == State::Waiting) {
            item.state = State::Working;
            return &item;
        }
    }
    return nullptr;
}

std::deque<HashAhead::Item>::iterator HashAhead::FindLocked(std::uint64_t key) {
    return std::find_if(items_.begin(), items_.end(),
                        [key](const Item& item) { return item.file.key == key; });
}

void HashAhead::FinishLocked(std::uint64_t key, std::optional<AheadResult> result) {
    const auto item = FindLocked(key);
    if (item != items_.end() && item->state == State::Working) {
        if (result) {
            item->result = std::move(*result);
            item->state = State::Done;
        } else {
            item->state = State::Left;
        }
    }
    if (ownerWaiting_) {
        ownerWake_.notify_one();
    }
}

void HashAhead::WakeHelperLocked() {
    // An idle helper is woken for a few files at once, not for each one:
    // every wake-up costs both threads a system call. A short plan wakes
    // it once every file of it waits.
    if (!helperIdle_) {
        return;
    }
    const auto waiting = std::count_if(items_.begin(), items_.end(), [](const Item& item) {
        return item.state == State::Waiting;
    });
    if (waiting > 0 && static_cast<std::size_t>(waiting) >= std::min(kWakeBatch, items_.size())) {
        helperWake_.notify_one();
    }
}

}  // namespace lm
