#include "ed2k_link.h"

#include "base32.h"
#include "hash_text.h"

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

std::u16string LinkUpToHash(std::u16string_view fileName, std::uint64_t size, const Digest16& hash,
                            const LinkOptions& options) {
    std::u16string link = u"ed2k://|file|";
    link += options.stripPath ? NameWithoutPath(fileName) : fileName;
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

}  // namespace

std::u16string_view NameWithoutPath(std::u16string_view path) {
    std::size_t cut = path.find_last_of(kPathSeparators);
    return cut == std::u16string_view::npos ? path : path.substr(cut + 1);
}

std::string_view NameWithoutPath(std::string_view path) {
    std::size_t cut = path.find_last_of(kPathSeparatorBytes);
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

std::u16string Ed2kLink(std::u16string_view fileName, std::uint64_t size, const Digest16& hash,
                        const LinkOptions& options) {
    std::u16string link = LinkUpToHash(fileName, size, hash, options);
    EndLink(link, options);
    return link;
}

std::u16string Ed2kLink(std::u16string_view fileName, const FileDigests& digests,
                        Ed2kVariant variant, const LinkOptions& options) {
    std::u16string link =
        LinkUpToHash(fileName, digests.size, Ed2kHashOf(digests, variant), options);
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

}  // namespace lm
