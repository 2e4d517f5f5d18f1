// SPDX-License-Identifier: MIT
#include "stored_link.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "ed2k_link.h"
#include "magnet_link.h"

namespace lm {

namespace {

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

LinkOptions OptionsOf(const SettingsValues& values) {
    LinkOptions options;
    options.lowercaseHashes = values.lowercaseHashes;
    options.partHashes = values.partHashes;
    options.aichHash = values.aichHash;
    return options;
}

}  // namespace

QString RerenderLink(const QString& link, const KeptDigests& kept, const SettingsValues& values) {
    const std::u16string text =
        RerenderedEd2kLink(std::u16string_view(reinterpret_cast<const char16_t*>(link.utf16()),
                                               static_cast<std::size_t>(link.size())),
                           kept.chunkDigests, kept.aich, OptionsOf(values));
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QString MagnetForLink(const QString& link, const QByteArray& sha1Hex, const KeptDigests& kept,
                      const SettingsValues& values) {
    const auto sha1 = Sha1FromHex(sha1Hex);
    if (!sha1) {
        return {};
    }
    const QByteArray utf8 = link.toUtf8();
    const std::string magnet =
        MagnetOfEd2kLink(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                         *sha1, kept.aich, OptionsOf(values));
    return magnet.empty() ? QString() : QString::fromStdString(magnet);
}

}  // namespace lm
