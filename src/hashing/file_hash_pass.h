// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "aich_leaves.h"
#include "aich_tree.h"
#include "digest_lanes.h"
#include "ed2k_digest.h"

namespace lm {

// A file could not be read to the size it had when it was opened: it
// shrank, or the read failed.
class ReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class LaneThread;

// What a pass computes beyond the ed2k hash, CRC-32, MD5 and SHA-1.
struct PassOptions {
    // The root of the AICH tree, from the same reads. Costs one more SHA-1
    // over every byte, shared between the lanes.
    bool aich = false;

    bool operator==(const PassOptions&) const = default;
};

// The working memory of the hasher, kept for a whole run of the worker and
// reused for every chunk of every file: two chunk buffers (one being hashed
// while the next is read) and, where more than one core is available, the
// threads that share the work. Construct it on the thread that will run the
// passes; the helper threads start there and inherit its priority.
class ChunkBuffer {
public:
    // threads: 1 hashes everything on the calling thread; 0 chooses two
    // lanes when the machine has at least two cores.
    explicit ChunkBuffer(unsigned threads = 0);
    ~ChunkBuffer();
    ChunkBuffer(const ChunkBuffer&) = delete;
    ChunkBuffer& operator=(const ChunkBuffer&) = delete;

    bool Parallel() const { return parallel_; }

    // Runs on the helper threads before each piece of work they do, e.g. to
    // follow a change of the worker's priority.
    void SetHelperHook(std::function<void()> hook);

private:
    friend class FileHashPass;
    std::uint8_t* Slot(std::uint32_t chunkIndex);
    LaneThread& Reader();
    LaneThread& Lane();

    static constexpr std::size_t kSlotAlignment = 4096;
    struct FreeSlot {
        void operator()(std::uint8_t* slot) const;
    };

    bool parallel_;
    std::unique_ptr<std::uint8_t[], FreeSlot> slots_[2];
    std::unique_ptr<LaneThread> reader_;
    std::unique_ptr<LaneThread> lane_;
    std::function<void()> hook_;
};

// One pass over one file, step by step, so that the caller can check for a
// pause before every chunk and report progress after it:
//
//   FileHashPass pass(buffer);
//   if (!pass.Open(path)) ...;            // could not open
//   while (pass.HasNextChunk()) pass.HashNextChunk();
//   pass.Close();
//   FileDigests d = pass.Finish();
//
// The file is opened read-only without any lock, so other programs may read
// and write it meanwhile. Its size is taken once, at Open; a file that grows
// afterwards is hashed over that many bytes.
//
// With a parallel ChunkBuffer the next chunk is read in the background while
// the current one is hashed, and the two digest lanes run side by side; each
// HashNextChunk still returns only when its chunk is completely done.
class FileHashPass {
public:
    explicit FileHashPass(ChunkBuffer& buffer) : buffer_(buffer) {}
    FileHashPass(const FileHashPass&) = delete;
    FileHashPass& operator=(const FileHashPass&) = delete;
    ~FileHashPass() { Close(); }

    // False when the path cannot be opened, is not a regular file, or is a
    // file whose size reads 0 but that yields bytes all the same (those of
    // /proc and /sys): it cannot be hashed.
    bool Open(const std::filesystem::path& path, const PassOptions& options = {});

    std::uint64_t Size() const { return size_; }
    std::uint32_t ChunkCount() const { return chunkCount_; }
    std::uint32_t ChunksDone() const { return chunksDone_; }
    bool HasNextChunk() const { return chunksDone_ < chunkCount_; }

    // Reads the next chunk and feeds it to every checksum. Throws ReadError
    // when the file yields fewer bytes than the chunk needs.
    void HashNextChunk();

    void Close();

    // The results, once every chunk is hashed.
    FileDigests Finish();

private:
    std::size_t ChunkBytes(std::uint32_t chunkIndex) const;
    void ReadChunk(std::uint32_t chunkIndex);
    void StartReading(std::uint32_t chunkIndex);
    void ReadExactly(std::uint8_t* into, std::size_t bytes);
    void FeedLanes(std::span<const std::uint8_t> chunk);

    ChunkBuffer& buffer_;
    bool readAhead_ = false;  // chunks are read on the reader thread
    int fd_ = -1;
    std::uint64_t size_ = 0;
    std::uint32_t chunkCount_ = 0;
    std::uint32_t chunksDone_ = 0;
    Md5CrcLane md5Crc_;
    Ed2kSha1Lane ed2kSha1_;
    bool aich_ = false;
    AichLeaves aichLeaves_;
    AichTree aichTree_;
    TDCP_sha1 leafSha_[2];  // one per lane
};

enum class PassOutcome { Hashed, OpenFailed, Paused };

struct PassHooks {
    // Asked before every chunk and once more after the file is closed; true
    // abandons the file.
    std::function<bool()> pauseRequested;
    // Told after every chunk: chunk `done` of `total` is finished.
    std::function<void(std::uint32_t done, std::uint32_t total)> chunkDone;
};

// Runs a whole pass with the hooks in their places. Throws ReadError.
PassOutcome HashFile(const std::filesystem::path& path, ChunkBuffer& buffer, const PassHooks& hooks,
                     FileDigests& out, const PassOptions& options = {});

// HashFile's steps on anything that takes them as FileHashPass does.
template <class Pass>
PassOutcome RunPass(Pass& pass, const std::filesystem::path& path, const PassHooks& hooks,
                    FileDigests& out, const PassOptions& options) {
    if (!pass.Open(path, options)) {
        return PassOutcome::OpenFailed;
    }
    auto paused = [&hooks] { return hooks.pauseRequested && hooks.pauseRequested(); };
    while (pass.HasNextChunk()) {
        if (paused()) {
            return PassOutcome::Paused;
        }
        pass.HashNextChunk();
        if (hooks.chunkDone) {
            hooks.chunkDone(pass.ChunksDone(), pass.ChunkCount());
        }
    }
    pass.Close();
    if (paused()) {
        return PassOutcome::Paused;
    }
    out = pass.Finish();
    return PassOutcome::Hashed;
}

}  // namespace lm
