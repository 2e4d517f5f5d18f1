// SPDX-License-Identifier: MIT
#pragma once

// Every implementation of the hash primitives, callable one by one, for the
// tests that compare them and the benchmarks that time them. Production code
// calls Md4Compress, Md5Compress, Sha1Compress and CrcUpdateBuffer, which
// pick the fastest variant the processor can run.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lm {

using BlockCompressFn = void (*)(std::uint32_t* state, const std::uint8_t* blocks,
                                 std::size_t blockCount);
using CrcUpdateFn = std::uint32_t (*)(const void* buffer, std::size_t length, std::uint32_t reg);

// MD4 and MD5 written plainly from the RFCs, for checking the unrolled
// Md4Compress and Md5Compress and the side-by-side Md4Md5Compress, which
// the lists below give as "beside-md5" and "beside-md4".
void Md4CompressReference(std::uint32_t* state, const std::uint8_t* blocks, std::size_t blockCount);
void Md5CompressReference(std::uint32_t* state, const std::uint8_t* blocks, std::size_t blockCount);

// SHA-1 in plain C++, and with the SHA extensions (call it only when
// DetectCpuFeatures().shaNi is true).
void Sha1CompressPortable(std::uint32_t* state, const std::uint8_t* blocks, std::size_t blockCount);
void Sha1CompressShaNi(std::uint32_t* state, const std::uint8_t* blocks, std::size_t blockCount);

// CRC-32 register updates, all with the same semantics as CrcUpdateBuffer.
// Bytewise is the one-table reference; Pclmul needs DetectCpuFeatures().pclmul.
std::uint32_t CrcUpdateBytewise(const void* buffer, std::size_t length, std::uint32_t reg);
std::uint32_t CrcUpdateSlicing8(const void* buffer, std::size_t length, std::uint32_t reg);
std::uint32_t CrcUpdatePclmul(const void* buffer, std::size_t length, std::uint32_t reg);
// The same folding on 256-bit registers; needs DetectCpuFeatures().vpclmul.
std::uint32_t CrcUpdateVpclmul(const void* buffer, std::size_t length, std::uint32_t reg);

template <typename Fn>
struct HashVariant {
    const char* name;
    Fn fn;
    bool supported;  // the processor can run it (LINKMINT_PORTABLE aside)
};

// Each list starts with the plainest variant, the one the others must match.
std::vector<HashVariant<BlockCompressFn>> Md4Variants();
std::vector<HashVariant<BlockCompressFn>> Md5Variants();
std::vector<HashVariant<BlockCompressFn>> Sha1Variants();
std::vector<HashVariant<CrcUpdateFn>> CrcVariants();

// The names of the variants Sha1Compress and CrcUpdateBuffer settled on.
const char* Sha1ActiveVariant();
const char* CrcActiveVariant();

}  // namespace lm
