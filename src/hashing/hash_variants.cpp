// SPDX-License-Identifier: MIT
#include "hash_variants.h"

#include "cpu_features.h"
#include "md4.h"
#include "md4_md5.h"
#include "md5.h"

namespace lm {

namespace {

// The side-by-side kernel seen from one of its two digests; the other one
// starts from its initial state and is thrown away.
constexpr std::uint32_t kMdInitial[4] = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476};

void Md4BesideMd5(std::uint32_t* state, const std::uint8_t* blocks, std::size_t blockCount) {
    std::uint32_t md5[4] = {kMdInitial[0], kMdInitial[1], kMdInitial[2], kMdInitial[3]};
    Md4Md5Compress(state, md5, blocks, blockCount);
}

void Md5BesideMd4(std::uint32_t* state, const std::uint8_t* blocks, std::size_t blockCount) {
    std::uint32_t md4[4] = {kMdInitial[0], kMdInitial[1], kMdInitial[2], kMdInitial[3]};
    Md4Md5Compress(md4, state, blocks, blockCount);
}

}  // namespace

std::vector<HashVariant<BlockCompressFn>> Md4Variants() {
    return {{"reference", Md4CompressReference, true},
            {"unrolled", Md4Compress, true},
            {"beside-md5", Md4BesideMd5, true}};
}

std::vector<HashVariant<BlockCompressFn>> Md5Variants() {
    return {{"reference", Md5CompressReference, true},
            {"unrolled", Md5Compress, true},
            {"beside-md4", Md5BesideMd4, true}};
}

std::vector<HashVariant<BlockCompressFn>> Sha1Variants() {
    const CpuFeatures hardware = DetectCpuFeatures();
    return {{"portable", Sha1CompressPortable, true}, {"shani", Sha1CompressShaNi, hardware.shaNi}};
}

std::vector<HashVariant<CrcUpdateFn>> CrcVariants() {
    const CpuFeatures hardware = DetectCpuFeatures();
    return {{"bytewise", CrcUpdateBytewise, true},
            {"slicing8", CrcUpdateSlicing8, true},
            {"pclmul", CrcUpdatePclmul, hardware.pclmul},
            {"vpclmul", CrcUpdateVpclmul, hardware.vpclmul}};
}

}  // namespace lm
