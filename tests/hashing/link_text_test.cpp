// SPDX-License-Identifier: MIT
// Hash texts, ed2k links and the CRC-in-name verdicts.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include "base32.h"
#include "crc_in_name.h"
#include "ed2k_link.h"
#include "file_hash_pass.h"
#include "hash_text.h"
#include "magnet_link.h"
#include "temp_dir.h"

namespace lm {
namespace {

const Digest16 kHash = {0x00, 0x01, 0x0A, 0x1F, 0xA0, 0xFF, 0x12, 0x34,
                        0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0, 0x0F, 0xED};

TEST(HashText, DigitsAndCase) {
    EXPECT_EQ(HexText(kHash), "00010A1FA0FF123456789ABCDEF00FED");
    EXPECT_EQ(HexText(kHash, true), "00010a1fa0ff123456789abcdef00fed");
    EXPECT_EQ(HexText({}), "");
    EXPECT_EQ(CrcText(0), "00000000");
    EXPECT_EQ(CrcText(0x00ABCDEF), "00ABCDEF");
    EXPECT_EQ(CrcText(0xCBF43926, true), "cbf43926");
}

TEST(Ed2kLink, PiecesAndOptions) {
    const std::u16string path = u"/home/ann/Videos/clip.avi";
    LinkOptions strip;
    strip.stripPath = true;
    EXPECT_EQ(Ed2kLink(path, 1'000'000, kHash, strip),
              u"ed2k://|file|clip.avi|1000000|00010A1FA0FF123456789ABCDEF00FED|/");

    LinkOptions full;
    EXPECT_EQ(Ed2kLink(path, 1'000'000, kHash, full),
              u"ed2k://|file|/home/ann/Videos/clip.avi|1000000|00010A1FA0FF123456789ABCDEF00FED|/");
    full.trailingSlash = false;
    EXPECT_EQ(Ed2kLink(path, 0, kHash, full),
              u"ed2k://|file|/home/ann/Videos/clip.avi|0|00010A1FA0FF123456789ABCDEF00FED|");

    // Lower case touches the hash only, not the name or the literal parts.
    LinkOptions lower;
    lower.stripPath = true;
    lower.lowercaseHashes = true;
    EXPECT_EQ(Ed2kLink(u"/x/ABC DEF.AVI", 4'500'000'000ull, kHash, lower),
              u"ed2k://|file|ABC DEF.AVI|4500000000|00010a1fa0ff123456789abcdef00fed|/");
}

TEST(Ed2kLink, NamesWindowsAllowsAreCopiedAsTheyAre) {
    // Whatever a Windows name may hold, "%" not followed by two hexadecimal
    // digits included: the link is the plain concatenation.
    LinkOptions strip;
    strip.stripPath = true;
    for (const std::u16string name :
         {u"Ünïcödé & [x] \U0001F600 日本.mkv", u"a b  c.avi", u"100% sure.txt", u"%", u"50%.txt",
          u"%2", u"%zz%G1.bin", u"#+;=,@!$'(){}~^`.x", u"ed2k:file",
          u"\u00A0\u2028\uFEFF\uFFFD.txt", u"C:\\x\\y.avi"}) {
        EXPECT_EQ(Ed2kLink(u"/d/" + name, 7, kHash, strip),
                  u"ed2k://|file|" + name + u"|7|00010A1FA0FF123456789ABCDEF00FED|/");
    }
}

TEST(Ed2kLink, WhatOtherClientsReadDifferentlyIsEscaped) {
    EXPECT_EQ(Ed2kNameField(u"a|b"), u"a%7Cb");
    using namespace std::string_literals;
    EXPECT_EQ(Ed2kNameField(u"line\nfeed\ttab\r\x01\x1F\x7F\u0000."s),
              u"line%0Afeed%09tab%0D%01%1F%7F%00.");
    // Decoding clients would read these as other bytes.
    EXPECT_EQ(Ed2kNameField(u"Track%201.mp3"), u"Track%25201.mp3");
    EXPECT_EQ(Ed2kNameField(u"%aF%%41%4"), u"%25aF%%2541%4");
    // The stand-ins of bytes that are not UTF-8, but not the low half of a
    // real surrogate pair (U+10000 + 0x80 is D800 DC80).
    EXPECT_EQ(Ed2kNameField(u"caf\xDCE9 \xDC80\xDCFF"), u"caf%E9 %80%FF");
    EXPECT_EQ(Ed2kNameField(u"\U00010080"), u"\U00010080");
    // In the whole link, after the path is cut.
    LinkOptions strip;
    strip.stripPath = true;
    EXPECT_EQ(Ed2kLink(u"/d|x/p|q\xDCE9.txt", 1, kHash, strip),
              u"ed2k://|file|p%7Cq%E9.txt|1|00010A1FA0FF123456789ABCDEF00FED|/");
}

TEST(Ed2kLink, ParsesOursAndOtherClientsLinks) {
    const std::string hash = "00010A1FA0FF123456789ABCDEF00FED";
    // Ours, with part hashes and the root, and the old unescaped "|".
    // The fields are views into the text: it is kept.
    const std::string ours = "ed2k://|file|/a|b.bin|19456005|" + hash +
                             "|p=01010101010101010101010101010101:02020202020202020202020202020202"
                             "|h=IJBEEQSCIJBEEQSCIJBEEQSCIJBEEQSC|/";
    auto link = ParseEd2kLink(ours);
    ASSERT_TRUE(link);
    EXPECT_EQ(link->nameField, "/a|b.bin");
    EXPECT_EQ(link->size, 19456005u);
    EXPECT_EQ(link->hash, kHash);
    ASSERT_EQ(link->partHashes.size(), 2u);
    EXPECT_EQ(link->partHashes[1][0], 2);
    ASSERT_TRUE(link->aich);
    EXPECT_EQ((*link->aich)[19], 0x42);
    EXPECT_TRUE(link->trailingSlash);
    EXPECT_FALSE(link->otherFields);

    // eMule's sources, another client's field, any case of the scheme.
    const std::string emule = "ED2K://|FILE|x%7Cy.avi|0|" + hash +
                              "|s=http://host/x.avi|/|sources,10.0.0.1:4662,host.example:4661|/";
    link = ParseEd2kLink(emule);
    ASSERT_TRUE(link);
    EXPECT_EQ(link->nameField, "x%7Cy.avi");
    EXPECT_EQ(link->size, 0u);
    EXPECT_TRUE(link->otherFields);
    EXPECT_EQ(PercentDecoded(link->nameField), "x|y.avi");

    // The same reader for the window's text.
    const std::u16string wideText =
        u"ed2k://|file|é|18446744073709551615|" + std::u16string(hash.begin(), hash.end()) + u"|";
    const auto wide = ParseEd2kLink(wideText);
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->nameField, u"é");
    EXPECT_EQ(wide->size, UINT64_MAX);
    EXPECT_FALSE(wide->trailingSlash);

    for (const std::string& bad :
         {"ed2k://|file||3|" + hash + "|/", "ed2k://|file|3|" + hash + "|/",
          "ed2k://|file|x|3|" + hash, "ed2k://|file|x|3|" + hash.substr(1) + "|/",
          "ed2k://|file|x|18446744073709551616|" + hash + "|/", "ed2k://|file|x|3a|" + hash + "|/",
          "ed2k://|file|x||" + hash + "|/", "ed2k://|file|x|3|" + hash + "|p=0101|/",
          "ed2k://|file|x|3|" + hash + "|h=IJB|/", std::string("ed2k://|server|10.0.0.1|4661|/"),
          std::string(), "magnet:?xt=urn:ed2k:" + hash}) {
        EXPECT_FALSE(ParseEd2kLink(bad)) << bad;
    }
}

TEST(Ed2kLink, WritingThenReadingGivesTheNameBack) {
    LinkOptions o;
    for (const std::u16string name : {u"plain.txt", u"a|b%20c\n\x7F", u"50% |%|"}) {
        const std::u16string text = Ed2kLink(name, 3, kHash, o);
        const auto link = ParseEd2kLink(text);
        ASSERT_TRUE(link);
        std::string field(link->nameField.begin(), link->nameField.end());
        std::string bytes(name.begin(), name.end());
        EXPECT_EQ(PercentDecoded(field), bytes);
    }
}

TEST(Ed2kLink, RecasingTurnsTheDigestsOnly) {
    const std::u16string start = u"ed2k://|file|Name ABC|3|";
    const std::u16string upper =
        start +
        u"00010A1FA0FF123456789ABCDEF00FED"
        u"|p=ABCDEF0123456789ABCDEF0123456789:ABCDEF0123456789ABCDEF0123456789"
        u"|h=IJBEEQSCIJBEEQSCIJBEEQSCIJBEEQSC|/|sources,Host.A:1|/";
    std::u16string lower = upper;
    const std::size_t tail = upper.find(u"|/|sources");
    for (std::size_t i = start.size(); i < tail; ++i) {
        if (lower[i] >= u'A' && lower[i] <= u'Z') {
            lower[i] = static_cast<char16_t>(lower[i] - u'A' + u'a');
        }
    }
    EXPECT_EQ(RecasedEd2kLink(upper, true), lower);
    EXPECT_EQ(RecasedEd2kLink(lower, false), upper);
    EXPECT_EQ(RecasedEd2kLink(u"not|a|link|at|all", true), u"not|a|link|at|all");
}

TEST(Ed2kLink, NameWithoutPath) {
    EXPECT_EQ(NameWithoutPath(u"/a/b/c.txt"), u"c.txt");
    EXPECT_EQ(NameWithoutPath(u"c.txt"), u"c.txt");
    EXPECT_EQ(NameWithoutPath(u"/a/b/"), u"");
    // Backslashes and colons are ordinary name characters here.
    EXPECT_EQ(NameWithoutPath(u"/a/C:\\x\\y.avi"), u"C:\\x\\y.avi");
}

// The digests of a file of two chunks and a bit more, made up.
FileDigests ThreeChunks() {
    FileDigests d;
    d.size = 2 * kChunkSize + 5;
    d.ed2k = kHash;
    for (std::uint8_t i = 1; i <= 3; ++i) {
        Digest16 chunk{};
        chunk.fill(i);
        d.chunkDigests.push_back(chunk);
    }
    d.sha1.fill(0xAB);
    Digest20 root;
    root.fill(0x42);
    d.aich = root;
    return d;
}

TEST(Ed2kLink, PartHashesAndAich) {
    const FileDigests d = ThreeChunks();
    const std::u16string hash = u"00010A1FA0FF123456789ABCDEF00FED";
    const std::u16string parts =
        u"01010101010101010101010101010101:02020202020202020202020202020202:"
        u"03030303030303030303030303030303";
    const std::u16string aich = u"IJBEEQSCIJBEEQSCIJBEEQSCIJBEEQSC";
    LinkOptions o;
    o.stripPath = true;
    // With the new options off, the link of the four-digest program.
    EXPECT_EQ(Ed2kLink(u"/d/x.avi", d, Ed2kVariant::First, o),
              Ed2kLink(u"/d/x.avi", d.size, d.ed2k, o));
    o.partHashes = true;
    o.aichHash = true;
    EXPECT_EQ(Ed2kLink(u"/d/x.avi", d, Ed2kVariant::First, o),
              u"ed2k://|file|x.avi|19456005|" + hash + u"|p=" + parts + u"|h=" + aich + u"|/");
    o.partHashes = false;
    o.trailingSlash = false;
    EXPECT_EQ(Ed2kLink(u"/d/x.avi", d, Ed2kVariant::First, o),
              u"ed2k://|file|x.avi|19456005|" + hash + u"|h=" + aich + u"|");
    o.partHashes = true;
    o.aichHash = false;
    o.lowercaseHashes = true;
    std::u16string lowerParts = parts;
    for (char16_t& c : lowerParts) {
        c = c == u'A' ? u'a' : c;  // only digits and ":" here
    }
    EXPECT_EQ(
        Ed2kLink(u"/d/x.avi", d, Ed2kVariant::First, o),
        u"ed2k://|file|x.avi|19456005|00010a1fa0ff123456789abcdef00fed|p=" + lowerParts + u"|");

    // A pass without AICH has no h= to give.
    FileDigests noAich = d;
    noAich.aich.reset();
    o = {};
    o.aichHash = true;
    EXPECT_EQ(Ed2kLink(u"x", noAich, Ed2kVariant::First, o),
              u"ed2k://|file|x|19456005|" + hash + u"|/");
}

TEST(Ed2kLink, WhichLinksCarryPartHashes) {
    FileDigests d;
    Digest16 one{};
    one.fill(7);
    // The empty file: neither link is the MD4 of two or more digests.
    d.hasSecondEd2k = true;
    EXPECT_TRUE(PartHashes(d, Ed2kVariant::First).empty());
    EXPECT_TRUE(PartHashes(d, Ed2kVariant::Second).empty());
    // One chunk exactly: only the second link, ending with the empty chunk.
    d.size = kChunkSize;
    d.chunkDigests = {one};
    EXPECT_TRUE(PartHashes(d, Ed2kVariant::First).empty());
    EXPECT_EQ(PartHashes(d, Ed2kVariant::Second), (std::vector<Digest16>{one, EmptyChunkHash}));
    // Below one chunk: none. Above: all chunk digests.
    d.size = 5;
    d.hasSecondEd2k = false;
    EXPECT_TRUE(PartHashes(d, Ed2kVariant::First).empty());
    EXPECT_THROW(Ed2kHashOf(d, Ed2kVariant::Second), std::logic_error);
    d.size = kChunkSize + 1;
    d.chunkDigests = {one, one};
    EXPECT_EQ(PartHashes(d, Ed2kVariant::First), d.chunkDigests);
}

// A sparse file of `size` bytes with `mark` in its first byte, so that files
// of one size differ.
void MakeSparse(const std::filesystem::path& path, std::uint64_t size, char mark) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(size)), 0);
    ASSERT_EQ(::pwrite(fd, &mark, 1, 0), 1);
    ::close(fd);
}

