// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "hash_base.h"

namespace lm {

// Hashes `input` with a fresh Init/UpdateFromString/Final and compares the
// digest with `expectedHex` (lower-case hexadecimal).
bool DigestMatches(TDCP_hash& hash, std::string_view input, std::string_view expectedHex);

}  // namespace lm
