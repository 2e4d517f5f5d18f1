// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace lm {

using Digest16 = std::array<std::uint8_t, 16>;
using Digest20 = std::array<std::uint8_t, 20>;

// The ed2k network hashes files in chunks of this many bytes.
inline constexpr std::uint64_t kChunkSize = 9'728'000;

// The MD4 digest of empty input: the hash of an empty file, and the digest
// appended for the second hash of sizes that are exact multiples of kChunkSize.
inline constexpr Digest16 EmptyChunkHash = {0x31, 0xD6, 0xCF, 0xE0, 0xD1, 0x6A, 0xE9, 0x31,
                                            0xB7, 0x3C, 0x59, 0xD7, 0xE0, 0xC0, 0x89, 0xC0};

// 0 for an empty file, 1 for 1..kChunkSize bytes, and so on.
constexpr std::uint32_t ChunkCountFor(std::uint64_t size) {
    return static_cast<std::uint32_t>(size / kChunkSize + (size % kChunkSize != 0 ? 1 : 0));
}

// Sizes that are exact multiples of the chunk size, 0 included, get a second
// ed2k hash: the one computed as if one more, empty chunk followed.
constexpr bool HasSecondEd2kHash(std::uint64_t size) {
    return size % kChunkSize == 0;
}

// Everything one pass over a file yields.
struct FileDigests {
    std::uint64_t size = 0;
    Digest16 ed2k{};
    bool hasSecondEd2k = false;
    Digest16 ed2kSecond{};
    std::uint32_t crc32 = 0;
    Digest16 md5{};
    Digest20 sha1{};
    // The MD4 digest of every chunk, in file order: the part hashes.
    std::vector<Digest16> chunkDigests;
    // The root of the AICH tree, when the pass was asked for it.
    std::optional<Digest20> aich;
};

}  // namespace lm
