// SPDX-License-Identifier: MIT
// SHA-1 with the SHA extensions. Everything here is compiled for the
// extensions through the target attribute only, so no code from this file
// runs unless the dispatcher has seen the extensions on the processor.

#include "hash_variants.h"

#if defined(__x86_64__) || defined(__i386__)

#include <immintrin.h>

namespace lm {

namespace {

#define LM_SHANI_TARGET __attribute__((target("sha,sse4.1,ssse3")))

// One group of four rounds. `abcd` holds A in its top word, the order the
// SHA1RNDS4 instruction wants. `m` holds the four message words of the group
// (the earliest on top); `prev` is ABCD as it was four rounds earlier, whose
// A, rotated, is this group's E.
template <int Func>
LM_SHANI_TARGET inline __attribute__((always_inline)) void Rounds4(__m128i& abcd, __m128i& prev,
                                                                   __m128i m) {
    const __m128i e = _mm_sha1nexte_epu32(prev, m);
    prev = abcd;
    abcd = _mm_sha1rnds4_epu32(abcd, e, Func);
}

// The message words of group g from those of groups g-4 .. g-1:
// W[t] = rotl1(W[t-3] ^ W[t-8] ^ W[t-14] ^ W[t-16]).
LM_SHANI_TARGET inline __attribute__((always_inline)) __m128i Schedule(__m128i g4, __m128i g3,
                                                                       __m128i g2, __m128i g1) {
    return _mm_sha1msg2_epu32(_mm_xor_si128(_mm_sha1msg1_epu32(g4, g3), g2), g1);
}

}  // namespace

LM_SHANI_TARGET void Sha1CompressShaNi(std::uint32_t* state, const std::uint8_t* blocks,
                                       std::size_t blockCount) {
    // Reverses all sixteen bytes: big-endian words in, the first word on top.
    const __m128i byteSwap = _mm_set_epi64x(0x0001020304050607LL, 0x08090a0b0c0d0e0fLL);

    __m128i abcd =
        _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state)), 0x1B);
    __m128i e0 = _mm_set_epi32(static_cast<int>(state[4]), 0, 0, 0);

    for (; blockCount > 0; --blockCount, blocks += 64) {
        const __m128i abcdSaved = abcd;
        const __m128i eSaved = e0;
        const auto* in = reinterpret_cast<const __m128i*>(blocks);
        __m128i m0 = _mm_shuffle_epi8(_mm_loadu_si128(in + 0), byteSwap);
        __m128i m1 = _mm_shuffle_epi8(_mm_loadu_si128(in + 1), byteSwap);
        __m128i m2 = _mm_shuffle_epi8(_mm_loadu_si128(in + 2), byteSwap);
        __m128i m3 = _mm_shuffle_epi8(_mm_loadu_si128(in + 3), byteSwap);

        // Rounds 0-3 take E straight from the state.
        __m128i prev = abcd;
        abcd = _mm_sha1rnds4_epu32(abcd, _mm_add_epi32(e0, m0), 0);
        Rounds4<0>(abcd, prev, m1);
        Rounds4<0>(abcd, prev, m2);
        Rounds4<0>(abcd, prev, m3);
        m0 = Schedule(m0, m1, m2, m3);
        Rounds4<0>(abcd, prev, m0);  // rounds 16-19
        m1 = Schedule(m1, m2, m3, m0);
        Rounds4<1>(abcd, prev, m1);
        m2 = Schedule(m2, m3, m0, m1);
        Rounds4<1>(abcd, prev, m2);
        m3 = Schedule(m3, m0, m1, m2);
        Rounds4<1>(abcd, prev, m3);
        m0 = Schedule(m0, m1, m2, m3);
        Rounds4<1>(abcd, prev, m0);
        m1 = Schedule(m1, m2, m3, m0);
        Rounds4<1>(abcd, prev, m1);  // rounds 36-39
        m2 = Schedule(m2, m3, m0, m1);
        Rounds4<2>(abcd, prev, m2);
        m3 = Schedule(m3, m0, m1, m2);
        Rounds4<2>(abcd, prev, m3);
        m0 = Schedule(m0, m1, m2, m3);
        Rounds4<2>(abcd, prev, m0);
        m1 = Schedule(m1, m2, m3, m0);
        Rounds4<2>(abcd, prev, m1);
        m2 = Schedule(m2, m3, m0, m1);
        Rounds4<2>(abcd, prev, m2);  // rounds 56-59
        m3 = Schedule(m3, m0, m1, m2);
        Rounds4<3>(abcd, prev, m3);
        m0 = Schedule(m0, m1, m2, m3);
        Rounds4<3>(abcd, prev, m0);
        m1 = Schedule(m1, m2, m3, m0);
        Rounds4<3>(abcd, prev, m1);
        m2 = Schedule(m2, m3, m0, m1);
        Rounds4<3>(abcd, prev, m2);
        m3 = Schedule(m3, m0, m1, m2);
        Rounds4<3>(abcd, prev, m3);  // rounds 76-79

        e0 = _mm_sha1nexte_epu32(prev, eSaved);
        abcd = _mm_add_epi32(abcd, abcdSaved);
    }

    _mm_storeu_si128(reinterpret_cast<__m128i*>(state), _mm_shuffle_epi32(abcd, 0x1B));
    state[4] = static_cast<std::uint32_t>(_mm_extract_epi32(e0, 3));
}

#undef LM_SHANI_TARGET

}  // namespace lm

#else  // no such instructions: the detection never reports them

namespace lm {

void Sha1CompressShaNi(std::uint32_t* state, const std::uint8_t* blocks, std::size_t blockCount) {
    Sha1CompressPortable(state, blocks, blockCount);
}

}  // namespace lm

#endif
