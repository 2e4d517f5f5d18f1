// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ed2k_link.h"

namespace lm {

// "magnet:?xt=urn:ed2k:HASH&xl=SIZE&dn=NAME", then "&xt=urn:aich:AICH" with
// options.aichHash where the pass computed the AICH root, then
// "&xt=urn:sha1:SHA1" (base32). `fileName` is the name's bytes (UTF-8 for
// text); every byte but the unreserved characters of RFC 3986 (A-Z a-z 0-9
// - . _ ~) is percent-encoded. stripPath and lowercaseHashes apply as in
// the ed2k link; the slash and part-hash options do not.
std::string MagnetLink(std::string_view fileName, const FileDigests& digests, Ed2kVariant variant,
                       const LinkOptions& options);

// The magnet link of an ed2k file link (`link` as UTF-8) and of the file's
// SHA-1, as MagnetLink writes it: the name is the link's with its escapes
// decoded, so that a byte that is not UTF-8 is encoded once; the AICH root
// comes from `aich` or else from the link's "h=". stripPath does not apply:
// the name stays as the link has it. Empty for a text that is not an ed2k
// file link.
std::string MagnetOfEd2kLink(std::string_view link, const Digest20& sha1,
                             const std::optional<Digest20>& aich, const LinkOptions& options);

// The percent-encoding used for the name.
std::string PercentEncoded(std::string_view bytes);

}  // namespace lm
