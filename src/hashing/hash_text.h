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

}  // namespace lm
