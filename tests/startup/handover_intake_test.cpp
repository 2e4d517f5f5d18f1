// SPDX-License-Identifier: MIT
// Hand-overs put together per sender: taken in whole once the last message
// is there, dropped whole when the sender goes away or its text cannot be
// read, and never mixed with another sender's paths. The block behind them
// is only used while it is this user's own, private and whole.
#include <gtest/gtest.h>

#include <QFile>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include "command_line.h"
#include "handover_block.h"
#include "handover_intake.h"
#include "instance_names.h"

namespace lm {
namespace {

class HandoverIntakeTest : public ::testing::Test {
protected:
    void SetUp() override {
        HandoverBlock::Remove(name_);
        ASSERT_TRUE(block_.Create(name_));
    }

    // One message of `connection`: its text written to the block, or sent
    // with it when `inText`.
    HandoverIntake::Outcome Send(std::uint64_t connection, const HandoverMessage& message,
                                 bool more, bool inText = false) {
        HandoverPacket packet;
        packet.message = WM_HANDOVER;
        packet.wParam = static_cast<std::uint32_t>(message.count);
        packet.lParam = (message.continues ? kHandoverContinues : 0) | (more ? kHandoverMore : 0);
        packet.connection = connection;
        if (inText) {
            packet.text = message.text;
        } else {
            EXPECT_TRUE(block_.WriteText(message.text));
        }
        return intake_.Take(packet, &block_);
    }

    const QString name_ = QStringLiteral("/linkmint-intake-%1").arg(::getpid());
    HandoverBlock block_;
    HandoverIntake intake_;
};

TEST_F(HandoverIntakeTest, AHandOverIsTakenWhenItsLastMessageIsIn) {
    const QString longPath = QStringLiteral("/long/") + QString(3000, u'x');
    const auto messages = BuildHandoverMessages({"/a", longPath, "/b"});
    ASSERT_GE(messages.size(), 3u);
    for (std::size_t i = 0; i + 1 < messages.size(); ++i) {
        const auto outcome = Send(7, messages[i], true, i % 2 == 1);
        EXPECT_TRUE(outcome.taken);
        EXPECT_FALSE(outcome.complete) << i;
    }
    const auto last = Send(7, messages.back(), false);
    EXPECT_TRUE(last.taken);
    ASSERT_TRUE(last.complete);
    EXPECT_EQ(*last.complete, QStringList({"/a", longPath, "/b"}));
    EXPECT_FALSE(intake_.Begun(7));
}

// The sender of connection 1 dies after the first piece of a long path:
// nothing of its hand-over is taken, and the first path of the next
// sender arrives as it is.
TEST_F(HandoverIntakeTest, ASenderThatGoesAwayIsDroppedWhole) {
    const auto broken = BuildHandoverMessages({"/whole", QString(3000, u'p')});
    ASSERT_TRUE(Send(1, broken[0], true).taken);
    ASSERT_TRUE(Send(1, broken[1], true).taken);
    EXPECT_TRUE(intake_.Begun(1));

    // Meanwhile another sender, then the first one's end.
    const auto other = Send(2, BuildHandoverMessages({"/other"}).front(), false);
    ASSERT_TRUE(other.complete);
    EXPECT_EQ(*other.complete, QStringList{"/other"});
    intake_.Ended(1);
    EXPECT_FALSE(intake_.Begun(1));

    const auto next = Send(3, BuildHandoverMessages({"/next"}).front(), false);
    ASSERT_TRUE(next.complete);
    EXPECT_EQ(*next.complete, QStringList{"/next"});
}

// A block cut short (or replaced by one that is not private) is never
// read: the message is refused, its hand-over dropped whole, and the rest
// of it refused too. The next hand-over is taken again; the text sent with
// a message needs no block at all.
TEST_F(HandoverIntakeTest, AnUntrustedBlockBreaksTheHandOver) {
    const auto messages = BuildHandoverMessages({"/one", QString(3000, u'q'), "/two"});
    ASSERT_GE(messages.size(), 3u);
    ASSERT_TRUE(Send(5, messages[0], true).taken);
    const int fd = ::shm_open(QFile::encodeName(name_).constData(), O_RDWR, 0);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, 100), 0);
    EXPECT_FALSE(block_.Trusted());
    EXPECT_FALSE(block_.WriteText(messages[1].text));
    EXPECT_EQ(block_.ReadU32(HandoverBlock::kMainHandleOffset), 0u);
    EXPECT_FALSE(block_.TryReadPaths(1));

    HandoverPacket packet{WM_HANDOVER, 1, kHandoverContinues | kHandoverMore, 5, std::nullopt};
    EXPECT_FALSE(intake_.Take(packet, &block_).taken);
    const auto rest = Send(5, messages.back(), false, true);
    EXPECT_FALSE(rest.taken);
    EXPECT_FALSE(rest.complete);
    EXPECT_FALSE(intake_.Begun(5));

    const auto inText = Send(6, BuildHandoverMessages({"/by/socket"}).front(), false, true);
    ASSERT_TRUE(inText.complete);
    EXPECT_EQ(*inText.complete, QStringList{"/by/socket"});
    // Without a block at all only a text can be taken.
    packet = HandoverPacket{WM_HANDOVER, 1, 0, 8, std::nullopt};
    EXPECT_FALSE(intake_.Take(packet, nullptr).taken);

    // Whole again, and private: trusted again.
    ASSERT_EQ(::ftruncate(fd, HandoverBlock::kSize), 0);
    EXPECT_TRUE(block_.Trusted());
    ASSERT_EQ(::fchmod(fd, 0644), 0);
    EXPECT_FALSE(block_.Trusted());
    ::close(fd);
}

}  // namespace
}  // namespace lm
