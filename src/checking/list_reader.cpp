// SPDX-License-Identifier: MIT
#include "list_reader.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <span>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base32.h"
#include "ed2k_link.h"
#include "hash_text.h"
#include "utf8.h"
#include "windows1252.h"

namespace lm {

namespace {

bool IsHex(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return HexDigitValue(c) >= 0; });
}

int Base64Value(char c) {
    if (c >= 'A' && c <= 'Z') {
        return c - 'A';
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 26;
    }
    if (c >= '0' && c <= '9') {
        return c - '0' + 52;
    }
    return c == '+' ? 62 : c == '/' ? 63 : -1;
}

// RFC 4648 base64 with its padding, as rhash --base64 writes digests.
std::optional<std::vector<std::uint8_t>> Base64Bytes(std::string_view text) {
    if (text.empty() || text.size() % 4 != 0) {
        return std::nullopt;
    }
    std::size_t padding = 0;
    while (padding < 2 && text.size() > padding && text[text.size() - 1 - padding] == '=') {
        ++padding;
    }
    std::vector<std::uint8_t> out;
    std::uint32_t bits = 0;
    int count = 0;
    for (std::size_t i = 0; i < text.size() - padding; ++i) {
        const int value = Base64Value(text[i]);
        if (value < 0) {
            return std::nullopt;
        }
        bits = bits << 6 | static_cast<std::uint32_t>(value);
        count += 6;
        if (count >= 8) {
            count -= 8;
            out.push_back(static_cast<std::uint8_t>(bits >> count));
        }
    }
    return out;
}

// A digest of N bytes as hexadecimal digits, base32 or base64, the three
// forms rhash writes.
template <std::size_t N>
std::optional<std::array<std::uint8_t, N>> Digest(std::string_view text) {
    if (auto hex = HexBytes<N>(text)) {
        return hex;
    }
    std::optional<std::vector<std::uint8_t>> bytes;
    if (text.size() == (8 * N + 4) / 5) {
        bytes = Base32Bytes(text);
    } else if (text.size() == (N + 2) / 3 * 4) {
        bytes = Base64Bytes(text);
    }
    if (!bytes || bytes->size() != N) {
        return std::nullopt;
    }
    std::array<std::uint8_t, N> out{};
    std::copy(bytes->begin(), bytes->end(), out.begin());
    return out;
}

std::optional<std::uint32_t> Crc(std::string_view text) {
    const auto bytes = Digest<4>(text);
    if (!bytes) {
        return std::nullopt;
    }
    return std::uint32_t{(*bytes)[0]} << 24 | std::uint32_t{(*bytes)[1]} << 16 |
           std::uint32_t{(*bytes)[2]} << 8 | (*bytes)[3];
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

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsNoCase(std::string_view text, std::string_view lowerWord) {
    return text.size() == lowerWord.size() &&
           std::equal(text.begin(), text.end(), lowerWord.begin(),
                      [](char a, char b) { return LowerAscii(a) == b; });
}

bool StartsWithNoCase(std::string_view text, std::string_view lowerPrefix) {
    return text.size() >= lowerPrefix.size() &&
           EqualsNoCase(text.substr(0, lowerPrefix.size()), lowerPrefix);
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    for (char ch : bytes) {
        AppendUtf8(out, Windows1252ToUnicode(static_cast<unsigned char>(ch)));
    }
    return out;
}

void AddSpelling(std::vector<std::string>& names, std::string name) {
    if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) {
        names.push_back(std::move(name));
    }
}

// The spellings of a name, as ListEntry::names describes them. `written` is
// the text of a link when it differs from what it means.
std::vector<std::string> Spellings(std::string meant, std::string_view written, bool eightBit) {
    std::vector<std::string> names;
    AddSpelling(names, std::move(meant));
    AddSpelling(names, std::string(written));
    for (std::size_t i = 0, known = names.size(); i < known; ++i) {
        if (names[i].find('\\') != std::string::npos) {
            std::string slashed = names[i];
            std::replace(slashed.begin(), slashed.end(), '\\', '/');
            AddSpelling(names, std::move(slashed));
        }
    }
    if (eightBit) {
        for (std::size_t i = 0, known = names.size(); i < known; ++i) {
            if (!IsValidUtf8(names[i])) {
                AddSpelling(names, Cp1252ToUtf8(names[i]));
            }
        }
    }
    return names;
}

