#pragma once

#include <string>
#include <string_view>

namespace lm::cli {

// Paths on Linux are bytes, usually UTF-8. These two conversions round-trip
// any byte string: a byte that is not part of valid UTF-8 becomes the lone
// surrogate U+DC80 + byte and turns back into that byte on the way out.
std::u16string BytesToUtf16(std::string_view bytes);
std::string Utf16ToBytes(std::u16string_view text);

}  // namespace lm::cli
