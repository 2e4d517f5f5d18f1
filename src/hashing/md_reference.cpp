// SPDX-License-Identifier: MIT
// MD4 and MD5 written round by round from RFC 1320 and RFC 1321, with
// loops and tables instead of the unrolled steps of md4.cpp and md5.cpp.
// Speed is no concern here: they are meant to be easy to check by eye, so
// the tests can hold the fast code against them.

#include <cstring>

#include "hash_variants.h"

namespace lm {

namespace {

inline std::uint32_t Rotl(std::uint32_t x, unsigned s) {
    return (x << s) | (x >> (32 - s));
}

void LoadWords(const std::uint8_t* block, std::uint32_t* x) {
    for (int i = 0; i < 16; ++i) {
        x[i] = std::uint32_t{block[4 * i]} | (std::uint32_t{block[4 * i + 1]} << 8) |
               (std::uint32_t{block[4 * i + 2]} << 16) | (std::uint32_t{block[4 * i + 3]} << 24);
    }
}

}  // namespace

void Md4CompressReference(std::uint32_t* state, const std::uint8_t* blocks,
                          std::size_t blockCount) {
    static constexpr unsigned kShift[3][4] = {{3, 7, 11, 19}, {3, 5, 9, 13}, {3, 9, 11, 15}};
    static constexpr int kOrder3[16] = {0, 8, 4, 12, 2, 10, 6, 14, 1, 9, 5, 13, 3, 11, 7, 15};
    for (; blockCount > 0; --blockCount, blocks += 64) {
        std::uint32_t x[16];
        LoadWords(blocks, x);
        std::uint32_t v[4] = {state[0], state[1], state[2], state[3]};
        for (int i = 0; i < 48; ++i) {
            const int round = i / 16;
            // v[(16 - i) % 4] is "a" of this step, the next three are b, c, d.
            std::uint32_t& a = v[(16 - i) & 3];
            const std::uint32_t b = v[(17 - i) & 3], c = v[(18 - i) & 3], d = v[(19 - i) & 3];
            std::uint32_t f, k;
            int word;
            if (round == 0) {
                f = (b & c) | (~b & d);
                k = 0;
                word = i;
            } else if (round == 1) {
                f = (b & c) | (b & d) | (c & d);
                k = 0x5A827999u;
                word = (i % 4) * 4 + (i % 16) / 4;
            } else {
                f = b ^ c ^ d;
                k = 0x6ED9EBA1u;
                word = kOrder3[i % 16];
            }
            a = Rotl(a + f + x[word] + k, kShift[round][i % 4]);
        }
        for (int i = 0; i < 4; ++i) {
            state[i] += v[i];
        }
    }
}

void Md5CompressReference(std::uint32_t* state, const std::uint8_t* blocks,
                          std::size_t blockCount) {
    static constexpr unsigned kShift[4][4] = {
        {7, 12, 17, 22}, {5, 9, 14, 20}, {4, 11, 16, 23}, {6, 10, 15, 21}};
    // T[i] = floor(2^32 * |sin(i + 1)|), listed as in RFC 1321.
    static constexpr std::uint32_t kT[64] = {
        0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613,
        0xfd469501, 0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193,
        0xa679438e, 0x49b40821, 0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d,
        0x02441453, 0xd8a1e681, 0xe7d3fbc8, 0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed,
        0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a, 0xfffa3942, 0x8771f681, 0x6d9d6122,
        0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70, 0x289b7ec6, 0xeaa127fa,
        0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665, 0xf4292244,
        0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
        0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb,
        0xeb86d391};
    for (; blockCount > 0; --blockCount, blocks += 64) {
        std::uint32_t x[16];
        LoadWords(blocks, x);
        std::uint32_t v[4] = {state[0], state[1], state[2], state[3]};
        for (int i = 0; i < 64; ++i) {
            const int round = i / 16;
            std::uint32_t& a = v[(16 - i) & 3];
            const std::uint32_t b = v[(17 - i) & 3], c = v[(18 - i) & 3], d = v[(19 - i) & 3];
            std::uint32_t f;
            int word;
            switch (round) {
                case 0:
                    f = (b & c) | (~b & d);
                    word = i;
                    break;
                case 1:
                    f = (b & d) | (c & ~d);
                    word = (1 + 5 * i) % 16;
                    break;
                case 2:
                    f = b ^ c ^ d;
                    word = (5 + 3 * i) % 16;
                    break;
                default:
                    f = c ^ (b | ~d);
                    word = (7 * i) % 16;
                    break;
            }
            a = b + Rotl(a + f + x[word] + kT[i], kShift[round][i % 4]);
        }
        for (int i = 0; i < 4; ++i) {
            state[i] += v[i];
        }
    }
}

}  // namespace lm
