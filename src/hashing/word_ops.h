// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <cstring>

namespace lm {

// The 32-bit word operations the digests are made of.

inline std::uint32_t Rotl(std::uint32_t x, int s) {
    return (x << s) | (x >> (32 - s));
}

// MD4 and MD5 read their message words least significant byte first, the
// processor's own order on x86-64.
inline std::uint32_t LoadLe(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

// SHA-1 reads them most significant byte first.
inline std::uint32_t LoadBe(const std::uint8_t* p) {
    return __builtin_bswap32(LoadLe(p));
}

}  // namespace lm
