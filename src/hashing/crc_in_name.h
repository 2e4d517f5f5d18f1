// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace lm {

// What the file name says about the file's CRC-32. The values double as the
// index of the row's lamp picture.
enum CrcStatus : int {
    crcNotFound = 11,  // no CRC-32 in the name
    crcMatches = 12,   // the name carries the file's CRC-32
    crcNoHash = 13,    // not hashed yet
    crcMismatch = 14,  // the name carries eight hex digits that are not the CRC-32
};

// The 1-based position of the first run of exactly eight hexadecimal digits
// with a non-hexadecimal character on each side; 0 when there is none. A run
// at the very start or end of the name therefore does not count.
int FindCRCInName(std::u16string_view name);

// The verdict for a hashed file: `fileName` may carry a path, `crcText` is
// the file's CRC-32 as eight hexadecimal digits in either case.
CrcStatus CheckCrcInName(std::u16string_view fileName, std::string_view crcText);

}  // namespace lm