TEST(Ed2kLink, FromKeptPartsAsFromThePass) {
    TempDir dir;
    ChunkBuffer buffer(1);
    const std::u16string name = u"/d/f.bin";
    for (const std::uint64_t size : {kChunkSize, 2 * kChunkSize, 2 * kChunkSize + 5}) {
        FileDigests d, other;
        for (FileDigests* digests : {&d, &other}) {
            const std::filesystem::path path = dir.Path() / (digests == &d ? "a" : "b");
            MakeSparse(path, size, digests == &d ? 'a' : 'b');
            ASSERT_EQ(HashFile(path, buffer, {}, *digests, PassOptions{true}), PassOutcome::Hashed);
        }
        for (const Ed2kVariant variant : {Ed2kVariant::First, Ed2kVariant::Second}) {
            if (variant == Ed2kVariant::Second && !d.hasSecondEd2k) {
                continue;
            }
            const Digest16& hash = Ed2kHashOf(d, variant);
            for (int bits = 0; bits < 16; ++bits) {
                LinkOptions o;
                o.partHashes = (bits & 1) != 0;
                o.aichHash = (bits & 2) != 0;
                o.lowercaseHashes = (bits & 4) != 0;
                o.trailingSlash = (bits & 8) != 0;
                EXPECT_EQ(Ed2kLinkFromParts(name, size, hash, d.chunkDigests, d.aich, o),
                          Ed2kLink(name, d, variant, o))
                    << size << ' ' << bits;
            }
            // Digests of another file, or too few of them, are not this
            // link's part hashes; nothing kept gives the plain link.
            LinkOptions all;
            all.partHashes = true;
            all.aichHash = true;
            std::vector<Digest16> cut = d.chunkDigests;
            cut.pop_back();
            FileDigests plain = d;
            plain.chunkDigests.clear();
            const std::u16string withoutParts = Ed2kLink(name, plain, variant, all);
            EXPECT_EQ(withoutParts.find(u"|p="), std::u16string::npos);
            EXPECT_EQ(Ed2kLinkFromParts(name, size, hash, other.chunkDigests, d.aich, all),
                      withoutParts);
            EXPECT_EQ(Ed2kLinkFromParts(name, size, hash, cut, d.aich, all), withoutParts);
            EXPECT_EQ(Ed2kLinkFromParts(name, size, hash, {}, std::nullopt, all),
                      Ed2kLink(name, size, hash, all));
        }
    }
}

