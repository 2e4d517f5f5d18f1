// SPDX-License-Identifier: MIT
// Differential check of the hash primitives: every variant the processor can
// run must give what the plainest one gives, for random data, random initial
// states and registers, and buffers at every alignment. The digest classes
// must not depend on how their input is split into Update calls.

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "crc32.h"
#include "hash_variants.h"
#include "md4.h"
#include "md5.h"
#include "sha1.h"

namespace {

using namespace lm;

[[noreturn]] void Fail(const char* what, const char* variant) {
    std::fprintf(stderr, "%s: variant %s disagrees with the reference\n", what, variant);
    std::abort();
}

// Whole blocks from the input, copied to an offset within an aligned buffer
// so that the variants also see misaligned data.
void CheckCompress(const char* what, const std::vector<HashVariant<BlockCompressFn>>& variants,
                   BlockCompressFn production, std::size_t words, FuzzedDataProvider& input) {
    std::array<std::uint32_t, 5> initial{};
    for (std::size_t w = 0; w < words; ++w) {
        initial[w] = input.ConsumeIntegral<std::uint32_t>();
    }
    const std::size_t offset = input.ConsumeIntegralInRange<std::size_t>(0, 15);
    const std::size_t blocks = input.ConsumeIntegralInRange<std::size_t>(0, 8);
    std::vector<std::uint8_t> storage(offset + blocks * 64);
    const std::vector<std::uint8_t> bytes = input.ConsumeBytes<std::uint8_t>(blocks * 64);
    if (!bytes.empty()) {
        std::memcpy(storage.data() + offset, bytes.data(), bytes.size());
    }
    const std::uint8_t* data = storage.data() + offset;

    std::array<std::uint32_t, 5> expected = initial;
    variants.front().fn(expected.data(), data, blocks);

    const auto check = [&](const char* name, BlockCompressFn fn) {
        std::array<std::uint32_t, 5> state = initial;
        fn(state.data(), data, blocks);
        if (state != expected) {
            Fail(what, name);
        }
        // Block by block gives the same state as all blocks in one call.
        state = initial;
        for (std::size_t b = 0; b < blocks; ++b) {
            fn(state.data(), data + 64 * b, 1);
        }
        if (state != expected) {
            Fail(what, name);
        }
    };
    for (const auto& variant : variants) {
        if (variant.supported) {
            check(variant.name, variant.fn);
        }
    }
    check("production", production);
}

void CheckCrc(FuzzedDataProvider& input) {
    const std::uint32_t reg = input.ConsumeIntegral<std::uint32_t>();
    const std::size_t offset = input.ConsumeIntegralInRange<std::size_t>(0, 63);
    const std::size_t length = input.ConsumeIntegralInRange<std::size_t>(0, 4096);
    const std::vector<std::uint8_t> bytes = input.ConsumeBytes<std::uint8_t>(length);
    // Exactly sized heap storage: reading a byte past the end trips ASan.
    const std::unique_ptr<std::uint8_t[]> storage(new std::uint8_t[offset + bytes.size()]);
    if (!bytes.empty()) {
        std::memcpy(storage.get() + offset, bytes.data(), bytes.size());
    }
    const std::uint8_t* data = storage.get() + offset;

    const auto variants = CrcVariants();
    const std::uint32_t expected = variants.front().fn(data, bytes.size(), reg);
    for (const auto& variant : variants) {
        if (variant.supported && variant.fn(data, bytes.size(), reg) != expected) {
            Fail("CRC-32", variant.name);
        }
    }
    if (CrcUpdateBuffer(data, bytes.size(), reg) != expected) {
        Fail("CRC-32", "production");
    }
    // Split in two, the register carried over.
    if (!bytes.empty()) {
        const std::size_t cut = reg % (bytes.size() + 1);
        for (const auto& variant : variants) {
            if (variant.supported && variant.fn(data + cut, bytes.size() - cut,
                                                variant.fn(data, cut, reg)) != expected) {
                Fail("CRC-32 split", variant.name);
            }
        }
    }
}

// One Update with everything against Updates at random split points.
template <class Digest>
void CheckSplitUpdates(FuzzedDataProvider& input) {
    const std::size_t pieces = input.ConsumeIntegralInRange<std::size_t>(1, 12);
    std::vector<std::size_t> sizes;
    for (std::size_t i = 0; i < pieces; ++i) {
        sizes.push_back(input.ConsumeIntegralInRange<std::size_t>(0, 300));
    }
    const std::vector<std::uint8_t> data = input.ConsumeBytes<std::uint8_t>(4096);

    Digest whole;
    whole.Init();
    whole.Update(data.data(), static_cast<std::uint32_t>(data.size()));
    std::array<std::uint8_t, 20> expected{};
    whole.Final(expected.data());

    Digest split;
    split.Init();
    std::size_t done = 0;
    for (std::size_t i = 0; done < data.size(); ++i) {
        const std::size_t size =
            i < sizes.size() ? std::min(sizes[i], data.size() - done) : data.size() - done;
        split.Update(data.data() + done, static_cast<std::uint32_t>(size));
        done += size;
    }
    std::array<std::uint8_t, 20> got{};
    split.Final(got.data());
    if (got != expected) {
        Fail("split updates", whole.Algorithm().c_str());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    switch (input.ConsumeIntegralInRange<int>(0, 6)) {
        case 0:
            CheckCompress("MD4", Md4Variants(), Md4Compress, 4, input);
            break;
        case 1:
            CheckCompress("MD5", Md5Variants(), Md5Compress, 4, input);
            break;
        case 2:
            CheckCompress("SHA-1", Sha1Variants(), Sha1Compress, 5, input);
            break;
        case 3:
            CheckCrc(input);
            break;
        case 4:
            CheckSplitUpdates<TDCP_md4>(input);
            break;
        case 5:
            CheckSplitUpdates<TDCP_md5>(input);
            break;
        default:
            CheckSplitUpdates<TDCP_sha1>(input);
            break;
    }
    return 0;
}
