// SPDX-License-Identifier: MIT
#include "path_bytes.h"

#include <cstdint>

#include "utf8.h"

namespace lm {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;  // U+DC80..U+DCFF for bytes 80..FF
constexpr char16_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}
bool IsEscapedByte(char16_t c) {
    return c >= 0xDC80 && c <= 0xDCFF;
}

}  // namespace

std::u16string PathTextFromBytes(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        char32_t cp;
        const std::size_t length = Utf8SequenceLength(bytes, cp);
        if (length == 0) {
            // Never below 0x80: every ASCII byte is valid UTF-8.
            out.push_back(
                static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[0])));
            bytes.remove_prefix(1);
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
        bytes.remove_prefix(length);
    }
    return out;
}

std::string PathBytesFromText(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            AppendUtf8(out, 0x10000 + ((char32_t{c} - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (IsEscapedByte(c)) {
            out.push_back(static_cast<char>(c - kEscapeBase));
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            AppendUtf8(out, kReplacement);
        } else {
            AppendUtf8(out, c);
        }
    }
    return out;
}

std::u16string PathDisplayText(std::u16string_view text) {
    std::u16string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (IsHighSurrogate(out[i]) && i + 1 < out.size() && IsLowSurrogate(out[i + 1])) {
            ++i;  // a pair: a character beyond the first plane
        } else if (IsHighSurrogate(out[i]) || IsLowSurrogate(out[i])) {
            out[i] = kReplacement;
        }
    }
    return out;
}

bool HasEscapedBytes(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            ++i;
        } else if (IsEscapedByte(text[i])) {
            return true;
        }
    }
    return false;
}

}  // namespace lm
