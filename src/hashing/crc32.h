// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "byte_stream.h"

namespace lm {

// The reflected CRC-32 of IEEE 802.3 and zip (polynomial EDB88320). These
// routines fold bytes into a running register and never invert it: start
// with 0xFFFFFFFF and complement the final register to get the CRC-32.

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t r = i;
        for (int bit = 0; bit < 8; ++bit) {
            r = (r & 1) ? (r >> 1) ^ 0xEDB88320u : r >> 1;
        }
        table[i] = r;
    }
    return table;
}

inline constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

// Folds long buffers by carry-less multiplication when the processor can
// (and LINKMINT_PORTABLE does not forbid it), otherwise and for short ones
// uses the slicing tables; every variant is in hash_variants.h.
std::uint32_t CrcUpdateBuffer(const void* buffer, std::size_t length, std::uint32_t reg);

// Reads the stream in pieces of 2,048 bytes until a read comes back short.
std::uint32_t CrcUpdateStream(ByteStream& stream, std::uint32_t reg);

}  // namespace lm
