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
class Md5CrcLane {
public:
    void Begin();
    void FeedChunk(std::span<const std::uint8_t> chunk);
    // Sets crc32 and md5 of `out`.
    void Finish(FileDigests& out);

private:
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
    TDCP_md4 md4_;
    TDCP_sha1 sha1_;
    std::string chunkDigests_;  // 16 raw bytes per chunk, in chunk order
};

}  // namespace lm
