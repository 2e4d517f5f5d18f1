// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace lm {

// A source of bytes, read from its current position onwards.
class ByteStream {
public:
    virtual ~ByteStream() = default;
    // Reads up to `count` bytes into `buffer`; returns how many were read.
    // Fewer than asked means the stream has ended.
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
};

// Reads from a block of memory the stream does not own.
class MemoryByteStream : public ByteStream {
public:
    explicit MemoryByteStream(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t Read(void* buffer, std::size_t count) override;

    std::size_t Position() const { return position_; }
    void SetPosition(std::size_t position) {
        position_ = position < bytes_.size() ? position : bytes_.size();
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

}  // namespace lm