// A stored link follows other options from its own fields as a pass would
// write it, the second hash of an exact multiple of the chunk size too; its
// name and its slash stay as they were written.
TEST(Ed2kLink, RerenderedFromItsOwnFieldsAsFromThePass) {
    TempDir dir;
    ChunkBuffer buffer(1);
    const std::u16string name = u"/d/F.bin";
    for (const std::uint64_t size : {kChunkSize, kChunkSize + 5}) {
        FileDigests d;
        const std::filesystem::path path = dir.Path() / std::to_string(size);
        MakeSparse(path, size, 'a');
        ASSERT_EQ(HashFile(path, buffer, {}, d, PassOptions{true}), PassOutcome::Hashed);
        for (const Ed2kVariant variant : {Ed2kVariant::First, Ed2kVariant::Second}) {
            if (variant == Ed2kVariant::Second && !d.hasSecondEd2k) {
                continue;
            }
            LinkOptions stored;
            stored.partHashes = true;
            stored.aichHash = true;
            stored.trailingSlash = false;
            const std::u16string link = Ed2kLink(name, d, variant, stored);
            for (int bits = 0; bits < 8; ++bits) {
                LinkOptions now;
                now.partHashes = (bits & 1) != 0;
                now.aichHash = (bits & 2) != 0;
                now.lowercaseHashes = (bits & 4) != 0;
                now.stripPath = true;  // for links made afterwards
                LinkOptions asWritten = now;
                asWritten.stripPath = false;
                asWritten.trailingSlash = false;
                EXPECT_EQ(RerenderedEd2kLink(link, {}, std::nullopt, now),
                          Ed2kLink(name, d, variant, asWritten))
                    << size << ' ' << bits;
            }
        }
    }
}

