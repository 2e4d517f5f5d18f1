// SPDX-License-Identifier: MIT
#include "hash_base.h"

namespace lm {

void TDCP_hash::UpdateFromStream(ByteStream& stream, std::uint64_t size) {
    constexpr std::size_t kPiece = 8192;
    std::uint8_t buffer[kPiece];
    while (size > 0) {
        std::size_t want = size < kPiece ? static_cast<std::size_t>(size) : kPiece;
        std::size_t got = stream.Read(buffer, want);
        Update(buffer, static_cast<std::uint32_t>(got));
        size -= want;
    }
}

void TDCP_hash::UpdateFromString(std::string_view text) {
    Update(text.data(), static_cast<std::uint32_t>(text.size()));
}

}  // namespace lm
