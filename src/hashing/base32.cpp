// SPDX-License-Identifier: MIT
#include "base32.h"

namespace lm {

std::string Base32Text(std::span<const std::uint8_t> bytes, bool lowercase) {
    const char* alphabet =
        lowercase ? "abcdefghijklmnopqrstuvwxyz234567" : "ABCDEFGHIJKLMNOPQRSTUVWXYZ234567";
    std::string text;
    text.reserve((bytes.size() * 8 + 4) / 5);
    std::uint32_t bits = 0;
    int held = 0;
    for (std::uint8_t byte : bytes) {
        bits = (bits << 8) | byte;
        held += 8;
        while (held >= 5) {
            held -= 5;
            text.push_back(alphabet[(bits >> held) & 31]);
        }
    }
    if (held > 0) {
        text.push_back(alphabet[(bits << (5 - held)) & 31]);
    }
    return text;
}

std::optional<std::vector<std::uint8_t>> Base32Bytes(std::string_view text) {
    // Lengths whose last character holds 1 to 4 bits of a byte that is not there.
    switch (text.size() % 8) {
        case 1:
        case 3:
        case 6:
            return std::nullopt;
        default:
            break;
    }
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() * 5 / 8);
    std::uint32_t bits = 0;
    int held = 0;
    for (char c : text) {
        std::uint32_t value;
        if (c >= 'A' && c <= 'Z') {
            value = static_cast<std::uint32_t>(c - 'A');
        } else if (c >= 'a' && c <= 'z') {
            value = static_cast<std::uint32_t>(c - 'a');
        } else if (c >= '2' && c <= '7') {
            value = static_cast<std::uint32_t>(c - '2' + 26);
        } else {
            return std::nullopt;
        }
        bits = (bits << 5) | value;
        held += 5;
        if (held >= 8) {
            held -= 8;
            bytes.push_back(static_cast<std::uint8_t>(bits >> held));
        }
    }
    if ((bits & ((1u << held) - 1)) != 0) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace lm
