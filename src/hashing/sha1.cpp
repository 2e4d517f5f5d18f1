#include "sha1.h"

#include "self_test.h"

namespace lm {

namespace {

inline std::uint32_t Rotl(std::uint32_t x, int s) { return (x << s) | (x >> (32 - s)); }

inline std::uint32_t LoadBe(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           std::uint32_t{p[3]};
}

}  // namespace

void Sha1Compress(std::uint32_t* state, const std::uint8_t* blocks, std::size_t blockCount) {
    std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3], e = state[4];
    for (; blockCount > 0; --blockCount, blocks += 64) {
        std::uint32_t w[16];
        for (int i = 0; i < 16; ++i) {
            w[i] = LoadBe(blocks + 4 * i);
        }
        const std::uint32_t aa = a, bb = b, cc = c, dd = d, ee = e;

        // The message schedule is kept in a ring of 16 words.
#define LM_SHA1_W(i) \
    (w[(i) & 15] = Rotl(w[((i) + 13) & 15] ^ w[((i) + 8) & 15] ^ w[((i) + 2) & 15] ^ w[(i) & 15], 1))
#define LM_SHA1_ROUND(f, k, wi)                  \
    {                                            \
        std::uint32_t t = Rotl(a, 5) + (f) + e + (k) + (wi); \
        e = d;                                   \
        d = c;                                   \
        c = Rotl(b, 30);                         \
        b = a;                                   \
        a = t;                                   \
    }
        for (int i = 0; i < 16; ++i) LM_SHA1_ROUND(d ^ (b & (c ^ d)), 0x5A827999u, w[i]);
        for (int i = 16; i < 20; ++i) LM_SHA1_ROUND(d ^ (b & (c ^ d)), 0x5A827999u, LM_SHA1_W(i));
        for (int i = 20; i < 40; ++i) LM_SHA1_ROUND(b ^ c ^ d, 0x6ED9EBA1u, LM_SHA1_W(i));
        for (int i = 40; i < 60; ++i) LM_SHA1_ROUND((b & c) | (d & (b | c)), 0x8F1BBCDCu, LM_SHA1_W(i));
        for (int i = 60; i < 80; ++i) LM_SHA1_ROUND(b ^ c ^ d, 0xCA62C1D6u, LM_SHA1_W(i));
#undef LM_SHA1_W
#undef LM_SHA1_ROUND

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

bool TDCP_sha1::SelfTest() const {
    TDCP_sha1 probe;
    return DigestMatches(probe, "abc", "a9993e364706816aba3e25717850c26c9cd0d89d") &&
           DigestMatches(probe, "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
                         "84983e441c3bd26ebaae4aa1f95129e5e54670f1");
}

}  // namespace lm
