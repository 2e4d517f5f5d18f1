// SPDX-License-Identifier: MIT
#include "crc32.h"

#include <cstring>

#include "cpu_features.h"
#include "hash_variants.h"

namespace lm {

namespace {

// Eight derived tables let the loop fold eight bytes per step ("slicing by
// 8"); the result is the same as running the bytes one by one through
// kCrcTable.
constexpr std::array<std::array<std::uint32_t, 256>, 8> MakeSlicingTables() {
    std::array<std::array<std::uint32_t, 256>, 8> t{};
    t[0] = kCrcTable;
    for (std::size_t k = 1; k < 8; ++k) {
        for (std::size_t i = 0; i < 256; ++i) {
            t[k][i] = (t[k - 1][i] >> 8) ^ kCrcTable[t[k - 1][i] & 0xFF];
        }
    }
    return t;
}

constexpr auto kSlices = MakeSlicingTables();

// Below this length the folding code has nothing to fold and the table wins.
constexpr std::size_t kShortBuffer = 64;

struct CrcChoice {
    const char* name;
    CrcUpdateFn fn;
};

const CrcChoice& ChosenCrc() {
    static const CrcChoice choice = [] {
        const CpuFeatures& cpu = ActiveCpuFeatures();
        if (cpu.vpclmul) {
            return CrcChoice{"vpclmul", CrcUpdateVpclmul};
        }
        if (cpu.pclmul) {
            return CrcChoice{"pclmul", CrcUpdatePclmul};
        }
        return CrcChoice{"slicing8", CrcUpdateSlicing8};
    }();
    return choice;
}

}  // namespace

std::uint32_t CrcUpdateBytewise(const void* buffer, std::size_t length, std::uint32_t reg) {
    const auto* p = static_cast<const std::uint8_t*>(buffer);
    while (length-- > 0) {
        reg = kCrcTable[(reg ^ *p++) & 0xFF] ^ (reg >> 8);
    }
    return reg;
}

std::uint32_t CrcUpdateSlicing8(const void* buffer, std::size_t length, std::uint32_t reg) {
    const auto* p = static_cast<const std::uint8_t*>(buffer);
    while (length >= 8) {
        std::uint32_t lo, hi;
        std::memcpy(&lo, p, 4);
        std::memcpy(&hi, p + 4, 4);
        lo ^= reg;
        reg = kSlices[7][lo & 0xFF] ^ kSlices[6][(lo >> 8) & 0xFF] ^ kSlices[5][(lo >> 16) & 0xFF] ^
              kSlices[4][lo >> 24] ^ kSlices[3][hi & 0xFF] ^ kSlices[2][(hi >> 8) & 0xFF] ^
              kSlices[1][(hi >> 16) & 0xFF] ^ kSlices[0][hi >> 24];
        p += 8;
        length -= 8;
    }
    while (length-- > 0) {
        reg = kCrcTable[(reg ^ *p++) & 0xFF] ^ (reg >> 8);
    }
    return reg;
}

std::uint32_t CrcUpdateBuffer(const void* buffer, std::size_t length, std::uint32_t reg) {
    if (length < kShortBuffer) {
        return CrcUpdateSlicing8(buffer, length, reg);
    }
    return ChosenCrc().fn(buffer, length, reg);
}

const char* CrcActiveVariant() {
    return ChosenCrc().name;
}

std::uint32_t CrcUpdateStream(ByteStream& stream, std::uint32_t reg) {
    constexpr std::size_t kPiece = 2048;
    std::uint8_t buffer[kPiece];
    for (;;) {
        std::size_t got = stream.Read(buffer, kPiece);
        reg = CrcUpdateBuffer(buffer, got, reg);
        if (got < kPiece) {
            return reg;
        }
    }
}

}  // namespace lm
