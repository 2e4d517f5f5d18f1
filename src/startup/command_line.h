// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <string>
#include <vector>

namespace lm {

// Splits a whole command line into its arguments, the program itself being
// argument 0: characters with a code of 32 or below separate arguments; a
// double quote starts or ends a quoted stretch in which they do not; the
// quotes themselves are dropped, and a pair of double quotes at the very
// start of an argument is skipped. There is no escape character.
QStringList SplitCommandLine(QStringView line);

// The arguments of this process without argument 0. Where the system hands
// the program one command-line string it is split as above; on POSIX the
// shell has already split it and `argv` is taken as it is, each argument's
// bytes mapped losslessly to text (PathFromBytes).
QStringList ProgramArguments(int argc, char** argv);

// Room in the hand-over block's text area, in UTF-16 code units (indexes 1
// to 2048), for the paths, one 0 after each and one more 0 at the end.
inline constexpr int kHandoverTextUnits = 2048;

// One hand-over message: the text for the area (starting at index 1), the
// number of paths in it, and whether its last path goes on in the next one.
struct HandoverMessage {
    std::u16string text;
    int count = 0;
    bool continues = false;
};

// Cuts the arguments of a second start into hand-over messages, leaving out
// "/debug" in any case. A text that fits the area is one message laid out
// exactly as the block prescribes; a longer one is spread over several
// messages, filled with whole paths where possible; a single path too long
// for the area is carried in pieces. Nothing is ever cut off. With no paths
// at all there is one message with a count of 0.
std::vector<HandoverMessage> BuildHandoverMessages(const QStringList& arguments);

// Reads `count` paths from a text area (`area[0]` is index 1). Reading
// stops at the end of the area even when a terminating 0 is missing.
QStringList ParseHandoverText(const char16_t* area, int areaUnits, int count);

}  // namespace lm
