#pragma once

#include <QString>

#include <optional>
#include <vector>

#include "ed2k_digest.h"
#include "settings.h"

namespace lm {

// What a listed file keeps of its pass beyond its texts, so that its link
// can follow the link options: FileDigests::chunkDigests and, when the pass
// computed it, FileDigests::aich. Both empty for an entry that kept nothing
// (one restored from the settings file).
struct KeptDigests {
    std::vector<Digest16> chunkDigests;
    std::optional<Digest20> aich;
};

// A link the program made, rendered anew with the link options now in
// `values`: "p=" with partHashes, "h=" with aichHash, the hashes in the case
// of lowercaseHashes. The name and the trailing slash stay as they are in
// the link, as re-casing leaves them: Strip File Paths and Include Trailing
// Slash act on links made afterwards only. Part hashes and the AICH root
// come from `kept`, or else from the link itself; an option that is on
// without either adds nothing. A text that is not an ed2k file link comes
// back unchanged.
QString RerenderLink(const QString& link, const KeptDigests& kept, const SettingsValues& values);

}  // namespace lm
