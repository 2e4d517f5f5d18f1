// SPDX-License-Identifier: MIT
#include "crc_in_name.h"

#include "ed2k_link.h"

namespace lm {

namespace {

// Upper-cases a-z only. The checks below care about hexadecimal digits, and
// no letter outside a-f upper-cases to A-F, so a full Unicode mapping would
// give the same verdicts.
std::u16string UpperAscii(std::u16string_view text) {
    std::u16string upper(text);
    for (char16_t& c : upper) {
        if (c >= u'a' && c <= u'z') {
            c = static_cast<char16_t>(c - u'a' + u'A');
        }
    }
    return upper;
}

bool IsHexDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
}

}  // namespace

int FindCRCInName(std::u16string_view name) {
    const std::u16string upper = UpperAscii(name);
    const std::size_t len = upper.size();
    // p counts from 1, as the returned position does.
    for (std::size_t p = 2; p + 8 <= len; ++p) {
        if (IsHexDigit(upper[p - 2]) || IsHexDigit(upper[p + 7])) {
            continue;
        }
        bool allHex = true;
        for (std::size_t i = p - 1; i < p + 7 && allHex; ++i) {
            allHex = IsHexDigit(upper[i]);
        }
        if (allHex) {
            return static_cast<int>(p);
        }
    }
    return 0;
}

CrcStatus CheckCrcInName(std::u16string_view fileName, std::string_view crcText) {
    const std::u16string name = UpperAscii(NameWithoutPath(fileName));
    std::u16string crc;
    for (char c : crcText) {
        crc.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
    }
    crc = UpperAscii(crc);
    if (!crc.empty() && name.find(crc) != std::u16string::npos) {
        return crcMatches;
    }
    return FindCRCInName(name) != 0 ? crcMismatch : crcNotFound;
}

}  // namespace lm
