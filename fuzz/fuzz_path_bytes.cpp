// SPDX-License-Identifier: MIT
// Any bytes a file name may hold: to the program's text and back gives the
// same bytes; the text shown never holds a lone surrogate; and text that
// came from bytes says it has escapes exactly when the bytes were not UTF-8.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "path_bytes.h"

namespace {

bool ValidUtf16(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 >= text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) {
                return false;
            }
            ++i;
        } else if (c >= 0xDC00 && c <= 0xDFFF) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string text = lm::PathTextFromBytes(bytes);
    if (lm::PathBytesFromText(text) != bytes) {
        std::abort();
    }
    const std::u16string shown = lm::PathDisplayText(text);
    if (!ValidUtf16(shown) || shown.size() != text.size()) {
        std::abort();
    }
    if (lm::HasEscapedBytes(text) != (shown != text)) {
        std::abort();
    }
    // Any text, read as UTF-16 units, comes out as bytes that map to a text
    // with no other lone surrogates than escapes.
    std::u16string units(size / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    }
    const std::string out = lm::PathBytesFromText(units);
    if (lm::PathBytesFromText(lm::PathTextFromBytes(out)) != out) {
        std::abort();
    }
    return 0;
}
