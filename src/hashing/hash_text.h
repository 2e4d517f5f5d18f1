// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace lm {

// Two hexadecimal digits per byte, first byte first, no separators.
std::string HexText(std::span<const std::uint8_t> bytes, bool lowercase = false);

// Eight hexadecimal digits, most significant first, zero padded.
std::string CrcText(std::uint32_t crc, bool lowercase = false);

// The value of a hexadecimal digit of either case; -1 for any other character.
template <class Char>
constexpr int HexDigitValue(Char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<int>(c - '0');
    }
    if (c >= 'a' && c <= 'f') {
        return static_cast<int>(c - 'a' + 10);
    }
    if (c >= 'A' && c <= 'F') {
        return static_cast<int>(c - 'A' + 10);
    }
    return -1;
}

}  // namespace lm
