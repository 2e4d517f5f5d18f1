// SPDX-License-Identifier: MIT
#include "magnet_link.h"

#include "base32.h"
#include "hash_text.h"

namespace lm {

namespace {

bool Unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

}  // namespace

std::string PercentEncoded(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (Unreserved(c)) {
            out.push_back(ch);
        } else {
            out.push_back('%');
            out.push_back(kDigits[c >> 4]);
            out.push_back(kDigits[c & 15]);
        }
    }
    return out;
}

std::string MagnetLink(std::string_view fileName, const FileDigests& digests, Ed2kVariant variant,
                       const LinkOptions& options) {
    const bool lower = options.lowercaseHashes;
    std::string link = "magnet:?xt=urn:ed2k:";
    link += HexText(Ed2kHashOf(digests, variant), lower);
    link += "&xl=";
    link += std::to_string(digests.size);
    link += "&dn=";
    link += PercentEncoded(options.stripPath ? NameWithoutPath(fileName) : fileName);
    if (options.aichHash && digests.aich) {
        link += "&xt=urn:aich:";
        link += Base32Text(*digests.aich, lower);
    }
    link += "&xt=urn:sha1:";
    link += Base32Text(digests.sha1, lower);
    return link;
}

std::string MagnetOfEd2kLink(std::string_view link, const Digest20& sha1,
                             const std::optional<Digest20>& aich, const LinkOptions& options) {
    const std::optional<Ed2kLinkText<char>> fields = ParseEd2kLink(link);
    if (!fields) {
        return {};
    }
    FileDigests digests;
    digests.size = fields->size;
    digests.ed2k = fields->hash;
    digests.sha1 = sha1;
    digests.aich = aich ? aich : fields->aich;
    LinkOptions asStored = options;
    asStored.stripPath = false;
    return MagnetLink(PercentDecoded(fields->nameField), digests, Ed2kVariant::First, asStored);
}

}  // namespace lm
