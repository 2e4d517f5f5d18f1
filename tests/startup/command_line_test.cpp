// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QStringList>

#include <string>
#include <vector>

#include "command_line.h"

using namespace std::string_literals;

namespace lm {
namespace {

// What the receiver makes of the messages: every path read back from its
// area, the pieces of a long one put together.
QStringList Receive(const std::vector<HandoverMessage>& messages) {
    QStringList paths;
    QString pending;
    for (const HandoverMessage& message : messages) {
        EXPECT_LE(message.text.size(), static_cast<std::size_t>(kHandoverTextUnits));
        QStringList piece = ParseHandoverText(message.text.data(),
                                              static_cast<int>(message.text.size()), message.count);
        if (!pending.isEmpty() && !piece.isEmpty()) {
            piece.first().prepend(pending);
            pending.clear();
        }
        if (message.continues && !piece.isEmpty()) {
            pending = piece.takeLast();
        }
        paths << piece;
    }
    return paths;
}

// A path may start with any character, U+FEFF and U+FFFE included: they are
// not byte-order marks there, and must neither vanish nor turn the rest of
// the path around. Found by fuzz_command_line (input FF FF FE).
TEST(HandoverTextTest, LeadingByteOrderMarksArePartOfThePath) {
    const QString bom(QChar(0xFEFF));
    const QString swapped(QChar(0xFFFE));
    const QStringList paths = {bom + "/a", swapped + "/b", bom.repeated(382),
                               swapped + QString(3000, u'x')};
    EXPECT_EQ(Receive(BuildHandoverMessages(paths)), paths);

    const std::u16string area = u"\uFFFE/c\0\uFEFF\0"s;
    EXPECT_EQ(ParseHandoverText(area.data(), static_cast<int>(area.size()), 2),
              (QStringList{swapped + "/c", bom}));
}

TEST(HandoverTextTest, ReadingStopsAtTheEndOfTheArea) {
    const std::u16string area = u"/a\0/bcd"s;
    // The last path lacks its 0; more paths asked for than the area holds.
    EXPECT_EQ(ParseHandoverText(area.data(), static_cast<int>(area.size()), 9),
              (QStringList{"/a", "/bcd"}));
    EXPECT_EQ(ParseHandoverText(area.data(), static_cast<int>(area.size()), 0), QStringList{});
}

}  // namespace
}  // namespace lm
