// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "gap_vector.h"

namespace lm {
namespace {

std::vector<std::string> Items(const GapVector<std::string>& v) {
    return {v.begin(), v.end()};
}

// Random inserts (mostly walking forward, as second rows do), appends,
// writes, shrinks and refills against a plain vector doing the same.
TEST(GapVectorTest, BehavesAsAVectorThroughRandomEdits) {
    std::mt19937 random(7);
    auto below = [&random](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    GapVector<std::string> gap;
    std::vector<std::string> plain;
    std::size_t walk = 0;
    for (int step = 0; step < 20000; ++step) {
        const std::string value = std::to_string(step);
        const std::size_t pick = below(100);
        if (pick < 40) {
            walk = std::min(walk + below(4), plain.size());
            gap.insert(walk, value);
            plain.insert(plain.begin() + static_cast<std::ptrdiff_t>(walk), value);
            ++walk;
        } else if (pick < 50) {
            const std::size_t at = below(plain.size() + 1);
            gap.insert(at, value);
            plain.insert(plain.begin() + static_cast<std::ptrdiff_t>(at), value);
        } else if (pick < 80) {
            gap.push_back(value);
            plain.push_back(value);
        } else if (pick < 95 && !plain.empty()) {
            const std::size_t at = below(plain.size());
            gap[at] += "w";
            plain[at] += "w";
        } else if (pick < 98) {
            const std::size_t n = plain.empty() ? 0 : below(plain.size() + 1);
            gap.resize(n);
            plain.resize(n);
            walk = std::min(walk, n);
        } else if (pick < 99) {
            std::vector<std::string> reversed(plain.rbegin(), plain.rend());
            plain = reversed;
            gap = std::move(reversed);
        } else {
            gap.clear();
            plain.clear();
            walk = 0;
        }
        ASSERT_EQ(gap.size(), plain.size()) << "step " << step;
        if (step % 97 == 0) {
            ASSERT_EQ(Items(gap), plain) << "step " << step;
        }
    }
    EXPECT_EQ(Items(gap), plain);
    const GapVector<std::string>& read = gap;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        ASSERT_EQ(read[i], plain[i]);
    }
}

// Runs erased from the last to the first, as rows go when entries are
// removed, mixed with inserts behind them and appends.
TEST(GapVectorTest, ErasesRunsAsAVectorDoes) {
    std::mt19937 random(11);
    auto below = [&random](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    GapVector<std::string> gap;
    std::vector<std::string> plain;
    for (int round = 0; round < 300; ++round) {
        for (std::size_t i = below(60); i > 0; --i) {
            const std::string value = std::to_string(round) + "/" + std::to_string(i);
            const std::size_t at = below(plain.size() + 1);
            gap.insert(at, value);
            plain.insert(plain.begin() + static_cast<std::ptrdiff_t>(at), value);
        }
        std::size_t end = plain.size();
        while (end > 0 && below(3) != 0) {
            const std::size_t last = below(end);
            const std::size_t first = last - below(std::min<std::size_t>(last + 1, 5));
            gap.erase(first, last - first + 1);
            plain.erase(plain.begin() + static_cast<std::ptrdiff_t>(first),
                        plain.begin() + static_cast<std::ptrdiff_t>(last + 1));
            end = first;
        }
        if (below(4) == 0 && !plain.empty()) {
            gap.push_back("tail");
            plain.push_back("tail");
        }
        ASSERT_EQ(Items(gap), plain) << "round " << round;
    }
    gap.erase(0, gap.size());
    EXPECT_TRUE(gap.empty());
}

}  // namespace
}  // namespace lm
