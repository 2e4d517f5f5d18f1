// SPDX-License-Identifier: MIT
#include "md5.h"

#include "self_test.h"
#include "word_ops.h"

namespace lm {

void Md5Compress(std::uint32_t* state, const std::uint8_t* blocks, std::size_t blockCount) {
    std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    for (; blockCount > 0; --blockCount, blocks += 64) {
        const std::uint32_t aa = a, bb = b, cc = c, dd = d;

        // Each step first adds the message word, the constant and whatever
        // part of the round function does not depend on b, the value the
        // previous step has just produced; only the rest waits for b. G is
        // split into the disjoint terms (c & ~d) and (b & d), which may be
        // added one after the other. The message words are read straight
        // from the block.
#define LM_X(k) LoadLe(blocks + 4 * (k))
#define LM_MD5_F(a, b, c, d, k, t, s) \
    a += LM_X(k) + (t);               \
    a += d ^ (b & (c ^ d));           \
    a = Rotl(a, s) + b
#define LM_MD5_G(a, b, c, d, k, t, s) \
    a += LM_X(k) + (t) + (c & ~d);    \
    a += b & d;                       \
    a = Rotl(a, s) + b
#define LM_MD5_H(a, b, c, d, k, t, s) \
    a += LM_X(k) + (t);               \
    a += (c ^ d) ^ b;                 \
    a = Rotl(a, s) + b
#define LM_MD5_I(a, b, c, d, k, t, s) \
    a += LM_X(k) + (t);               \
    a += c ^ (b | ~d);                \
    a = Rotl(a, s) + b

        LM_MD5_F(a, b, c, d, 0, 0xd76aa478, 7);
        LM_MD5_F(d, a, b, c, 1, 0xe8c7b756, 12);
        LM_MD5_F(c, d, a, b, 2, 0x242070db, 17);
        LM_MD5_F(b, c, d, a, 3, 0xc1bdceee, 22);
        LM_MD5_F(a, b, c, d, 4, 0xf57c0faf, 7);
        LM_MD5_F(d, a, b, c, 5, 0x4787c62a, 12);
        LM_MD5_F(c, d, a, b, 6, 0xa8304613, 17);
        LM_MD5_F(b, c, d, a, 7, 0xfd469501, 22);
        LM_MD5_F(a, b, c, d, 8, 0x698098d8, 7);
        LM_MD5_F(d, a, b, c, 9, 0x8b44f7af, 12);
        LM_MD5_F(c, d, a, b, 10, 0xffff5bb1, 17);
        LM_MD5_F(b, c, d, a, 11, 0x895cd7be, 22);
        LM_MD5_F(a, b, c, d, 12, 0x6b901122, 7);
        LM_MD5_F(d, a, b, c, 13, 0xfd987193, 12);
        LM_MD5_F(c, d, a, b, 14, 0xa679438e, 17);
        LM_MD5_F(b, c, d, a, 15, 0x49b40821, 22);

        LM_MD5_G(a, b, c, d, 1, 0xf61e2562, 5);
        LM_MD5_G(d, a, b, c, 6, 0xc040b340, 9);
        LM_MD5_G(c, d, a, b, 11, 0x265e5a51, 14);
        LM_MD5_G(b, c, d, a, 0, 0xe9b6c7aa, 20);
        LM_MD5_G(a, b, c, d, 5, 0xd62f105d, 5);
        LM_MD5_G(d, a, b, c, 10, 0x02441453, 9);
        LM_MD5_G(c, d, a, b, 15, 0xd8a1e681, 14);
        LM_MD5_G(b, c, d, a, 4, 0xe7d3fbc8, 20);
        LM_MD5_G(a, b, c, d, 9, 0x21e1cde6, 5);
        LM_MD5_G(d, a, b, c, 14, 0xc33707d6, 9);
        LM_MD5_G(c, d, a, b, 3, 0xf4d50d87, 14);
        LM_MD5_G(b, c, d, a, 8, 0x455a14ed, 20);
        LM_MD5_G(a, b, c, d, 13, 0xa9e3e905, 5);
        LM_MD5_G(d, a, b, c, 2, 0xfcefa3f8, 9);
        LM_MD5_G(c, d, a, b, 7, 0x676f02d9, 14);
        LM_MD5_G(b, c, d, a, 12, 0x8d2a4c8a, 20);

        LM_MD5_H(a, b, c, d, 5, 0xfffa3942, 4);
        LM_MD5_H(d, a, b, c, 8, 0x8771f681, 11);
        LM_MD5_H(c, d, a, b, 11, 0x6d9d6122, 16);
        LM_MD5_H(b, c, d, a, 14, 0xfde5380c, 23);
        LM_MD5_H(a, b, c, d, 1, 0xa4beea44, 4);
        LM_MD5_H(d, a, b, c, 4, 0x4bdecfa9, 11);
        LM_MD5_H(c, d, a, b, 7, 0xf6bb4b60, 16);
        LM_MD5_H(b, c, d, a, 10, 0xbebfbc70, 23);
        LM_MD5_H(a, b, c, d, 13, 0x289b7ec6, 4);
        LM_MD5_H(d, a, b, c, 0, 0xeaa127fa, 11);
        LM_MD5_H(c, d, a, b, 3, 0xd4ef3085, 16);
        LM_MD5_H(b, c, d, a, 6, 0x04881d05, 23);
        LM_MD5_H(a, b, c, d, 9, 0xd9d4d039, 4);
        LM_MD5_H(d, a, b, c, 12, 0xe6db99e5, 11);
        LM_MD5_H(c, d, a, b, 15, 0x1fa27cf8, 16);
        LM_MD5_H(b, c, d, a, 2, 0xc4ac5665, 23);

        LM_MD5_I(a, b, c, d, 0, 0xf4292244, 6);
        LM_MD5_I(d, a, b, c, 7, 0x432aff97, 10);
        LM_MD5_I(c, d, a, b, 14, 0xab9423a7, 15);
        LM_MD5_I(b, c, d, a, 5, 0xfc93a039, 21);
        LM_MD5_I(a, b, c, d, 12, 0x655b59c3, 6);
        LM_MD5_I(d, a, b, c, 3, 0x8f0ccc92, 10);
        LM_MD5_I(c, d, a, b, 10, 0xffeff47d, 15);
        LM_MD5_I(b, c, d, a, 1, 0x85845dd1, 21);
        LM_MD5_I(a, b, c, d, 8, 0x6fa87e4f, 6);
        LM_MD5_I(d, a, b, c, 15, 0xfe2ce6e0, 10);
        LM_MD5_I(c, d, a, b, 6, 0xa3014314, 15);
        LM_MD5_I(b, c, d, a, 13, 0x4e0811a1, 21);
        LM_MD5_I(a, b, c, d, 4, 0xf7537e82, 6);
        LM_MD5_I(d, a, b, c, 11, 0xbd3af235, 10);
        LM_MD5_I(c, d, a, b, 2, 0x2ad7d2bb, 15);
        LM_MD5_I(b, c, d, a, 9, 0xeb86d391, 21);

#undef LM_X
#undef LM_MD5_F
#undef LM_MD5_G
#undef LM_MD5_H
#undef LM_MD5_I

        a += aa;
        b += bb;
        c += cc;
        d += dd;
    }
    state[0] = a;
    state[1] = b;
    state[2] = c;
    state[3] = d;
}

bool TDCP_md5::SelfTest() const {
    TDCP_md5 probe;
    return DigestMatches(probe, "abc", "900150983cd24fb0d6963f7d28e17f72") &&
           DigestMatches(probe, "abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b");
}

}  // namespace lm
