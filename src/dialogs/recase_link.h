// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "file_data.h"

namespace lm {

// The link with its hash, part hashes and AICH root in lower case (`lower`)
// or upper case, as RecasedEd2kLink does; a text that is not an ed2k file
// link comes back unchanged.
QString RecaseLink(const QString& link, bool lower);

// Re-cases an entry's link and its CRC-32, MD5 and SHA-1 texts.
void RecaseEntry(TFileData& entry, bool lower);

}  // namespace lm
