// SPDX-License-Identifier: MIT
#include "md4.h"

#include "md4_steps.h"
#include "self_test.h"
#include "word_ops.h"

namespace lm {

void Md4Compress(std::uint32_t* state, const std::uint8_t* blocks, std::size_t blockCount) {
    std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    for (; blockCount > 0; --blockCount, blocks += 64) {
        const std::uint32_t aa = a, bb = b, cc = c, dd = d;
        const auto x = [blocks](int k) { return LoadLe(blocks + 4 * k); };

        Md4Step1(a, b, c, d, x(0), 3);
        Md4Step1(d, a, b, c, x(1), 7);
        Md4Step1(c, d, a, b, x(2), 11);
        Md4Step1(b, c, d, a, x(3), 19);
        Md4Step1(a, b, c, d, x(4), 3);
        Md4Step1(d, a, b, c, x(5), 7);
        Md4Step1(c, d, a, b, x(6), 11);
        Md4Step1(b, c, d, a, x(7), 19);
        Md4Step1(a, b, c, d, x(8), 3);
        Md4Step1(d, a, b, c, x(9), 7);
        Md4Step1(c, d, a, b, x(10), 11);
        Md4Step1(b, c, d, a, x(11), 19);
        Md4Step1(a, b, c, d, x(12), 3);
        Md4Step1(d, a, b, c, x(13), 7);
        Md4Step1(c, d, a, b, x(14), 11);
        Md4Step1(b, c, d, a, x(15), 19);

        Md4Step2(a, b, c, d, x(0), 3);
        Md4Step2(d, a, b, c, x(4), 5);
        Md4Step2(c, d, a, b, x(8), 9);
        Md4Step2(b, c, d, a, x(12), 13);
        Md4Step2(a, b, c, d, x(1), 3);
        Md4Step2(d, a, b, c, x(5), 5);
        Md4Step2(c, d, a, b, x(9), 9);
        Md4Step2(b, c, d, a, x(13), 13);
        Md4Step2(a, b, c, d, x(2), 3);
        Md4Step2(d, a, b, c, x(6), 5);
        Md4Step2(c, d, a, b, x(10), 9);
        Md4Step2(b, c, d, a, x(14), 13);
        Md4Step2(a, b, c, d, x(3), 3);
        Md4Step2(d, a, b, c, x(7), 5);
        Md4Step2(c, d, a, b, x(11), 9);
        Md4Step2(b, c, d, a, x(15), 13);

        Md4Step3(a, b, c, d, x(0), 3);
        Md4Step3(d, a, b, c, x(8), 9);
        Md4Step3(c, d, a, b, x(4), 11);
        Md4Step3(b, c, d, a, x(12), 15);
        Md4Step3(a, b, c, d, x(2), 3);
        Md4Step3(d, a, b, c, x(10), 9);
        Md4Step3(c, d, a, b, x(6), 11);
        Md4Step3(b, c, d, a, x(14), 15);
        Md4Step3(a, b, c, d, x(1), 3);
        Md4Step3(d, a, b, c, x(9), 9);
        Md4Step3(c, d, a, b, x(5), 11);
        Md4Step3(b, c, d, a, x(13), 15);
        Md4Step3(a, b, c, d, x(3), 3);
        Md4Step3(d, a, b, c, x(11), 9);
        Md4Step3(c, d, a, b, x(7), 11);
        Md4Step3(b, c, d, a, x(15), 15);

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

bool TDCP_md4::SelfTest() const {
    TDCP_md4 probe;
    return DigestMatches(probe, "abc", "a448017aaf21d8525fc10ae87aa6729d") &&
           DigestMatches(probe, "abcdefghijklmnopqrstuvwxyz", "d79e1c308aa5bbcdeea8ed63df412da9");
}

}  // namespace lm
