// SPDX-License-Identifier: MIT
#include "digest_lanes.h"

#include <algorithm>

#include "crc32.h"
#include "md4_md5.h"

namespace lm {

void Md5CrcLane::Begin() {
    md5_.Init();
    crcRegister_ = 0xFFFFFFFFu;
}

void Md5CrcLane::FeedChunk(std::span<const std::uint8_t> chunk) {
    md5_.Update(chunk.data(), static_cast<std::uint32_t>(chunk.size()));
    crcRegister_ = CrcUpdateBuffer(chunk.data(), chunk.size(), crcRegister_);
}

void Md5CrcLane::Finish(FileDigests& out) {
    out.crc32 = ~crcRegister_;
    md5_.Final(out.md5.data());
}

void Ed2kSha1Lane::Begin() {
    sha1_.Init();
    chunkDigests_.clear();
}

void Ed2kSha1Lane::FeedChunk(std::span<const std::uint8_t> chunk) {
    md4_.Init();
    md4_.Update(chunk.data(), static_cast<std::uint32_t>(chunk.size()));
    EndChunkMd4();
    sha1_.Update(chunk.data(), static_cast<std::uint32_t>(chunk.size()));
}

void Ed2kSha1Lane::EndChunkMd4() {
    Digest16 digest;
    md4_.Final(digest.data());
    chunkDigests_.append(reinterpret_cast<const char*>(digest.data()), digest.size());
}

void Ed2kSha1Lane::Finish(FileDigests& out) {
    const std::size_t chunks = chunkDigests_.size() / 16;
    if (chunks == 0) {
        out.ed2k = EmptyChunkHash;
    } else if (chunks == 1) {
        std::copy_n(reinterpret_cast<const std::uint8_t*>(chunkDigests_.data()), 16,
                    out.ed2k.begin());
    } else {
        md4_.Init();
        md4_.UpdateFromString(chunkDigests_);
        md4_.Final(out.ed2k.data());
    }

    out.hasSecondEd2k = HasSecondEd2kHash(out.size);
    if (out.hasSecondEd2k) {
        // No single-chunk shortcut here: the digest list is always hashed.
        md4_.Init();
        md4_.UpdateFromString(chunkDigests_);
        md4_.Update(EmptyChunkHash.data(), EmptyChunkHash.size());
        md4_.Final(out.ed2kSecond.data());
    }

    out.chunkDigests.resize(chunks);
    for (std::size_t i = 0; i < chunks; ++i) {
        std::copy_n(reinterpret_cast<const std::uint8_t*>(chunkDigests_.data()) + 16 * i, 16,
                    out.chunkDigests[i].begin());
    }
    sha1_.Final(out.sha1.data());
}

void FeedBothLanes(Ed2kSha1Lane& ed2kSha1, Md5CrcLane& md5Crc,
                   std::span<const std::uint8_t> chunk) {
    const auto size = static_cast<std::uint32_t>(chunk.size());
    ed2kSha1.md4_.Init();
    UpdateMd4Md5Sha1(ed2kSha1.md4_, md5Crc.md5_, ed2kSha1.sha1_, chunk.data(), size);
    ed2kSha1.EndChunkMd4();
    md5Crc.crcRegister_ = CrcUpdateBuffer(chunk.data(), chunk.size(), md5Crc.crcRegister_);
}

}  // namespace lm
