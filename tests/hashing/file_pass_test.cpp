// SPDX-License-Identifier: MIT
// The one-pass file hasher around the chunk boundaries, on real files.
//
// The expected values were computed outside this program: the same byte
// pattern was written by a Python script, MD5, SHA-1 and CRC-32 came from
// Python's hashlib and zlib, and each MD4 (per chunk, and over the chunk
// digests) from `openssl dgst -md4 -provider legacy -provider default`.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "base32.h"
#include "file_hash_pass.h"
#include "hash_text.h"
#include "temp_dir.h"

namespace lm {
namespace {

// Byte i of every test file: (i * 31 + (i >> 13)) mod 256.
std::vector<char> Pattern(std::size_t size) {
    std::vector<char> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 31 + (i >> 13)) & 0xFF);
    }
    return bytes;
}

struct Expected {
    std::uint64_t size;
    const char* ed2k;
    const char* ed2kSecond;  // empty when the size calls for no second hash
    const char* crc32;
    const char* md5;
    const char* sha1;
};

const Expected kBoundaries[] = {
    {0, "31D6CFE0D16AE931B73C59D7E0C089C0", "BE6BC64C94BBC062BCEBFB40B4F93304", "00000000",
     "D41D8CD98F00B204E9800998ECF8427E", "DA39A3EE5E6B4B0D3255BFEF95601890AFD80709"},
    {1, "47C61A0FA8738BA77308A8A600F88E4B", "", "D202EF8D", "93B885ADFE0DA089CDF634904FD59F71",
     "5BA93C9DB0CFF93F52B521D7420E43F6EDA2784F"},
    {9'727'999, "872945110E803C58683611E4115CB1ED", "", "3A8DFEFF",
     "251785B9B8BA84EFA4B975C3A9240B18", "212DA6832B07745B891D0AB57747440CD85B0FD7"},
    {9'728'000, "CC25AD5FFC0D06B688A11A028497DC18", "A78BE590C7FB7518D42B9D027637B32D", "15EFCAC7",
     "65C9D6209FAD4C03BA0B3DAF0E11F0BD", "AC790858FF771E96B07C4284D81A7DADBFE1BC91"},
    {9'728'001, "E43253E0F3B4D0ED3FC2CEB2DB6A7604", "", "98C8A506",
     "D772E30C289668B13C2853F7895460A3", "42F96DFC1A20BA8C009B190926AB6B6443620C3D"},
    {19'456'000, "672FAF8DFF5A3CFFE20F7026E764F675", "187E981FE4C13D4767043AB5DECD67CE", "D47B0177",
     "7C239841A9FCAC43C49898F5CEF636C2", "052807CB20563AAE7DA97A2C87E1C9519F1AB8CC"},
};

void ExpectDigests(const FileDigests& d, const Expected& e) {
    EXPECT_EQ(d.size, e.size);
    EXPECT_EQ(HexText(d.ed2k), e.ed2k);
    EXPECT_EQ(d.hasSecondEd2k, *e.ed2kSecond != '\0');
    if (d.hasSecondEd2k) {
        EXPECT_EQ(HexText(d.ed2kSecond), e.ed2kSecond);
    }
    EXPECT_EQ(CrcText(d.crc32), e.crc32);
    EXPECT_EQ(HexText(d.md5), e.md5);
    EXPECT_EQ(HexText(d.sha1), e.sha1);
}

// Every case runs with the hashing on one thread and on two.
class FilePassTest : public ::testing::TestWithParam<unsigned> {
protected:
    std::filesystem::path Write(const std::string& name, std::size_t size) {
        static const std::vector<char> pattern = Pattern(19'456'000);
        std::filesystem::path path = dir_.Path() / name;
        std::ofstream(path, std::ios::binary).write(pattern.data(), static_cast<long>(size));
        return path;
    }
    TempDir dir_;
    ChunkBuffer buffer_{GetParam()};
};

INSTANTIATE_TEST_SUITE_P(Threads, FilePassTest, ::testing::Values(1u, 2u));

TEST_P(FilePassTest, ChunkBoundaries) {
    for (const Expected& e : kBoundaries) {
        SCOPED_TRACE(e.size);
        const auto path = Write("f" + std::to_string(e.size), e.size);
        std::vector<std::pair<std::uint32_t, std::uint32_t>> progress;
        int pauseChecks = 0;
        PassHooks hooks;
        hooks.pauseRequested = [&] { return ++pauseChecks, false; };
        hooks.chunkDone = [&](std::uint32_t done, std::uint32_t total) {
            progress.emplace_back(done, total);
        };
        FileDigests digests;
        ASSERT_EQ(HashFile(path, buffer_, hooks, digests), PassOutcome::Hashed);
        ExpectDigests(digests, e);

        // Progress after every chunk, a pause check before every chunk and
        // one after the close.
        const std::uint32_t chunks = ChunkCountFor(e.size);
        ASSERT_EQ(progress.size(), chunks);
        for (std::uint32_t i = 0; i < chunks; ++i) {
            EXPECT_EQ(progress[i], std::make_pair(i + 1, chunks));
        }
        EXPECT_EQ(pauseChecks, static_cast<int>(chunks) + 1);
        std::filesystem::remove(path);
    }
}

