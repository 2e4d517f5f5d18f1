// SPDX-License-Identifier: MIT
#include "md5.h"

#include "md5_steps.h"
#include "self_test.h"
#include "word_ops.h"

namespace lm {

void Md5Compress(std::uint32_t* state, const std::uint8_t* blocks, std::size_t blockCount) {
    std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    for (; blockCount > 0; --blockCount, blocks += 64) {
        const std::uint32_t aa = a, bb = b, cc = c, dd = d;
        const auto x = [blocks](int k) { return LoadLe(blocks + 4 * k); };

        Md5StepF(a, b, c, d, x(0), 0xd76aa478, 7);
        Md5StepF(d, a, b, c, x(1), 0xe8c7b756, 12);
        Md5StepF(c, d, a, b, x(2), 0x242070db, 17);
        Md5StepF(b, c, d, a, x(3), 0xc1bdceee, 22);
        Md5StepF(a, b, c, d, x(4), 0xf57c0faf, 7);
        Md5StepF(d, a, b, c, x(5), 0x4787c62a, 12);
        Md5StepF(c, d, a, b, x(6), 0xa8304613, 17);
        Md5StepF(b, c, d, a, x(7), 0xfd469501, 22);
        Md5StepF(a, b, c, d, x(8), 0x698098d8, 7);
        Md5StepF(d, a, b, c, x(9), 0x8b44f7af, 12);
        Md5StepF(c, d, a, b, x(10), 0xffff5bb1, 17);
        Md5StepF(b, c, d, a, x(11), 0x895cd7be, 22);
        Md5StepF(a, b, c, d, x(12), 0x6b901122, 7);
        Md5StepF(d, a, b, c, x(13), 0xfd987193, 12);
        Md5StepF(c, d, a, b, x(14), 0xa679438e, 17);
        Md5StepF(b, c, d, a, x(15), 0x49b40821, 22);

        Md5StepG(a, b, c, d, x(1), 0xf61e2562, 5);
        Md5StepG(d, a, b, c, x(6), 0xc040b340, 9);
        Md5StepG(c, d, a, b, x(11), 0x265e5a51, 14);
        Md5StepG(b, c, d, a, x(0), 0xe9b6c7aa, 20);
        Md5StepG(a, b, c, d, x(5), 0xd62f105d, 5);
        Md5StepG(d, a, b, c, x(10), 0x02441453, 9);
        Md5StepG(c, d, a, b, x(15), 0xd8a1e681, 14);
        Md5StepG(b, c, d, a, x(4), 0xe7d3fbc8, 20);
        Md5StepG(a, b, c, d, x(9), 0x21e1cde6, 5);
        Md5StepG(d, a, b, c, x(14), 0xc33707d6, 9);
        Md5StepG(c, d, a, b, x(3), 0xf4d50d87, 14);
        Md5StepG(b, c, d, a, x(8), 0x455a14ed, 20);
        Md5StepG(a, b, c, d, x(13), 0xa9e3e905, 5);
        Md5StepG(d, a, b, c, x(2), 0xfcefa3f8, 9);
        Md5StepG(c, d, a, b, x(7), 0x676f02d9, 14);
        Md5StepG(b, c, d, a, x(12), 0x8d2a4c8a, 20);

        Md5StepH(a, b, c, d, x(5), 0xfffa3942, 4);
        Md5StepH(d, a, b, c, x(8), 0x8771f681, 11);
        Md5StepH(c, d, a, b, x(11), 0x6d9d6122, 16);
        Md5StepH(b, c, d, a, x(14), 0xfde5380c, 23);
        Md5StepH(a, b, c, d, x(1), 0xa4beea44, 4);
        Md5StepH(d, a, b, c, x(4), 0x4bdecfa9, 11);
        Md5StepH(c, d, a, b, x(7), 0xf6bb4b60, 16);
        Md5StepH(b, c, d, a, x(10), 0xbebfbc70, 23);
        Md5StepH(a, b, c, d, x(13), 0x289b7ec6, 4);
        Md5StepH(d, a, b, c, x(0), 0xeaa127fa, 11);
        Md5StepH(c, d, a, b, x(3), 0xd4ef3085, 16);
        Md5StepH(b, c, d, a, x(6), 0x04881d05, 23);
        Md5StepH(a, b, c, d, x(9), 0xd9d4d039, 4);
        Md5StepH(d, a, b, c, x(12), 0xe6db99e5, 11);
        Md5StepH(c, d, a, b, x(15), 0x1fa27cf8, 16);
        Md5StepH(b, c, d, a, x(2), 0xc4ac5665, 23);

        Md5StepI(a, b, c, d, x(0), 0xf4292244, 6);
        Md5StepI(d, a, b, c, x(7), 0x432aff97, 10);
        Md5StepI(c, d, a, b, x(14), 0xab9423a7, 15);
        Md5StepI(b, c, d, a, x(5), 0xfc93a039, 21);
        Md5StepI(a, b, c, d, x(12), 0x655b59c3, 6);
        Md5StepI(d, a, b, c, x(3), 0x8f0ccc92, 10);
        Md5StepI(c, d, a, b, x(10), 0xffeff47d, 15);
        Md5StepI(b, c, d, a, x(1), 0x85845dd1, 21);
        Md5StepI(a, b, c, d, x(8), 0x6fa87e4f, 6);
        Md5StepI(d, a, b, c, x(15), 0xfe2ce6e0, 10);
        Md5StepI(c, d, a, b, x(6), 0xa3014314, 15);
        Md5StepI(b, c, d, a, x(13), 0x4e0811a1, 21);
        Md5StepI(a, b, c, d, x(4), 0xf7537e82, 6);
        Md5StepI(d, a, b, c, x(11), 0xbd3af235, 10);
        Md5StepI(c, d, a, b, x(2), 0x2ad7d2bb, 15);
        Md5StepI(b, c, d, a, x(9), 0xeb86d391, 21);

        a += aa;
        b += bb;
        c += cc;
        d += dd;
    }
    state[0] = a;
    state[1] = b;
    state[2] = c;
    state[3] = d;
}

bool TDCP_md5::SelfTest() const {
    TDCP_md5 probe;
    return DigestMatches(probe, "abc", "900150983cd24fb0d6963f7d28e17f72") &&
           DigestMatches(probe, "abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b");
}

}  // namespace lm
