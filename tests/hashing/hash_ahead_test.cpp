// SPDX-License-Identifier: MIT
// Files hashed ahead of their turn on the helper thread, and taken in turn:
// the same digests and the same steps as a pass made at the turn, what is
// no longer coming dropped, no file left open.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "file_turn.h"
#include "hash_ahead.h"
#include "hash_text.h"
#include "temp_dir.h"

namespace lm {
namespace {

std::size_t OpenDescriptors() {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator("/proc/self/fd")) {
        ++count;
    }
    return count;
}

std::string Text(const FileDigests& d) {
    return HexText(d.ed2k) + (d.hasSecondEd2k ? HexText(d.ed2kSecond) : "-") + CrcText(d.crc32) +
           HexText(d.md5) + HexText(d.sha1) + std::to_string(d.size) +
           (d.aich ? HexText(*d.aich) : "");
}

// Holds the helper at the start of chosen files until the test lets it go.
class HelperGate {
public:
    // Runs on the helper before each file.
    void Enter() {
        std::unique_lock lock(mutex_);
        ++entered_;
        changed_.notify_all();
        changed_.wait(lock, [this] { return entered_ != holdAt_ || released_; });
    }
    // The helper stops before its `n`th file (from 1) until Release.
    void HoldAt(int n) {
        std::lock_guard lock(mutex_);
        holdAt_ = n;
        released_ = false;
    }
    void WaitEntered(int n) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return entered_ >= n; });
    }
    void Release() {
        std::lock_guard lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }
    int Entered() {
        std::lock_guard lock(mutex_);
        return entered_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    int entered_ = 0;
    int holdAt_ = 0;
    bool released_ = false;
};

class HashAheadTest : public ::testing::Test {
protected:
    std::filesystem::path Write(const std::string& name, std::size_t size, char fill = 'a') {
        std::filesystem::path path = dir_.Path() / name;
        std::ofstream file(path, std::ios::binary);
        std::string bytes(size, fill);
        for (std::size_t i = 0; i < size; i += 97) {
            bytes[i] = static_cast<char>(i / 97);
        }
        file.write(bytes.data(), static_cast<std::streamsize>(size));
        return path;
    }
    std::string Live(const std::filesystem::path& path, const PassOptions& options = {}) {
        ChunkBuffer single(1);
        FileDigests d;
        return HashFile(path, single, {}, d, options) == PassOutcome::Hashed ? Text(d) : "unopened";
    }
    // The digests at the turn of `key`, and whether they were hashed ahead.
    std::pair<std::string, bool> Turn(HashAhead& ahead, std::uint64_t key,
                                      const std::filesystem::path& path,
                                      const PassOptions& options = {}) {
        FileTurn turn(buffer_, ahead, key);
        FileDigests d;
        const PassOutcome outcome = HashFile(path, turn, {}, d, options);
        return {outcome == PassOutcome::Hashed ? Text(d) : "unopened", turn.HashedAhead()};
    }

    TempDir dir_;
    ChunkBuffer buffer_{2};
    HelperGate gate_;
};

TEST_F(HashAheadTest, FilesInTurnGiveWhatAPassGivesWithTheSameSteps) {
    // Sizes around the chunk; many small files; files that cannot be opened.
    std::vector<std::filesystem::path> paths;
    for (std::size_t size : {0ul, 1ul, 3000ul, 9'727'999ul, 9'728'000ul, 9'728'001ul}) {
        paths.push_back(Write("s" + std::to_string(size), size));
    }
    for (int i = 0; i < 60; ++i) {
        paths.push_back(Write("small" + std::to_string(i), 100 + 97 * i, static_cast<char>(i)));
    }
    paths.push_back(dir_.Path() / "missing");
    std::filesystem::create_directory(dir_.Path() / "folder");
    paths.push_back(dir_.Path() / "folder");
    std::vector<std::string> expected;
    for (const auto& path : paths) {
        expected.push_back(Live(path));
    }

    const std::size_t descriptors = OpenDescriptors();
    int ahead = 0;
    {
        HashAhead hasher(2);
        ASSERT_TRUE(hasher.Enabled());
        std::size_t planned = 1;
        for (std::size_t i = 0; i < paths.size(); ++i) {
            // The next few, added one at a time or a few at once alike.
            std::vector<UpcomingFile> next;
            for (; planned < paths.size() && planned <= i + 5; ++planned) {
                next.push_back({planned, paths[planned], {}});
            }
            if (i % 2 == 0) {
                hasher.Add(std::move(next));
            } else {
                for (UpcomingFile& file : next) {
                    hasher.Add(std::move(file));
                }
            }
            FileTurn turn(buffer_, hasher, i);
            std::vector<std::pair<std::uint32_t, std::uint32_t>> progress;
            int pauseChecks = 0;
            PassHooks hooks;
            hooks.pauseRequested = [&] { return ++pauseChecks, false; };
            hooks.chunkDone = [&](std::uint32_t done, std::uint32_t total) {
                progress.emplace_back(done, total);
            };
            FileDigests d;
            const PassOutcome outcome = HashFile(paths[i], turn, hooks, d);
            SCOPED_TRACE(paths[i].filename().string());
            EXPECT_EQ(outcome == PassOutcome::Hashed ? Text(d) : "unopened", expected[i]);
            if (outcome != PassOutcome::Hashed) {
                continue;
            }
            // One pause check before every chunk and one after the close;
            // progress after every chunk, as at a turn without help.
            const std::uint32_t chunks = ChunkCountFor(d.size);
            EXPECT_EQ(pauseChecks, static_cast<int>(chunks) + 1);
            ASSERT_EQ(progress.size(), chunks);
            for (std::uint32_t c = 0; c < chunks; ++c) {
                EXPECT_EQ(progress[c], std::make_pair(c + 1, chunks));
            }
            EXPECT_FALSE(turn.HashedAhead() && chunks > 1);
            ahead += turn.HashedAhead() ? 1 : 0;
        }
        EXPECT_EQ(hasher.Planned(), 0u);
    }
    EXPECT_GT(ahead, 0);
    EXPECT_EQ(OpenDescriptors(), descriptors);
}

