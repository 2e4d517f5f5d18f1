// SPDX-License-Identifier: MIT
#include "stored_link.h"

#include <array>
#include <string>

#include "base32.h"
#include "ed2k_link.h"
#include "magnet_link.h"

namespace lm {

namespace {

struct LinkFields {
    QStringView name;
    std::uint64_t size = 0;
    Digest16 hash{};
    std::vector<Digest16> partHashes;  // "p=", as the link lists them
    std::optional<Digest20> aich;      // "h="
    bool trailingSlash = false;
};

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'A' && c <= u'F') {
        return c - u'A' + 10;
    }
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    return -1;
}

char16_t Unit(QChar c) {
    return c.unicode();
}
char16_t Unit(char c) {
    return static_cast<unsigned char>(c);
}

// The N bytes that 2N hexadecimal digits spell, of a QStringView or a
// QByteArray.
template <std::size_t N, class Text>
std::optional<std::array<std::uint8_t, N>> HexBytes(const Text& text) {
    std::array<std::uint8_t, N> bytes{};
    if (text.size() != static_cast<qsizetype>(2 * N)) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < N; ++i) {
        const int high = HexDigit(Unit(text[static_cast<qsizetype>(2 * i)]));
        const int low = HexDigit(Unit(text[static_cast<qsizetype>(2 * i + 1)]));
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        bytes[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return bytes;
}

std::optional<Digest16> HexDigest(QStringView text) {
    return HexBytes<16>(text);
}

// Cuts the last "|"-separated field off `rest`; false when there is none.
bool TakeLastField(QStringView& rest, QStringView& field) {
    const qsizetype bar = rest.lastIndexOf(u'|');
    if (bar < 0) {
        return false;
    }
    field = rest.mid(bar + 1);
    rest = rest.left(bar);
    return true;
}

// "ed2k://|file|NAME|SIZE|HASH|[p=...|][h=...|][/]", read from the end: the
// name may hold "|" itself.
std::optional<LinkFields> ParseLink(const QString& link) {
    constexpr QStringView kStart = u"ed2k://|file|";
    if (!link.startsWith(kStart)) {
        return std::nullopt;
    }
    LinkFields fields;
    QStringView rest = QStringView(link).mid(kStart.size());
    fields.trailingSlash = rest.endsWith(u"|/");
    if (fields.trailingSlash) {
        rest.chop(1);
    }
    if (!rest.endsWith(u'|')) {
        return std::nullopt;
    }
    rest.chop(1);
    QStringView field;
    if (!TakeLastField(rest, field)) {
        return std::nullopt;
    }
    if (field.startsWith(u"h=")) {
        const QByteArray text = field.mid(2).toLatin1();
        const auto bytes = Base32Bytes(std::string_view(text.constData(), text.size()));
        Digest20 root{};
        if (!bytes || bytes->size() != root.size() || !TakeLastField(rest, field)) {
            return std::nullopt;
        }
        std::copy(bytes->begin(), bytes->end(), root.begin());
        fields.aich = root;
    }
    if (field.startsWith(u"p=")) {
        for (QStringView part : field.mid(2).split(u':')) {
            const std::optional<Digest16> digest = HexDigest(part);
            if (!digest) {
                return std::nullopt;
            }
            fields.partHashes.push_back(*digest);
        }
        if (!TakeLastField(rest, field)) {
            return std::nullopt;
        }
    }
    const std::optional<Digest16> hash = HexDigest(field);
    if (!hash || !TakeLastField(rest, field) || field.isEmpty()) {
        return std::nullopt;
    }
    fields.hash = *hash;
    for (const QChar c : field) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
    }
    bool ok = false;
    fields.size = field.toULongLong(&ok);
    if (!ok) {
        return std::nullopt;
    }
    fields.name = rest;
    return fields;
}

}  // namespace

QString RerenderLink(const QString& link, const KeptDigests& kept, const SettingsValues& values) {
    const std::optional<LinkFields> fields = ParseLink(link);
    if (!fields) {
        return link;
    }
    std::vector<Digest16> chunkDigests = kept.chunkDigests;
    if (chunkDigests.empty()) {
        // The link's own part hashes; the second hash of an exact multiple
        // of the chunk size lists the empty chunk's digest after the chunks.
        chunkDigests = fields->partHashes;
        if (chunkDigests.size() == ChunkCountFor(fields->size) + 1) {
            chunkDigests.pop_back();
        }
    }
    LinkOptions options;
    options.stripPath = false;
    options.lowercaseHashes = values.lowercaseHashes;
    options.trailingSlash = fields->trailingSlash;
    options.partHashes = values.partHashes;
    options.aichHash = values.aichHash;
    const std::u16string name(reinterpret_cast<const char16_t*>(fields->name.utf16()),
                              static_cast<std::size_t>(fields->name.size()));
    const std::u16string text = Ed2kLinkFromParts(name, fields->size, fields->hash, chunkDigests,
                                                  kept.aich ? kept.aich : fields->aich, options);
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QString MagnetForLink(const QString& link, const QByteArray& sha1Hex, const KeptDigests& kept,
                      const SettingsValues& values) {
    const std::optional<LinkFields> fields = ParseLink(link);
    const auto sha1 = HexBytes<20>(sha1Hex);
    if (!fields || !sha1) {
        return {};
    }
    FileDigests digests;
    digests.size = fields->size;
    digests.ed2k = fields->hash;
    digests.sha1 = *sha1;
    digests.aich = kept.aich ? kept.aich : fields->aich;
    LinkOptions options;
    options.lowercaseHashes = values.lowercaseHashes;
    options.aichHash = values.aichHash;
    const QByteArray name = fields->name.toUtf8();
    return QString::fromStdString(MagnetLink(std::string_view(name.constData(), name.size()),
                                             digests, Ed2kVariant::First, options));
}

}  // namespace lm
