// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "file_data.h"

namespace lm {

// The link with everything after its fourth "|" in lower case (`lower`) or
// upper case: the scheme, "file", the name and the size keep theirs, and so
// do the "p=" and "h=" that name the part hashes and the AICH root. A name
// that holds "|" keeps its case too: the hash is found from the end, as the
// last field before those two. A link with fewer than four "|" comes back
// unchanged.
QString RecaseLink(const QString& link, bool lower);

// Re-cases an entry's link and its CRC-32, MD5 and SHA-1 texts.
void RecaseEntry(TFileData& entry, bool lower);

}  // namespace lm
