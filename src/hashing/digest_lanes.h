// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "ed2k_digest.h"
#include "md4.h"
#include "md5.h"
#include "sha1.h"

namespace lm {

// The four checksums of a file are split into two lanes of about equal cost
// per byte. A lane only touches its own state, so the two lanes may be fed
// the same read-only chunk from two threads at once.

// MD5 and CRC-32 over the whole file.
class Ed2kSha1Lane;

class Md5CrcLane {
public:
    void Begin();
    void FeedChunk(std::span<const std::uint8_t> chunk);
    // Sets crc32 and md5 of `out`.
    void Finish(FileDigests& out);

private:
    friend void FeedBothLanes(Ed2kSha1Lane&, Md5CrcLane&, std::span<const std::uint8_t>);

    TDCP_md5 md5_;
    std::uint32_t crcRegister_ = 0xFFFFFFFFu;
};

// The ed2k hash (MD4 per chunk, then MD4 over the chunk digests) and SHA-1.
class Ed2kSha1Lane {
public:
    void Begin();
    void FeedChunk(std::span<const std::uint8_t> chunk);
    // Sets ed2k, the second ed2k hash where the size calls for one, the chunk
    // digests and sha1.
    void Finish(FileDigests& out);

private:
    friend void FeedBothLanes(Ed2kSha1Lane&, Md5CrcLane&, std::span<const std::uint8_t>);

    // Keeps the digest of the chunk whose bytes md4_ has taken in.
    void EndChunkMd4();

    TDCP_md4 md4_;
    TDCP_sha1 sha1_;
    std::string chunkDigests_;  // 16 raw bytes per chunk, in chunk order
};

// Feeds one chunk to both lanes on the calling thread, the same as
// ed2kSha1.FeedChunk(chunk) and md5Crc.FeedChunk(chunk) but with the chunk's
// MD4, MD5 and SHA-1 computed side by side (UpdateMd4Md5Sha1).
void FeedBothLanes(Ed2kSha1Lane& ed2kSha1, Md5CrcLane& md5Crc, std::span<const std::uint8_t> chunk);

}  // namespace lm
