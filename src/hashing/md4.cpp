// SPDX-License-Identifier: MIT
#include "md4.h"

#include "self_test.h"
#include "word_ops.h"

namespace lm {

void Md4Compress(std::uint32_t* state, const std::uint8_t* blocks, std::size_t blockCount) {
    std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    for (; blockCount > 0; --blockCount, blocks += 64) {
        const std::uint32_t aa = a, bb = b, cc = c, dd = d;

        // Each step first adds everything that does not depend on b, the
        // value the previous step has just produced, so that only one or two
        // operations stand between that value and the rotation. The message
        // words are read straight from the block. In the second round the
        // majority function is split into the disjoint terms (c & d) and
        // (b & (c ^ d)), which may be added one after the other.
#define LM_X(k) LoadLe(blocks + 4 * (k))
#define LM_MD4_R1(a, b, c, d, k, s) \
    a += LM_X(k);                   \
    a = Rotl(a + (d ^ (b & (c ^ d))), s)
#define LM_MD4_R2(a, b, c, d, k, s)       \
    a += LM_X(k) + 0x5A827999u + (c & d); \
    a = Rotl(a + (b & (c ^ d)), s)
#define LM_MD4_R3(a, b, c, d, k, s) \
    a += LM_X(k) + 0x6ED9EBA1u;     \
    a = Rotl(a + ((c ^ d) ^ b), s)

        LM_MD4_R1(a, b, c, d, 0, 3);
        LM_MD4_R1(d, a, b, c, 1, 7);
        LM_MD4_R1(c, d, a, b, 2, 11);
        LM_MD4_R1(b, c, d, a, 3, 19);
        LM_MD4_R1(a, b, c, d, 4, 3);
        LM_MD4_R1(d, a, b, c, 5, 7);
        LM_MD4_R1(c, d, a, b, 6, 11);
        LM_MD4_R1(b, c, d, a, 7, 19);
        LM_MD4_R1(a, b, c, d, 8, 3);
        LM_MD4_R1(d, a, b, c, 9, 7);
        LM_MD4_R1(c, d, a, b, 10, 11);
        LM_MD4_R1(b, c, d, a, 11, 19);
        LM_MD4_R1(a, b, c, d, 12, 3);
        LM_MD4_R1(d, a, b, c, 13, 7);
        LM_MD4_R1(c, d, a, b, 14, 11);
        LM_MD4_R1(b, c, d, a, 15, 19);

        LM_MD4_R2(a, b, c, d, 0, 3);
        LM_MD4_R2(d, a, b, c, 4, 5);
        LM_MD4_R2(c, d, a, b, 8, 9);
        LM_MD4_R2(b, c, d, a, 12, 13);
        LM_MD4_R2(a, b, c, d, 1, 3);
        LM_MD4_R2(d, a, b, c, 5, 5);
        LM_MD4_R2(c, d, a, b, 9, 9);
        LM_MD4_R2(b, c, d, a, 13, 13);
        LM_MD4_R2(a, b, c, d, 2, 3);
        LM_MD4_R2(d, a, b, c, 6, 5);
        LM_MD4_R2(c, d, a, b, 10, 9);
        LM_MD4_R2(b, c, d, a, 14, 13);
        LM_MD4_R2(a, b, c, d, 3, 3);
        LM_MD4_R2(d, a, b, c, 7, 5);
        LM_MD4_R2(c, d, a, b, 11, 9);
        LM_MD4_R2(b, c, d, a, 15, 13);

        LM_MD4_R3(a, b, c, d, 0, 3);
        LM_MD4_R3(d, a, b, c, 8, 9);
        LM_MD4_R3(c, d, a, b, 4, 11);
        LM_MD4_R3(b, c, d, a, 12, 15);
        LM_MD4_R3(a, b, c, d, 2, 3);
        LM_MD4_R3(d, a, b, c, 10, 9);
        LM_MD4_R3(c, d, a, b, 6, 11);
        LM_MD4_R3(b, c, d, a, 14, 15);
        LM_MD4_R3(a, b, c, d, 1, 3);
        LM_MD4_R3(d, a, b, c, 9, 9);
        LM_MD4_R3(c, d, a, b, 5, 11);
        LM_MD4_R3(b, c, d, a, 13, 15);
        LM_MD4_R3(a, b, c, d, 3, 3);
        LM_MD4_R3(d, a, b, c, 11, 9);
        LM_MD4_R3(c, d, a, b, 7, 11);
        LM_MD4_R3(b, c, d, a, 15, 15);

#undef LM_X
#undef LM_MD4_R1
#undef LM_MD4_R2
#undef LM_MD4_R3

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

bool TDCP_md4::SelfTest() const {
    TDCP_md4 probe;
    return DigestMatches(probe, "abc", "a448017aaf21d8525fc10ae87aa6729d") &&
           DigestMatches(probe, "abcdefghijklmnopqrstuvwxyz", "d79e1c308aa5bbcdeea8ed63df412da9");
}

}  // namespace lm
