// SPDX-License-Identifier: MIT
#include "sha1.h"

#include "cpu_features.h"
#include "hash_variants.h"
#include "self_test.h"
#include "word_ops.h"

namespace lm {

namespace {

struct Sha1Choice {
    const char* name;
    BlockCompressFn fn;
};

const Sha1Choice& ChosenSha1() {
    static const Sha1Choice choice = ActiveCpuFeatures().shaNi
                                         ? Sha1Choice{"shani", Sha1CompressShaNi}
                                         : Sha1Choice{"portable", Sha1CompressPortable};
    return choice;
}

}  // namespace

void Sha1CompressPortable(std::uint32_t* state, const std::uint8_t* blocks,
                          std::size_t blockCount) {
    std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3], e = state[4];
    for (; blockCount > 0; --blockCount, blocks += 64) {
        std::uint32_t w[16];
        for (int i = 0; i < 16; ++i) {
            w[i] = LoadBe(blocks + 4 * i);
        }
        const std::uint32_t aa = a, bb = b, cc = c, dd = d, ee = e;

        // Fully unrolled: the five working variables change roles from round
        // to round instead of being moved. The message schedule lives in a
        // ring of 16 words. In the majority rounds the two terms of
        // (b & c) | (d & (b ^ c)) never overlap, so they are added separately.
#define LM_SHA1_W(i) \
    (w[(i)&15] = Rotl(w[((i) + 13) & 15] ^ w[((i) + 8) & 15] ^ w[((i) + 2) & 15] ^ w[(i)&15], 1))
#define LM_SHA1_CH(a, b, c, d, e, wi) \
    e += (wi) + 0x5A827999u;          \
    e += d ^ (b & (c ^ d));           \
    e += Rotl(a, 5);                  \
    b = Rotl(b, 30)
#define LM_SHA1_PAR(a, b, c, d, e, k, wi) \
    e += (wi) + (k);                      \
    e += b ^ c ^ d;                       \
    e += Rotl(a, 5);                      \
    b = Rotl(b, 30)
#define LM_SHA1_MAJ(a, b, c, d, e, wi)       \
    e += (wi) + 0x8F1BBCDCu + (d & (b ^ c)); \
    e += b & c;                              \
    e += Rotl(a, 5);                         \
    b = Rotl(b, 30)
#define LM_SHA1_FIVE(R, i, W)   \
    R(a, b, c, d, e, W(i));     \
    R(e, a, b, c, d, W(i + 1)); \
    R(d, e, a, b, c, W(i + 2)); \
    R(c, d, e, a, b, W(i + 3)); \
    R(b, c, d, e, a, W(i + 4))
#define LM_SHA1_PLAIN(i) w[i]
#define LM_SHA1_PAR2(a, b, c, d, e, wi) LM_SHA1_PAR(a, b, c, d, e, 0x6ED9EBA1u, wi)
#define LM_SHA1_PAR4(a, b, c, d, e, wi) LM_SHA1_PAR(a, b, c, d, e, 0xCA62C1D6u, wi)

        LM_SHA1_FIVE(LM_SHA1_CH, 0, LM_SHA1_PLAIN);
        LM_SHA1_FIVE(LM_SHA1_CH, 5, LM_SHA1_PLAIN);
        LM_SHA1_FIVE(LM_SHA1_CH, 10, LM_SHA1_PLAIN);
        LM_SHA1_CH(a, b, c, d, e, w[15]);
        LM_SHA1_CH(e, a, b, c, d, LM_SHA1_W(16));
        LM_SHA1_CH(d, e, a, b, c, LM_SHA1_W(17));
        LM_SHA1_CH(c, d, e, a, b, LM_SHA1_W(18));
        LM_SHA1_CH(b, c, d, e, a, LM_SHA1_W(19));
        LM_SHA1_FIVE(LM_SHA1_PAR2, 20, LM_SHA1_W);
        LM_SHA1_FIVE(LM_SHA1_PAR2, 25, LM_SHA1_W);
        LM_SHA1_FIVE(LM_SHA1_PAR2, 30, LM_SHA1_W);
        LM_SHA1_FIVE(LM_SHA1_PAR2, 35, LM_SHA1_W);
        LM_SHA1_FIVE(LM_SHA1_MAJ, 40, LM_SHA1_W);
        LM_SHA1_FIVE(LM_SHA1_MAJ, 45, LM_SHA1_W);
        LM_SHA1_FIVE(LM_SHA1_MAJ, 50, LM_SHA1_W);
        LM_SHA1_FIVE(LM_SHA1_MAJ, 55, LM_SHA1_W);
        LM_SHA1_FIVE(LM_SHA1_PAR4, 60, LM_SHA1_W);
        LM_SHA1_FIVE(LM_SHA1_PAR4, 65, LM_SHA1_W);
        LM_SHA1_FIVE(LM_SHA1_PAR4, 70, LM_SHA1_W);
        LM_SHA1_FIVE(LM_SHA1_PAR4, 75, LM_SHA1_W);

#undef LM_SHA1_W
#undef LM_SHA1_CH
#undef LM_SHA1_PAR
#undef LM_SHA1_MAJ
#undef LM_SHA1_FIVE
#undef LM_SHA1_PLAIN
#undef LM_SHA1_PAR2
#undef LM_SHA1_PAR4

        a += aa;
        b += bb;
        c += cc;
        d += dd;
        e += ee;
    }
    state[0] = a;
    state[1] = b;
    state[2] = c;
    state[3] = d;
    state[4] = e;
}

void Sha1Compress(std::uint32_t* state, const std::uint8_t* blocks, std::size_t blockCount) {
    ChosenSha1().fn(state, blocks, blockCount);
}

const char* Sha1ActiveVariant() {
    return ChosenSha1().name;
}

bool TDCP_sha1::SelfTest() const {
    TDCP_sha1 probe;
    return DigestMatches(probe, "abc", "a9993e364706816aba3e25717850c26c9cd0d89d") &&
           DigestMatches(probe, "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
                         "84983e441c3bd26ebaae4aa1f95129e5e54670f1");
}

}  // namespace lm