// The name of an escaped md5sum line: "\\" for "\", "\n" for a line feed,
// "\r" for a carriage return; any other "\" makes the line unreadable, as
// it does for md5sum.
std::optional<std::string> Unescaped(std::string_view raw) {
    std::string name;
    name.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\') {
            name.push_back(raw[i]);
            continue;
        }
        if (++i == raw.size()) {
            return std::nullopt;
        }
        switch (raw[i]) {
            case '\\':
                name.push_back('\\');
                break;
            case 'n':
                name.push_back('\n');
                break;
            case 'r':
                name.push_back('\r');
                break;
            default:
                return std::nullopt;
        }
    }
    return name;
}

// The digests that md5sum-style lines of each length give, for the note
// about those we skip.
std::string_view AlgorithmOfLength(std::size_t digits) {
    switch (digits) {
        case 56:
            return "SHA224";
        case 64:
            return "SHA256";
        case 96:
            return "SHA384";
        case 128:
            return "SHA512";
        default:
            return {};
    }
}

// What one line turned out to be.
enum class Reading { Entry, Skipped, Unread, NotThisFormat };

class LineReader {
public:
    LineReader(ListSink& sink, bool eightBit) : sink_(sink), eightBit_(eightBit) {}

    void Line(std::string_view line, std::size_t number) {
        const std::string_view text = Trimmed(line);
        if (text.empty()) {
            Flush();
            return;
        }
        if (open_ && InfoLine(text)) {
            return;
        }
        Flush();
        if (text.front() == ';' || text.front() == '#') {
            return;  // comments of .sfv files and of md5sum lists
        }
        ListEntry entry;
        entry.line = number;
        std::string skipped;
        Reading reading = Reading::NotThisFormat;
        for (auto read : {&LineReader::Ed2kLine, &LineReader::MagnetLine, &LineReader::LoneInfoLine,
                          &LineReader::BsdLine, &LineReader::LongHashSumLine, &LineReader::SfvLine,
                          &LineReader::CrcHashSumLine}) {
            // md5sum lines keep their blanks: a name may begin or end with one.
            const bool untrimmed =
                read == &LineReader::LongHashSumLine || read == &LineReader::CrcHashSumLine;
            reading = (this->*read)(untrimmed ? line : text, entry, skipped);
            if (reading != Reading::NotThisFormat) {
                break;
            }
            entry = ListEntry{};
            entry.line = number;
        }
        // No file name holds a NUL byte: the system would see only the part
        // before it and check another file. Such a line is malformed,
        // whichever reading found the NUL (the raw bytes, a %00 or an escape).
        if (reading == Reading::Entry &&
            std::any_of(entry.names.begin(), entry.names.end(), [](const std::string& name) {
                return name.find('\0') != std::string::npos;
            })) {
            reading = Reading::Unread;
        }
        switch (reading) {
            case Reading::Entry:
                if (entry.format == ListFormat::Ed2kLink) {
                    open_ = std::move(entry);
                } else {
                    sink_.Entry(std::move(entry));
                }
                break;
            case Reading::Skipped:
                sink_.SkippedLine(number, skipped);
                break;
            case Reading::Unread:
            case Reading::NotThisFormat:
                sink_.UnreadLine(number);
                break;
        }
    }

    // The link whose information lines may still have followed.
    void Flush() {
        if (open_) {
            sink_.Entry(std::move(*open_));
            open_.reset();
        }
    }

private:
    // "CRC32: ", "MD5: ", "SHA1: " and "AICH: " lines of an information
    // file, after their link. A value the link gave already must agree.
    bool InfoLine(std::string_view text) {
        ExpectedDigests& e = open_->expected;
        const std::size_t colon = text.find(':');
        if (colon == std::string_view::npos) {
            return false;
        }
        const std::string_view key = text.substr(0, colon);
        const std::string_view value = Trimmed(text.substr(colon + 1));
        const auto take = [](auto& slot, const auto& read) {
            if (!read || (slot && *slot != *read)) {
                return false;
            }
            slot = read;
            return true;
        };
        if (key == "CRC32") {
            return take(e.crc32, Crc(value));
        }
        if (key == "MD5") {
            return take(e.md5, Digest<16>(value));
        }
        if (key == "SHA1") {
            return take(e.sha1, Digest<20>(value));
        }
        if (key == "AICH") {
            return take(e.aich, Digest<20>(value));
        }
        return false;
    }

