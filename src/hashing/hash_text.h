// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

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

// The N bytes that 2N hexadecimal digits of either case spell, first byte
// first; nothing for any other text.
template <std::size_t N, class Char>
std::optional<std::array<std::uint8_t, N>> HexBytes(std::basic_string_view<Char> text) {
    if (text.size() != 2 * N) {
        return std::nullopt;
    }
    std::array<std::uint8_t, N> out{};
    for (std::size_t i = 0; i < N; ++i) {
        const int high = HexDigitValue(text[2 * i]);
        const int low = HexDigitValue(text[2 * i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        out[i] = static_cast<std::uint8_t>(high << 4 | low);
    }
    return out;
}

}  // namespace lm
