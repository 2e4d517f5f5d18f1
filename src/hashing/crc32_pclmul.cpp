// SPDX-License-Identifier: MIT
// CRC-32 by carry-less multiplication (PCLMULQDQ). Compiled for the
// instructions through the target attribute only; the dispatcher calls each
// function only after seeing its instructions on the processor.
//
// The register and the data live in the reflected bit order of the CRC: bit
// 0 of a 128-bit lane is the first bit of the stream and stands for the
// highest power of x. Four lanes run side by side over 64 bytes per step.
// Folding a lane forward by D bits multiplies its two 64-bit halves by
// x^(D+64) and x^D modulo the polynomial; once the data runs out the lanes
// are folded into one, and the last 16 bytes of the folded value plus the
// unfolded tail go through the table.
//
// A second version does the same with VPCLMULQDQ on 256-bit registers,
// each holding two lanes.

#include "hash_variants.h"

#if defined(__x86_64__) || defined(__i386__)

#include <immintrin.h>

namespace lm {

namespace {

// x^n modulo P(x) = x^32 + 0x04C11DB7, in the normal bit order.
constexpr std::uint64_t XPowModP(int n) {
    std::uint64_t r = 1;
    for (int i = 0; i < n; ++i) {
        r <<= 1;
        if (r & (std::uint64_t{1} << 32)) {
            r ^= 0x104C11DB7ull;
        }
    }
    return r;
}

// The factor for one half of a lane, in the reflected order of a 64-bit
// multiplier. A reflected 64x64 product comes out one bit "high" (x times
// the true product), so the exponent is one less than the distance.
constexpr std::uint64_t FoldFactor(int bits) {
    const std::uint64_t r = XPowModP(bits - 1);
    std::uint64_t reflected = 0;
    for (int i = 0; i < 64; ++i) {
        if (r & (std::uint64_t{1} << i)) {
            reflected |= std::uint64_t{1} << (63 - i);
        }
    }
    return reflected;
}

// The low half of a lane holds the earlier 64 bits, which sit 64 bits
// further from the target than the high half.
constexpr std::uint64_t kFold512Low = FoldFactor(512 + 64);
constexpr std::uint64_t kFold512High = FoldFactor(512);
constexpr std::uint64_t kFold128Low = FoldFactor(128 + 64);
constexpr std::uint64_t kFold128High = FoldFactor(128);
constexpr std::uint64_t kFold1024Low = FoldFactor(1024 + 64);
constexpr std::uint64_t kFold1024High = FoldFactor(1024);
constexpr std::uint64_t kFold256Low = FoldFactor(256 + 64);
constexpr std::uint64_t kFold256High = FoldFactor(256);

#define LM_PCLMUL_TARGET __attribute__((target("pclmul,sse4.1")))

LM_PCLMUL_TARGET inline __attribute__((always_inline)) __m128i Fold(__m128i lane, __m128i next,
                                                                    __m128i factors) {
    const __m128i low = _mm_clmulepi64_si128(lane, factors, 0x00);
    const __m128i high = _mm_clmulepi64_si128(lane, factors, 0x11);
    return _mm_xor_si128(_mm_xor_si128(low, high), next);
}

LM_PCLMUL_TARGET inline __attribute__((always_inline)) __m128i Load(const std::uint8_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

}  // namespace

LM_PCLMUL_TARGET std::uint32_t CrcUpdatePclmul(const void* buffer, std::size_t length,
                                               std::uint32_t reg) {
    const auto* p = static_cast<const std::uint8_t*>(buffer);
    if (length < 64) {
        return CrcUpdateSlicing8(p, length, reg);
    }

    // The incoming register is XORed into the first four bytes; from then on
    // the lanes carry it and the table finishes from a zero register.
    __m128i x0 = _mm_xor_si128(Load(p), _mm_cvtsi32_si128(static_cast<int>(reg)));
    __m128i x1 = Load(p + 16);
    __m128i x2 = Load(p + 32);
    __m128i x3 = Load(p + 48);
    p += 64;
    length -= 64;

    const __m128i by512 =
        _mm_set_epi64x(static_cast<long long>(kFold512High), static_cast<long long>(kFold512Low));
    while (length >= 64) {
        x0 = Fold(x0, Load(p), by512);
        x1 = Fold(x1, Load(p + 16), by512);
        x2 = Fold(x2, Load(p + 32), by512);
        x3 = Fold(x3, Load(p + 48), by512);
        p += 64;
        length -= 64;
    }

    const __m128i by128 =
        _mm_set_epi64x(static_cast<long long>(kFold128High), static_cast<long long>(kFold128Low));
    __m128i x = Fold(x0, x1, by128);
    x = Fold(x, x2, by128);
    x = Fold(x, x3, by128);
    while (length >= 16) {
        x = Fold(x, Load(p), by128);
        p += 16;
        length -= 16;
    }

    alignas(16) std::uint8_t folded[16];
    _mm_store_si128(reinterpret_cast<__m128i*>(folded), x);
    return CrcUpdateSlicing8(p, length, CrcUpdateSlicing8(folded, sizeof folded, 0));
}

#define LM_VPCLMUL_TARGET __attribute__((target("avx2,vpclmulqdq,pclmul,sse4.1")))

namespace {

// Two 128-bit lanes side by side, each folded exactly like Fold above.
LM_VPCLMUL_TARGET inline __attribute__((always_inline)) __m256i Fold2(__m256i lanes, __m256i next,
                                                                      __m256i factors) {
    const __m256i low = _mm256_clmulepi64_epi128(lanes, factors, 0x00);
    const __m256i high = _mm256_clmulepi64_epi128(lanes, factors, 0x11);
    return _mm256_xor_si256(_mm256_xor_si256(low, high), next);
}

LM_VPCLMUL_TARGET inline __attribute__((always_inline)) __m256i Load2(const std::uint8_t* p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}

LM_VPCLMUL_TARGET inline __attribute__((always_inline)) __m256i Factors2(std::uint64_t high,
                                                                         std::uint64_t low) {
    return _mm256_set_epi64x(static_cast<long long>(high), static_cast<long long>(low),
                             static_cast<long long>(high), static_cast<long long>(low));
}

}  // namespace

// Eight 128-bit lanes in four 256-bit registers, 128 bytes per step; then
// the registers are folded into one, its two halves into one lane, and the
// rest goes as in CrcUpdatePclmul.
LM_VPCLMUL_TARGET std::uint32_t CrcUpdateVpclmul(const void* buffer, std::size_t length,
                                                 std::uint32_t reg) {
    const auto* p = static_cast<const std::uint8_t*>(buffer);
    if (length < 256) {
        return CrcUpdatePclmul(p, length, reg);
    }

    __m256i y0 = _mm256_xor_si256(Load2(p),
                                  _mm256_zextsi128_si256(_mm_cvtsi32_si128(static_cast<int>(reg))));
    __m256i y1 = Load2(p + 32);
    __m256i y2 = Load2(p + 64);
    __m256i y3 = Load2(p + 96);
    p += 128;
    length -= 128;

    const __m256i by1024 = Factors2(kFold1024High, kFold1024Low);
    while (length >= 128) {
        y0 = Fold2(y0, Load2(p), by1024);
        y1 = Fold2(y1, Load2(p + 32), by1024);
        y2 = Fold2(y2, Load2(p + 64), by1024);
        y3 = Fold2(y3, Load2(p + 96), by1024);
        p += 128;
        length -= 128;
    }

    const __m256i by256 = Factors2(kFold256High, kFold256Low);
    __m256i y = Fold2(y0, y1, by256);
    y = Fold2(y, y2, by256);
    y = Fold2(y, y3, by256);
    while (length >= 32) {
        y = Fold2(y, Load2(p), by256);
        p += 32;
        length -= 32;
    }

    const __m128i by128 =
        _mm_set_epi64x(static_cast<long long>(kFold128High), static_cast<long long>(kFold128Low));
    __m128i x = Fold(_mm256_castsi256_si128(y), _mm256_extracti128_si256(y, 1), by128);
    while (length >= 16) {
        x = Fold(x, Load(p), by128);
        p += 16;
        length -= 16;
    }

    alignas(16) std::uint8_t folded[16];
    _mm_store_si128(reinterpret_cast<__m128i*>(folded), x);
    return CrcUpdateSlicing8(p, length, CrcUpdateSlicing8(folded, sizeof folded, 0));
}

#undef LM_PCLMUL_TARGET
#undef LM_VPCLMUL_TARGET

}  // namespace lm

#else  // no such instructions: the detection never reports them

namespace lm {

std::uint32_t CrcUpdatePclmul(const void* buffer, std::size_t length, std::uint32_t reg) {
    return CrcUpdateSlicing8(buffer, length, reg);
}

std::uint32_t CrcUpdateVpclmul(const void* buffer, std::size_t length, std::uint32_t reg) {
    return CrcUpdateSlicing8(buffer, length, reg);
}

}  // namespace lm

#endif
