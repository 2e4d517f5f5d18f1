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

// Only a readable regular file has a size; nothing here may block, a FIFO
// with no writer least of all.
TEST(RegularFile, OnlyReadableRegularFilesHaveASize) {
    TempDir dir;
    const auto file = dir.Path() / "file.bin";
    std::ofstream(file) << "12345";
    const RegularFileProbe regular = ProbeRegularFile(Q(file));
    EXPECT_TRUE(regular.exists);
    ASSERT_TRUE(regular.size.has_value());
    EXPECT_EQ(*regular.size, 5);

    const auto fifo = dir.Path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto link = dir.Path() / "link-to-fifo";
    std::filesystem::create_symlink(fifo, link);
    for (const auto& path : {fifo, link, dir.Path(), std::filesystem::path("/dev/null")}) {
        const RegularFileProbe probe = ProbeRegularFile(Q(path));
        EXPECT_TRUE(probe.exists) << path;
        EXPECT_FALSE(probe.size.has_value()) << path;
    }

    std::filesystem::create_symlink(dir.Path() / "nowhere", dir.Path() / "dangling");
    for (const auto& path : {dir.Path() / "missing", dir.Path() / "dangling"}) {
        EXPECT_FALSE(ProbeRegularFile(Q(path)).exists) << path;
    }
    EXPECT_FALSE(ProbeRegularFile(QString()).exists);
}

TEST(RegularFile, AFileTheUserMayNotReadHasNoSize) {
    TempDir dir;
    const auto file = dir.Path() / "secret.bin";
    std::ofstream(file) << "12345";
    ::chmod(file.c_str(), 0);
    ::chmod(dir.Path().c_str(), 0755);
    if (!test::IsRoot()) {
        const RegularFileProbe probe = ProbeRegularFile(Q(file));
        EXPECT_TRUE(probe.exists);
        EXPECT_FALSE(probe.size.has_value());
        return;
    }
    const QString path = Q(file);
    EXPECT_EQ(test::WaitForChild(test::StartAsNobody([&path] {
                  const RegularFileProbe probe = ProbeRegularFile(path);
                  return probe.exists && !probe.size.has_value() ? 0 : 1;
              })),
              0);
}