TEST_F(HashAheadTest, WhatIsNoLongerPlannedOrWasHashedOtherwiseIsDropped) {
    const auto a = Write("a", 5000, 'a');
    const auto b = Write("b", 6000, 'b');
    const auto c = Write("c", 7000, 'c');
    const auto d = Write("d", 8000, 'd');
    HashAhead hasher(2, [this] { gate_.Enter(); });
    gate_.HoldAt(1);
    hasher.Plan({{1, a, {}}, {2, b, {}}});
    gate_.WaitEntered(1);  // the helper holds a
    // a is no longer coming: what the helper makes of it is dropped.
    hasher.Plan({{2, b, {}}, {3, c, {}}, {4, d, {}}});
    gate_.Release();
    gate_.WaitEntered(4);  // b and c are done, d begun
    EXPECT_EQ(Turn(hasher, 1, a), std::make_pair(Live(a), false));
    // c was hashed without the AICH hash: asked for with it, it is hashed again.
    EXPECT_EQ(Turn(hasher, 3, c, PassOptions{true}), std::make_pair(Live(c, {true}), false));
    EXPECT_EQ(Turn(hasher, 2, b), std::make_pair(Live(b), true));
    EXPECT_EQ(Turn(hasher, 4, d), std::make_pair(Live(d), true));
    // A path planned again under a known key with another path is new.
    hasher.Plan({{5, a, {}}});
    gate_.WaitEntered(5);
    hasher.Plan({{5, b, {}}});
    EXPECT_EQ(Turn(hasher, 5, b).first, Live(b));
}

TEST_F(HashAheadTest, TheOwnerHashesWhatComesNextWhileTheHelperHoldsItsTurn) {
    std::vector<std::filesystem::path> paths;
    for (int i = 0; i < 5; ++i) {
        paths.push_back(Write("f" + std::to_string(i), 1000 + i, static_cast<char>('k' + i)));
    }
    HashAhead hasher(2, [this] { gate_.Enter(); });
    gate_.HoldAt(1);
    hasher.Plan({{0, paths[0], {}}, {1, paths[1], {}}, {2, paths[2], {}}, {3, paths[3], {}}});
    gate_.WaitEntered(1);
    std::thread release([&] {
        while (!hasher.OwnerWaiting()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        gate_.Release();
    });
    // The helper is on file 0: the owner does 1 to 3 itself, then waits.
    EXPECT_EQ(Turn(hasher, 0, paths[0]), std::make_pair(Live(paths[0]), true));
    release.join();
    for (std::uint64_t key = 1; key <= 3; ++key) {
        EXPECT_EQ(Turn(hasher, key, paths[key]), std::make_pair(Live(paths[key]), true));
    }
    EXPECT_EQ(gate_.Entered(), 1);
    // Not planned: hashed at its turn.
    EXPECT_EQ(Turn(hasher, 4, paths[4]), std::make_pair(Live(paths[4]), false));
}

TEST_F(HashAheadTest, DroppingWaitsUntilTheHelperHasClosedItsFile) {
    std::vector<UpcomingFile> files;
    for (std::uint64_t i = 0; i < 20; ++i) {
        files.push_back({i, Write("f" + std::to_string(i), 20'000 + i), {}});
    }
    const std::size_t descriptors = OpenDescriptors();
    std::atomic<bool> dropped{false};
    {
        HashAhead hasher(2, [this] { gate_.Enter(); });
        gate_.HoldAt(3);
        hasher.Plan(files);
        gate_.WaitEntered(3);
        std::thread release([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            EXPECT_FALSE(dropped);
            gate_.Release();
        });
        hasher.Drop();
        dropped = true;
        release.join();
        EXPECT_EQ(OpenDescriptors(), descriptors);
        EXPECT_EQ(hasher.Planned(), 0u);
        EXPECT_EQ(Turn(hasher, 5, files[5].path).second, false);
        // The destructor, in the middle of a plan, leaves nothing open either.
        hasher.Plan(files);
    }
    EXPECT_EQ(OpenDescriptors(), descriptors);
    EXPECT_GE(gate_.Entered(), 3);
}

TEST_F(HashAheadTest, OneThreadHashesNothingAhead) {
    const auto a = Write("a", 100);
    HashAhead hasher(1);
    EXPECT_FALSE(hasher.Enabled());
    hasher.Plan({{1, a, {}}});
    EXPECT_EQ(hasher.Planned(), 0u);
    EXPECT_EQ(Turn(hasher, 1, a), std::make_pair(Live(a), false));
}

}  // namespace
}  // namespace lm
