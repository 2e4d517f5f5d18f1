// SPDX-License-Identifier: MIT
// Every variant of every hash primitive that this processor can run, held
// against the published test vectors and against the plainest variant on
// random data, plus the choice the dispatchers make.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "block_hash.h"
#include "cpu_features.h"
#include "crc32.h"
#include "hash_variants.h"
#include "md4.h"
#include "md4_md5.h"
#include "md5.h"
#include "sha1.h"

namespace lm {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string Hex(const std::uint8_t* p, std::size_t n) {
    std::string s;
    char buf[3];
    for (std::size_t i = 0; i < n; ++i) {
        std::snprintf(buf, sizeof buf, "%02x", p[i]);
        s += buf;
    }
    return s;
}

// Pads and finishes a message fed in pieces cut at `splits`, through the
// same block machinery the digest classes use, with the given compressor.
template <std::size_t Words, bool BigEndian>
std::string Digest(BlockCompressFn fn, const std::uint8_t* data, std::size_t size,
                   const std::vector<std::size_t>& splits = {}) {
    static const std::array<std::uint32_t, 5> kInit = {0x67452301, 0xEFCDAB89, 0x98BADCFE,
                                                       0x10325476, 0xC3D2E1F0};
    std::array<std::uint32_t, Words> init{};
    std::copy_n(kInit.begin(), Words, init.begin());
    BlockHashState<Words, BigEndian> state;
    state.Load(init);
    std::size_t at = 0;
    for (std::size_t cut : splits) {
        state.Absorb(data + at, static_cast<std::uint32_t>(cut - at), fn);
        at = cut;
    }
    state.Absorb(data + at, static_cast<std::uint32_t>(size - at), fn);
    std::uint8_t out[4 * Words];
    state.Finish(out, fn);
    return Hex(out, sizeof out);
}

std::string Md4Digest(BlockCompressFn fn, std::string_view text) {
    return Digest<4, false>(fn, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}
std::string Sha1Digest(BlockCompressFn fn, std::string_view text) {
    return Digest<5, true>(fn, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

struct Vector {
    std::string text;
    const char* digest;
};

const std::string kAlnum = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
const std::string kDigits80 =
    "12345678901234567890123456789012345678901234567890123456789012345678901234567890";
const std::string kMillionA(1000000, 'a');

TEST(HashVariantVectors, Md4MatchesRfc1320Suite) {
    const std::vector<Vector> suite = {
        {"", "31d6cfe0d16ae931b73c59d7e0c089c0"},
        {"a", "bde52cb31de33e46245e05fbdbd6fb24"},
        {"abc", "a448017aaf21d8525fc10ae87aa6729d"},
        {"message digest", "d9130a8164549fe818874806e1c7014b"},
        {"abcdefghijklmnopqrstuvwxyz", "d79e1c308aa5bbcdeea8ed63df412da9"},
        {kAlnum, "043f8582f241db351ce627e153e7f0e4"},
        {kDigits80, "e33b4ddc9c38f2199c3e7b164fcc0536"},
        // Not in the RFC; the value openssl and rhash agree on.
        {kMillionA, "bbce80cc6bb65e5c6745e30d4eeca9a4"},
    };
    for (const auto& v : Md4Variants()) {
        for (const auto& t : suite) {
            EXPECT_EQ(Md4Digest(v.fn, t.text), t.digest) << v.name << " \"" << t.text << '"';
        }
    }
}

TEST(HashVariantVectors, Md5MatchesRfc1321Suite) {
    const std::vector<Vector> suite = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {kAlnum, "d174ab98d277d9f5a5611c2c9f419d9f"},
        {kDigits80, "57edf4a22be3c955ac49da2e2107b67a"},
        {kMillionA, "7707d6ae4e027c70eea2a935c2296f21"},
    };
    for (const auto& v : Md5Variants()) {
        for (const auto& t : suite) {
            // MD5 pads exactly like MD4.
            EXPECT_EQ(Md4Digest(v.fn, t.text), t.digest) << v.name << " \"" << t.text.substr(0, 20);
        }
    }
}

TEST(HashVariantVectors, Sha1MatchesFips180Examples) {
    const std::vector<Vector> suite = {
        {"abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "84983e441c3bd26ebaae4aa1f95129e5e54670f1"},
        {kMillionA, "34aa973cd4c4daa4f61eeb2bdbad27316534016f"},
    };
    for (const auto& v : Sha1Variants()) {
        if (!v.supported) {
            continue;
        }
        for (const auto& t : suite) {
            EXPECT_EQ(Sha1Digest(v.fn, t.text), t.digest)
                << v.name << " \"" << t.text.substr(0, 20);
        }
    }
}

TEST(HashVariantVectors, Crc32OfCheckString) {
    // The check value of the IEEE 802.3 CRC-32, and a million "a", long
    // enough to go through the folding code (the value rhash gives).
    const std::string check = "123456789";
    for (const auto& v : CrcVariants()) {
        if (!v.supported) {
            continue;
        }
        EXPECT_EQ(~v.fn(check.data(), check.size(), 0xFFFFFFFFu), 0xCBF43926u) << v.name;
        EXPECT_EQ(~v.fn(kMillionA.data(), kMillionA.size(), 0xFFFFFFFFu), 0xDC25BFBCu) << v.name;
    }
}

// Lengths that exercise short inputs, every tail length, and the block and
// fold boundaries.
std::vector<std::size_t> InterestingLengths(std::mt19937_64& rng) {
    std::vector<std::size_t> lengths;
    for (std::size_t n = 0; n <= 200; ++n) {
        lengths.push_back(n);
    }
    for (std::size_t k = 4; k <= 64; ++k) {
        for (int delta = -2; delta <= 2; ++delta) {
            lengths.push_back(64 * k + static_cast<std::size_t>(delta));
        }
    }
    for (int i = 0; i < 40; ++i) {
        lengths.push_back(rng() % 100000);
    }
    return lengths;
}

Bytes RandomBytes(std::mt19937_64& rng, std::size_t n) {
    Bytes b(n);
    for (auto& x : b) {
        x = static_cast<std::uint8_t>(rng());
    }
    return b;
}

std::vector<std::size_t> RandomSplits(std::mt19937_64& rng, std::size_t size) {
    std::vector<std::size_t> cuts;
    if (size > 0) {
        const int count = static_cast<int>(rng() % 4);
        for (int i = 0; i < count; ++i) {
            cuts.push_back(rng() % (size + 1));
        }
        std::sort(cuts.begin(), cuts.end());
    }
    return cuts;
}

template <std::size_t Words, bool BigEndian>
void ExpectVariantsAgree(const std::vector<HashVariant<BlockCompressFn>>& variants,
                         std::uint64_t seed) {
    std::mt19937_64 rng(seed);
    for (std::size_t n : InterestingLengths(rng)) {
        // A random start offset keeps the loads unaligned as often as not.
        const std::size_t offset = rng() % 16;
        const Bytes data = RandomBytes(rng, n + offset);
        const std::uint8_t* p = data.data() + offset;
        const std::string expected = Digest<Words, BigEndian>(variants.front().fn, p, n);
        const auto splits = RandomSplits(rng, n);
        for (const auto& v : variants) {
            if (v.supported) {
                ASSERT_EQ((Digest<Words, BigEndian>(v.fn, p, n, splits)), expected)
                    << v.name << " length " << n << " offset " << offset;
            }
        }
    }
}

TEST(HashVariantAgreement, Md4VariantsAgreeOnRandomData) {
    ExpectVariantsAgree<4, false>(Md4Variants(), 1);
}

TEST(HashVariantAgreement, Md5VariantsAgreeOnRandomData) {
    ExpectVariantsAgree<4, false>(Md5Variants(), 2);
}

TEST(HashVariantAgreement, Sha1VariantsAgreeOnRandomData) {
    ExpectVariantsAgree<5, true>(Sha1Variants(), 3);
}

TEST(HashVariantAgreement, CrcVariantsAgreeOnRandomDataAndSplits) {
    std::mt19937_64 rng(4);
    const auto variants = CrcVariants();
    for (std::size_t n : InterestingLengths(rng)) {
        const std::size_t offset = rng() % 16;
        const Bytes data = RandomBytes(rng, n + offset);
        const std::uint8_t* p = data.data() + offset;
        const std::uint32_t start = static_cast<std::uint32_t>(rng());
        const std::uint32_t expected = CrcUpdateBytewise(p, n, start);
        const auto splits = RandomSplits(rng, n);
        for (const auto& v : variants) {
            if (!v.supported) {
                continue;
            }
            std::uint32_t reg = start;
            std::size_t at = 0;
            for (std::size_t cut : splits) {
                reg = v.fn(p + at, cut - at, reg);
                at = cut;
            }
            reg = v.fn(p + at, n - at, reg);
            ASSERT_EQ(reg, expected) << v.name << " length " << n << " offset " << offset;
        }
        ASSERT_EQ(CrcUpdateBuffer(p, n, start), expected) << "dispatcher, length " << n;
    }
}

// Each digest may stand anywhere in a block when the shared update begins:
// a prefix of its own goes in first. Only when all three stand at a block
// boundary do the blocks go side by side; either way the digests must be
// those of each one fed alone.
TEST(HashSideBySide, UpdateGivesEachDigestItsOwnResult) {
    std::mt19937_64 rng(6);
    for (std::size_t n : InterestingLengths(rng)) {
        const Bytes data = RandomBytes(rng, n + 3 * 130);
        const std::uint8_t* message = data.data() + 3 * 130;
        std::size_t prefix[3];
        for (auto& p : prefix) {
            p = rng() % 3 == 0 ? 64 * (rng() % 3) : rng() % 130;
        }
        const auto splits = RandomSplits(rng, n);

        TDCP_md4 md4, md4Alone;
        TDCP_md5 md5, md5Alone;
        TDCP_sha1 sha1, sha1Alone;
        TDCP_hash* together[3] = {&md4, &md5, &sha1};
        TDCP_hash* alone[3] = {&md4Alone, &md5Alone, &sha1Alone};
        for (int i = 0; i < 3; ++i) {
            together[i]->Init();
            alone[i]->Init();
            const std::uint8_t* own = data.data() + 130 * i;
            together[i]->Update(own, static_cast<std::uint32_t>(prefix[i]));
            alone[i]->Update(own, static_cast<std::uint32_t>(prefix[i]));
            alone[i]->Update(message, static_cast<std::uint32_t>(n));
        }
        std::size_t at = 0;
        for (std::size_t cut : splits) {
            UpdateMd4Md5Sha1(md4, md5, sha1, message + at, static_cast<std::uint32_t>(cut - at));
            at = cut;
        }
        UpdateMd4Md5Sha1(md4, md5, sha1, message + at, static_cast<std::uint32_t>(n - at));

        for (int i = 0; i < 3; ++i) {
            std::uint8_t got[20], want[20];
            together[i]->Final(got);
            alone[i]->Final(want);
            const std::size_t size = static_cast<std::size_t>(alone[i]->HashSize() / 8);
            ASSERT_EQ(Hex(got, size), Hex(want, size))
                << together[i]->Algorithm() << " length " << n << " prefixes " << prefix[0] << ' '
                << prefix[1] << ' ' << prefix[2];
        }
    }
}

TEST(HashVariantDispatch, DispatchersMatchTheirVariants) {
    std::mt19937_64 rng(5);
    const Bytes data = RandomBytes(rng, 64 * 257);
    EXPECT_EQ((Digest<5, true>(Sha1Compress, data.data(), data.size())),
              (Digest<5, true>(Sha1CompressPortable, data.data(), data.size())));
    EXPECT_EQ((Digest<4, false>(Md4Compress, data.data(), data.size())),
              (Digest<4, false>(Md4CompressReference, data.data(), data.size())));
    EXPECT_EQ((Digest<4, false>(Md5Compress, data.data(), data.size())),
              (Digest<4, false>(Md5CompressReference, data.data(), data.size())));

    const CpuFeatures& active = ActiveCpuFeatures();
    EXPECT_STREQ(Sha1ActiveVariant(), active.shaNi ? "shani" : "portable");
    EXPECT_STREQ(CrcActiveVariant(),
                 active.vpclmul ? "vpclmul" : (active.pclmul ? "pclmul" : "slicing8"));
}

TEST(HashVariantDispatch, PortableOverrideSwitchesExtensionsOff) {
    const CpuFeatures all{true, true, true};
    for (const char* keep : {static_cast<const char*>(nullptr), "", "0"}) {
        const CpuFeatures got = ApplyPortableOverride(all, keep);
        EXPECT_TRUE(got.shaNi && got.pclmul && got.vpclmul) << (keep ? keep : "(unset)");
    }
    for (const char* drop : {"1", "yes", "00"}) {
        const CpuFeatures got = ApplyPortableOverride(all, drop);
        EXPECT_FALSE(got.shaNi || got.pclmul || got.vpclmul) << drop;
    }
}

// The dispatchers decide once per process, so the environment variable is
// set in a fresh copy of this test program before anything hashes.
TEST(HashVariantDispatch, PortableEnvironmentSelectsPortableCode) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("LINKMINT_PORTABLE", "1", 1);
            const bool portable = std::string_view(Sha1ActiveVariant()) == "portable" &&
                                  std::string_view(CrcActiveVariant()) == "slicing8";
            const std::string data(1000, 'x');
            const bool same = CrcUpdateBuffer(data.data(), data.size(), 0xFFFFFFFFu) ==
                              CrcUpdateBytewise(data.data(), data.size(), 0xFFFFFFFFu);
            std::exit(portable && same ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace lm
