// SPDX-License-Identifier: MIT
#include "list_reader.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <span>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base32.h"
#include "utf8.h"
#include "windows1252.h"

namespace lm {

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool IsHex(std::string_view text) {
    for (char c : text) {
        if (HexValue(c) < 0) {
            return false;
        }
    }
    return true;
}

// Exactly 2 * out.size() hexadecimal digits in either case.
bool HexInto(std::string_view text, std::span<std::uint8_t> out) {
    if (text.size() != 2 * out.size() || !IsHex(text)) {
        return false;
    }
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = static_cast<std::uint8_t>(HexValue(text[2 * i]) << 4 | HexValue(text[2 * i + 1]));
    }
    return true;
}

template <std::size_t N>
std::optional<std::array<std::uint8_t, N>> Hex(std::string_view text) {
    std::array<std::uint8_t, N> out;
    if (!HexInto(text, out)) {
        return std::nullopt;
    }
    return out;
}

std::optional<std::uint32_t> Crc(std::string_view text) {
    const auto bytes = Hex<4>(text);
    if (!bytes) {
        return std::nullopt;
    }
    return std::uint32_t{(*bytes)[0]} << 24 | std::uint32_t{(*bytes)[1]} << 16 |
           std::uint32_t{(*bytes)[2]} << 8 | (*bytes)[3];
}

std::optional<Digest20> Aich(std::string_view text) {
    const auto bytes = Base32Bytes(text);
    if (!bytes || bytes->size() != 20) {
        return std::nullopt;
    }
    Digest20 out;
    std::copy(bytes->begin(), bytes->end(), out.begin());
    return out;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != prefix[i]) {
            return false;
        }
    }
    return true;
}

bool EqualsNoCase(std::string_view text, std::string_view lowerWord) {
    return text.size() == lowerWord.size() && StartsWithNoCase(text, lowerWord);
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        AppendUtf8(out, Windows1252ToUnicode(c));
    }
    return out;
}

// Nothing when there is no well-formed escape to decode.
std::optional<std::string> PercentDecoded(std::string_view text) {
    std::string out;
    bool decoded = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
            HexValue(text[i + 2]) >= 0) {
            out.push_back(static_cast<char>(HexValue(text[i + 1]) << 4 | HexValue(text[i + 2])));
            i += 2;
            decoded = true;
        } else {
            out.push_back(text[i]);
        }
    }
    return decoded ? std::optional<std::string>(out) : std::nullopt;
}

void AddSpelling(std::vector<std::string>& names, std::string name) {
    for (const std::string& known : names) {
        if (known == name) {
            return;
        }
    }
    names.push_back(std::move(name));
}

// The spellings of a name, as ListEntry::names describes them.
std::vector<std::string> Spellings(std::string_view name, bool percentEncoded, bool eightBit) {
    std::vector<std::string> names{std::string(name)};
    if (percentEncoded) {
        if (auto decoded = PercentDecoded(name)) {
            AddSpelling(names, std::move(*decoded));
        }
    }
    if (eightBit) {
        const std::size_t known = names.size();
        for (std::size_t i = 0; i < known; ++i) {
            if (!IsValidUtf8(names[i])) {
                AddSpelling(names, Cp1252ToUtf8(names[i]));
            }
        }
    }
    return names;
}

struct LineParser {
    ParsedList& list;
    bool eightBit;
    // The ed2k entry whose info lines may follow, or none.
    std::optional<std::size_t> openLink;

    void Parse(std::string_view line, std::size_t number) {
        const std::string_view text = Trimmed(line);
        if (text.empty()) {
            openLink.reset();
            return;
        }
        if (openLink && InfoLine(text)) {
            return;
        }
        openLink.reset();
        if (text.front() == ';') {
            return;  // an SFV comment
        }
        // Each reading starts from a fresh entry, so that one that gives up
        // half way leaves nothing behind for the next.
        const auto tryReading = [&](auto reading, std::string_view from) {
            ListEntry entry;
            entry.line = number;
            if (!(this->*reading)(from, entry)) {
                return false;
            }
            // No file name holds a NUL byte: the system would see only the
            // part before it and check another file. Such a line is
            // malformed, whichever reading found the NUL (the raw bytes, a
            // %00 or a "\0" escape).
            for (const std::string& name : entry.names) {
                if (name.find('\0') != std::string::npos) {
                    return false;
                }
            }
            list.entries.push_back(std::move(entry));
            return true;
        };
        if (tryReading(&LineParser::Ed2kLine, text)) {
            openLink = list.entries.size() - 1;
        } else if (!tryReading(&LineParser::BsdLine, text) &&
                   !tryReading(&LineParser::HashSumLine, line) &&
                   !tryReading(&LineParser::SfvLine, text)) {
            list.unreadLines.push_back(number);
        }
    }

