// SPDX-License-Identifier: MIT
#include "command_line.h"

#include <QFile>

#include "debug_log.h"
#include "path_names.h"

namespace lm {

QStringList SplitCommandLine(QStringView line) {
    QStringList arguments;
    qsizetype i = 0;
    const qsizetype n = line.size();
    for (;;) {
        // Separators, and pairs of quotes where an argument would start.
        for (;;) {
            while (i < n && line[i].unicode() <= 32) {
                ++i;
            }
            if (i + 1 < n && line[i] == u'"' && line[i + 1] == u'"') {
                i += 2;
            } else {
                break;
            }
        }
        if (i >= n) {
            break;
        }
        QString argument;
        bool quoted = false;
        while (i < n && (quoted || line[i].unicode() > 32)) {
            if (line[i] == u'"') {
                quoted = !quoted;
            } else {
                argument.append(line[i]);
            }
            ++i;
        }
        arguments.append(argument);
    }
    return arguments;
}

QStringList ProgramArguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.append(PathFromBytes(argv[i]));
    }
    return arguments;
}

std::vector<HandoverMessage> BuildHandoverMessages(const QStringList& arguments) {
    // Room for the code units of the paths and the 0 after each; the area's
    // last unit is kept for the final 0.
    constexpr qsizetype kRoom = kHandoverTextUnits - 1;
    std::vector<HandoverMessage> messages(1);
    auto finish = [](HandoverMessage& message) { message.text.push_back(u'\0'); };

    for (const QString& argument : arguments) {
        if (DebugLog::IsDebugSwitch(argument)) {
            continue;
        }
        std::u16string_view rest(reinterpret_cast<const char16_t*>(argument.utf16()),
                                 static_cast<std::size_t>(argument.size()));
        for (;;) {
            HandoverMessage* current = &messages.back();
            const qsizetype used = static_cast<qsizetype>(current->text.size());
            const qsizetype needed = static_cast<qsizetype>(rest.size()) + 1;
            if (used + needed <= kRoom) {
                current->text.append(rest);
                current->text.push_back(u'\0');
                ++current->count;
                break;
            }
            if (used > 0) {
                // Paths stay whole where they can: this one starts the next message.
                finish(*current);
                messages.emplace_back();
                continue;
            }
            // Longer than a whole area: fill this message and go on in the next.
            const auto take = static_cast<std::size_t>(kRoom - 1);
            current->text.append(rest.substr(0, take));
            current->text.push_back(u'\0');
            ++current->count;
            current->continues = true;
            finish(*current);
            rest.remove_prefix(take);
            messages.emplace_back();
        }
    }
    finish(messages.back());
    return messages;
}

QStringList ParseHandoverText(const char16_t* area, int areaUnits, int count) {
    QStringList paths;
    int i = 0;
    for (int k = 0; k < count && i < areaUnits; ++k) {
        const int start = i;
        while (i < areaUnits && area[i] != u'\0') {
            ++i;
        }
        // Taken unit by unit: fromUtf16 would read a leading U+FEFF or
        // U+FFFE as a byte-order mark, dropping it or swapping every unit.
        paths.append(QStringView(area + start, i - start).toString());
        ++i;  // past the 0
    }
    return paths;
}

}  // namespace lm
