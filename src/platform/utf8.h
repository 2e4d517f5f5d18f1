// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lm {

// Length of the valid UTF-8 sequence at the start of `s` (not empty), with
// its code point in `cp`, or 0 when it does not start one: overlong forms,
// surrogates and code points above U+10FFFF are not valid.
std::size_t Utf8SequenceLength(std::string_view s, char32_t& cp);

bool IsValidUtf8(std::string_view s);

// Appends the UTF-8 of a code point up to U+10FFFF.
void AppendUtf8(std::string& out, char32_t cp);

}  // namespace lm
