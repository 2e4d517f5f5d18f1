// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ed2k_digest.h"

namespace lm {

// Turns the text of a UTF-16 list into the bytes of the names it holds. The
// program's one mapping between name bytes and UTF-16 is passed in, so that
// this library needs nothing beyond the hashing core.
using Utf16ToBytesFn = std::string (*)(std::u16string_view);

// What a list says about one file; every value that is set is checked.
struct ExpectedDigests {
    std::optional<std::uint64_t> size;
    std::optional<Digest16> ed2k;
    std::vector<Digest16> partHashes;  // "p=" of an ed2k link; empty when it has none
    std::optional<Digest20> aich;
    std::optional<std::uint32_t> crc32;
    std::optional<Digest16> md5;
    std::optional<Digest20> sha1;
};

enum class ListFormat {
    Ed2kLink,  // ed2k://|file|NAME|SIZE|HASH|..., with the info lines that follow it
    Magnet,    // magnet:?xt=urn:ed2k:...&xl=SIZE&dn=NAME...
    Sfv,       // NAME CRC32, ";" comments
    HashSum,   // md5sum and sha1sum: "HASH  NAME" or "HASH *NAME"
    Bsd,       // "MD5 (NAME) = HASH", also SHA1, CRC32, ED2K and AICH
};

struct ListEntry {
    // The spellings of the name to look for, in order: the name as the
    // list means it (escapes of md5sum and of links decoded), then the
    // link's own text when it differs, then each with "\" read as the folder
    // separator (lists made on Windows), then the Windows-1252 reading of a
    // name that is not UTF-8 (as ANSI lists written on Windows, and our own
    // ANSI link files, hold them).
    std::vector<std::string> names;
    ExpectedDigests expected;
    ListFormat format = ListFormat::Ed2kLink;
    std::size_t line = 0;  // 1-based
};

// Where a list's entries and remarks go, in line order.
class ListSink {
public:
    virtual ~ListSink() = default;
    virtual void Entry(ListEntry&& entry) = 0;
    // A line that is neither an entry, blank nor a comment.
    virtual void UnreadLine(std::size_t line) = 0;
    // A line of a known format that gives only digests we do not compute
    // ("SHA256 (x) = ...", "CRC32C (x) = ..."); `algorithm` names them.
    virtual void SkippedLine(std::size_t line, std::string_view algorithm) = 0;
};

// Reads a list of any of the formats, line by line, from bytes handed in
// as they come: they may even be mixed. The bytes may be UTF-16LE or
// UTF-16BE with their byte-order mark, or 8-bit text (a UTF-8 byte-order
// mark is skipped); lines end with LF or CR LF. Only the current line is
// held, so a list of any length takes little memory; a line longer than
// kMaxListLineBytes is not read.
class ListParser {
public:
    ListParser(ListSink& sink, Utf16ToBytesFn utf16ToBytes);
    ~ListParser();
    ListParser(const ListParser&) = delete;
    ListParser& operator=(const ListParser&) = delete;

    void Feed(std::string_view bytes);
    // The last line, and the entry that waited for its information lines.
    void Finish();

private:
    struct State;
    State* state_;
};

inline constexpr std::size_t kMaxListLineBytes = 1 << 20;

// A whole list at once, kept (for small lists and tests).
struct ParsedList {
    std::vector<ListEntry> entries;
    std::vector<std::size_t> unreadLines;        // 1-based
    std::vector<std::size_t> skippedLines;       // 1-based
    std::vector<std::string> skippedAlgorithms;  // each once, in the order met
};
ParsedList ParseList(std::string_view bytes, Utf16ToBytesFn utf16ToBytes);

// Reads the list file at `path` into `parser` block by block, and finishes
// it. False, with the reason in `error`, when it is not a regular file or
// cannot be read.
bool ReadListFile(const std::filesystem::path& path, ListParser& parser, std::string& error);
// The same from an open descriptor of any kind (standard input).
bool ReadListFrom(int fd, ListParser& parser, std::string& error);

}  // namespace lm
