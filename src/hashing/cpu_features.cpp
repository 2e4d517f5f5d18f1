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
    bool sha = false;
    if (__get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx) != 0) {
        sha = (ebx & (1u << 29)) != 0;
    }
    found.shaNi = sha && ssse3 && sse41;
    found.pclmul = pclmul && sse41;
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