    // An information line with no link before it belongs to nothing: it is
    // not a .sfv line of a file named "CRC32:".
    Reading LoneInfoLine(std::string_view text, ListEntry&, std::string&) {
        for (std::string_view key : {"CRC32:", "MD5:", "SHA1:", "AICH:"}) {
            if (text.starts_with(key)) {
                return Reading::Unread;
            }
        }
        return Reading::NotThisFormat;
    }

    Reading Ed2kLine(std::string_view text, ListEntry& entry, std::string&) {
        if (!StartsWithNoCase(text, "ed2k://")) {
            return Reading::NotThisFormat;
        }
        const std::optional<Ed2kLinkText<char>> link = ParseEd2kLink(text);
        if (!link) {
            return Reading::Unread;
        }
        ExpectedDigests& e = entry.expected;
        e.size = link->size;
        e.ed2k = link->hash;
        e.partHashes = link->partHashes;
        e.aich = link->aich;
        // Other clients decode the name: so do we, and the link's own text
        // comes second (older links of ours copied a name unescaped).
        entry.names = Spellings(PercentDecoded(link->nameField), link->nameField, eightBit_);
        entry.format = ListFormat::Ed2kLink;
        return Reading::Entry;
    }

    // magnet:?xt=urn:ed2k:HASH&xl=SIZE&dn=NAME&xt=urn:aich:...&xt=urn:sha1:...
    Reading MagnetLine(std::string_view text, ListEntry& entry, std::string& skipped) {
        if (!StartsWithNoCase(text, "magnet:?")) {
            return Reading::NotThisFormat;
        }
        ExpectedDigests& e = entry.expected;
        std::optional<std::string> name;
        std::string others;
        std::string_view rest = text.substr(8);
        while (!rest.empty()) {
            const std::size_t amp = rest.find('&');
            const std::string_view param = rest.substr(0, amp);
            rest = amp == std::string_view::npos ? std::string_view() : rest.substr(amp + 1);
            const std::size_t equals = param.find('=');
            if (equals == std::string_view::npos) {
                continue;
            }
            const std::string_view key = param.substr(0, equals);
            const std::string_view value = param.substr(equals + 1);
            bool good = true;
            if (key == "dn") {
                name = PercentDecoded(value);
            } else if (key == "xl") {
                good = !value.empty() && value.size() <= 19 &&
                       value.find_first_not_of("0123456789") == std::string_view::npos;
                if (good) {
                    e.size = std::stoull(std::string(value));
                }
            } else if (key.starts_with("xt")) {
                const std::size_t colon = value.rfind(':');
                const std::string_view urn =
                    value.substr(0, colon == std::string_view::npos ? 0 : colon);
                const std::string_view digest =
                    colon == std::string_view::npos ? value : value.substr(colon + 1);
                if (EqualsNoCase(urn, "urn:ed2k") || EqualsNoCase(urn, "urn:ed2khash")) {
                    good = (e.ed2k = Digest<16>(digest)).has_value();
                } else if (EqualsNoCase(urn, "urn:aich")) {
                    good = (e.aich = Digest<20>(digest)).has_value();
                } else if (EqualsNoCase(urn, "urn:sha1")) {
                    good = (e.sha1 = Digest<20>(digest)).has_value();
                } else if (EqualsNoCase(urn, "urn:md5")) {
                    good = (e.md5 = Digest<16>(digest)).has_value();
                } else if (EqualsNoCase(urn, "urn:crc32")) {
                    good = (e.crc32 = Crc(digest)).has_value();
                } else {
                    const std::string_view kind =
                        StartsWithNoCase(urn, "urn:") ? urn.substr(4) : urn;
                    others += (others.empty() ? "" : ", ") + std::string(kind);
                }
            }
            if (!good) {
                return Reading::Unread;
            }
        }
        if (!name || name->empty()) {
            return Reading::Unread;
        }
        if (!e.ed2k && !e.aich && !e.sha1 && !e.md5 && !e.crc32) {
            skipped = others.empty() ? std::string("magnet link") : others;
            return Reading::Skipped;
        }
        entry.names = Spellings(std::move(*name), {}, eightBit_);
        entry.format = ListFormat::Magnet;
        return Reading::Entry;
    }

