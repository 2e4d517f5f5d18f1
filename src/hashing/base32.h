// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lm {

// RFC 4648 base32 without padding: the alphabet A-Z 2-7, five bits per
// character, the first byte's high bits first. A 20-byte digest gives 32
// characters.
std::string Base32Text(std::span<const std::uint8_t> bytes, bool lowercase = false);

// The bytes of a base32 text in either case, without padding; nothing when a
// character is outside the alphabet or the text cannot be the encoding of
// whole bytes (its length, or non-zero bits left over at the end).
std::optional<std::vector<std::uint8_t>> Base32Bytes(std::string_view text);

}  // namespace lm
