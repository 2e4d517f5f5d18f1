#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "digest_lanes.h"
#include "ed2k_digest.h"

namespace lm {

// A file could not be read to the size it had when it was opened: it
// shrank, or the read failed.
class ReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Memory for one chunk, kept for a whole run of the worker and reused for
// every chunk of every file.
class ChunkBuffer {
public:
    std::uint8_t* Reserve(std::size_t bytes);

private:
    std::unique_ptr<std::uint8_t[]> data_;
    std::size_t capacity_ = 0;
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
class FileHashPass {
public:
    explicit FileHashPass(ChunkBuffer& buffer) : buffer_(buffer) {}
    FileHashPass(const FileHashPass&) = delete;
    FileHashPass& operator=(const FileHashPass&) = delete;
    ~FileHashPass() { Close(); }

    // False when the path cannot be opened or is not a regular file.
    bool Open(const std::filesystem::path& path);

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
    void ReadExactly(std::uint8_t* into, std::size_t bytes);

    ChunkBuffer& buffer_;
    int fd_ = -1;
    std::uint64_t size_ = 0;
    std::uint64_t bytesLeft_ = 0;
    std::uint32_t chunkCount_ = 0;
    std::uint32_t chunksDone_ = 0;
    Md5CrcLane md5Crc_;
    Ed2kSha1Lane ed2kSha1_;
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
PassOutcome HashFile(const std::filesystem::path& path, ChunkBuffer& buffer,
                     const PassHooks& hooks, FileDigests& out);

}  // namespace lm
