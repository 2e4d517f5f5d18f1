// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "ed2k_digest.h"

namespace lm {

// The AICH hash tree of the ed2k network. Every chunk (a "part", kChunkSize
// bytes) is cut into blocks of kAichBlockSize bytes: 52 full ones and one
// of 143,360 bytes. The leaves are the SHA-1 digests of the blocks, an
// inner node is the SHA-1 of its left child's digest followed by its right
// child's. Above the parts the tree is built over the parts' own roots.
//
// A node over n units (parts while it spans more than one part, blocks
// inside a part) gives its left child ceil(n/2) units when it is itself a
// left child, and floor(n/2) when it is a right child; the root counts as a
// left child. A part's own tree is therefore shaped by the side on which
// that part hangs in the tree above it. Nothing is padded: a size that is an
// exact multiple of the part size has no empty leaf at the end, and a file
// of at most one block has the SHA-1 of its bytes as its root.

inline constexpr std::uint64_t kAichBlockSize = 184'320;
inline constexpr std::uint32_t kAichBlocksPerPart =
    static_cast<std::uint32_t>((kChunkSize + kAichBlockSize - 1) / kAichBlockSize);

// Blocks in a part of `partBytes` bytes (1 to kChunkSize).
constexpr std::uint32_t AichBlockCount(std::uint64_t partBytes) {
    return static_cast<std::uint32_t>((partBytes + kAichBlockSize - 1) / kAichBlockSize);
}

// The digest of a node over `units`, which is a left child (or the root)
// when `leftChild` is true. `units` must not be empty.
Digest20 AichNode(std::span<const Digest20> units, bool leftChild);

// Collects a file's tree part by part, in file order, keeping 20 bytes per
// part.
class AichTree {
public:
    // Starts a file of `size` bytes.
    void Begin(std::uint64_t size);

    // The leaves of the next part, in block order.
    void AddPart(std::span<const Digest20> leaves);

    // The root, once every part is added.
    Digest20 Root() const;

private:
    std::vector<std::uint8_t> partIsLeft_;  // the side of each part in the tree above
    std::vector<Digest20> partRoots_;
};

}  // namespace lm