TEST(MagnetLink, OfAStoredLinkAsOfTheFile) {
    const FileDigests d = ThreeChunks();
    LinkOptions o;
    o.aichHash = true;
    // The link escapes "|", a byte that is not UTF-8 and a "%" before two
    // hexadecimal digits; the magnet link carries the name's own bytes.
    const std::u16string link16 = Ed2kLink(u"d/a|b\xDCFF%41.avi", d, Ed2kVariant::First, o);
    const std::string link(link16.begin(), link16.end());
    ASSERT_EQ(link.substr(0, 36), "ed2k://|file|d/a%7Cb%FF%2541.avi|194");
    o.stripPath = true;  // the name stays as the link has it
    LinkOptions written;
    written.aichHash = true;
    EXPECT_EQ(MagnetOfEd2kLink(link, d.sha1, std::nullopt, o),
              MagnetLink("d/a|b\xFF%41.avi", d, Ed2kVariant::First, written));
    // A kept root comes before the link's own.
    Digest20 kept;
    kept.fill(0x11);
    EXPECT_NE(MagnetOfEd2kLink(link, d.sha1, kept, o).find("&xt=urn:aich:" + Base32Text(kept)),
              std::string::npos);
    EXPECT_EQ(MagnetOfEd2kLink("magnet:?xt=urn:ed2k:00010A1FA0FF123456789ABCDEF00FED", d.sha1,
                               std::nullopt, o),
              "");
    EXPECT_EQ(MagnetOfEd2kLink("ed2k://|file|x|3|00010A1FA0FF123456789ABCDEF00FE|/", d.sha1,
                               std::nullopt, o),
              "");
}

