// SPDX-License-Identifier: MIT
#include "hash_text.h"

namespace lm {

namespace {

const char* Digits(bool lowercase) {
    return lowercase ? "0123456789abcdef" : "0123456789ABCDEF";
}

}  // namespace

std::string HexText(std::span<const std::uint8_t> bytes, bool lowercase) {
    const char* digits = Digits(lowercase);
    std::string text(bytes.size() * 2, '0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        text[2 * i] = digits[bytes[i] >> 4];
        text[2 * i + 1] = digits[bytes[i] & 15];
    }
    return text;
}

std::string CrcText(std::uint32_t crc, bool lowercase) {
    const char* digits = Digits(lowercase);
    std::string text(8, '0');
    for (int i = 7; i >= 0; --i, crc >>= 4) {
        text[static_cast<std::size_t>(i)] = digits[crc & 15];
    }
    return text;
}

}  // namespace lm
