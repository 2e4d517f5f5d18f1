// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <span>

#include "aich_tree.h"
#include "sha1.h"

namespace lm {

// The AICH leaves of one chunk. The blocks are independent of each other,
// so any number of threads may call HashSome at once: each claims the next
// block nobody has taken until none is left. The lane that finishes its
// other work first takes the larger share, which keeps the lanes level
// whatever the relative speed of their digests on this processor.
class AichLeaves {
public:
    // Before any HashSome: the chunk whose blocks are to be hashed.
    void Begin(std::span<const std::uint8_t> chunk);

    // Hashes unclaimed blocks with `sha` until every block is claimed.
    void HashSome(TDCP_sha1& sha);

    // Once every HashSome has returned.
    std::span<const Digest20> Leaves() const { return {leaves_.data(), count_}; }

private:
    std::span<const std::uint8_t> chunk_;
    std::uint32_t count_ = 0;
    std::atomic<std::uint32_t> next_{0};
    std::array<Digest20, kAichBlocksPerPart> leaves_{};
};

}  // namespace lm