TEST(MagnetLink, FieldsAndEscaping) {
    FileDigests d = ThreeChunks();
    LinkOptions o;
    o.stripPath = true;
    const std::string sha1 = Base32Text(d.sha1);
    EXPECT_EQ(MagnetLink("/d/a b~%-_.\xC3\xA9\xFF.avi", d, Ed2kVariant::First, o),
              "magnet:?xt=urn:ed2k:00010A1FA0FF123456789ABCDEF00FED&xl=19456005"
              "&dn=a%20b~%25-_.%C3%A9%FF.avi&xt=urn:sha1:" +
                  sha1);
    o.aichHash = true;
    o.lowercaseHashes = true;
    o.stripPath = false;
    o.partHashes = true;  // not part of a magnet link
    EXPECT_EQ(MagnetLink("d/&=?#+", d, Ed2kVariant::First, o),
              "magnet:?xt=urn:ed2k:00010a1fa0ff123456789abcdef00fed&xl=19456005"
              "&dn=d%2F%26%3D%3F%23%2B&xt=urn:aich:ijbeeqscijbeeqscijbeeqscijbeeqsc&xt=urn:sha1:" +
                  Base32Text(d.sha1, true));
}

TEST(CrcInName, FindsOnlyDelimitedRunsOfEight) {
    EXPECT_EQ(FindCRCInName(u"[ABCDEF01]"), 2);
    EXPECT_EQ(FindCRCInName(u"show_01_[abcdef01].mkv"), 10);  // lower case counts
    EXPECT_EQ(FindCRCInName(u"ABCDEF01.avi"), 0);             // no character before the run
    EXPECT_EQ(FindCRCInName(u"x_ABCDEF01"), 0);               // no character after the run
    EXPECT_EQ(FindCRCInName(u"x ABCDEF0 y"), 0);              // seven digits
    EXPECT_EQ(FindCRCInName(u"x ABCDEF012 y"), 0);            // nine digits
    EXPECT_EQ(FindCRCInName(u"x ABCDEFG1 y"), 0);
    EXPECT_EQ(FindCRCInName(u"x 12345678 y 9ABCDEF0 z"), 3);
    EXPECT_EQ(FindCRCInName(u""), 0);
    EXPECT_EQ(FindCRCInName(u"[1234567]"), 0);
}

