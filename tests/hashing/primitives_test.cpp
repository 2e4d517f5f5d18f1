// SPDX-License-Identifier: MIT
// Digests and CRC-32 against the published vectors, and the rules every
// digest class shares: calling order, piecewise feeding, stream reading.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "crc32.h"
#include "hash_text.h"
#include "md4.h"
#include "md5.h"
#include "sha1.h"

namespace lm {
namespace {

std::string Digest(TDCP_hash& hash, std::string_view input) {
    std::vector<std::uint8_t> digest(static_cast<std::size_t>(hash.HashSize() / 8));
    hash.Init();
    hash.UpdateFromString(input);
    hash.Final(digest.data());
    return HexText(digest, true);
}

struct Vector {
    std::string input;
    const char* md4;
    const char* md5;
};

// RFC 1320 and RFC 1321 share their test suite.
const std::vector<Vector>& RfcSuite() {
    static const std::vector<Vector> suite = {
        {"", "31d6cfe0d16ae931b73c59d7e0c089c0", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "bde52cb31de33e46245e05fbdbd6fb24", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "a448017aaf21d8525fc10ae87aa6729d", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "d9130a8164549fe818874806e1c7014b", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "d79e1c308aa5bbcdeea8ed63df412da9",
         "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "043f8582f241db351ce627e153e7f0e4", "d174ab98d277d9f5a5611c2c9f419d9f"},
        {std::string(8 * 10, ' ')
             .replace(0, 80,
                      "1234567890123456789012345678901234567890"
                      "1234567890123456789012345678901234567890"),
         "e33b4ddc9c38f2199c3e7b164fcc0536", "57edf4a22be3c955ac49da2e2107b67a"},
    };
    return suite;
}

TEST(Md4, RfcSuite) {
    TDCP_md4 md4;
    for (const Vector& v : RfcSuite()) {
        EXPECT_EQ(Digest(md4, v.input), v.md4) << '"' << v.input << '"';
    }
}

TEST(Md5, RfcSuite) {
    TDCP_md5 md5;
    for (const Vector& v : RfcSuite()) {
        EXPECT_EQ(Digest(md5, v.input), v.md5) << '"' << v.input << '"';
    }
}

TEST(Sha1, FipsExamples) {
    TDCP_sha1 sha1;
    EXPECT_EQ(Digest(sha1, ""), "da39a3ee5e6b4b0d3255bfef95601890afd80709");
    EXPECT_EQ(Digest(sha1, "abc"), "a9993e364706816aba3e25717850c26c9cd0d89d");
    EXPECT_EQ(Digest(sha1, "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "84983e441c3bd26ebaae4aa1f95129e5e54670f1");
    EXPECT_EQ(Digest(sha1, std::string(1'000'000, 'a')),
              "34aa973cd4c4daa4f61eeb2bdbad27316534016f");
}

TEST(Digests, IdentityAndSelfTest) {
    TDCP_hash base;
    TDCP_md4 md4;
    TDCP_md5 md5;
    TDCP_sha1 sha1;
    EXPECT_EQ(base.Id(), -1);
    EXPECT_EQ(base.Algorithm(), "");
    EXPECT_EQ(base.HashSize(), -1);
    EXPECT_FALSE(base.SelfTest());
    EXPECT_EQ(md4.Id(), 17);
    EXPECT_EQ(md4.Algorithm(), "MD4");
    EXPECT_EQ(md4.HashSize(), 128);
    EXPECT_EQ(md5.Id(), 16);
    EXPECT_EQ(md5.Algorithm(), "MD5");
    EXPECT_EQ(md5.HashSize(), 128);
    EXPECT_EQ(sha1.Id(), 2);
    EXPECT_EQ(sha1.Algorithm(), "SHA1");
    EXPECT_EQ(sha1.HashSize(), 160);
    EXPECT_TRUE(md4.SelfTest());
    EXPECT_TRUE(md5.SelfTest());
    EXPECT_TRUE(sha1.SelfTest());
}

std::vector<std::unique_ptr<TDCP_hash>> AllDigests() {
    std::vector<std::unique_ptr<TDCP_hash>> all;
    all.push_back(std::make_unique<TDCP_md4>());
    all.push_back(std::make_unique<TDCP_md5>());
    all.push_back(std::make_unique<TDCP_sha1>());
    return all;
}

void ExpectNotInitialized(const std::function<void()>& call) {
    try {
        call();
        ADD_FAILURE() << "no EDCP_hash raised";
    } catch (const EDCP_hash& e) {
        EXPECT_STREQ(e.what(), "Hash not initialized");
    }
}

TEST(Digests, UseWithoutInitRaises) {
    for (auto& hash : AllDigests()) {
        std::uint8_t digest[20];
        ExpectNotInitialized([&] { hash->Update("x", 1); });
        ExpectNotInitialized([&] { hash->Final(digest); });
        EXPECT_FALSE(hash->Initialized());

        hash->Init();
        hash->Final(digest);
        ExpectNotInitialized([&] { hash->Final(digest); });  // one digest per Init
        EXPECT_FALSE(hash->Initialized());

        hash->Init();
        hash->Burn();
        ExpectNotInitialized([&] { hash->Update("x", 1); });
    }
}

TEST(Digests, InitDiscardsWhatWasFed) {
    for (auto& hash : AllDigests()) {
        const std::string fresh = Digest(*hash, "abc");
        hash->Init();
        hash->UpdateFromString(std::string(100, 'z'));
        hash->Init();
        hash->UpdateFromString("abc");
        std::uint8_t digest[20];
        hash->Final(digest);
        EXPECT_EQ(HexText({digest, static_cast<std::size_t>(hash->HashSize() / 8)}, true), fresh)
            << hash->Algorithm();
    }
}

TEST(Digests, PiecesOfAnySizeGiveTheSameDigest) {
    std::mt19937 rng(1234);
    std::string data(5000, '\0');
    for (char& c : data) {
        c = static_cast<char>(rng());
    }
    for (auto& hash : AllDigests()) {
        for (std::size_t length : {0u, 1u, 55u, 56u, 63u, 64u, 65u, 119u, 120u, 128u, 5000u}) {
            const std::string whole = Digest(*hash, std::string_view(data).substr(0, length));
            for (int round = 0; round < 20; ++round) {
                hash->Init();
                std::size_t at = 0;
                while (at < length) {
                    std::size_t piece = std::min<std::size_t>(rng() % 150, length - at);
                    hash->Update(data.data() + at, static_cast<std::uint32_t>(piece));
                    at += piece;
                }
                std::uint8_t digest[20];
                hash->Final(digest);
                ASSERT_EQ(HexText({digest, static_cast<std::size_t>(hash->HashSize() / 8)}, true),
                          whole)
                    << hash->Algorithm() << " length " << length;
            }
        }
    }
}

// A memory stream that counts its reads.
class CountingStream : public ByteStream {
public:
    explicit CountingStream(std::string bytes) : bytes_(std::move(bytes)) {}
    std::size_t Read(void* buffer, std::size_t count) override {
        std::size_t n = std::min(count, bytes_.size() - at_);
        std::memcpy(buffer, bytes_.data() + at_, n);
        at_ += n;
        reads_++;
        return n;
    }
    int reads_ = 0;

private:
    std::string bytes_;
    std::size_t at_ = 0;
};

TEST(Digests, UpdateFromStream) {
    TDCP_md5 md5;
    const std::string data(20000, 'q');

    // A stream read in 8,192-byte pieces gives the digest of the bytes fed.
    MemoryByteStream whole({reinterpret_cast<const std::uint8_t*>(data.data()), data.size()});
    md5.Init();
    md5.UpdateFromStream(whole, data.size());
    std::uint8_t digest[16];
    md5.Final(digest);
    EXPECT_EQ(HexText(digest, true), Digest(md5, data));

    // Size 0 reads nothing.
    CountingStream untouched(data);
    md5.Init();
    md5.UpdateFromStream(untouched, 0);
    md5.Final(digest);
    EXPECT_EQ(untouched.reads_, 0);
    EXPECT_EQ(HexText(digest, true), Digest(md5, ""));

    // A stream that ends early feeds what it had, without an error.
    MemoryByteStream shortOne({reinterpret_cast<const std::uint8_t*>(data.data()), 1000});
    md5.Init();
    md5.UpdateFromStream(shortOne, data.size());
    md5.Final(digest);
    EXPECT_EQ(HexText(digest, true), Digest(md5, data.substr(0, 1000)));
}

std::uint32_t Crc(std::string_view text) {
    return ~CrcUpdateBuffer(text.data(), text.size(), 0xFFFFFFFFu);
}

TEST(Crc32, TableAndCheckValue) {
    EXPECT_EQ(kCrcTable[0], 0u);
    EXPECT_EQ(kCrcTable[1], 0x77073096u);
    EXPECT_EQ(kCrcTable[128], 0xEDB88320u);
    EXPECT_EQ(kCrcTable[255], 0x2D02EF8Du);
    EXPECT_EQ(Crc("123456789"), 0xCBF43926u);
    EXPECT_EQ(Crc(""), 0x00000000u);
    EXPECT_EQ(Crc("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
    EXPECT_EQ(CrcUpdateBuffer("", 0, 0x12345678u), 0x12345678u);  // no inversion inside
}

TEST(Crc32, AnyLengthMatchesByteAtATime) {
    std::mt19937 rng(99);
    std::string data(3000, '\0');
    for (char& c : data) {
        c = static_cast<char>(rng());
    }
    for (std::size_t start = 0; start < 9; ++start) {
        for (std::size_t length = 0; length + start <= 300; length += 7) {
            std::uint32_t reg = 0xFFFFFFFFu;
            for (std::size_t i = start; i < start + length; ++i) {
                reg = kCrcTable[(reg ^ static_cast<std::uint8_t>(data[i])) & 0xFF] ^ (reg >> 8);
            }
            ASSERT_EQ(CrcUpdateBuffer(data.data() + start, length, 0xFFFFFFFFu), reg)
                << start << '+' << length;
        }
    }
}

TEST(Crc32, StreamStopsAfterTheFirstShortRead) {
    const std::string data(5000, 'c');
    CountingStream stream(data.substr(0, 3000));  // 2,048, then 952, then stop
    const std::uint32_t reg = CrcUpdateStream(stream, 0xFFFFFFFFu);
    EXPECT_EQ(stream.reads_, 2);
    EXPECT_EQ(~reg, Crc(std::string_view(data).substr(0, 3000)));

    MemoryByteStream exact({reinterpret_cast<const std::uint8_t*>(data.data()), 4096});
    EXPECT_EQ(~CrcUpdateStream(exact, 0xFFFFFFFFu), Crc(std::string_view(data).substr(0, 4096)));
}

}  // namespace
}  // namespace lm
