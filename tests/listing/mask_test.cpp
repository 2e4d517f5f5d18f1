// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "mask.h"

namespace lm {
namespace {

bool M(const char* name, const char* mask) {
    return MaskMatches(QString::fromUtf8(name), QString::fromUtf8(mask));
}

// The position an invalid mask is reported at, or 0 when it compiles.
int ErrorAt(const QString& mask) {
    try {
        TMask compiled(mask);
    } catch (const EMaskException& e) {
        EXPECT_EQ(e.Message(),
                  QStringLiteral("'%1' is an invalid mask at (%2)").arg(mask).arg(e.Position()));
        return e.Position();
    }
    return 0;
}

TEST(MaskMatches, WildcardsAndTheWholeName) {
    EXPECT_TRUE(M("noext", "*"));
    EXPECT_TRUE(M("", "*"));
    EXPECT_FALSE(M("noext", "*.*"));
    EXPECT_TRUE(M("a.b.c", "*.*"));
    EXPECT_TRUE(M(".hidden", "*.*"));
    EXPECT_FALSE(M("movie.avi.part", "*.avi"));
    EXPECT_TRUE(M("movie.avi", "m*.avi"));
    EXPECT_FALSE(M("xmovie.avi", "m*.avi"));
    // "?" takes exactly one character; after "*" it demands none.
    EXPECT_TRUE(M("ab", "a?"));
    EXPECT_FALSE(M("a", "a?"));
    EXPECT_FALSE(M("abc", "a?"));
    EXPECT_TRUE(M("a", "a*?"));
    EXPECT_TRUE(M("a", "a**??"));
    EXPECT_TRUE(M("a", "a*?*"));
    // Backtracking finds the later occurrence.
    EXPECT_TRUE(M("abcabd", "*ab?"));
    EXPECT_TRUE(M("xaybaab", "*a*ab"));
    EXPECT_FALSE(M("xaybaa", "*a*ab"));
}

TEST(MaskMatches, CaseFoldsForAsciiLettersOnly) {
    EXPECT_TRUE(M("MOVIE.avi", "*.AVI"));
    EXPECT_TRUE(M("Movie.Avi", "movie.aVI"));
    EXPECT_FALSE(M("\u00E9t\u00E9", "\u00C9T\u00C9"));
    EXPECT_TRUE(M("\u00E9t\u00E9", "\u00E9T\u00E9"));
    EXPECT_TRUE(M("x", "[X]"));
    EXPECT_TRUE(M("X", "[x]"));
    EXPECT_FALSE(M("\u00E9", "[\u00C9]"));
    // Characters outside Windows-1252 become "?", a wildcard in a mask.
    EXPECT_TRUE(M("x.txt", "\u0416.txt"));
    EXPECT_TRUE(M("\u042F.txt", "\u0416.txt"));
    EXPECT_TRUE(M("\u042F.txt", "?.txt"));
    EXPECT_TRUE(M("\U0001F600.txt", "?.txt"));  // one character, one "?"
}

TEST(MaskMatches, Sets) {
    EXPECT_TRUE(M("b1", "[a-c]1"));
    EXPECT_TRUE(M("B1", "[a-c]1"));
    EXPECT_FALSE(M("d1", "[a-c]1"));
    EXPECT_TRUE(M("d1", "[!a-c]1"));
    EXPECT_FALSE(M("A1", "[!a-c]1"));
    EXPECT_TRUE(M("e", "[a-c-e]"));  // the range start stays the last member
    EXPECT_TRUE(M("z", "[z-a]"));    // a backward range adds nothing
    EXPECT_FALSE(M("m", "[z-a]"));
    EXPECT_FALSE(M("_", "[A-z]"));  // "z" is upper-cased: A..Z only
    // The range end is taken whatever it is, even "]".
    EXPECT_TRUE(M("\\", "[a-]x]"));
    EXPECT_TRUE(M("x", "[a-]x]"));
    EXPECT_TRUE(M("ab", "*[b]"));
    EXPECT_TRUE(M("a.mkv", "*.[mo][kg][vm]"));
    EXPECT_FALSE(M("a.mp4", "*.[mo][kg][vm]"));
    // A set needs a character: the end of the name never matches one.
    EXPECT_FALSE(M("a", "a[!b]"));
    EXPECT_FALSE(M("a", "*[!a]"));
    EXPECT_TRUE(M("ac", "a[!b]"));
}

TEST(MaskMatches, InvalidMasksAndTheirPositions) {
    EXPECT_EQ(ErrorAt("[abc"), 5);
    EXPECT_EQ(ErrorAt("x[]"), 3);
    EXPECT_EQ(ErrorAt("[!]"), 3);
    EXPECT_EQ(ErrorAt("[-a]"), 2);
    EXPECT_EQ(ErrorAt("[!-a]"), 3);
    EXPECT_EQ(ErrorAt("[a-"), 4);
    EXPECT_EQ(ErrorAt("[a-c]"), 0);
    EXPECT_EQ(ErrorAt(""), 0);

    QString thirty;
    for (int i = 0; i < 30; ++i) {
        thirty += "*a";
    }
    EXPECT_EQ(ErrorAt(thirty), 0);
    EXPECT_EQ(ErrorAt("**" + thirty), 0);  // "*" in a row count once
    EXPECT_EQ(ErrorAt(thirty + "*"), 62);  // the end step is the 31st
    EXPECT_EQ(ErrorAt(thirty + "*bc"), 62);
    EXPECT_EQ(ErrorAt(thirty + "*[bc]"), 65);
    EXPECT_THROW(MaskMatches(u"x", u"[x"), EMaskException);
}

TEST(MaskMatches, ManyStarsOnALongNameStayCheap) {
    const QString mask = "*a*a*a*a*a*a*a*a*a*a*a*a*b";
    const QString name(400, u'a');
    EXPECT_FALSE(MaskMatches(name, mask));
    EXPECT_TRUE(MaskMatches(name + u'b', mask));
}

// A plain full backtracking search, for comparison on small random cases.
bool Reference(const std::string& n, size_t i, const std::string& m, size_t j) {
    const auto up = [](char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; };
    if (j == m.size()) {
        return i == n.size();
    }
    if (m[j] == '*') {
        for (size_t k = i; k <= n.size(); ++k) {
            if (Reference(n, k, m, j + 1)) {
                return true;
            }
        }
        return false;
    }
    if (i == n.size()) {
        return false;
    }
    if (m[j] == '?') {
        return Reference(n, i + 1, m, j + 1);
    }
    if (m[j] == '[') {  // only "[ab]" and "[!a]" are generated
        const bool negate = m[j + 1] == '!';
        const size_t close = m.find(']', j);
        const std::string members = m.substr(j + 1 + negate, close - j - 1 - negate);
        bool in = false;
        for (const char c : members) {
            in = in || up(c) == up(n[i]);
        }
        return in != negate && Reference(n, i + 1, m, close + 1);
    }
    return up(n[i]) == up(m[j]) && Reference(n, i + 1, m, j + 1);
}

TEST(MaskMatches, AgreesWithAFullSearch) {
    std::mt19937 random(99);
    const char* pieces[] = {"*", "?", "a", "b", "A", ".", "[ab]", "[!a]"};
    const char letters[] = {'a', 'b', 'B', '.'};
    for (int round = 0; round < 4000; ++round) {
        std::string mask;
        for (int k = random() % 7; k > 0; --k) {
            mask += pieces[random() % 8];
        }
        std::string name;
        for (int k = random() % 8; k > 0; --k) {
            name += letters[random() % 4];
        }
        // "?" directly after "*" is dropped; the reference does the same.
        std::string reference;
        for (size_t k = 0; k < mask.size(); ++k) {
            const bool starPending = !reference.empty() && reference.back() == '*';
            if (mask[k] == '?' && starPending) {
                continue;
            }
            reference += mask[k];
        }
        EXPECT_EQ(MaskMatches(QString::fromStdString(name), QString::fromStdString(mask)),
                  Reference(name, 0, reference, 0))
            << "name '" << name << "' mask '" << mask << "'";
    }
}

TEST(SplitMasks, PiecesAsWritten) {
    EXPECT_EQ(SplitMasks(u"*.avi;*.ogm"), QStringList({"*.avi", "*.ogm"}));
    EXPECT_EQ(SplitMasks(u";*.a;;*.b;"), QStringList({"", "*.a", "", "*.b"}));
    EXPECT_EQ(SplitMasks(u"*.a; *.b"), QStringList({"*.a", " *.b"}));
    EXPECT_TRUE(SplitMasks(u"").isEmpty());
    EXPECT_TRUE(SplitMasks(u";").size() == 1);
    EXPECT_FALSE(M("x.b", " *.b"));
    EXPECT_TRUE(M(" x.b", " *.b"));
}

}  // namespace
}  // namespace lm
