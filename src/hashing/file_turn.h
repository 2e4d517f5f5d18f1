// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "file_hash_pass.h"
#include "hash_ahead.h"

namespace lm {

// One file at its turn, step by step like FileHashPass (Open, the chunks,
// Close, Finish), whether it was hashed ahead or is hashed now. A file
// hashed ahead goes through the same steps with its result: Open says what
// opening it said, each chunk is done at once (a read error is thrown at
// the chunk, where reading it would have thrown), and Finish gives its
// digests. So the caller's pause checks and progress reports come in the
// same places, and a file whose turn ends in a pause drops its result.
class FileTurn {
public:
    FileTurn(ChunkBuffer& buffer, HashAhead& ahead, std::uint64_t key)
        : buffer_(buffer), ahead_(ahead), key_(key), live_(buffer) {}
    FileTurn(const FileTurn&) = delete;
    FileTurn& operator=(const FileTurn&) = delete;

    bool Open(const std::filesystem::path& path, const PassOptions& options = {});

    bool HashedAhead() const { return early_.has_value(); }
    std::uint64_t Size() const;
    std::uint32_t ChunkCount() const;
    std::uint32_t ChunksDone() const;
    bool HasNextChunk() const { return ChunksDone() < ChunkCount(); }
    void HashNextChunk();
    void Close();
    FileDigests Finish();

private:
    ChunkBuffer& buffer_;
    HashAhead& ahead_;
    std::uint64_t key_;
    FileHashPass live_;
    std::optional<AheadResult> early_;
    std::uint32_t earlyDone_ = 0;
};

// HashFile for a file at its turn.
PassOutcome HashFile(const std::filesystem::path& path, FileTurn& turn, const PassHooks& hooks,
                     FileDigests& out, const PassOptions& options = {});

}  // namespace lm
