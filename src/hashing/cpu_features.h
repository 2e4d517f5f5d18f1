// SPDX-License-Identifier: MIT
#pragma once

namespace lm {

// The processor extensions the fast hash variants use.
struct CpuFeatures {
    bool shaNi = false;   // SHA1RNDS4 and friends, with SSSE3 and SSE4.1
    bool pclmul = false;  // PCLMULQDQ with SSE4.1
    // VPCLMULQDQ on 256-bit registers, with AVX2 and the operating system
    // saving those registers
    bool vpclmul = false;
};

// Asks the processor itself, ignoring the environment.
CpuFeatures DetectCpuFeatures();

// LINKMINT_PORTABLE set to anything but "" or "0" switches every extension
// off, so the portable code runs even on a processor with the extensions.
CpuFeatures ApplyPortableOverride(CpuFeatures hardware, const char* portableValue);

// What the dispatchers use: the processor's extensions after the
// LINKMINT_PORTABLE override, worked out once on first use.
const CpuFeatures& ActiveCpuFeatures();

}  // namespace lm
