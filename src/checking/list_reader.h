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
    Sfv,       // NAME CRC32, ";" comments
    HashSum,   // md5sum and sha1sum: "HASH  NAME" or "HASH *NAME"
    Bsd,       // "MD5 (NAME) = HASH", also SHA1, CRC32, ED2K and AICH
};

struct ListEntry {
    // The spellings of the name to look for, in order: the list's own bytes
    // first, then the percent-decoded name of an ed2k link, then the
    // Windows-1252 reading of a name that is not UTF-8 (as ANSI lists
    // written on Windows, and our own ANSI link files, hold them).
    std::vector<std::string> names;
    ExpectedDigests expected;
    ListFormat format = ListFormat::Ed2kLink;
    std::size_t line = 0;  // 1-based
};

struct ParsedList {
    std::vector<ListEntry> entries;
    // Lines that are neither entries, blank nor comments (1-based).
    std::vector<std::size_t> unreadLines;
};

// Parses a list of any of the formats, line by line; they may even be
// mixed. The bytes may be UTF-16LE or UTF-16BE with their byte-order mark,
// or 8-bit text (an UTF-8 byte-order mark is skipped); lines end with LF or
// CR LF.
ParsedList ParseList(std::string_view bytes, Utf16ToBytesFn utf16ToBytes);

// The whole content of a list file. False, with the reason in `error`, when
// it is not a regular file, cannot be read or is larger than kMaxListBytes.
inline constexpr std::uint64_t kMaxListBytes = 256ull * 1024 * 1024;
bool ReadListFile(const std::filesystem::path& path, std::string& bytes, std::string& error);

}  // namespace lm
