// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QStringList>

#include "handover_assembler.h"

namespace lm {
namespace {

TEST(HandoverAssemblerTest, JoinsPiecesAcrossMessages) {
    HandoverAssembler assembler;
    EXPECT_EQ(assembler.Take({"/a", "/long-"}, true), QStringList{"/a"});
    EXPECT_EQ(assembler.Pending(), "/long-");
    // A message without paths leaves the piece waiting.
    EXPECT_EQ(assembler.Take({}, false), QStringList{});
    EXPECT_EQ(assembler.Take({"middle-"}, true), QStringList{});
    EXPECT_EQ(assembler.Pending(), "/long-middle-");
    EXPECT_EQ(assembler.Take({"end", "/b"}, false), (QStringList{"/long-middle-end", "/b"}));
    EXPECT_TRUE(assembler.Pending().isEmpty());
    EXPECT_EQ(assembler.Take({"/c"}, false), QStringList{"/c"});
}

// A sender that never ends its path must not make the receiver hold an
// ever longer piece; that path is dropped whole, the paths after it are not.
TEST(HandoverAssemblerTest, DropsAPathThatNeverEnds) {
    HandoverAssembler assembler;
    const QString piece(2046, u'x');
    for (int i = 0; i < 100; ++i) {
        EXPECT_TRUE(assembler.Take({piece}, true).isEmpty());
        EXPECT_LE(assembler.Pending().size(), HandoverAssembler::kMaxPathLength);
    }
    EXPECT_EQ(assembler.Take({"tail", "/next"}, false), QStringList{"/next"});
    EXPECT_EQ(assembler.Take({"/after"}, false), QStringList{"/after"});
}

TEST(HandoverAssemblerTest, KeepsAPathOfTheLongestLength) {
    HandoverAssembler assembler;
    const qsizetype half = HandoverAssembler::kMaxPathLength / 2;
    const QString first(half, u'a');
    const QString second(HandoverAssembler::kMaxPathLength - half, u'b');
    EXPECT_TRUE(assembler.Take({first}, true).isEmpty());
    EXPECT_EQ(assembler.Take({second}, false), QStringList{first + second});
    EXPECT_TRUE(assembler.Take({first}, true).isEmpty());
    EXPECT_TRUE(assembler.Take({second + u'c', "/d"}, false) == QStringList{"/d"});
}

}  // namespace
}  // namespace lm
