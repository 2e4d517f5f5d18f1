// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

#include "md4.h"
#include "md5.h"
#include "sha1.h"

namespace lm {

// Folds the same `blockCount` 64-byte blocks into an MD4 and an MD5 state,
// the two interleaved step by step: on one thread both cost little more than
// MD5 alone.
void Md4Md5Compress(std::uint32_t* md4State, std::uint32_t* md5State, const std::uint8_t* blocks,
                    std::size_t blockCount);

// The same as md4.Update, md5.Update and sha1.Update of `buffer`, with the
// whole blocks folded side by side when all three digests stand at a block
// boundary, as they do from Init on and after whole blocks.
void UpdateMd4Md5Sha1(TDCP_md4& md4, TDCP_md5& md5, TDCP_sha1& sha1, const void* buffer,
                      std::uint32_t size);

}  // namespace lm
