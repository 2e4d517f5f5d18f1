// SPDX-License-Identifier: MIT
// Any bytes as a list to check files against: ed2k link files (ANSI or
// UTF-16), information files, .sfv, md5sum, sha1sum and BSD-style lines.
// Parsing must not crash, every entry must name a file and expect at least
// one value, every ed2k entry written back as our own link must read back
// the same, and the list fed in pieces must read as the list fed whole.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base32.h"
#include "ed2k_link.h"
#include "hash_text.h"
#include "list_reader.h"
#include "path_bytes.h"

namespace {

using namespace lm;

[[noreturn]] void Fail(const char* what, std::size_t line) {
    std::fprintf(stderr, "list reader: %s (line %zu)\n", what, line);
    std::abort();
}

bool ExpectsSomething(const ExpectedDigests& e) {
    return e.size || e.ed2k || !e.partHashes.empty() || e.aich || e.crc32 || e.md5 || e.sha1;
}

std::string OurLink(const ListEntry& entry) {
    const ExpectedDigests& e = entry.expected;
    const std::string name =
        PathBytesFromText(Ed2kNameField(PathTextFromBytes(entry.names.front())));
    std::string link =
        "ed2k://|file|" + name + "|" + std::to_string(*e.size) + "|" + HexText(*e.ed2k) + "|";
    if (!e.partHashes.empty()) {
        link += "p=";
        for (std::size_t i = 0; i < e.partHashes.size(); ++i) {
            link += (i > 0 ? ":" : "") + HexText(e.partHashes[i]);
        }
        link += "|";
    }
    if (e.aich) {
        link += "h=" + Base32Text(*e.aich) + "|";
    }
    return link + "/";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ParsedList list = ParseList(bytes, &PathBytesFromText);

    std::size_t lastLine = 0;
    for (const ListEntry& entry : list.entries) {
        if (entry.line <= lastLine) {
            Fail("entries out of line order", entry.line);
        }
        lastLine = entry.line;
        if (entry.names.empty() || entry.names.front().empty()) {
            Fail("an entry without a name", entry.line);
        }
        if (!ExpectsSomething(entry.expected)) {
            Fail("an entry that expects nothing", entry.line);
        }
        if (entry.format != ListFormat::Ed2kLink) {
            continue;
        }
        if (!entry.expected.size || !entry.expected.ed2k) {
            Fail("an ed2k entry without size or hash", entry.line);
        }
        const ParsedList again = ParseList(OurLink(entry), &PathBytesFromText);
        if (again.entries.size() != 1) {
            Fail("our own link of an entry does not read back", entry.line);
        }
        const ListEntry& back = again.entries.front();
        const ExpectedDigests& a = entry.expected;
        const ExpectedDigests& b = back.expected;
        if (back.names.front() != entry.names.front() || a.size != b.size || a.ed2k != b.ed2k ||
            a.partHashes != b.partHashes || a.aich != b.aich) {
            Fail("our own link of an entry reads back differently", entry.line);
        }
    }
    // The same bytes in pieces of a size taken from the input.
    struct Counter : ListSink {
        std::vector<std::size_t> entries, unread, skipped;
        void Entry(ListEntry&& entry) override { entries.push_back(entry.line); }
        void UnreadLine(std::size_t line) override { unread.push_back(line); }
        void SkippedLine(std::size_t line, std::string_view) override { skipped.push_back(line); }
    } counter;
    ListParser parser(counter, &PathBytesFromText);
    const std::size_t piece = size == 0 ? 1 : 1 + data[0] % 13;
    for (std::size_t at = 0; at < size; at += piece) {
        parser.Feed(bytes.substr(at, piece));
    }
    parser.Finish();
    if (counter.entries.size() != list.entries.size() || counter.unread != list.unreadLines ||
        counter.skipped != list.skippedLines) {
        Fail("the list in pieces reads differently", 0);
    }
    std::size_t lastUnread = 0;
    for (std::size_t line : list.unreadLines) {
        if (line <= lastUnread) {
            Fail("unread lines out of order", line);
        }
        lastUnread = line;
    }
    return 0;
}
