// SPDX-License-Identifier: MIT
// The AICH root and the part hashes from the one-pass hasher, at the sizes
// where the tree code breaks: around one block, one part, two and three
// parts, and five parts (an odd count whose right half splits again).
//
// The expected values come from outside this program, on files of the same
// byte pattern as file_pass_test.cpp: the ed2k hash and the AICH root from
// `rhash --ed2k --aich` (which prints the second ed2k hash of an exact
// multiple of the chunk size, the one with the empty chunk appended), the
// MD4 of every chunk from `openssl dgst -md4`. Every file is also checked
// against a second, plain implementation written here: the tree split by
// byte counts over the whole file in memory, recursively.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include "aich_tree.h"
#include "base32.h"
#include "ed2k_link.h"
#include "file_hash_pass.h"
#include "hash_text.h"
#include "md4.h"
#include "part_hashes.h"
#include "sha1.h"
#include "temp_dir.h"

namespace lm {
namespace {

struct AichVector {
    std::uint64_t size;
    const char* rhashEd2k;  // the second ed2k hash for non-empty exact multiples
    const char* aich;
    const char* chunkMd4s;  // the MD4 of every chunk, ":" between them
};

const AichVector kVectors[] = {
    {0ull, "31D6CFE0D16AE931B73C59D7E0C089C0", "3I42H3S6NNFQ2MSVX7XZKYAYSCX5QBYJ", ""},
    {1ull, "47C61A0FA8738BA77308A8A600F88E4B", "LOUTZHNQZ74T6UVVEHLUEDSD63W2E6CP",
     "47C61A0FA8738BA77308A8A600F88E4B"},
    {184319ull, "7F69C2D288040B693E560BEB01601B51", "ZH55MORUMTPRUY5SHJDVYDVT743NG4Q6",
     "7F69C2D288040B693E560BEB01601B51"},
    {184320ull, "0EBBB24623926E6DE89C43CAFA59C969", "76MIAYP4WSTYJVABZT7S2XK2UJXUEPKF",
     "0EBBB24623926E6DE89C43CAFA59C969"},
    {184321ull, "5621465FD256C225058B037C14ADC105", "YNCMB55CWHKNO6JRKI5VBVQD6YVXZUNA",
     "5621465FD256C225058B037C14ADC105"},
    {9727999ull, "872945110E803C58683611E4115CB1ED", "RKT3QNUTI3Z5WWVP6MQJ4KOB7KCRPY4P",
     "872945110E803C58683611E4115CB1ED"},
    {9728000ull, "A78BE590C7FB7518D42B9D027637B32D", "4ASQMOOQDFGIKXWVJMCSJFTFXBHMRYTG",
     "CC25AD5FFC0D06B688A11A028497DC18"},
    {9728001ull, "E43253E0F3B4D0ED3FC2CEB2DB6A7604", "XXNMKA7ZXBNSIHQOEBA7L574RHSGVTN4",
     "CC25AD5FFC0D06B688A11A028497DC18:3020A7F28E5E639221AFF7FF58AAC5E5"},
    {19455999ull, "4B9B3334C5AA71345FAF4A26A6CBC3DD", "QC6PXFPV5OO6XRY3LYLWF44YVQOTH4LL",
     "CC25AD5FFC0D06B688A11A028497DC18:3050F2502E15CD1515FABD05BD057048"},
    {19456000ull, "187E981FE4C13D4767043AB5DECD67CE", "WTX4MXSNFDIZDLYGVZBOVX64M7MCUXSQ",
     "CC25AD5FFC0D06B688A11A028497DC18:2721753A11ABF0A4B95E911AD429BA82"},
    {19456001ull, "ACA102E457E9363431958D9D5C2F1FFF", "ILBLNZR3QAFCXFPYTZ2B2I3XK6YQONWG",
     "CC25AD5FFC0D06B688A11A028497DC18:2721753A11ABF0A4B95E911AD429BA82:"
     "DC8D0A7FA73F92698D5C53155A7FAA85"},
    {29183999ull, "454AE09BA0C0663181AB9ECD77A05D70", "ND2FUWPBP2ZWSHUGLHFT5PD4WZN2IZGY",
     "CC25AD5FFC0D06B688A11A028497DC18:2721753A11ABF0A4B95E911AD429BA82:"
     "1BC5B36FDC935CB674409C5348FFFF1F"},
    {29184000ull, "18547C620F7B1533EAE17CD3A1949C35", "4KNV3MT555UNWFXBZJ55B7LX7OFKQR25",
     "CC25AD5FFC0D06B688A11A028497DC18:2721753A11ABF0A4B95E911AD429BA82:"
     "FB896ACD36BFE72F14BC729F557D5104"},
    {29184001ull, "DA6E25FB58A706F3B4A9308AFD4CEBF4", "5YZLBB7WKM3URVBP7G2PA2NICHFWVGC6",
     "CC25AD5FFC0D06B688A11A028497DC18:2721753A11ABF0A4B95E911AD429BA82:"
     "FB896ACD36BFE72F14BC729F557D5104:8C7140D69D592C0310C4AD77A974526F"},
    {38912001ull, "28DA2CF9123C374FFB148B0F75493E39", "UOGYEAMKQUJIMPJDZ5PUBRMA3A7YSENR",
     "CC25AD5FFC0D06B688A11A028497DC18:2721753A11ABF0A4B95E911AD429BA82:"
     "FB896ACD36BFE72F14BC729F557D5104:E21AA92D27C54812F3BC6F504C48C5E2:"
     "EC47F517883CA4C476840EC2E7DA90AA"},
};

// Byte i of every test file: (i * 31 + (i >> 13)) mod 256.
std::vector<char> Pattern(std::size_t size) {
    std::vector<char> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 31 + (i >> 13)) & 0xFF);
    }
    return bytes;
}

