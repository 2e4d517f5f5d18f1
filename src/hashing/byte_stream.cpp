// SPDX-License-Identifier: MIT
#include "byte_stream.h"

#include <cstring>

namespace lm {

std::size_t MemoryByteStream::Read(void* buffer, std::size_t count) {
    std::size_t available = bytes_.size() - position_;
    std::size_t n = count < available ? count : available;
    if (n > 0) {
        std::memcpy(buffer, bytes_.data() + position_, n);
        position_ += n;
    }
    return n;
}

}  // namespace lm
