// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

#include "block_hash.h"

namespace lm {

// Folds `blockCount` 64-byte blocks into the four-word MD4 state (RFC 1320).
void Md4Compress(std::uint32_t* state, const std::uint8_t* blocks, std::size_t blockCount);

class TDCP_md4 final : public TDCP_blockhash<4, false> {
public:
    int Id() const override { return 17; }
    std::string Algorithm() const override { return "MD4"; }
    int HashSize() const override { return 128; }
    bool SelfTest() const override;

protected:
    std::array<std::uint32_t, 4> InitialState() const override {
        return {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476};
    }
    State::CompressFn Compressor() const override { return Md4Compress; }
};

}  // namespace lm