TEST_P(FilePassTest, PauseAbandonsTheFileAndTheNextFileIsClean) {
    const auto big = Write("big", 19'456'000);
    const auto small = Write("small", 1);

    int checks = 0;
    PassHooks pauseBeforeSecondChunk;
    pauseBeforeSecondChunk.pauseRequested = [&] { return ++checks == 2; };
    FileDigests digests;
    EXPECT_EQ(HashFile(big, buffer_, pauseBeforeSecondChunk, digests), PassOutcome::Paused);

    PassHooks pauseAfterClose;
    pauseAfterClose.pauseRequested = [&] { return true; };
    EXPECT_EQ(HashFile(small, buffer_, pauseAfterClose, digests), PassOutcome::Paused);

    // The same buffer, after abandoned passes, still gives exact results.
    ASSERT_EQ(HashFile(big, buffer_, {}, digests), PassOutcome::Hashed);
    ExpectDigests(digests, kBoundaries[5]);
    ASSERT_EQ(HashFile(small, buffer_, {}, digests), PassOutcome::Hashed);
    ExpectDigests(digests, kBoundaries[1]);
}

TEST_P(FilePassTest, WhatCannotBeOpened) {
    FileDigests digests;
    EXPECT_EQ(HashFile(dir_.Path() / "missing", buffer_, {}, digests), PassOutcome::OpenFailed);
    EXPECT_EQ(HashFile(dir_.Path(), buffer_, {}, digests), PassOutcome::OpenFailed);
    const auto fifo = dir_.Path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Must not block waiting for a writer.
    EXPECT_EQ(HashFile(fifo, buffer_, {}, digests), PassOutcome::OpenFailed);

    // Files whose size reads 0 but that have content: hashing them as empty
    // files would give a link that is plainly wrong. A real empty file is
    // still the empty file.
    for (const char* proc : {"/proc/version", "/proc/self/status"}) {
        struct stat st {};
        ASSERT_EQ(::stat(proc, &st), 0);
        ASSERT_EQ(st.st_size, 0) << proc;
        EXPECT_EQ(HashFile(proc, buffer_, {}, digests), PassOutcome::OpenFailed) << proc;
    }
    const auto empty = Write("empty", 0);
    ASSERT_EQ(HashFile(empty, buffer_, {}, digests), PassOutcome::Hashed);
    EXPECT_EQ(digests.size, 0u);
}

TEST_P(FilePassTest, FileThatShrinksWhileReadIsAReadError) {
    const auto path = Write("shrinks", 19'456'000);
    PassHooks hooks;
    bool cut = false;
    hooks.pauseRequested = [&] {
        if (!cut) {
            std::filesystem::resize_file(path, 1'000'000);
            cut = true;
        }
        return false;
    };
    FileDigests digests;
    EXPECT_THROW(HashFile(path, buffer_, hooks, digests), ReadError);
}

TEST_P(FilePassTest, FileThatGrowsIsHashedOverItsSizeAtOpen) {
    const auto path = Write("grows", 9'728'001);
    FileHashPass pass(buffer_);
    ASSERT_TRUE(pass.Open(path));
    std::ofstream(path, std::ios::binary | std::ios::app) << "more bytes";
    while (pass.HasNextChunk()) {
        pass.HashNextChunk();
    }
    pass.Close();
    ExpectDigests(pass.Finish(), kBoundaries[4]);
}

// Above 4 GiB, sizes must not wrap. A sparse file reads as zeros; its
// expected values were computed with Python and openssl as above, the AICH
// root with `rhash --aich`. 463 parts: an odd count, 2^8 < 463 < 2^9, so
// the tree has parts on both sides at every depth.
TEST(FilePassLarge, SparseFileAbove4GiB) {
    TempDir dir;
    const auto path = dir.Path() / "sparse.bin";
    std::ofstream(path, std::ios::binary).close();
    std::filesystem::resize_file(path, 4'500'000'000ull);
    ChunkBuffer buffer;
    FileDigests d;
    ASSERT_EQ(HashFile(path, buffer, {}, d, PassOptions{true}), PassOutcome::Hashed);
    ASSERT_TRUE(d.aich.has_value());
    EXPECT_EQ(Base32Text(*d.aich), "EVLTNTAICFDPBEBDOIIQXAGNMTEVEULS");
    ASSERT_EQ(d.chunkDigests.size(), 463u);
    EXPECT_EQ(HexText(d.chunkDigests.front()), "D7DEF262A127CD79096A108E7A9FC138");
    EXPECT_EQ(HexText(d.chunkDigests[461]), "D7DEF262A127CD79096A108E7A9FC138");
    EXPECT_EQ(HexText(d.chunkDigests.back()), "AC7B3BB0B0EB3D7404BF6780005E0D8E");
    EXPECT_EQ(d.size, 4'500'000'000ull);
    EXPECT_FALSE(d.hasSecondEd2k);
    EXPECT_EQ(HexText(d.ed2k), "33687C9123CB7AADF97CAEB541D2E32F");
    EXPECT_EQ(CrcText(d.crc32), "3C576203");
    EXPECT_EQ(HexText(d.md5), "ECC4C38BE1F8DBE5739E8F77E506A22C");
    EXPECT_EQ(HexText(d.sha1), "8057A5DF84EEF92AA791215C4DB211B1F49443D8");
}

}  // namespace
}  // namespace lm
