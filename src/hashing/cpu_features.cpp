// SPDX-License-Identifier: MIT
#include "cpu_features.h"

#include <cstdlib>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

namespace lm {

CpuFeatures DetectCpuFeatures() {
    CpuFeatures found;
#if defined(__x86_64__) || defined(__i386__)
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (__get_cpuid(1, &eax, &ebx, &ecx, &edx) == 0) {
        return found;
    }
    const bool ssse3 = (ecx & (1u << 9)) != 0;
    const bool sse41 = (ecx & (1u << 19)) != 0;
    const bool pclmul = (ecx & (1u << 1)) != 0;
    const bool osxsave = (ecx & (1u << 27)) != 0;
    const bool avx = (ecx & (1u << 28)) != 0;
    bool sha = false, avx2 = false, vpclmul = false;
    if (__get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx) != 0) {
        sha = (ebx & (1u << 29)) != 0;
        avx2 = (ebx & (1u << 5)) != 0;
        vpclmul = (ecx & (1u << 10)) != 0;
    }
    // The 256-bit registers are usable only if the operating system saves
    // them on a context switch (XCR0 bits 1 and 2).
    bool ymmSaved = false;
    if (osxsave && avx) {
        unsigned lo = 0, hi = 0;
        __asm__("xgetbv" : "=a"(lo), "=d"(hi) : "c"(0));
        ymmSaved = (lo & 6u) == 6u;
    }
    found.shaNi = sha && ssse3 && sse41;
    found.pclmul = pclmul && sse41;
    found.vpclmul = found.pclmul && vpclmul && avx2 && ymmSaved;
#endif
    return found;
}

CpuFeatures ApplyPortableOverride(CpuFeatures hardware, const char* portableValue) {
    if (portableValue != nullptr && portableValue[0] != '\0' &&
        !(portableValue[0] == '0' && portableValue[1] == '\0')) {
        return CpuFeatures{};
    }
    return hardware;
}

const CpuFeatures& ActiveCpuFeatures() {
    static const CpuFeatures active =
        ApplyPortableOverride(DetectCpuFeatures(), std::getenv("LINKMINT_PORTABLE"));
    return active;
}

}  // namespace lm