Digest20 Sha1(const std::uint8_t* data, std::uint64_t size) {
    TDCP_sha1 sha;
    sha.Init();
    sha.Update(data, static_cast<std::uint32_t>(size));
    Digest20 out;
    sha.Final(out.data());
    return out;
}

// The plain AICH: a node of `size` bytes counts in parts while it is larger
// than one part, otherwise in blocks; its left child gets the larger half of
// the units when the node is itself a left child, the smaller one otherwise.
Digest20 PlainAich(const std::uint8_t* data, std::uint64_t size, bool leftChild) {
    if (size <= kAichBlockSize) {
        return Sha1(data, size);
    }
    const std::uint64_t unit = size > kChunkSize ? kChunkSize : kAichBlockSize;
    const std::uint64_t units = (size + unit - 1) / unit;
    const std::uint64_t leftBytes = (leftChild ? (units + 1) / 2 : units / 2) * unit;
    const Digest20 left = PlainAich(data, leftBytes, true);
    const Digest20 right = PlainAich(data + leftBytes, size - leftBytes, false);
    std::uint8_t pair[40];
    std::copy(left.begin(), left.end(), pair);
    std::copy(right.begin(), right.end(), pair + 20);
    return Sha1(pair, sizeof pair);
}

Digest16 Md4(const void* data, std::size_t size) {
    TDCP_md4 md4;
    md4.Init();
    md4.Update(data, static_cast<std::uint32_t>(size));
    Digest16 out;
    md4.Final(out.data());
    return out;
}

std::string Joined(const std::vector<Digest16>& digests) {
    std::string text;
    for (const Digest16& d : digests) {
        text += (text.empty() ? "" : ":") + HexText(d);
    }
    return text;
}

// The whole file in memory, mapped; a sparse file reads as zeros.
class MappedFile {
public:
    explicit MappedFile(const std::filesystem::path& path) {
        fd_ = ::open(path.c_str(), O_RDONLY);
        size_ = std::filesystem::file_size(path);
        if (size_ > 0) {
            data_ = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, fd_, 0);
        }
    }
    ~MappedFile() {
        if (data_ != nullptr && data_ != MAP_FAILED) {
            ::munmap(data_, size_);
        }
        ::close(fd_);
    }
    const std::uint8_t* Data() const {
        static const std::uint8_t none = 0;
        return size_ == 0 ? &none : static_cast<const std::uint8_t*>(data_);
    }
    std::uint64_t Size() const { return size_; }

private:
    int fd_ = -1;
    void* data_ = nullptr;
    std::uint64_t size_ = 0;
};

class AichPassTest : public ::testing::TestWithParam<unsigned> {};

INSTANTIATE_TEST_SUITE_P(Threads, AichPassTest, ::testing::Values(1u, 2u));

