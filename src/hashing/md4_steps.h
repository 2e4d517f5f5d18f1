// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "word_ops.h"

namespace lm {

// The three kinds of MD4 step (RFC 1320, section 3.4), shared by the plain
// compressor and the one that runs MD5 beside it. `x` is the step's message
// word, `s` its rotation.
//
// Each step first adds everything that does not depend on b, the value the
// previous step has just produced, so that only one or two operations stand
// between that value and the rotation. In the second round the majority
// function is split into the disjoint terms (c & d) and (b & (c ^ d)), which
// may be added one after the other.

[[gnu::always_inline]] inline void Md4Step1(std::uint32_t& a, std::uint32_t b, std::uint32_t c,
                                            std::uint32_t d, std::uint32_t x, int s) {
    a += x;
    a = Rotl(a + (d ^ (b & (c ^ d))), s);
}

[[gnu::always_inline]] inline void Md4Step2(std::uint32_t& a, std::uint32_t b, std::uint32_t c,
                                            std::uint32_t d, std::uint32_t x, int s) {
    a += x + 0x5A827999u + (c & d);
    a = Rotl(a + (b & (c ^ d)), s);
}

[[gnu::always_inline]] inline void Md4Step3(std::uint32_t& a, std::uint32_t b, std::uint32_t c,
                                            std::uint32_t d, std::uint32_t x, int s) {
    a += x + 0x6ED9EBA1u;
    a = Rotl(a + ((c ^ d) ^ b), s);
}

}  // namespace lm
