// SPDX-License-Identifier: MIT
#include "ed2k_link.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "base32.h"
#include "hash_text.h"
#include "md4.h"

namespace lm {

namespace {

#ifdef _WIN32
constexpr std::u16string_view kPathSeparators = u"\\:";
constexpr std::string_view kPathSeparatorBytes = "\\:";
#else
constexpr std::u16string_view kPathSeparators = u"/";
constexpr std::string_view kPathSeparatorBytes = "/";
#endif

void AppendAscii(std::u16string& to, std::string_view ascii) {
    for (char c : ascii) {
        to.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
    }
}

constexpr char kHexDigits[] = "0123456789ABCDEF";

template <class Char>
bool EscapeFollows(std::basic_string_view<Char> text, std::size_t percent) {
    return percent + 2 < text.size() && HexDigitValue(text[percent + 1]) >= 0 &&
           HexDigitValue(text[percent + 2]) >= 0;
}

void AppendEscape(std::u16string& to, unsigned byte) {
    to += u'%';
    to += static_cast<char16_t>(kHexDigits[byte >> 4 & 15]);
    to += static_cast<char16_t>(kHexDigits[byte & 15]);
}

// The name field of the link (already escaped), the size and the hash.
std::u16string LinkUpToHash(std::u16string_view nameField, std::uint64_t size, const Digest16& hash,
                            const LinkOptions& options) {
    std::u16string link = u"ed2k://|file|";
    link += nameField;
    link += u'|';
    AppendAscii(link, std::to_string(size));
    link += u'|';
    AppendAscii(link, HexText(hash, options.lowercaseHashes));
    link += u'|';
    return link;
}

void EndLink(std::u16string& link, const LinkOptions& options) {
    if (options.trailingSlash) {
        link += u'/';
    }
}

// The MD4 of the digests one after the other, with the empty chunk's digest
// after them when `emptyChunk` is set.
Digest16 Md4OfDigests(const std::vector<Digest16>& digests, bool emptyChunk) {
    TDCP_md4 md4;
    md4.Init();
    for (const Digest16& digest : digests) {
        md4.Update(digest.data(), static_cast<std::uint32_t>(digest.size()));
    }
    if (emptyChunk) {
        md4.Update(EmptyChunkHash.data(), static_cast<std::uint32_t>(EmptyChunkHash.size()));
    }
    Digest16 out{};
    md4.Final(out.data());
    return out;
}

}  // namespace

std::u16string_view NameWithoutPath(std::u16string_view path) {
    std::size_t cut = path.find_last_of(kPathSeparators);
    return cut == std::u16string_view::npos ? path : path.substr(cut + 1);
}

std::string_view NameWithoutPath(std::string_view path) {
    std::size_t cut = path.find_last_of(kPathSeparatorBytes);
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

std::u16string Ed2kNameField(std::u16string_view name) {
    std::u16string field;
    field.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char16_t c = name[i];
        const bool pairedLow = i > 0 && name[i - 1] >= 0xD800 && name[i - 1] <= 0xDBFF;
        if (c == u'|' || c < 0x20 || c == 0x7F || (c == u'%' && EscapeFollows(name, i))) {
            AppendEscape(field, c);
        } else if (c >= 0xDC80 && c <= 0xDCFF && !pairedLow) {
            AppendEscape(field, c - 0xDC00u);
        } else {
            field += c;
        }
    }
    return field;
}

std::u16string Ed2kLink(std::u16string_view fileName, std::uint64_t size, const Digest16& hash,
                        const LinkOptions& options) {
    std::u16string link =
        LinkUpToHash(Ed2kNameField(options.stripPath ? NameWithoutPath(fileName) : fileName), size,
                     hash, options);
    EndLink(link, options);
    return link;
}

namespace {

std::u16string LinkOfField(std::u16string_view nameField, const FileDigests& digests,
                           Ed2kVariant variant, const LinkOptions& options) {
    std::u16string link =
        LinkUpToHash(nameField, digests.size, Ed2kHashOf(digests, variant), options);
    if (options.partHashes) {
        const std::vector<Digest16> parts = PartHashes(digests, variant);
        if (!parts.empty()) {
            link += u"p=";
            for (std::size_t i = 0; i < parts.size(); ++i) {
                if (i > 0) {
                    link += u':';
                }
                AppendAscii(link, HexText(parts[i], options.lowercaseHashes));
            }
            link += u'|';
        }
    }
    if (options.aichHash && digests.aich) {
        link += u"h=";
        AppendAscii(link, Base32Text(*digests.aich, options.lowercaseHashes));
        link += u'|';
    }
    EndLink(link, options);
    return link;
}

}  // namespace

std::u16string Ed2kLink(std::u16string_view fileName, const FileDigests& digests,
                        Ed2kVariant variant, const LinkOptions& options) {
    return LinkOfField(Ed2kNameField(options.stripPath ? NameWithoutPath(fileName) : fileName),
                       digests, variant, options);
}

std::u16string Ed2kLinkFromParts(std::u16string_view nameField, std::uint64_t size,
                                 const Digest16& hash, const std::vector<Digest16>& chunkDigests,
                                 const std::optional<Digest20>& aich, const LinkOptions& options) {
    FileDigests digests;
    digests.size = size;
    digests.ed2k = hash;
    digests.aich = aich;
    Ed2kVariant variant = Ed2kVariant::First;
    // Only digests whose MD4 is the hash are its part hashes (a single
    // chunk's digest is the first hash itself).
    if (!chunkDigests.empty() && chunkDigests.size() == ChunkCountFor(size)) {
        const Digest16 first =
            chunkDigests.size() == 1 ? chunkDigests.front() : Md4OfDigests(chunkDigests, false);
        if (hash == first) {
            digests.chunkDigests = chunkDigests;
        } else if (HasSecondEd2kHash(size) && hash == Md4OfDigests(chunkDigests, true)) {
            digests.chunkDigests = chunkDigests;
            digests.ed2k = first;
            digests.hasSecondEd2k = true;
            digests.ed2kSecond = hash;
            variant = Ed2kVariant::Second;
        }
    }
    return LinkOfField(nameField, digests, variant, options);
}

namespace {

// Where the digests of a link stand, for re-casing.
struct DigestSpans {
    std::size_t hashAt = 0;
    std::vector<std::pair<std::size_t, std::size_t>> values;  // "p=" and "h=" values
};

template <class Char>
bool StartsWithNoCase(std::basic_string_view<Char> text, std::string_view lowerPrefix) {
    if (text.size() < lowerPrefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < lowerPrefix.size(); ++i) {
        Char c = text[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<Char>(c - 'A' + 'a');
        }
        if (c != static_cast<Char>(lowerPrefix[i])) {
            return false;
        }
    }
    return true;
}

template <class Char>
std::optional<Digest20> AichRoot(std::basic_string_view<Char> text) {
    std::string ascii;
    for (Char c : text) {
        if (c <= 0 || c > 0x7F) {
            return std::nullopt;
        }
        ascii.push_back(static_cast<char>(c));
    }
    const auto bytes = Base32Bytes(ascii);
    Digest20 out{};
    if (!bytes || bytes->size() != out.size()) {
        return std::nullopt;
    }
    std::copy(bytes->begin(), bytes->end(), out.begin());
    return out;
}

template <class Char>
std::optional<std::uint64_t> DecimalSize(std::basic_string_view<Char> text) {
    if (text.empty() || text.size() > 20) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (Char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (value > (UINT64_MAX - digit) / 10) {
            return std::nullopt;
        }
        value = value * 10 + digit;
    }
    return value;
}

// A field after the hash: what we write ("p=", "h="), and what others do.
enum class FieldKind { Parts, Root, Other, None };

template <class Char>
FieldKind KindOfField(std::basic_string_view<Char> field) {
    if (field.size() >= 2 && field[1] == '=') {
        if (field[0] == 'p') {
            return FieldKind::Parts;
        }
        if (field[0] == 'h') {
            return FieldKind::Root;
        }
        if ((field[0] >= 'a' && field[0] <= 'z') || (field[0] >= 'A' && field[0] <= 'Z')) {
            return FieldKind::Other;
        }
    }
    if (field.size() == 1 && field[0] == '/') {
        return FieldKind::Other;  // eMule's "|/|sources,...|/"
    }
    if (StartsWithNoCase(field, "sources,")) {
        return FieldKind::Other;
    }
    return FieldKind::None;
}

template <class Char>
std::optional<Ed2kLinkText<Char>> Parse(std::basic_string_view<Char> text, DigestSpans* spans) {
    constexpr std::string_view kPrefix = "ed2k://|file|";
    if (!StartsWithNoCase(text, kPrefix)) {
        return std::nullopt;
    }
    Ed2kLinkText<Char> link;
    std::basic_string_view<Char> rest = text.substr(kPrefix.size());
    link.trailingSlash =
        rest.size() >= 2 && rest[rest.size() - 1] == '/' && rest[rest.size() - 2] == '|';
    if (link.trailingSlash) {
        rest.remove_suffix(1);
    }
    if (rest.empty() || rest.back() != '|') {
        return std::nullopt;
    }
    rest.remove_suffix(1);
    // Fields from the end: the optional ones, then the hash and the size;
    // the name is what is left.
    std::vector<std::pair<FieldKind, std::basic_string_view<Char>>> tail;
    std::size_t end = rest.size();
    std::basic_string_view<Char> field;
    const auto takeField = [&] {
        const std::size_t bar = rest.rfind(static_cast<Char>('|'), end == 0 ? 0 : end - 1);
        if (end == 0 || bar == std::basic_string_view<Char>::npos) {
            return false;
        }
        field = rest.substr(bar + 1, end - bar - 1);
        end = bar;
        return true;
    };
    for (;;) {
        if (!takeField()) {
            return std::nullopt;
        }
        const FieldKind kind = KindOfField(field);
        if (kind == FieldKind::None) {
            break;
        }
        tail.emplace_back(kind, field);
    }
    const std::optional<Digest16> hash = HexBytes<16>(field);
    const std::size_t hashAt = kPrefix.size() + end + 1;
    if (!hash || !takeField()) {
        return std::nullopt;
    }
    const std::optional<std::uint64_t> size = DecimalSize(field);
    if (!size || end == 0) {
        return std::nullopt;
    }
    link.nameField = rest.substr(0, end);
    link.size = *size;
    link.hash = *hash;
    if (spans != nullptr) {
        spans->hashAt = hashAt;
    }
    // In the link's order, the first of each kind counting.
    for (auto it = tail.rbegin(); it != tail.rend(); ++it) {
        const FieldKind kind = it->first;
        if (kind == FieldKind::Other) {
            link.otherFields = true;
            continue;
        }
        const std::basic_string_view<Char> value = it->second.substr(2);
        const std::size_t valueAt = static_cast<std::size_t>(value.data() - text.data());
        if (kind == FieldKind::Parts && link.partHashes.empty()) {
            for (std::size_t start = 0;;) {
                const std::size_t cut = value.find(static_cast<Char>(':'), start);
                const std::optional<Digest16> part = HexBytes<16>(value.substr(start, cut - start));
                if (!part) {
                    return std::nullopt;
                }
                link.partHashes.push_back(*part);
                if (cut == std::basic_string_view<Char>::npos) {
                    break;
                }
                start = cut + 1;
            }
        } else if (kind == FieldKind::Root && !link.aich) {
            link.aich = AichRoot(value);
            if (!link.aich) {
                return std::nullopt;
            }
        } else {
            continue;
        }
        if (spans != nullptr) {
            spans->values.emplace_back(valueAt, value.size());
        }
    }
    return link;
}

char16_t CasedDigit(char16_t c, bool lower) {
    if (lower && c >= u'A' && c <= u'Z') {
        return static_cast<char16_t>(c - u'A' + u'a');
    }
    if (!lower && c >= u'a' && c <= u'z') {
        return static_cast<char16_t>(c - u'a' + u'A');
    }
    return c;
}

}  // namespace

std::optional<Ed2kLinkText<char>> ParseEd2kLink(std::string_view text) {
    return Parse(text, nullptr);
}

std::optional<Ed2kLinkText<char16_t>> ParseEd2kLink(std::u16string_view text) {
    return Parse(text, nullptr);
}

std::u16string RecasedEd2kLink(std::u16string_view link, bool lower) {
    std::u16string out(link);
    DigestSpans spans;
    if (!Parse(link, &spans)) {
        return out;
    }
    spans.values.emplace_back(spans.hashAt, 32);
    for (const auto& [at, length] : spans.values) {
        for (std::size_t i = at; i < at + length; ++i) {
            out[i] = CasedDigit(out[i], lower);
        }
    }
    return out;
}

std::u16string RerenderedEd2kLink(std::u16string_view link,
                                  const std::vector<Digest16>& chunkDigests,
                                  const std::optional<Digest20>& aich, const LinkOptions& options) {
    const std::optional<Ed2kLinkText<char16_t>> fields = ParseEd2kLink(link);
    if (!fields || fields->otherFields) {
        return std::u16string(link);
    }
    std::vector<Digest16> parts = chunkDigests;
    if (parts.empty()) {
        // The link's own part hashes; the second hash of an exact multiple
        // of the chunk size lists the empty chunk's digest after the chunks.
        parts = fields->partHashes;
        if (parts.size() == ChunkCountFor(fields->size) + 1) {
            parts.pop_back();
        }
    }
    LinkOptions asStored = options;
    asStored.stripPath = false;
    asStored.trailingSlash = fields->trailingSlash;
    return Ed2kLinkFromParts(fields->nameField, fields->size, fields->hash, parts,
                             aich ? aich : fields->aich, asStored);
}

std::string PercentDecoded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && EscapeFollows(text, i)) {
            out.push_back(
                static_cast<char>(HexDigitValue(text[i + 1]) << 4 | HexDigitValue(text[i + 2])));
            i += 2;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

}  // namespace lm