    // "CRC32: ", "MD5: ", "SHA1: " and "AICH: " lines of an information file.
    bool InfoLine(std::string_view text) {
        ExpectedDigests& e = list.entries[*openLink].expected;
        const std::size_t colon = text.find(':');
        if (colon == std::string_view::npos) {
            return false;
        }
        const std::string_view key = text.substr(0, colon);
        const std::string_view value = Trimmed(text.substr(colon + 1));
        if (key == "CRC32" && !e.crc32) {
            e.crc32 = Crc(value);
            return e.crc32.has_value();
        }
        if (key == "MD5" && !e.md5) {
            e.md5 = Hex<16>(value);
            return e.md5.has_value();
        }
        if (key == "SHA1" && !e.sha1) {
            e.sha1 = Hex<20>(value);
            return e.sha1.has_value();
        }
        if (key == "AICH" && !e.aich) {
            e.aich = Aich(value);
            return e.aich.has_value();
        }
        return false;
    }

    // ed2k://|file|NAME|SIZE|HASH|optional fields|/ . Our own links do not
    // escape the name, so it may hold "|": the size and hash are the last
    // two fields before the optional ones.
    bool Ed2kLine(std::string_view text, ListEntry& entry) {
        constexpr std::string_view kPrefix = "ed2k://|file|";
        if (!StartsWithNoCase(text, kPrefix)) {
            return false;
        }
        std::string_view rest = text.substr(kPrefix.size());
        if (!rest.empty() && rest.back() == '/') {
            rest.remove_suffix(1);
        }
        if (rest.empty() || rest.back() != '|') {
            return false;
        }
        rest.remove_suffix(1);
        std::vector<std::string_view> fields;
        for (std::size_t start = 0;;) {
            const std::size_t bar = rest.find('|', start);
            fields.push_back(rest.substr(start, bar - start));
            if (bar == std::string_view::npos) {
                break;
            }
            start = bar + 1;
        }
        // Optional fields at the end look like "x=...".
        std::size_t end = fields.size();
        while (end > 0 && fields[end - 1].size() >= 2 && fields[end - 1][1] == '=') {
            --end;
        }
        if (end < 3) {
            return false;
        }
        const std::string_view sizeText = fields[end - 2];
        const auto hash = Hex<16>(fields[end - 1]);
        if (!hash || sizeText.empty() || sizeText.size() > 19 ||
            sizeText.find_first_not_of("0123456789") != std::string_view::npos) {
            return false;
        }
        ExpectedDigests& e = entry.expected;
        e.size = std::stoull(std::string(sizeText));
        e.ed2k = hash;
        for (std::size_t i = end; i < fields.size(); ++i) {
            const std::string_view field = fields[i];
            const std::string_view value = field.substr(2);
            if (field[0] == 'p' && e.partHashes.empty()) {
                for (std::size_t start = 0;;) {
                    const std::size_t cut = value.find(':', start);
                    const auto part = Hex<16>(value.substr(start, cut - start));
                    if (!part) {
                        return false;
                    }
                    e.partHashes.push_back(*part);
                    if (cut == std::string_view::npos) {
                        break;
                    }
                    start = cut + 1;
                }
            } else if (field[0] == 'h' && !e.aich) {
                e.aich = Aich(value);
                if (!e.aich) {
                    return false;
                }
            }
        }
        const std::size_t nameEnd =
            static_cast<std::size_t>(fields[end - 2].data() - rest.data()) - 1;
        const std::string_view name = rest.substr(0, nameEnd);
        if (name.empty()) {
            return false;
        }
        entry.names = Spellings(name, true, eightBit);
        entry.format = ListFormat::Ed2kLink;
        return true;
    }

    // ALGORITHM (NAME) = HASH, as BSD tools, "md5sum --tag", "rhash --bsd"
    // and "openssl dgst" (without the blanks) write it.
    bool BsdLine(std::string_view text, ListEntry& entry) {
        const std::size_t open = text.find('(');
        const std::size_t close = text.rfind(')');
        if (open == std::string_view::npos || close == std::string_view::npos ||
            close <= open + 1) {
            return false;
        }
        const std::string_view algorithm = Trimmed(text.substr(0, open));
        std::string_view tail = Trimmed(text.substr(close + 1));
        if (tail.empty() || tail.front() != '=') {
            return false;
        }
        const std::string_view value = Trimmed(tail.substr(1));
        ExpectedDigests& e = entry.expected;
        if (EqualsNoCase(algorithm, "md5")) {
            e.md5 = Hex<16>(value);
        } else if (EqualsNoCase(algorithm, "sha1") || EqualsNoCase(algorithm, "sha-1")) {
            e.sha1 = Hex<20>(value);
        } else if (EqualsNoCase(algorithm, "crc32")) {
            e.crc32 = Crc(value);
        } else if (EqualsNoCase(algorithm, "ed2k")) {
            e.ed2k = Hex<16>(value);
        } else if (EqualsNoCase(algorithm, "aich")) {
            e.aich = Aich(value);
        } else {
            return false;
        }
        if (!e.md5 && !e.sha1 && !e.crc32 && !e.ed2k && !e.aich) {
            return false;
        }
        entry.names = Spellings(text.substr(open + 1, close - open - 1), false, eightBit);
        entry.format = ListFormat::Bsd;
        return true;
    }

