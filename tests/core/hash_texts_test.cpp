// SPDX-License-Identifier: MIT
// A file's three hash texts come back exactly as they were given, whether
// they are kept as digest bytes or, for anything else, as given.

#include <gtest/gtest.h>

#include <QByteArray>

#include <tuple>
#include <vector>

#include "hash_texts.h"

namespace lm {
namespace {

using Texts = std::tuple<QByteArray, QByteArray, QByteArray>;

Texts Of(const HashTexts& hashes) {
    return {hashes.Crc32(), hashes.Md5(), hashes.Sha1()};
}

HashTexts From(const Texts& texts) {
    return HashTexts(std::get<0>(texts), std::get<1>(texts), std::get<2>(texts));
}

const QByteArray kMd5 = "0123456789abcdef0123456789abcdef";
const QByteArray kSha1 = "a9993e364706816aba3e25717850c26c9cd0d89d";

TEST(HashTexts, GiveBackEveryTextAsGiven) {
    const std::vector<Texts> cases = {
        {"", "", ""},
        {"deadbeef", kMd5, kSha1},
        {"DEADBEEF", kMd5.toUpper(), kSha1.toUpper()},
        {"01234567", "01234567890123456789012345678901",
         "0123456789012345678901234567890123456789"},
        // Mixed case, within a text or between texts.
        {"DeadBeef", kMd5, kSha1},
        {"deadbeef", kMd5.toUpper(), kSha1},
        // Not hexadecimal, a length off by one, empty beside hashed texts.
        {"deadbeeg", kMd5, kSha1},
        {"deadbee", kMd5, kSha1},
        {"deadbeef0", kMd5, kSha1},
        {"", kMd5, kSha1},
        {"deadbeef", kMd5, ""},
        // What a hand-edited settings file may hold.
        {"Hello", "\xe9t\xe9", QByteArray("a\0b", 3)},
        {"0x1234", " " + kMd5.left(31), kSha1 + "\r"},
    };
    for (const Texts& texts : cases) {
        EXPECT_EQ(Of(From(texts)), texts) << std::get<0>(texts).constData();
    }
}

TEST(HashTexts, EqualExactlyWhenTheTextsAre) {
    const Texts lower{"deadbeef", kMd5, kSha1};
    const Texts upper{"DEADBEEF", kMd5.toUpper(), kSha1.toUpper()};
    const Texts odd{"deadbeeg", kMd5, kSha1};
    EXPECT_EQ(From(lower), From(lower));
    EXPECT_EQ(From(odd), From(odd));
    EXPECT_FALSE(From(lower) == From(upper));
    EXPECT_FALSE(From(lower) == From(odd));
    EXPECT_FALSE(From(lower) == HashTexts());
    EXPECT_FALSE(From(Texts{"deadbeef", kMd5, kSha1.left(39) + "e"}) == From(lower));
    // Digits alone read the same in either case.
    const Texts digits{"01234567", "01234567890123456789012345678901",
                       "0123456789012345678901234567890123456789"};
    EXPECT_EQ(From(digits).Recased(false), From(digits));
}

TEST(HashTexts, OfDigestsSpellsTheDigestsInTheAskedCase) {
    Digest16 md5{};
    Digest20 sha1{};
    for (std::size_t i = 0; i < md5.size(); ++i) {
        md5[i] = static_cast<std::uint8_t>(0x01 + 0x22 * i);
    }
    for (std::size_t i = 0; i < sha1.size(); ++i) {
        sha1[i] = static_cast<std::uint8_t>(0xF0 - 0x0B * i);
    }
    const Texts lower{"00c0ffee", "0123456789abcdef1133557799bbddff",
                      "f0e5dacfc4b9aea3988d82776c61564b40352a1f"};
    const HashTexts made = HashTexts::OfDigests(0x00C0FFEE, md5, sha1, true);
    EXPECT_EQ(Of(made), lower);
    EXPECT_EQ(made, From(lower));

    const Texts upper{"00C0FFEE", std::get<1>(lower).toUpper(), std::get<2>(lower).toUpper()};
    EXPECT_EQ(Of(HashTexts::OfDigests(0x00C0FFEE, md5, sha1, false)), upper);
    EXPECT_EQ(HashTexts::OfDigests(0x00C0FFEE, md5, sha1, false), From(upper));
    // A digest of digits alone compares equal to its texts read back.
    const Digest16 digitsMd5{0x01, 0x23, 0x45, 0x67, 0x89, 0x01, 0x23, 0x45,
                             0x67, 0x89, 0x01, 0x23, 0x45, 0x67, 0x89, 0x01};
    const Digest20 digitsSha1{};
    const HashTexts digits = HashTexts::OfDigests(0x12345678, digitsMd5, digitsSha1, false);
    EXPECT_EQ(digits, From(Of(digits)));
}

TEST(HashTexts, RecasedChangesTheLettersOnly) {
    const Texts lower{"deadbeef", kMd5, kSha1};
    const Texts upper{"DEADBEEF", kMd5.toUpper(), kSha1.toUpper()};
    EXPECT_EQ(Of(From(lower).Recased(false)), upper);
    EXPECT_EQ(Of(From(upper).Recased(true)), lower);
    EXPECT_EQ(From(upper).Recased(true), From(lower));
    // Texts kept as given are recased as given, ASCII letters only, and
    // become digest bytes once they are plain hexadecimal of one case.
    const Texts mixed{"DeadBeef", kMd5, kSha1.toUpper()};
    EXPECT_EQ(From(mixed).Recased(true), From(lower));
    const Texts odd{"Gr\xfc\xdf", "x", ""};
    EXPECT_EQ(Of(From(odd).Recased(false)), (Texts{"GR\xfc\xdf", "X", ""}));
    EXPECT_EQ(Of(HashTexts().Recased(false)), (Texts{"", "", ""}));
}

}  // namespace
}  // namespace lm