    // ALGORITHM (NAME) = DIGEST, as "md5sum --tag", "rhash --bsd" and
    // "openssl dgst" (without the blanks) write it; md5sum's leading "\" for
    // an escaped name. An algorithm we do not compute makes a skipped line,
    // never an entry of another format.
    Reading BsdLine(std::string_view text, ListEntry& entry, std::string& skipped) {
        const bool escaped = text.front() == '\\';
        if (escaped) {
            text.remove_prefix(1);
        }
        std::size_t algorithmEnd = 0;
        while (algorithmEnd < text.size() &&
               (std::isalnum(static_cast<unsigned char>(text[algorithmEnd])) != 0 ||
                text[algorithmEnd] == '-' || text[algorithmEnd] == '_')) {
            ++algorithmEnd;
        }
        const std::string_view algorithm = text.substr(0, algorithmEnd);
        std::size_t open = algorithmEnd;
        while (open < text.size() && text[open] == ' ') {
            ++open;
        }
        const std::size_t close = text.rfind(')');
        if (algorithm.empty() || open >= text.size() || text[open] != '(' ||
            close == std::string_view::npos || close <= open) {
            return Reading::NotThisFormat;
        }
        const std::string_view tail = Trimmed(text.substr(close + 1));
        if (tail.empty() || tail.front() != '=') {
            return Reading::NotThisFormat;
        }
        const std::string_view value = Trimmed(tail.substr(1));
        // A digest is one word of hexadecimal, base32 or base64: a .sfv name
        // such as "Film (2004) = Cut.avi 1A2B3C4D" is not this format.
        const bool digestLike =
            !value.empty() && std::all_of(value.begin(), value.end(), [](char c) {
                return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '+' || c == '/' ||
                       c == '=';
            });
        if (!digestLike) {
            return Reading::NotThisFormat;
        }
        const std::string_view rawName = text.substr(open + 1, close - open - 1);
        ExpectedDigests& e = entry.expected;
        bool known = true;
        if (EqualsNoCase(algorithm, "md5")) {
            e.md5 = Digest<16>(value);
        } else if (EqualsNoCase(algorithm, "sha1") || EqualsNoCase(algorithm, "sha-1")) {
            e.sha1 = Digest<20>(value);
        } else if (EqualsNoCase(algorithm, "crc32")) {
            e.crc32 = Crc(value);
        } else if (EqualsNoCase(algorithm, "ed2k")) {
            e.ed2k = Digest<16>(value);
        } else if (EqualsNoCase(algorithm, "aich")) {
            e.aich = Digest<20>(value);
        } else {
            known = false;
        }
        if (!known) {
            skipped = algorithm;
            return Reading::Skipped;
        }
        std::optional<std::string> name =
            escaped ? Unescaped(rawName) : std::optional<std::string>(rawName);
        if (!name || name->empty() || (!e.md5 && !e.sha1 && !e.crc32 && !e.ed2k && !e.aich)) {
            return Reading::Unread;
        }
        entry.names = Spellings(std::move(*name), {}, eightBit_);
        entry.format = ListFormat::Bsd;
        return Reading::Entry;
    }

    // md5sum, sha1sum and "rhash --simple": the digest, a blank, " " (text)
    // or "*" (binary), the name. A leading "\" means an escaped name.
    Reading HashSumLine(std::string_view line, ListEntry& entry, std::string& skipped, bool crc) {
        const bool escaped = !line.empty() && line.front() == '\\';
        if (escaped) {
            line.remove_prefix(1);
        }
        const std::size_t blank = line.find(' ');
        if (blank == std::string_view::npos || blank + 2 > line.size() ||
            (line[blank + 1] != ' ' && line[blank + 1] != '*')) {
            return Reading::NotThisFormat;
        }
        const std::string_view digest = line.substr(0, blank);
        if (!IsHex(digest) || (crc != (digest.size() == 8))) {
            return Reading::NotThisFormat;
        }
        ExpectedDigests& e = entry.expected;
        if (digest.size() == 8) {
            e.crc32 = Crc(digest);
        } else if (digest.size() == 32) {
            e.md5 = Digest<16>(digest);
        } else if (digest.size() == 40) {
            e.sha1 = Digest<20>(digest);
        } else if (!AlgorithmOfLength(digest.size()).empty()) {
            skipped = AlgorithmOfLength(digest.size());
            return Reading::Skipped;
        } else {
            return Reading::NotThisFormat;
        }
        const std::string_view raw = line.substr(blank + 2);
        std::optional<std::string> name =
            escaped ? Unescaped(raw) : std::optional<std::string>(raw);
        if (!name || name->empty()) {
            return Reading::Unread;
        }
        entry.names = Spellings(std::move(*name), {}, eightBit_);
        entry.format = ListFormat::HashSum;
        return Reading::Entry;
    }

