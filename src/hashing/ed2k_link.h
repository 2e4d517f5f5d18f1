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

// The link's name field for a name: the name as it is, but for what other
// programs would read differently. Percent-encoded are "|" (%7C), every
// control character (U+0000-U+001F, U+007F), each byte of the name that is
// not UTF-8 (the code units U+DC80-U+DCFF that stand for such bytes in the
// program's text of a path, %80-%FF) and a "%" that two hexadecimal digits
// follow (%25). Everything else, "%" alone included, is copied unchanged.
std::u16string Ed2kNameField(std::u16string_view name);

// "ed2k://|file|NAME|SIZE|HASH|" with an optional "/", NAME as
// Ed2kNameField gives it. partHashes and aichHash need the digests and are
// ignored here.
std::u16string Ed2kLink(std::u16string_view fileName, std::uint64_t size, const Digest16& hash,
                        const LinkOptions& options);

// The link of one variant of a file's hash:
// "ed2k://|file|NAME|SIZE|HASH|p=H1:H2:...|h=AICH|" with an optional "/".
// "p=" comes with partHashes where PartHashes() has any; "h=" with aichHash
// where the pass computed the AICH root. With both off this is the link above.
std::u16string Ed2kLink(std::u16string_view fileName, const FileDigests& digests,
                        Ed2kVariant variant, const LinkOptions& options);

// The link of a file whose pass is over, from what was kept of it: its name
// (`nameField`, as a link holds it: not escaped again),
// size and link hash, and, where they were kept, the MD4 digests of its
// chunks (FileDigests::chunkDigests) and its AICH root. The chunk digests
// also tell which of the two hashes of an exact multiple of the chunk size
// `hash` is; digests that give neither hash are not this file's and are not
// used. Otherwise as the link of FileDigests above.
std::u16string Ed2kLinkFromParts(std::u16string_view nameField, std::uint64_t size,
                                 const Digest16& hash, const std::vector<Digest16>& chunkDigests,
                                 const std::optional<Digest20>& aich, const LinkOptions& options);

// What an ed2k file link says:
//   ed2k://|file|NAME|SIZE|HASH|[p=H1:H2:...|][h=AICH|][/]
// and what other clients add after the hash: "s=URL|" fields, and eMule's
// "/|sources,HOST:PORT,...|/" tail. The link is read from its end, so that
// a name that holds "|" unescaped (as older links do) is read whole.
template <class Char>
struct Ed2kLinkText {
    std::basic_string_view<Char> nameField;  // as the link holds it, escapes and all
    std::uint64_t size = 0;
    Digest16 hash{};
    std::vector<Digest16> partHashes;  // "p=", in the link's order
    std::optional<Digest20> aich;      // "h="
    bool trailingSlash = false;        // the link ends with "|/"
    bool otherFields = false;          // "s=", "sources," or another client's field
};

// Nothing when `text` is not an ed2k file link, or a field is malformed (a
// hash of the wrong length, a size beyond 64 bits, an empty name, part
// hashes or a root that are not digests).
std::optional<Ed2kLinkText<char>> ParseEd2kLink(std::string_view text);
std::optional<Ed2kLinkText<char16_t>> ParseEd2kLink(std::u16string_view text);

// The link with its digests (the hash, the part hashes and the AICH root)
// in lower case (`lower`) or upper case; the scheme, the name, the size, the
// field names and other clients' fields keep theirs. A text that is not a
// link comes back unchanged.
std::u16string RecasedEd2kLink(std::u16string_view link, bool lower);

// A link the program made, rendered anew with `options`: the digests in the
// case of lowercaseHashes, "p=" with partHashes, "h=" with aichHash. The
// name and the trailing slash stay as the link has them (stripPath and
// trailingSlash act on links made afterwards only). The part hashes come
// from `chunkDigests` (the MD4 digests of the file's chunks, where they were
// kept) or else from the link's own "p=", the AICH root from `aich` or else
// from the link's "h="; an option that is on without either adds nothing.
// A text that is not an ed2k file link, or that holds other clients' fields
// (they would be lost), comes back unchanged.
std::u16string RerenderedEd2kLink(std::u16string_view link,
                                  const std::vector<Digest16>& chunkDigests,
                                  const std::optional<Digest20>& aich, const LinkOptions& options);

// The bytes a percent-encoded text stands for: each "%" with two
// hexadecimal digits becomes that byte; anything else stays as it is.
std::string PercentDecoded(std::string_view text);

}  // namespace lm
