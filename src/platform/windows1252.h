// SPDX-License-Identifier: MIT
#pragma once

#include <array>

namespace lm {

// Windows-1252, the 8-bit "ANSI" code page of files written on Windows:
// bytes 80 to 9F as below, the rest as ISO 8859-1. The five bytes the code
// page leaves undefined (81, 8D, 8F, 90, 9D) stand for the C1 controls of
// the same value, as Windows has them.
inline constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

constexpr char16_t Windows1252ToUnicode(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : char16_t{byte};
}

}  // namespace lm
