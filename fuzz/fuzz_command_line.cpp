// SPDX-License-Identifier: MIT
// The command line of a second start, split into arguments and carried to
// the running instance in hand-over messages. Splitting must drop every
// double quote and keep separators only inside quotes; the messages must fit
// the text area, and reading them back and joining the pieces of long paths
// must give every argument but "/debug" exactly.
//
// Input: byte 0 says how often each argument is repeated (so that long paths
// fill several messages); the rest is the command line in UTF-16.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "command_line.h"

namespace {

using lm::HandoverMessage;
using lm::kHandoverTextUnits;

[[noreturn]] void Fail(const char* what, const QString& detail = {}) {
    std::fprintf(stderr, "command line: %s\n  %s\n", what, qPrintable(detail));
    std::abort();
}

bool IsDebug(const QString& argument) {
    static const QString kDebug = QStringLiteral("/debug");
    if (argument.size() != kDebug.size()) {
        return false;
    }
    for (qsizetype i = 0; i < argument.size(); ++i) {
        char16_t ch = argument[i].unicode();
        if (ch >= u'A' && ch <= u'Z') {
            ch = static_cast<char16_t>(ch + 32);
        }
        if (ch != kDebug[i].unicode()) {
            return false;
        }
    }
    return true;
}

void CheckSplit(const QString& line, const QStringList& arguments) {
    // The characters of the arguments are those of the line, in order,
    // less the quotes and the separators outside quotes.
    qsizetype at = 0;
    for (const QString& argument : arguments) {
        if (argument.contains(u'"')) {
            Fail("an argument holds a double quote", argument);
        }
        for (const QChar ch : argument) {
            while (at < line.size() && line[at] != ch) {
                ++at;
            }
            if (at == line.size()) {
                Fail("an argument holds characters the line does not", argument);
            }
            ++at;
        }
    }
    // Without quotes the line is simply cut at the separators.
    if (!line.contains(u'"')) {
        QStringList plain;
        QString current;
        for (const QChar ch : line) {
            if (ch.unicode() <= 32) {
                if (!current.isEmpty()) {
                    plain.append(current);
                }
                current.clear();
            } else {
                current.append(ch);
            }
        }
        if (!current.isEmpty()) {
            plain.append(current);
        }
        if (plain != arguments) {
            Fail("a line without quotes is cut differently", line);
        }
    }
    // Quoting every argument (none has a quote) gives the same arguments back.
    QString quoted;
    QStringList nonEmpty;
    for (const QString& argument : arguments) {
        if (!argument.isEmpty()) {
            quoted += QStringLiteral(" \"") + argument + u'"';
            nonEmpty.append(argument);
        }
    }
    if (lm::SplitCommandLine(quoted) != nonEmpty) {
        Fail("quoted arguments do not come back", quoted);
    }
}

void CheckHandover(const QStringList& arguments) {
    QStringList expected;
    for (const QString& argument : arguments) {
        if (!IsDebug(argument)) {
            expected.append(argument);
        }
    }
    const std::vector<HandoverMessage> messages = lm::BuildHandoverMessages(arguments);
    if (messages.empty()) {
        Fail("no message at all");
    }
    if (expected.isEmpty() && (messages.size() != 1 || messages.front().count != 0)) {
        Fail("no paths, but not one empty message");
    }

    // The receiver sees the whole area, with whatever an earlier message
    // left behind the text.
    std::u16string area(kHandoverTextUnits, u'x');
    QStringList received;
    QString pending;
    for (std::size_t m = 0; m < messages.size(); ++m) {
        const HandoverMessage& message = messages[m];
        if (message.text.size() > static_cast<std::size_t>(kHandoverTextUnits)) {
            Fail("a message is longer than the area");
        }
        if (message.text.empty() || message.text.back() != u'\0') {
            Fail("a message text does not end in 0");
        }
        if (!expected.isEmpty() && message.count < 1) {
            Fail("a message without a path");
        }
        if (message.continues && m + 1 == messages.size()) {
            Fail("the last message goes on");
        }
        area.replace(0, message.text.size(), message.text);
        QStringList paths = lm::ParseHandoverText(area.data(), kHandoverTextUnits, message.count);
        if (paths.size() != message.count) {
            Fail("the area holds fewer paths than the count says");
        }
        if (!pending.isEmpty() && !paths.isEmpty()) {
            paths.first().prepend(pending);
            pending.clear();
        }
        if (message.continues && !paths.isEmpty()) {
            pending = paths.takeLast();
        }
        received += paths;
    }
    if (!pending.isEmpty()) {
        Fail("a piece is left over");
    }
    if (received != expected) {
        Fail("the paths received differ from the arguments");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const unsigned char control = data[0];
    QString line;
    for (std::size_t i = 1; i + 1 < size; i += 2) {
        const auto unit = static_cast<char16_t>(data[i] | data[i + 1] << 8);
        // A process's command line, a C string, cannot hold a 0.
        if (unit != 0) {
            line.append(QChar(unit));
        }
    }
    const QStringList arguments = lm::SplitCommandLine(line);
    CheckSplit(line, arguments);

    QStringList handed = arguments;
    if (control & 0x80) {
        const int repeat = 1 + (control & 0x7F) * 3;
        for (QString& argument : handed) {
            argument = argument.repeated(repeat);
        }
    }
    CheckHandover(handed);
    return 0;
}
