// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>
#include <vector>

#include "file_data.h"
#include "settings.h"

namespace lm {

// A link the program made, rendered anew with the link options now in
// `values`: "p=" with partHashes, "h=" with aichHash, the hashes in the case
// of lowercaseHashes. The name and the trailing slash stay as they are in
// the link, as re-casing leaves them: Strip File Paths and Include Trailing
// Slash act on links made afterwards only. Part hashes and the AICH root
// come from `kept`, or else from the link itself; an option that is on
// without either adds nothing. A text that is not an ed2k file link comes
// back unchanged.
QString RerenderLink(const QString& link, const KeptDigests& kept, const SettingsValues& values);

// The magnet link of a link the program made, with the entry's SHA-1 (its
// hexadecimal text): "magnet:?xt=urn:ed2k:HASH&xl=SIZE&dn=NAME", then
// "&xt=urn:aich:AICH" with aichHash where `kept` or the link has the root,
// then "&xt=urn:sha1:SHA1" in base32. The name is the link's, as UTF-8,
// percent-encoded; the hashes follow lowercaseHashes. Empty for a text that
// is not an ed2k file link, or without a SHA-1.
QString MagnetForLink(const QString& link, const QByteArray& sha1Hex, const KeptDigests& kept,
                      const SettingsValues& values);

}  // namespace lm
