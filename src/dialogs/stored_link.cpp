// SPDX-License-Identifier: MIT
#include "stored_link.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "ed2k_link.h"
#include "magnet_link.h"

namespace lm {

namespace {

std::optional<Ed2kLinkText<char16_t>> ParsedLink(const QString& link) {
    return ParseEd2kLink(std::u16string_view(reinterpret_cast<const char16_t*>(link.utf16()),
                                             static_cast<std::size_t>(link.size())));
}

std::optional<Digest20> Sha1FromHex(const QByteArray& hex) {
    const QByteArray bytes = QByteArray::fromHex(hex);
    Digest20 sha1{};
    if (hex.size() != 40 || bytes.size() != 20 ||
        bytes.toHex().compare(hex, Qt::CaseInsensitive) != 0) {
        return std::nullopt;
    }
    std::copy(bytes.begin(), bytes.end(), sha1.begin());
    return sha1;
}

}  // namespace

QString RerenderLink(const QString& link, const KeptDigests& kept, const SettingsValues& values) {
    const auto fields = ParsedLink(link);
    // Fields of other clients would be lost: such a link stays as it is.
    if (!fields || fields->otherFields) {
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
    const std::u16string text =
        Ed2kLinkFromParts(fields->nameField, fields->size, fields->hash, chunkDigests,
                          kept.aich ? kept.aich : fields->aich, options);
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QString MagnetForLink(const QString& link, const QByteArray& sha1Hex, const KeptDigests& kept,
                      const SettingsValues& values) {
    const auto fields = ParsedLink(link);
    const auto sha1 = Sha1FromHex(sha1Hex);
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
    // The name's own bytes: the link's escapes decoded, so that a byte that
    // is not UTF-8 is encoded once, as %XX.
    const QByteArray field =
        QStringView(fields->nameField.data(), static_cast<qsizetype>(fields->nameField.size()))
            .toUtf8();
    const std::string name = PercentDecoded(std::string_view(field.constData(), field.size()));
    return QString::fromStdString(MagnetLink(name, digests, Ed2kVariant::First, options));
}

}  // namespace lm
