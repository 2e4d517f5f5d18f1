// SPDX-License-Identifier: MIT
#include "file_turn.h"

#include <stdexcept>

namespace lm {

bool FileTurn::Open(const std::filesystem::path& path, const PassOptions& options) {
    early_ = ahead_.Take(key_, options, buffer_);
    earlyDone_ = 0;
    if (!early_) {
        return live_.Open(path, options);
    }
    if (!early_->opened) {
        early_.reset();
        return false;
    }
    return true;
}

std::uint64_t FileTurn::Size() const {
    return early_ ? early_->digests.size : live_.Size();
}

std::uint32_t FileTurn::ChunkCount() const {
    if (!early_) {
        return live_.ChunkCount();
    }
    // A read error before the file's only chunk was done.
    return early_->error ? 1 : ChunkCountFor(early_->digests.size);
}

std::uint32_t FileTurn::ChunksDone() const {
    return early_ ? earlyDone_ : live_.ChunksDone();
}

void FileTurn::HashNextChunk() {
    if (!early_) {
        live_.HashNextChunk();
        return;
    }
    if (early_->error) {
        std::rethrow_exception(early_->error);
    }
    ++earlyDone_;
}

void FileTurn::Close() {
    live_.Close();
}

FileDigests FileTurn::Finish() {
    if (!early_) {
        return live_.Finish();
    }
    if (HasNextChunk()) {
        throw std::logic_error("FileTurn::Finish before the last chunk");
    }
    return std::move(early_->digests);
}

PassOutcome HashFile(const std::filesystem::path& path, FileTurn& turn, const PassHooks& hooks,
                     FileDigests& out, const PassOptions& options) {
    return RunPass(turn, path, hooks, out, options);
}

}  // namespace lm
