// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ed2k_digest.h"
#include "part_hashes.h"

namespace lm {

struct LinkOptions {
    bool stripPath = false;        // only the file name, not its directories
    bool lowercaseHashes = false;  // a-f instead of A-F (and a-z in base32)
    bool trailingSlash = true;     // end the link with "/"
    bool partHashes = false;       // "p=" with the part hashes, where the hash has them
    bool aichHash = false;         // "h=" with the AICH root, where the digests have it
};

// What follows the last path separator of `path`: "/" on Linux; "\" and ":"
// on Windows.
std::u16string_view NameWithoutPath(std::u16string_view path);
std::string_view NameWithoutPath(std::string_view path);

// "ed2k://|file|NAME|SIZE|HASH|" with an optional "/". The name is copied as
// it is: nothing is escaped. partHashes and aichHash need the digests and
// are ignored here.
std::u16string Ed2kLink(std::u16string_view fileName, std::uint64_t size, const Digest16& hash,
                        const LinkOptions& options);

// The link of one variant of a file's hash:
// "ed2k://|file|NAME|SIZE|HASH|p=H1:H2:...|h=AICH|" with an optional "/".
// "p=" comes with partHashes where PartHashes() has any; "h=" with aichHash
// where the pass computed the AICH root. With both off this is the link above.
std::u16string Ed2kLink(std::u16string_view fileName, const FileDigests& digests,
                        Ed2kVariant variant, const LinkOptions& options);

// The link of a file whose pass is over, from what was kept of it: its name,
// size and link hash, and, where they were kept, the MD4 digests of its
// chunks (FileDigests::chunkDigests) and its AICH root. The chunk digests
// also tell which of the two hashes of an exact multiple of the chunk size
// `hash` is; digests that give neither hash are not this file's and are not
// used. Otherwise as the link of FileDigests above.
std::u16string Ed2kLinkFromParts(std::u16string_view fileName, std::uint64_t size,
                                 const Digest16& hash, const std::vector<Digest16>& chunkDigests,
                                 const std::optional<Digest20>& aich, const LinkOptions& options);

}  // namespace lm