    // md5sum and sha1sum: the hash, a blank, " " (text) or "*" (binary),
    // the name. A leading "\" means the name has "\\" for "\", "\n" for a
    // line feed and "\r" for a carriage return. The untrimmed line is used:
    // names may begin or end with blanks.
    bool HashSumLine(std::string_view line, ListEntry& entry) {
        bool escaped = false;
        if (!line.empty() && line.front() == '\\') {
            escaped = true;
            line.remove_prefix(1);
        }
        const std::size_t blank = line.find(' ');
        if (blank == std::string_view::npos || blank + 2 > line.size() ||
            (line[blank + 1] != ' ' && line[blank + 1] != '*')) {
            return false;
        }
        const std::string_view hash = line.substr(0, blank);
        ExpectedDigests& e = entry.expected;
        if (hash.size() == 32) {
            e.md5 = Hex<16>(hash);
        } else if (hash.size() == 40) {
            e.sha1 = Hex<20>(hash);
        }
        if (!e.md5 && !e.sha1) {
            return false;
        }
        std::string_view raw = line.substr(blank + 2);
        std::string name;
        for (std::size_t i = 0; i < raw.size(); ++i) {
            if (escaped && raw[i] == '\\' && i + 1 < raw.size()) {
                const char next = raw[++i];
                name.push_back(next == 'n' ? '\n' : next == 'r' ? '\r' : next);
            } else {
                name.push_back(raw[i]);
            }
        }
        if (name.empty()) {
            return false;
        }
        entry.names = Spellings(name, false, eightBit);
        entry.format = ListFormat::HashSum;
        return true;
    }

    // NAME, blanks, eight hexadecimal digits.
    bool SfvLine(std::string_view text, ListEntry& entry) {
        const std::size_t blank = text.find_last_of(" \t");
        if (blank == std::string_view::npos) {
            return false;
        }
        const auto crc = Crc(text.substr(blank + 1));
        const std::string_view name = Trimmed(text.substr(0, blank));
        if (!crc || name.empty()) {
            return false;
        }
        entry.expected.crc32 = crc;
        entry.names = Spellings(name, false, eightBit);
        entry.format = ListFormat::Sfv;
        return true;
    }
};

std::u16string Utf16Units(std::string_view bytes, bool littleEndian) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        const auto lo = static_cast<unsigned char>(bytes[2 * i + (littleEndian ? 0 : 1)]);
        const auto hi = static_cast<unsigned char>(bytes[2 * i + (littleEndian ? 1 : 0)]);
        units[i] = static_cast<char16_t>(hi << 8 | lo);
    }
    return units;
}

template <typename Text, typename Each>
void ForEachLine(const Text& text, Each each) {
    std::size_t number = 0;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find(typename Text::value_type('\n'), start);
        const std::size_t next = end == Text::npos ? text.size() : end + 1;
        if (end == Text::npos) {
            end = text.size();
        }
        if (end > start && text[end - 1] == typename Text::value_type('\r')) {
            --end;
        }
        each(text.substr(start, end - start), ++number);
        start = next;
    }
}

}  // namespace

ParsedList ParseList(std::string_view bytes, Utf16ToBytesFn utf16ToBytes) {
    ParsedList list;
    const bool utf16le = bytes.starts_with("\xFF\xFE");
    const bool utf16be = bytes.starts_with("\xFE\xFF");
    if (utf16le || utf16be) {
        const std::u16string units = Utf16Units(bytes.substr(2), utf16le);
        LineParser parser{list, false, std::nullopt};
        ForEachLine(std::u16string_view(units), [&](std::u16string_view line, std::size_t n) {
            parser.Parse(utf16ToBytes(line), n);
        });
        return list;
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    LineParser parser{list, true, std::nullopt};
    ForEachLine(bytes, [&](std::string_view line, std::size_t n) { parser.Parse(line, n); });
    return list;
}

bool ReadListFile(const std::filesystem::path& path, std::string& bytes, std::string& error) {
    // O_NONBLOCK: a FIFO must not hang the open; it is refused below.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    struct stat st {};
    bool ok = false;
    if (::fstat(fd, &st) != 0) {
        error = std::strerror(errno);
    } else if (!S_ISREG(st.st_mode)) {
        error = "not a regular file";
    } else if (static_cast<std::uint64_t>(st.st_size) > kMaxListBytes) {
        error = "larger than a list can be";
    } else {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        bytes.clear();
        char chunk[65536];
        ok = true;
        for (;;) {
            const ssize_t got = ::read(fd, chunk, sizeof chunk);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0) {
                error = std::strerror(errno);
                ok = false;
                break;
            }
            if (got == 0) {
                break;
            }
            bytes.append(chunk, static_cast<std::size_t>(got));
            if (bytes.size() > kMaxListBytes) {
                error = "larger than a list can be";
                ok = false;
                break;
            }
        }
    }
    ::close(fd);
    return ok;
}

}  // namespace lm