TEST(CrcInName, Verdicts) {
    EXPECT_EQ(CheckCrcInName(u"/v/Show - 01 [1A2B3C4D].mkv", "1A2B3C4D"), crcMatches);
    EXPECT_EQ(CheckCrcInName(u"/v/Show - 01 [1a2b3c4d].mkv", "1A2B3C4D"), crcMatches);
    EXPECT_EQ(CheckCrcInName(u"/v/Show - 01 [1A2B3C4D].mkv", "1a2b3c4d"), crcMatches);
    // A plain substring test: inside a longer run of digits still matches.
    EXPECT_EQ(CheckCrcInName(u"/v/FF1A2B3C4DFF.mkv", "1A2B3C4D"), crcMatches);
    EXPECT_EQ(CheckCrcInName(u"/v/Show - 01 [DEADBEEF].mkv", "1A2B3C4D"), crcMismatch);
    EXPECT_EQ(CheckCrcInName(u"/v/DEADBEEF.avi", "1A2B3C4D"), crcNotFound);
    EXPECT_EQ(CheckCrcInName(u"/v/holiday.avi", "1A2B3C4D"), crcNotFound);
    EXPECT_EQ(CheckCrcInName(u"/v/empty 00000000.txt", "00000000"), crcMatches);
    // Only the name is looked at, not the directories.
    EXPECT_EQ(CheckCrcInName(u"/v [DEADBEEF]/holiday.avi", "1A2B3C4D"), crcNotFound);
    EXPECT_EQ(CheckCrcInName(u"/v [1A2B3C4D]/holiday.avi", "1A2B3C4D"), crcNotFound);
}

}  // namespace
}  // namespace lm
