// SPDX-License-Identifier: MIT
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "ed2k_digest.h"
#include "file_hash_pass.h"

namespace lm {

// What hashing a file ahead of its turn gave.
struct AheadResult {
    bool opened = false;  // false: the file could not be opened
    FileDigests digests;
    // What the pass threw (a ReadError): thrown again at the file's turn,
    // where reading its chunk would have thrown it.
    std::exception_ptr error;
    PassOptions options;
};

// A file that comes up later, named by a key of the owner's choosing.
struct UpcomingFile {
    std::uint64_t key = 0;
    std::filesystem::path path;
    PassOptions options;
};

// Hashes small files ahead of their turn, so that both cores work on a run
// of small files: one thread (the owner) takes the files in their order,
// the helper thread of this class hashes the files that come next, each
// whole, and the results wait for their turn. Only files of at most one
// chunk are hashed ahead; a larger file is left to the owner, who hashes it
// at its turn with both lanes.
//
// The owner lists what comes next (Plan, Add) and, at each file's turn,
// takes what was done (Take). Every function is the owner's, on one thread.
// Results wait in memory (no file stays open): a file's digests, never its
// bytes. Drop, or the destructor, forgets everything not taken and waits
// until the helper has closed the file it is on.
class HashAhead {
public:
    // How many files are planned at most: a run of small files keeps the
    // helper busy without holding many results.
    static constexpr std::size_t kLimit = 128;
    // An idle helper waits until this many files are planned for it.
    static constexpr std::size_t kWakeBatch = 8;

    // threads: as for ChunkBuffer. With one thread there is no helper: the
    // plans are ignored and every Take finds nothing. `hook` runs on the
    // helper before each file (for example to follow a new priority).
    explicit HashAhead(unsigned threads = 0, std::function<void()> hook = {});
    ~HashAhead();
    HashAhead(const HashAhead&) = delete;
    HashAhead& operator=(const HashAhead&) = delete;

    bool Enabled() const { return helper_.joinable(); }

    // The files that come next, in their order. Planned files with another
    // key are dropped (their results too); files already planned keep what
    // was done for them.
    void Plan(std::vector<UpcomingFile> files);
    // Adds one file behind those planned.
    void Add(UpcomingFile file);
    // Adds these files behind those planned, in their order.
    void Add(std::vector<UpcomingFile> files);
    // Files planned and not taken.
    std::size_t Planned() const;

    // At the turn of file `key`: its result when it was hashed ahead with
    // `options`; std::nullopt when it was not (the owner hashes it now).
    // While the helper is on that very file, the owner hashes the next
    // unclaimed ones with `buffer` meanwhile, then waits for it.
    std::optional<AheadResult> Take(std::uint64_t key, const PassOptions& options,
                                    ChunkBuffer& buffer);

    void Drop();

    // Whether the owner waits for the helper now, having nothing else to
    // hash meanwhile.
    bool OwnerWaiting() const;

private:
    enum class State { Waiting, Working, Done, Left };
    struct Item {
        explicit Item(UpcomingFile upcoming) : file(std::move(upcoming)) {}
        UpcomingFile file;
        State state = State::Waiting;
        AheadResult result;
    };

    void Run();
    // Hashes `file` whole with `buffer`; Left (nothing) for a file of more
    // than one chunk.
    static std::optional<AheadResult> HashWhole(const UpcomingFile& file, ChunkBuffer& buffer);
    // Marks the first waiting item working; null when none waits.
    Item* ClaimLocked();
    std::deque<Item>::iterator FindLocked(std::uint64_t key);
    void FinishLocked(std::uint64_t key, std::optional<AheadResult> result);
    void WakeHelperLocked();

    mutable std::mutex mutex_;
    std::condition_variable helperWake_;
    std::condition_variable ownerWake_;
    std::deque<Item> items_;
    bool stop_ = false;
    bool helperIdle_ = false;
    bool ownerWaiting_ = false;
    bool helperBusy_ = false;  // the helper holds a file (maybe dropped)
    std::function<void()> hook_;
    std::thread helper_;
};

}  // namespace lm
