#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ed2k_digest.h"

namespace lm {

struct LinkOptions {
    bool stripPath = false;        // only the file name, not its directories
    bool lowercaseHashes = false;  // a-f instead of A-F
    bool trailingSlash = true;     // end the link with "/"
};

// What follows the last path separator of `path`: "/" on Linux; "\" and ":"
// on Windows.
std::u16string_view NameWithoutPath(std::u16string_view path);

// "ed2k://|file|NAME|SIZE|HASH|" with an optional "/". The name is copied as
// it is: nothing is escaped.
std::u16string Ed2kLink(std::u16string_view fileName, std::uint64_t size, const Digest16& hash,
                        const LinkOptions& options);

}  // namespace lm