    Reading LongHashSumLine(std::string_view line, ListEntry& entry, std::string& skipped) {
        return HashSumLine(line, entry, skipped, false);
    }

    // "rhash --simple --crc32": eight digits first. Tried after .sfv, whose
    // eight digits come last, so that a .sfv name may begin with digits.
    Reading CrcHashSumLine(std::string_view line, ListEntry& entry, std::string& skipped) {
        return HashSumLine(line, entry, skipped, true);
    }

    // NAME, blanks, eight hexadecimal digits.
    Reading SfvLine(std::string_view text, ListEntry& entry, std::string&) {
        const std::size_t blank = text.find_last_of(" \t");
        if (blank == std::string_view::npos) {
            return Reading::NotThisFormat;
        }
        const std::string_view digits = text.substr(blank + 1);
        const std::string_view name = Trimmed(text.substr(0, blank));
        if (digits.size() != 8 || !IsHex(digits) || name.empty()) {
            return Reading::NotThisFormat;
        }
        entry.expected.crc32 = Crc(digits);
        entry.names = Spellings(std::string(name), {}, eightBit_);
        entry.format = ListFormat::Sfv;
        return Reading::Entry;
    }

    ListSink& sink_;
    bool eightBit_;
    std::optional<ListEntry> open_;
};

enum class Encoding { Unknown, EightBit, Utf16Le, Utf16Be };

}  // namespace

struct ListParser::State {
    State(ListSink& s, Utf16ToBytesFn fn) : sink(s), utf16ToBytes(fn) {}

    ListSink& sink;
    Utf16ToBytesFn utf16ToBytes;
    Encoding encoding = Encoding::Unknown;
    std::string head;     // the first bytes, until the byte-order mark is known
    std::string line;     // the bytes of the line so far (UTF-16: whole code units)
    std::string pending;  // a UTF-16 code unit's first byte
    bool overlong = false;
    std::size_t number = 0;
    std::optional<LineReader> reader;

    void Start(Encoding e) {
        encoding = e;
        reader.emplace(sink, e == Encoding::EightBit);
    }

    void EndLine() {
        ++number;
        if (overlong) {
            reader->Flush();
            sink.UnreadLine(number);
        } else if (encoding == Encoding::EightBit) {
            std::string_view text = line;
            if (!text.empty() && text.back() == '\r') {
                text.remove_suffix(1);
            }
            reader->Line(text, number);
        } else {
            std::u16string units(line.size() / 2, u'\0');
            const bool le = encoding == Encoding::Utf16Le;
            for (std::size_t i = 0; i < units.size(); ++i) {
                const auto a = static_cast<unsigned char>(line[2 * i]);
                const auto b = static_cast<unsigned char>(line[2 * i + 1]);
                units[i] = static_cast<char16_t>(le ? b << 8 | a : a << 8 | b);
            }
            if (!units.empty() && units.back() == u'\r') {
                units.pop_back();
            }
            reader->Line(utf16ToBytes(units), number);
        }
        line.clear();
        overlong = false;
    }

    void Append(std::string_view bytes) {
        if (overlong) {
            return;
        }
        if (line.size() + bytes.size() > kMaxListLineBytes) {
            overlong = true;
            line.clear();
            line.shrink_to_fit();
            return;
        }
        line.append(bytes);
    }

    void EightBit(std::string_view bytes) {
        while (!bytes.empty()) {
            const std::size_t end = bytes.find('\n');
            if (end == std::string_view::npos) {
                Append(bytes);
                return;
            }
            Append(bytes.substr(0, end));
            EndLine();
            bytes.remove_prefix(end + 1);
        }
    }

