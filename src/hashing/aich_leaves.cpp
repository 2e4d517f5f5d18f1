// SPDX-License-Identifier: MIT
#include "aich_leaves.h"

#include <algorithm>
#include <stdexcept>

namespace lm {

void AichLeaves::Begin(std::span<const std::uint8_t> chunk) {
    if (chunk.empty() || chunk.size() > kChunkSize) {
        throw std::logic_error("AichLeaves::Begin needs 1 to kChunkSize bytes");
    }
    chunk_ = chunk;
    count_ = AichBlockCount(chunk.size());
    next_.store(0, std::memory_order_relaxed);
}

void AichLeaves::HashSome(TDCP_sha1& sha) {
    for (;;) {
        const std::uint32_t block = next_.fetch_add(1, std::memory_order_relaxed);
        if (block >= count_) {
            return;
        }
        const std::size_t offset = std::size_t{block} * kAichBlockSize;
        const std::size_t bytes = std::min<std::size_t>(kAichBlockSize, chunk_.size() - offset);
        sha.Init();
        sha.Update(chunk_.data() + offset, static_cast<std::uint32_t>(bytes));
        sha.Final(leaves_[block].data());
    }
}

}  // namespace lm
