// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "word_ops.h"

namespace lm {

// The four kinds of MD5 step (RFC 1321, section 3.4), shared by the plain
// compressor and the one that runs MD4 beside it. `x` is the step's message
// word, `t` its constant, `s` its rotation.
//
// Each step first adds the message word, the constant and whatever part of
// the round function does not depend on b, the value the previous step has
// just produced; only the rest waits for b. G is split into the disjoint
// terms (c & ~d) and (b & d), which may be added one after the other.

[[gnu::always_inline]] inline void Md5StepF(std::uint32_t& a, std::uint32_t b, std::uint32_t c,
                                            std::uint32_t d, std::uint32_t x, std::uint32_t t,
                                            int s) {
    a += x + t;
    a += d ^ (b & (c ^ d));
    a = Rotl(a, s) + b;
}

[[gnu::always_inline]] inline void Md5StepG(std::uint32_t& a, std::uint32_t b, std::uint32_t c,
                                            std::uint32_t d, std::uint32_t x, std::uint32_t t,
                                            int s) {
    a += x + t + (c & ~d);
    a += b & d;
    a = Rotl(a, s) + b;
}

[[gnu::always_inline]] inline void Md5StepH(std::uint32_t& a, std::uint32_t b, std::uint32_t c,
                                            std::uint32_t d, std::uint32_t x, std::uint32_t t,
                                            int s) {
    a += x + t;
    a += (c ^ d) ^ b;
    a = Rotl(a, s) + b;
}

[[gnu::always_inline]] inline void Md5StepI(std::uint32_t& a, std::uint32_t b, std::uint32_t c,
                                            std::uint32_t d, std::uint32_t x, std::uint32_t t,
                                            int s) {
    a += x + t;
    a += c ^ (b | ~d);
    a = Rotl(a, s) + b;
}

}  // namespace lm
