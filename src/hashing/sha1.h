// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

#include "block_hash.h"

namespace lm {

// Folds `blockCount` 64-byte blocks into the five-word SHA-1 state (FIPS 180-1).
// Runs the SHA-extension code when the processor has it and LINKMINT_PORTABLE
// does not forbid it; every variant is in hash_variants.h.
void Sha1Compress(std::uint32_t* state, const std::uint8_t* blocks, std::size_t blockCount);

class TDCP_sha1 final : public TDCP_blockhash<5, true> {
public:
    int Id() const override { return 2; }
    std::string Algorithm() const override { return "SHA1"; }
    int HashSize() const override { return 160; }
    bool SelfTest() const override;

protected:
    std::array<std::uint32_t, 5> InitialState() const override {
        return {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
    }
    State::CompressFn Compressor() const override { return Sha1Compress; }
};

}  // namespace lm
