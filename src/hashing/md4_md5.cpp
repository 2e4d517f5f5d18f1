// SPDX-License-Identifier: MIT
#include "md4_md5.h"

#include "md4_steps.h"
#include "md5_steps.h"
#include "word_ops.h"

namespace lm {

void Md4Md5Compress(std::uint32_t* md4State, std::uint32_t* md5State, const std::uint8_t* blocks,
                    std::size_t blockCount) {
    // MD5 in a, b, c, d; MD4 in e, f, g, h. Every step waits for the one
    // before it in its own digest, so either digest alone leaves most of the
    // processor idle; three MD4 steps between each four MD5 steps fill it.
    std::uint32_t a = md5State[0], b = md5State[1], c = md5State[2], d = md5State[3];
    std::uint32_t e = md4State[0], f = md4State[1], g = md4State[2], h = md4State[3];
    for (; blockCount > 0; --blockCount, blocks += 64) {
        const std::uint32_t aa = a, bb = b, cc = c, dd = d;
        const std::uint32_t ee = e, ff = f, gg = g, hh = h;
        const auto x = [blocks](int k) { return LoadLe(blocks + 4 * k); };

        Md5StepF(a, b, c, d, x(0), 0xd76aa478, 7);
        Md4Step1(e, f, g, h, x(0), 3);
        Md5StepF(d, a, b, c, x(1), 0xe8c7b756, 12);
        Md4Step1(h, e, f, g, x(1), 7);
        Md5StepF(c, d, a, b, x(2), 0x242070db, 17);
        Md4Step1(g, h, e, f, x(2), 11);
        Md5StepF(b, c, d, a, x(3), 0xc1bdceee, 22);
        Md5StepF(a, b, c, d, x(4), 0xf57c0faf, 7);
        Md4Step1(f, g, h, e, x(3), 19);
        Md5StepF(d, a, b, c, x(5), 0x4787c62a, 12);
        Md4Step1(e, f, g, h, x(4), 3);
        Md5StepF(c, d, a, b, x(6), 0xa8304613, 17);
        Md4Step1(h, e, f, g, x(5), 7);
        Md5StepF(b, c, d, a, x(7), 0xfd469501, 22);
        Md5StepF(a, b, c, d, x(8), 0x698098d8, 7);
        Md4Step1(g, h, e, f, x(6), 11);
        Md5StepF(d, a, b, c, x(9), 0x8b44f7af, 12);
        Md4Step1(f, g, h, e, x(7), 19);
        Md5StepF(c, d, a, b, x(10), 0xffff5bb1, 17);
        Md4Step1(e, f, g, h, x(8), 3);
        Md5StepF(b, c, d, a, x(11), 0x895cd7be, 22);
        Md5StepF(a, b, c, d, x(12), 0x6b901122, 7);
        Md4Step1(h, e, f, g, x(9), 7);
        Md5StepF(d, a, b, c, x(13), 0xfd987193, 12);
        Md4Step1(g, h, e, f, x(10), 11);
        Md5StepF(c, d, a, b, x(14), 0xa679438e, 17);
        Md4Step1(f, g, h, e, x(11), 19);
        Md5StepF(b, c, d, a, x(15), 0x49b40821, 22);

        Md5StepG(a, b, c, d, x(1), 0xf61e2562, 5);
        Md4Step1(e, f, g, h, x(12), 3);
        Md5StepG(d, a, b, c, x(6), 0xc040b340, 9);
        Md4Step1(h, e, f, g, x(13), 7);
        Md5StepG(c, d, a, b, x(11), 0x265e5a51, 14);
        Md4Step1(g, h, e, f, x(14), 11);
        Md5StepG(b, c, d, a, x(0), 0xe9b6c7aa, 20);
        Md5StepG(a, b, c, d, x(5), 0xd62f105d, 5);
        Md4Step1(f, g, h, e, x(15), 19);
        Md5StepG(d, a, b, c, x(10), 0x02441453, 9);
        Md4Step2(e, f, g, h, x(0), 3);
        Md5StepG(c, d, a, b, x(15), 0xd8a1e681, 14);
        Md4Step2(h, e, f, g, x(4), 5);
        Md5StepG(b, c, d, a, x(4), 0xe7d3fbc8, 20);
        Md5StepG(a, b, c, d, x(9), 0x21e1cde6, 5);
        Md4Step2(g, h, e, f, x(8), 9);
        Md5StepG(d, a, b, c, x(14), 0xc33707d6, 9);
        Md4Step2(f, g, h, e, x(12), 13);
        Md5StepG(c, d, a, b, x(3), 0xf4d50d87, 14);
        Md4Step2(e, f, g, h, x(1), 3);
        Md5StepG(b, c, d, a, x(8), 0x455a14ed, 20);
        Md5StepG(a, b, c, d, x(13), 0xa9e3e905, 5);
        Md4Step2(h, e, f, g, x(5), 5);
        Md5StepG(d, a, b, c, x(2), 0xfcefa3f8, 9);
        Md4Step2(g, h, e, f, x(9), 9);
        Md5StepG(c, d, a, b, x(7), 0x676f02d9, 14);
        Md4Step2(f, g, h, e, x(13), 13);
        Md5StepG(b, c, d, a, x(12), 0x8d2a4c8a, 20);

        Md5StepH(a, b, c, d, x(5), 0xfffa3942, 4);
        Md4Step2(e, f, g, h, x(2), 3);
        Md5StepH(d, a, b, c, x(8), 0x8771f681, 11);
        Md4Step2(h, e, f, g, x(6), 5);
        Md5StepH(c, d, a, b, x(11), 0x6d9d6122, 16);
        Md4Step2(g, h, e, f, x(10), 9);
        Md5StepH(b, c, d, a, x(14), 0xfde5380c, 23);
        Md5StepH(a, b, c, d, x(1), 0xa4beea44, 4);
        Md4Step2(f, g, h, e, x(14), 13);
        Md5StepH(d, a, b, c, x(4), 0x4bdecfa9, 11);
        Md4Step2(e, f, g, h, x(3), 3);
        Md5StepH(c, d, a, b, x(7), 0xf6bb4b60, 16);
        Md4Step2(h, e, f, g, x(7), 5);
        Md5StepH(b, c, d, a, x(10), 0xbebfbc70, 23);
        Md5StepH(a, b, c, d, x(13), 0x289b7ec6, 4);
        Md4Step2(g, h, e, f, x(11), 9);
        Md5StepH(d, a, b, c, x(0), 0xeaa127fa, 11);
        Md4Step2(f, g, h, e, x(15), 13);
        Md5StepH(c, d, a, b, x(3), 0xd4ef3085, 16);
        Md4Step3(e, f, g, h, x(0), 3);
        Md5StepH(b, c, d, a, x(6), 0x04881d05, 23);
        Md5StepH(a, b, c, d, x(9), 0xd9d4d039, 4);
        Md4Step3(h, e, f, g, x(8), 9);
        Md5StepH(d, a, b, c, x(12), 0xe6db99e5, 11);
        Md4Step3(g, h, e, f, x(4), 11);
        Md5StepH(c, d, a, b, x(15), 0x1fa27cf8, 16);
        Md4Step3(f, g, h, e, x(12), 15);
        Md5StepH(b, c, d, a, x(2), 0xc4ac5665, 23);

        Md5StepI(a, b, c, d, x(0), 0xf4292244, 6);
        Md4Step3(e, f, g, h, x(2), 3);
        Md5StepI(d, a, b, c, x(7), 0x432aff97, 10);
        Md4Step3(h, e, f, g, x(10), 9);
        Md5StepI(c, d, a, b, x(14), 0xab9423a7, 15);
        Md4Step3(g, h, e, f, x(6), 11);
        Md5StepI(b, c, d, a, x(5), 0xfc93a039, 21);
        Md5StepI(a, b, c, d, x(12), 0x655b59c3, 6);
        Md4Step3(f, g, h, e, x(14), 15);
        Md5StepI(d, a, b, c, x(3), 0x8f0ccc92, 10);
        Md4Step3(e, f, g, h, x(1), 3);
        Md5StepI(c, d, a, b, x(10), 0xffeff47d, 15);
        Md4Step3(h, e, f, g, x(9), 9);
        Md5StepI(b, c, d, a, x(1), 0x85845dd1, 21);
        Md5StepI(a, b, c, d, x(8), 0x6fa87e4f, 6);
        Md4Step3(g, h, e, f, x(5), 11);
        Md5StepI(d, a, b, c, x(15), 0xfe2ce6e0, 10);
        Md4Step3(f, g, h, e, x(13), 15);
        Md5StepI(c, d, a, b, x(6), 0xa3014314, 15);
        Md4Step3(e, f, g, h, x(3), 3);
        Md5StepI(b, c, d, a, x(13), 0x4e0811a1, 21);
        Md5StepI(a, b, c, d, x(4), 0xf7537e82, 6);
        Md4Step3(h, e, f, g, x(11), 9);
        Md5StepI(d, a, b, c, x(11), 0xbd3af235, 10);
        Md4Step3(g, h, e, f, x(7), 11);
        Md5StepI(c, d, a, b, x(2), 0x2ad7d2bb, 15);
        Md4Step3(f, g, h, e, x(15), 15);
        Md5StepI(b, c, d, a, x(9), 0xeb86d391, 21);

        a += aa;
        b += bb;
        c += cc;
        d += dd;
        e += ee;
        f += ff;
        g += gg;
        h += hh;
    }
    md5State[0] = a;
    md5State[1] = b;
    md5State[2] = c;
    md5State[3] = d;
    md4State[0] = e;
    md4State[1] = f;
    md4State[2] = g;
    md4State[3] = h;
}

void UpdateMd4Md5Sha1(TDCP_md4& md4, TDCP_md5& md5, TDCP_sha1& sha1, const void* buffer,
                      std::uint32_t size) {
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    std::uint32_t* md4Words = md4.ChainingWordsAtBlockStart();
    std::uint32_t* md5Words = md5.ChainingWordsAtBlockStart();
    std::uint32_t* sha1Words = sha1.ChainingWordsAtBlockStart();
    if (md4Words != nullptr && md5Words != nullptr && sha1Words != nullptr) {
        // One block at a time: the processor runs SHA-1's vector work of one
        // block while it goes through the MD steps of the next. Whole runs of
        // blocks, each digest on its own, are about a fifth slower.
        const std::uint32_t blocks = size / 64;
        for (std::uint32_t i = 0; i < blocks; ++i) {
            Md4Md5Compress(md4Words, md5Words, bytes + 64 * i, 1);
            Sha1Compress(sha1Words, bytes + 64 * i, 1);
        }
        md4.BlocksFolded(blocks);
        md5.BlocksFolded(blocks);
        sha1.BlocksFolded(blocks);
        bytes += 64 * blocks;
        size -= 64 * blocks;
    }
    md4.Update(bytes, size);
    md5.Update(bytes, size);
    sha1.Update(bytes, size);
}

}  // namespace lm
