// SPDX-License-Identifier: MIT
#include "hash_variants.h"

#include "cpu_features.h"
#include "md4.h"
#include "md5.h"

namespace lm {

std::vector<HashVariant<BlockCompressFn>> Md4Variants() {
    return {{"reference", Md4CompressReference, true}, {"unrolled", Md4Compress, true}};
}

std::vector<HashVariant<BlockCompressFn>> Md5Variants() {
    return {{"reference", Md5CompressReference, true}, {"unrolled", Md5Compress, true}};
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
