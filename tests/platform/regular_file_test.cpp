// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QString>

#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

#include "fault_env.h"
#include "regular_file.h"
#include "temp_dir.h"

using namespace lm;

namespace {

QString Q(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

}  // namespace

// The two probes: the one that looks before it opens, and the one for paths
// a folder's listing has just seen, which opens first. They answer alike.
using Probe = RegularFileProbe (*)(const QString&);
constexpr Probe kProbes[] = {&ProbeRegularFile, &ProbeListedFile};

// Only a readable regular file has a size; nothing here may block, a FIFO
// with no writer least of all.
TEST(RegularFile, OnlyReadableRegularFilesHaveASize) {
    TempDir dir;
    const auto file = dir.Path() / "file.bin";
    std::ofstream(file) << "12345";
    const auto fifo = dir.Path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto link = dir.Path() / "link-to-fifo";
    std::filesystem::create_symlink(fifo, link);
    const auto fileLink = dir.Path() / "link-to-file";
    std::filesystem::create_symlink(file, fileLink);
    std::filesystem::create_symlink(dir.Path() / "nowhere", dir.Path() / "dangling");
    for (const Probe probeOf : kProbes) {
        for (const auto& path : {file, fileLink}) {
            const RegularFileProbe regular = probeOf(Q(path));
            EXPECT_TRUE(regular.exists) << path;
            EXPECT_TRUE(regular.regular) << path;
            ASSERT_TRUE(regular.size.has_value()) << path;
            EXPECT_EQ(*regular.size, 5) << path;
        }
        for (const auto& path : {fifo, link, dir.Path(), std::filesystem::path("/dev/null")}) {
            const RegularFileProbe probe = probeOf(Q(path));
            EXPECT_TRUE(probe.exists) << path;
            EXPECT_FALSE(probe.regular) << path;
            EXPECT_FALSE(probe.size.has_value()) << path;
        }
        for (const auto& path : {dir.Path() / "missing", dir.Path() / "dangling"}) {
            EXPECT_FALSE(probeOf(Q(path)).exists) << path;
        }
        EXPECT_FALSE(probeOf(QString()).exists);
    }
}

TEST(RegularFile, AFileTheUserMayNotReadHasNoSize) {
    TempDir dir;
    const auto file = dir.Path() / "secret.bin";
    std::ofstream(file) << "12345";
    ::chmod(file.c_str(), 0);
    ::chmod(dir.Path().c_str(), 0755);
    const auto seenRight = [](const RegularFileProbe& probe) {
        return probe.exists && probe.regular && !probe.size.has_value();
    };
    const QString path = Q(file);
    for (const Probe probeOf : kProbes) {
        if (!test::IsRoot()) {
            EXPECT_TRUE(seenRight(probeOf(path)));
            continue;
        }
        EXPECT_EQ(test::WaitForChild(
                      test::StartAsNobody([&] { return seenRight(probeOf(path)) ? 0 : 1; })),
                  0);
    }
}

// A file of the user's own is read or not as its owner's bits say, whatever
// the others' bits say.
TEST(RegularFile, TheOwnersBitsDecideForTheOwner) {
    TempDir dir;
    ::chmod(dir.Path().c_str(), 0755);
    const auto writeOnly = dir.Path() / "write-only.bin";
    const auto readOnly = dir.Path() / "read-only.bin";
    std::ofstream(writeOnly) << "12345";
    std::ofstream(readOnly) << "12345";
    ::chmod(writeOnly.c_str(), 0244);
    ::chmod(readOnly.c_str(), 0400);
    const auto answers = [&] {
        for (const Probe probeOf : kProbes) {
            const RegularFileProbe denied = probeOf(Q(writeOnly));
            const RegularFileProbe allowed = probeOf(Q(readOnly));
            if (!denied.regular || denied.size.has_value() || !allowed.regular ||
                allowed.size != 5) {
                return false;
            }
        }
        return true;
    };
    if (!test::IsRoot()) {
        EXPECT_TRUE(answers());
        return;
    }
    // Root reads anything: the files become nobody's, looked at by nobody.
    ASSERT_EQ(::chown(writeOnly.c_str(), test::kNobody, test::kNobody), 0);
    ASSERT_EQ(::chown(readOnly.c_str(), test::kNobody, test::kNobody), 0);
    EXPECT_EQ(test::WaitForChild(test::StartAsNobody([&] { return answers() ? 0 : 1; })), 0);
}
