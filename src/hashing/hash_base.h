// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "byte_stream.h"

namespace lm {

// Raised when a digest is fed or finished without Init.
class EDCP_hash : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The common interface of the message digests. Calling order: Init, any
// number of Update calls, Final. After Final the digest is uninitialised
// until the next Init.
class TDCP_hash {
public:
    TDCP_hash() = default;
    TDCP_hash(const TDCP_hash&) = delete;
    TDCP_hash& operator=(const TDCP_hash&) = delete;
    virtual ~TDCP_hash() = default;

    virtual int Id() const { return -1; }
    virtual std::string Algorithm() const { return {}; }
    // Digest size in bits.
    virtual int HashSize() const { return -1; }
    // Hashes the published test inputs and compares with the published digests.
    virtual bool SelfTest() const { return false; }

    virtual void Init() {}
    // Writes HashSize() / 8 bytes to `digest`, then burns the state.
    virtual void Final(void* /*digest*/) {}
    // Wipes the state and leaves the digest uninitialised.
    virtual void Burn() {}
    virtual void Update(const void* /*buffer*/, std::uint32_t /*size*/) {}

    // Feeds `size` bytes read from the stream in pieces of 8,192 bytes. A
    // short read is not an error: only the bytes actually read are hashed.
    void UpdateFromStream(ByteStream& stream, std::uint64_t size);
    void UpdateFromString(std::string_view text);

    bool Initialized() const { return initialized_; }

protected:
    bool initialized_ = false;
};

}  // namespace lm