// One pattern file, cut shorter and shorter: every size of the table is
// hashed with AICH and part hashes, and compared with the table and with
// the plain implementation.
TEST_P(AichPassTest, TreeAndPartHashesAtEverySize) {
    TempDir dir;
    const auto path = dir.Path() / "pattern.bin";
    {
        const std::vector<char> bytes = Pattern(std::end(kVectors)[-1].size);
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
    }
    ChunkBuffer buffer(GetParam());
    for (auto v = std::rbegin(kVectors); v != std::rend(kVectors); ++v) {
        SCOPED_TRACE(v->size);
        std::filesystem::resize_file(path, v->size);
        FileDigests d;
        ASSERT_EQ(HashFile(path, buffer, {}, d, PassOptions{true}), PassOutcome::Hashed);
        ASSERT_TRUE(d.aich.has_value());
        EXPECT_EQ(Base32Text(*d.aich), v->aich);
        EXPECT_EQ(Joined(d.chunkDigests), v->chunkMd4s);
        const bool rhashTakesSecond = v->size > 0 && HasSecondEd2kHash(v->size);
        EXPECT_EQ(HexText(rhashTakesSecond ? d.ed2kSecond : d.ed2k), v->rhashEd2k);

        // Every p= list is what its link's hash is the MD4 of.
        for (Ed2kVariant variant : {Ed2kVariant::First, Ed2kVariant::Second}) {
            if (variant == Ed2kVariant::Second && !d.hasSecondEd2k) {
                continue;
            }
            const std::vector<Digest16> parts = PartHashes(d, variant);
            if (!parts.empty()) {
                EXPECT_EQ(Md4(parts.data(), 16 * parts.size()), Ed2kHashOf(d, variant));
            }
        }

        const MappedFile file(path);
        EXPECT_EQ(*d.aich, PlainAich(file.Data(), file.Size(), true));
        std::vector<Digest16> plainParts;
        for (std::uint64_t at = 0; at < file.Size(); at += kChunkSize) {
            plainParts.push_back(Md4(file.Data() + at, std::min(kChunkSize, file.Size() - at)));
        }
        EXPECT_EQ(d.chunkDigests, plainParts);
    }
}

// Without the option the pass computes no AICH and the rest is the same.
TEST_P(AichPassTest, OffByDefault) {
    TempDir dir;
    const auto path = dir.Path() / "f";
    const std::vector<char> bytes = Pattern(9'728'001);
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
    ChunkBuffer buffer(GetParam());
    FileDigests plain, withAich;
    ASSERT_EQ(HashFile(path, buffer, {}, plain), PassOutcome::Hashed);
    ASSERT_EQ(HashFile(path, buffer, {}, withAich, PassOptions{true}), PassOutcome::Hashed);
    EXPECT_FALSE(plain.aich.has_value());
    EXPECT_EQ(plain.ed2k, withAich.ed2k);
    EXPECT_EQ(plain.sha1, withAich.sha1);
    EXPECT_EQ(plain.md5, withAich.md5);
    EXPECT_EQ(plain.crc32, withAich.crc32);
    EXPECT_EQ(plain.chunkDigests, withAich.chunkDigests);
}

// The part's own tree takes its shape from the side it hangs on: the same
// 53 leaves give different roots on the left and on the right.
TEST(AichTree, ShapeFollowsTheSide) {
    std::vector<Digest20> leaves(kAichBlocksPerPart);
    for (std::size_t i = 0; i < leaves.size(); ++i) {
        leaves[i].fill(static_cast<std::uint8_t>(i));
    }
    EXPECT_NE(AichNode(leaves, true), AichNode(leaves, false));
    EXPECT_EQ(AichNode(std::span(leaves).first(1), false), leaves[0]);
    EXPECT_THROW(AichNode({}, true), std::logic_error);

    AichTree tree;
    tree.Begin(2 * kChunkSize);
    tree.AddPart(leaves);
    EXPECT_THROW(tree.Root(), std::logic_error);
    tree.AddPart(leaves);
    EXPECT_THROW(tree.AddPart(leaves), std::logic_error);
}

// RFC 4648, section 10, without the padding.
TEST(Base32, PublishedVectorsAndBadText) {
    const std::pair<const char*, const char*> vectors[] = {
        {"", ""},
        {"f", "MY"},
        {"fo", "MZXQ"},
        {"foo", "MZXW6"},
        {"foob", "MZXW6YQ"},
        {"fooba", "MZXW6YTB"},
        {"foobar", "MZXW6YTBOI"},
    };
    for (const auto& [plain, encoded] : vectors) {
        const std::string text(plain);
        const std::span bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
        EXPECT_EQ(Base32Text(bytes), encoded);
        std::string lower(encoded);
        for (char& c : lower) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        EXPECT_EQ(Base32Text(bytes, true), lower);
        const auto back = Base32Bytes(lower);
        ASSERT_TRUE(back.has_value()) << encoded;
        EXPECT_EQ(std::string(back->begin(), back->end()), text);
    }
    EXPECT_FALSE(Base32Bytes("MZXW6YTB0I"));  // 0 is not in the alphabet
    EXPECT_FALSE(Base32Bytes("MZX"));         // no whole byte in the last bits
    EXPECT_FALSE(Base32Bytes("MZ"));          // bits left over that are not zero
    EXPECT_FALSE(Base32Bytes("MY======"));
}

}  // namespace
}  // namespace lm