    void Utf16(std::string_view bytes) {
        const char newlineLow = encoding == Encoding::Utf16Le ? '\n' : '\0';
        const char newlineHigh = encoding == Encoding::Utf16Le ? '\0' : '\n';
        if (!pending.empty() && !bytes.empty()) {
            pending.push_back(bytes.front());
            bytes.remove_prefix(1);
            if (pending[0] == newlineLow && pending[1] == newlineHigh) {
                EndLine();
            } else {
                Append(pending);
            }
            pending.clear();
        }
        std::size_t start = 0;
        std::size_t i = 0;
        for (; i + 1 < bytes.size(); i += 2) {
            if (bytes[i] == newlineLow && bytes[i + 1] == newlineHigh) {
                Append(bytes.substr(start, i - start));
                EndLine();
                start = i + 2;
            }
        }
        Append(bytes.substr(start, i - start));
        if (i < bytes.size()) {
            pending.assign(1, bytes[i]);
        }
    }

    void Text(std::string_view bytes) {
        if (encoding == Encoding::EightBit) {
            EightBit(bytes);
        } else {
            Utf16(bytes);
        }
    }
};

ListParser::ListParser(ListSink& sink, Utf16ToBytesFn utf16ToBytes)
    : state_(new State(sink, utf16ToBytes)) {}

ListParser::~ListParser() {
    delete state_;
}

void ListParser::Feed(std::string_view bytes) {
    State& s = *state_;
    if (s.encoding == Encoding::Unknown) {
        s.head.append(bytes);
        const std::string_view head = s.head;
        const bool undecided =
            (head.size() < 2 && (std::string_view("\xFF\xFE").starts_with(head) ||
                                 std::string_view("\xFE\xFF").starts_with(head))) ||
            (head.size() < 3 && std::string_view("\xEF\xBB\xBF").starts_with(head));
        if (undecided) {
            return;  // might still be a byte-order mark
        }
        const std::string first = std::move(s.head);
        std::string_view rest = first;
        if (rest.starts_with("\xFF\xFE")) {
            s.Start(Encoding::Utf16Le);
            rest.remove_prefix(2);
        } else if (rest.starts_with("\xFE\xFF")) {
            s.Start(Encoding::Utf16Be);
            rest.remove_prefix(2);
        } else {
            s.Start(Encoding::EightBit);
            if (rest.starts_with("\xEF\xBB\xBF")) {
                rest.remove_prefix(3);
            }
        }
        s.Text(rest);
        return;
    }
    s.Text(bytes);
}

void ListParser::Finish() {
    State& s = *state_;
    if (s.encoding == Encoding::Unknown) {
        const std::string head = std::move(s.head);
        s.Start(Encoding::EightBit);
        s.Text(std::string_view(head).starts_with("\xEF\xBB\xBF") ? std::string_view(head).substr(3)
                                                                  : std::string_view(head));
    }
    if (!s.line.empty() || s.overlong) {
        s.EndLine();
    }
    s.reader->Flush();
}

namespace {

class Collector : public ListSink {
public:
    explicit Collector(ParsedList& list) : list_(list) {}
    void Entry(ListEntry&& entry) override { list_.entries.push_back(std::move(entry)); }
    void UnreadLine(std::size_t line) override { list_.unreadLines.push_back(line); }
    void SkippedLine(std::size_t line, std::string_view algorithm) override {
        list_.skippedLines.push_back(line);
        auto& names = list_.skippedAlgorithms;
        if (std::find(names.begin(), names.end(), algorithm) == names.end()) {
            names.emplace_back(algorithm);
        }
    }

private:
    ParsedList& list_;
};

bool ReadAll(int fd, ListParser& parser, std::string& error) {
    std::array<char, 65536> block;
    for (;;) {
        const ssize_t got = ::read(fd, block.data(), block.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            error = std::strerror(errno);
            return false;
        }
        if (got == 0) {
            parser.Finish();
            return true;
        }
        parser.Feed(std::string_view(block.data(), static_cast<std::size_t>(got)));
    }
}

}  // namespace

ParsedList ParseList(std::string_view bytes, Utf16ToBytesFn utf16ToBytes) {
    ParsedList list;
    Collector collector(list);
    ListParser parser(collector, utf16ToBytes);
    parser.Feed(bytes);
    parser.Finish();
    return list;
}

bool ReadListFile(const std::filesystem::path& path, ListParser& parser, std::string& error) {
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
        error = S_ISDIR(st.st_mode) ? "it is a folder" : "not a regular file";
    } else {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        ok = ReadAll(fd, parser, error);
    }
    ::close(fd);
    return ok;
}

bool ReadListFrom(int fd, ListParser& parser, std::string& error) {
    return ReadAll(fd, parser, error);
}

}  // namespace lm
