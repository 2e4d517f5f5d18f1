// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "ansi_codepage.h"

namespace lm {
namespace {

TEST(AnsiCodePage, HighControlRangeFollowsWindows1252) {
    const std::pair<unsigned char, char16_t> samples[] = {
        {0x80, 0x20AC}, {0x82, 0x201A}, {0x83, 0x0192}, {0x85, 0x2026}, {0x88, 0x02C6},
        {0x8A, 0x0160}, {0x8C, 0x0152}, {0x8E, 0x017D}, {0x91, 0x2018}, {0x94, 0x201D},
        {0x96, 0x2013}, {0x97, 0x2014}, {0x99, 0x2122}, {0x9C, 0x0153}, {0x9F, 0x0178},
    };
    for (const auto& [byte, unicode] : samples) {
        EXPECT_EQ(AnsiToUnicode(byte), unicode) << int(byte);
        EXPECT_EQ(static_cast<unsigned char>(UnicodeToAnsi(unicode)), byte) << int(byte);
    }
    // Outside 80-9F the code page is Latin-1.
    for (int b : {0x00, 0x41, 0x7F, 0xA0, 0xE9, 0xFF}) {
        EXPECT_EQ(AnsiToUnicode(static_cast<unsigned char>(b)), char16_t(b));
    }
}

TEST(AnsiCodePage, EveryByteSurvivesTheRoundTrip) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        all.append(static_cast<char>(b));
    }
    const QString text = FromAnsi(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(ToAnsi(text), all);
    EXPECT_FALSE(NeedsWideChars(text));
}

TEST(AnsiCodePage, UndefinedBytesMapToTheirControlCharacters) {
    for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(AnsiToUnicode(static_cast<unsigned char>(b)), char16_t(b));
        EXPECT_EQ(static_cast<unsigned char>(UnicodeToAnsi(char16_t(b))), b);
    }
    // The other C1 controls have no byte: 80 stands for the euro sign.
    EXPECT_EQ(UnicodeToAnsi(0x0080), '?');
    EXPECT_EQ(UnicodeToAnsi(0x009F), '?');
}

TEST(AnsiCodePage, UnmappableCharactersBecomeQuestionMarks) {
    // Cyrillic, CJK, a lone surrogate, and an emoji (one "?" for the pair).
    const QString text = QString::fromUtf8("a\u0416b\u4E2D") + QChar(0xD800) + u'c' +
                         QString::fromUtf8("\U0001F600") + u'd';
    EXPECT_EQ(ToAnsi(text), QByteArray("a?b??c?d"));
    EXPECT_TRUE(NeedsWideChars(text));
    EXPECT_TRUE(NeedsWideChars(QString::fromUtf8("\u0101")));  // no best-fit to "a"
    EXPECT_FALSE(NeedsWideChars(QString::fromUtf8("caf\u00E9 \u20AC? \u0152uvre")));
    EXPECT_FALSE(NeedsWideChars(QString()));
}

TEST(AnsiCodePage, ThroughAnsiIsTheRoundTrip) {
    // ASCII alone, a C1 control that comes back as another character, and
    // characters the code page lacks, each at the end where a wide loop
    // would leave them for last.
    for (const QString& text :
         {QString(), QStringLiteral("ed2k://|file|a.txt|5|0123456789ABCDEF0123456789ABCDEF|/"),
          QString(37, u'x') + QChar(0x80), QString(33, u'y') + QChar(0x416),
          QString(40, u'z') + QChar(0xDC80), QString(16, u'w') + QChar(0x7F)}) {
        EXPECT_EQ(ThroughAnsi(text), FromAnsi(ToAnsi(text))) << text.toStdString();
    }
}

}  // namespace
}  // namespace lm
