// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace lm {

// On Linux a file name is a string of bytes, most often UTF-8 but not
// always (Latin-1 names on old disks, names cut inside a character). The
// program keeps paths as UTF-16 text, through one lossless mapping:
//
//   - valid UTF-8 becomes the text it spells, as usual;
//   - every byte that is not part of valid UTF-8 (always 0x80 to 0xFF)
//     becomes the lone low surrogate U+DC80 + (byte - 0x80), which valid
//     UTF-8 can never give, and turns back into that very byte.
//
// So PathBytesFromText(PathTextFromBytes(b)) == b for any bytes b. Standard
// C++ only, so that linkmint-cli uses the same mapping.
std::u16string PathTextFromBytes(std::string_view bytes);

// The way back. Text that did not come from bytes may hold other lone
// surrogates; each becomes the UTF-8 of U+FFFD.
std::string PathBytesFromText(std::u16string_view text);

// What the user is shown of a path: each byte that was not UTF-8, and any
// other lone surrogate, becomes U+FFFD, the replacement character. Never a
// lone surrogate, so the text is valid UTF-16 in a saved file or on the
// clipboard.
std::u16string PathDisplayText(std::u16string_view text);

// True when `text` holds a code unit that stands for a byte that was not
// UTF-8.
bool HasEscapedBytes(std::u16string_view text);

}  // namespace lm
