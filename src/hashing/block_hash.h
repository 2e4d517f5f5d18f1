// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "hash_base.h"

namespace lm {

// The part that MD4, MD5 and SHA-1 share: a 64-bit bit count kept in two
// 32-bit halves, a 64-byte block buffer with its fill index, and a chaining
// state of `Words` 32-bit words. `Compress` folds whole 64-byte blocks into
// the state; `BigEndianLength` says how the bit count is stored at the end.
template <std::size_t Words, bool BigEndianLength>
class BlockHashState {
public:
    using CompressFn = void (*)(std::uint32_t* state, const std::uint8_t* blocks,
                                std::size_t blockCount);

    void Load(const std::array<std::uint32_t, Words>& initial) {
        Wipe();
        state_ = initial;
    }

    void Absorb(const std::uint8_t* data, std::uint32_t size, CompressFn compress) {
        if (size == 0) {
            return;
        }
        CountBytes(size);

        if (index_ > 0) {
            std::uint32_t take = 64 - index_;
            if (take > size) {
                take = size;
            }
            std::memcpy(buffer_.data() + index_, data, take);
            index_ += take;
            data += take;
            size -= take;
            if (index_ < 64) {
                return;
            }
            compress(state_.data(), buffer_.data(), 1);
            index_ = 0;
        }
        if (size >= 64) {
            compress(state_.data(), data, size / 64);
            data += size & ~63u;
            size &= 63u;
        }
        if (size > 0) {
            std::memcpy(buffer_.data(), data, size);
            index_ = size;
        }
    }

    // Adds `size` bytes to the message length.
    void CountBytes(std::uint32_t size) {
        lenHi_ += size >> 29;
        std::uint32_t lo = lenLo_ + (size << 3);
        if (lo < lenLo_) {
            ++lenHi_;
        }
        lenLo_ = lo;
    }

    // Whether no part of a block waits in the buffer.
    bool AtBlockStart() const { return index_ == 0; }
    std::uint32_t* ChainingWords() { return state_.data(); }

    // Pads the message and writes the state out, each word in the byte order
    // of the length field.
    void Finish(std::uint8_t* digest, CompressFn compress) {
        buffer_[index_++] = 0x80;
        if (index_ > 56) {
            std::memset(buffer_.data() + index_, 0, 64 - index_);
            compress(state_.data(), buffer_.data(), 1);
            index_ = 0;
        }
        std::memset(buffer_.data() + index_, 0, 56 - index_);
        if constexpr (BigEndianLength) {
            PutBigEndian(buffer_.data() + 56, lenHi_);
            PutBigEndian(buffer_.data() + 60, lenLo_);
        } else {
            PutLittleEndian(buffer_.data() + 56, lenLo_);
            PutLittleEndian(buffer_.data() + 60, lenHi_);
        }
        compress(state_.data(), buffer_.data(), 1);
        for (std::size_t i = 0; i < Words; ++i) {
            if constexpr (BigEndianLength) {
                PutBigEndian(digest + 4 * i, state_[i]);
            } else {
                PutLittleEndian(digest + 4 * i, state_[i]);
            }
        }
    }

    void Wipe() {
        lenHi_ = 0;
        lenLo_ = 0;
        index_ = 0;
        // volatile keeps the compiler from dropping the wipe of a dying object.
        volatile std::uint8_t* b = buffer_.data();
        for (std::size_t i = 0; i < buffer_.size(); ++i) {
            b[i] = 0;
        }
        volatile std::uint32_t* s = state_.data();
        for (std::size_t i = 0; i < Words; ++i) {
            s[i] = 0;
        }
    }

private:
    static void PutLittleEndian(std::uint8_t* p, std::uint32_t v) {
        p[0] = static_cast<std::uint8_t>(v);
        p[1] = static_cast<std::uint8_t>(v >> 8);
        p[2] = static_cast<std::uint8_t>(v >> 16);
        p[3] = static_cast<std::uint8_t>(v >> 24);
    }
    static void PutBigEndian(std::uint8_t* p, std::uint32_t v) {
        p[0] = static_cast<std::uint8_t>(v >> 24);
        p[1] = static_cast<std::uint8_t>(v >> 16);
        p[2] = static_cast<std::uint8_t>(v >> 8);
        p[3] = static_cast<std::uint8_t>(v);
    }

    std::uint32_t lenHi_ = 0;
    std::uint32_t lenLo_ = 0;
    std::uint32_t index_ = 0;
    std::array<std::uint32_t, Words> state_{};
    std::array<std::uint8_t, 64> buffer_{};
};

// A digest class built on BlockHashState: Init, Update, Final and Burn with
// the "Hash not initialized" rule. The concrete class supplies the identity,
// the initial state, the compression function and the self test.
template <std::size_t Words, bool BigEndianLength>
class TDCP_blockhash : public TDCP_hash {
public:
    ~TDCP_blockhash() override {
        if (initialized_) {
            state_.Wipe();
        }
    }

    void Init() override {
        Burn();
        state_.Load(InitialState());
        initialized_ = true;
    }

    void Update(const void* buffer, std::uint32_t size) override {
        RequireInit();
        state_.Absorb(static_cast<const std::uint8_t*>(buffer), size, Compressor());
    }

    void Final(void* digest) override {
        RequireInit();
        state_.Finish(static_cast<std::uint8_t*>(digest), Compressor());
        Burn();
    }

    void Burn() override {
        state_.Wipe();
        initialized_ = false;
    }

    // For a caller that folds whole blocks into the chaining state itself, as
    // UpdateMd4Md5Sha1 does: the chaining words, or nullptr while part of a block
    // waits in the buffer. The caller then counts what it folded with
    // BlocksFolded.
    std::uint32_t* ChainingWordsAtBlockStart() {
        RequireInit();
        return state_.AtBlockStart() ? state_.ChainingWords() : nullptr;
    }
    void BlocksFolded(std::uint32_t blockCount) {
        RequireInit();
        state_.CountBytes(64 * blockCount);
    }

protected:
    using State = BlockHashState<Words, BigEndianLength>;
    virtual std::array<std::uint32_t, Words> InitialState() const = 0;
    virtual typename State::CompressFn Compressor() const = 0;

private:
    void RequireInit() const {
        if (!initialized_) {
            throw EDCP_hash("Hash not initialized");
        }
    }

    State state_;
};

}  // namespace lm
