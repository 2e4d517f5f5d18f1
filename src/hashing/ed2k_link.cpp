// SPDX-License-Identifier: MIT
#include "ed2k_link.h"

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

std::u16string Ed2kLinkFromParts(std::u16string_view fileName, std::uint64_t size,
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
    return Ed2kLink(fileName, digests, variant, options);
}

}  // namespace lm
