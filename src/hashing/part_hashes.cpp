// SPDX-License-Identifier: MIT
#include "part_hashes.h"

#include <stdexcept>

namespace lm {

std::vector<Digest16> PartHashes(const FileDigests& digests, Ed2kVariant variant) {
    std::vector<Digest16> parts = digests.chunkDigests;
    if (variant == Ed2kVariant::Second) {
        parts.push_back(EmptyChunkHash);
    }
    if (parts.size() < 2) {
        parts.clear();
    }
    return parts;
}

const Digest16& Ed2kHashOf(const FileDigests& digests, Ed2kVariant variant) {
    if (variant == Ed2kVariant::First) {
        return digests.ed2k;
    }
    if (!digests.hasSecondEd2k) {
        throw std::logic_error("this size has no second ed2k hash");
    }
    return digests.ed2kSecond;
}

}  // namespace lm
