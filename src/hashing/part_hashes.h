// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "ed2k_digest.h"

namespace lm {

// Which of a file's ed2k hashes a link carries: every file has the first;
// sizes that are exact multiples of kChunkSize also have the second, computed
// as if one more, empty chunk followed.
enum class Ed2kVariant { First, Second };

// The digests whose concatenation the link's hash is the MD4 of, in order:
// the chunk digests, followed by EmptyChunkHash for the second variant.
// Empty when the hash is not such an MD4 of two or more digests (a file of
// one chunk, the first variant of an exact multiple of one chunk, the empty
// file), since then there is nothing a client could check part by part.
std::vector<Digest16> PartHashes(const FileDigests& digests, Ed2kVariant variant);

// The ed2k hash of that variant.
const Digest16& Ed2kHashOf(const FileDigests& digests, Ed2kVariant variant);

}  // namespace lm
