// SPDX-License-Identifier: MIT
// Throughput of every hash primitive variant the processor supports, on one
// ed2k chunk (9,728,000 bytes) of pseudo-random data.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "hash_variants.h"

namespace {

constexpr std::size_t kChunkBytes = 9728000;  // a multiple of 64

const std::vector<std::uint8_t>& Chunk() {
    static const std::vector<std::uint8_t> data = [] {
        std::vector<std::uint8_t> bytes(kChunkBytes);
        std::mt19937_64 rng(20261208);
        for (auto& b : bytes) {
            b = static_cast<std::uint8_t>(rng());
        }
        return bytes;
    }();
    return data;
}

// SetBytesProcessed reports binary megabytes; the MB counter is in 10^6 bytes.
void ReportBytes(benchmark::State& state, std::size_t perIteration) {
    const auto total =
        static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(perIteration);
    state.SetBytesProcessed(total);
    state.counters["MB"] =
        benchmark::Counter(static_cast<double>(total) / 1e6, benchmark::Counter::kIsRate);
}

void CompressChunk(benchmark::State& state, lm::BlockCompressFn fn) {
    const auto& data = Chunk();
    for (auto _ : state) {
        std::uint32_t h[5] = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
        fn(h, data.data(), data.size() / 64);
        benchmark::DoNotOptimize(h);
    }
    ReportBytes(state, data.size());
}

void CrcChunk(benchmark::State& state, lm::CrcUpdateFn fn) {
    const auto& data = Chunk();
    for (auto _ : state) {
        std::uint32_t reg = fn(data.data(), data.size(), 0xFFFFFFFFu);
        benchmark::DoNotOptimize(reg);
    }
    ReportBytes(state, data.size());
}

void RegisterCompress(const char* primitive,
                      const std::vector<lm::HashVariant<lm::BlockCompressFn>>& variants) {
    for (const auto& v : variants) {
        if (v.supported) {
            benchmark::RegisterBenchmark((std::string(primitive) + "/" + v.name).c_str(),
                                         CompressChunk, v.fn)
                ->Unit(benchmark::kMillisecond);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    RegisterCompress("MD4", lm::Md4Variants());
    RegisterCompress("MD5", lm::Md5Variants());
    RegisterCompress("SHA1", lm::Sha1Variants());
    for (const auto& v : lm::CrcVariants()) {
        if (v.supported) {
            benchmark::RegisterBenchmark((std::string("CRC32/") + v.name).c_str(), CrcChunk, v.fn)
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
