// SPDX-License-Identifier: MIT
#include "self_test.h"

#include <cstdint>

namespace lm {

bool DigestMatches(TDCP_hash& hash, std::string_view input, std::string_view expectedHex) {
    std::uint8_t digest[64];
    const int bytes = hash.HashSize() / 8;
    if (bytes <= 0 || static_cast<std::size_t>(bytes) * 2 != expectedHex.size()) {
        return false;
    }
    hash.Init();
    hash.UpdateFromString(input);
    hash.Final(digest);
    constexpr char kDigits[] = "0123456789abcdef";
    for (int i = 0; i < bytes; ++i) {
        if (expectedHex[2 * i] != kDigits[digest[i] >> 4] ||
            expectedHex[2 * i + 1] != kDigits[digest[i] & 15]) {
            return false;
        }
    }
    return true;
}

}  // namespace lm
