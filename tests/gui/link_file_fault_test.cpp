// SPDX-License-Identifier: MIT
// Saving links into a folder that is read-only or full: the save fails with
// a reason for the user, and a file saved there before stays as it was. Each
// situation is set up in a forked child (see fault_env.h).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringList>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>

#include "fault_env.h"
#include "file_bytes.h"
#include "link_file_writer.h"
#include "temp_dir.h"

namespace lm {
namespace {

using test::kChildSkipped;

using test::ReadFile;
using test::WriteFile;

class LinkFileFaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 4000; ++i) {
            lines_ << QStringLiteral("ed2k://|file|episode %1.mkv|%2|%3|/")
                          .arg(i)
                          .arg(1000000 + i)
                          .arg(QString(32, QChar(u'A' + i % 6)));
        }
    }
    QString Dir() const { return QString::fromStdString(dir_.Path().string()) + u'/'; }
    QString Target() const { return Dir() + "links.ed2k"; }

    // Saves the lines over the old file and tells what went wrong.
    int SaveAndCheck() const {
        int found = 0;
        QString reason;
        if (WriteLinkFile(Target(), lines_, &reason)) {
            found |= test::kSaveClaimedSuccess;
        } else if (reason.isEmpty()) {
            found |= test::kNoErrorText;
        }
        if (ReadFile(Target()) != kOld) {
            found |= test::kOldFileChanged;
        }
        if (QDir(Dir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System |
                                  QDir::Hidden) != QStringList{"links.ed2k"}) {
            found |= test::kOtherFileLeft;
        }
        return found;
    }

    // Runs one way of making the folder unwritable; false when it could not
    // be set up here.
    bool Try(const char* way, const std::function<bool()>& setUp, bool writeOldInChild) {
        if (!writeOldInChild) {
            EXPECT_TRUE(WriteFile(Target(), kOld));
        }
        const int code = test::RunInChild([&] {
            if (!setUp()) {
                return kChildSkipped;
            }
            if (writeOldInChild && !WriteFile(Target(), kOld)) {
                return 100;
            }
            return SaveAndCheck();
        });
        if (code == kChildSkipped) {
            return false;
        }
        std::printf("  [ faults ] %s\n", way);
        EXPECT_EQ(code, 0) << way << ": " << test::DescribeFindings(code);
        return true;
    }

    const QByteArray kOld = "ed2k://|file|old.avi|3|A448017AAF21D8525FC10AE87AA6729D|/\r\n";
    TempDir dir_;
    QStringList lines_;  // a few hundred kilobytes
};

TEST_F(LinkFileFaultTest, SavingIntoAReadOnlyFolderFails) {
    const std::string dir = dir_.Path().string();
    bool ran = Try(
        "read-only mount", [&] { return test::PrivateMounts() && test::MountReadOnly(dir); },
        false);

    ::chmod(dir.c_str(), test::IsRoot() ? 0755 : 0555);
    ran |= Try(
        "folder without write permission",
        [&] {
            return (!test::IsRoot() || test::BecomeNobody()) && ::access(dir.c_str(), W_OK) != 0;
        },
        false);
    ::chmod(dir.c_str(), 0700);
    EXPECT_EQ(ReadFile(Target()), kOld);
    if (!ran) {
        GTEST_SKIP() << "neither a read-only mount nor a permission drop is possible here";
    }
}

TEST_F(LinkFileFaultTest, SavingIntoAFullFolderFails) {
    const std::string dir = dir_.Path().string();
    ASSERT_GT(LinkFileBytes(lines_).size(), 128 * 1024);
    Try(
        "64 KiB tmpfs",
        [&] { return test::PrivateMounts() && test::MountSmallTmpfs(dir, 64 * 1024); }, true);
    EXPECT_TRUE(Try(
        "file size limit", [] { return test::LimitFileSize(16 * 1024); }, false));
    EXPECT_EQ(ReadFile(Target()), kOld);

    // With room again the same save goes through.
    QString reason;
    ASSERT_TRUE(WriteLinkFile(Target(), lines_, &reason)) << reason.toStdString();
    EXPECT_EQ(ReadFile(Target()), LinkFileBytes(lines_));
}

// Saving over a file keeps it the same file where that matters: its other
// hard links, its owner, its permissions, the file a link there points at,
// and a file the user may write in a folder the user may not.
TEST_F(LinkFileFaultTest, SavingOverAFileKeepsItWhereItStands) {
    const std::string target = Target().toStdString();
    auto inode = [](const std::string& path) {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
    };
    auto mode = [](const std::string& path) {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
    };
    QString reason;

    // Other hard links see the new links.
    ASSERT_TRUE(WriteFile(Target(), kOld));
    const std::string other = (dir_.Path() / "other name.ed2k").string();
    ASSERT_EQ(::link(target.c_str(), other.c_str()), 0);
    const auto before = inode(target);
    ASSERT_TRUE(WriteLinkFile(Target(), lines_, &reason)) << reason.toStdString();
    EXPECT_EQ(inode(target), before);
    EXPECT_EQ(ReadFile(QString::fromStdString(other)), LinkFileBytes(lines_));
    ::unlink(other.c_str());

    // A lone file is replaced whole, with its permissions.
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    ASSERT_TRUE(WriteLinkFile(Target(), {QStringLiteral("one")}, &reason));
    EXPECT_EQ(mode(target), 0640u);
    EXPECT_EQ(ReadFile(Target()), QByteArray("one\r\n"));

    // Saving through a symbolic link writes the file it points at.
    const std::string link = (dir_.Path() / "link.ed2k").string();
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
    ASSERT_TRUE(WriteLinkFile(QString::fromStdString(link), {QStringLiteral("two")}, &reason));
    struct stat linkInfo {};
    ASSERT_EQ(::lstat(link.c_str(), &linkInfo), 0);
    EXPECT_TRUE(S_ISLNK(linkInfo.st_mode));
    EXPECT_EQ(ReadFile(Target()), QByteArray("two\r\n"));
    ::unlink(link.c_str());

    // A file the user may write, in a folder the user may not: as nobody,
    // in a folder of root's, over a file that is nobody's.
    const std::string dir = dir_.Path().string();
    const int code = test::RunInChild([&] {
        if (test::IsRoot()) {
            if (::chown(target.c_str(), test::kNobody, test::kNobody) != 0 ||
                ::chmod(dir.c_str(), 0755) != 0 || !test::BecomeNobody()) {
                return kChildSkipped;
            }
        } else if (::chmod(dir.c_str(), 0555) != 0) {
            return kChildSkipped;
        }
        if (::access(dir.c_str(), W_OK) == 0 || ::access(target.c_str(), W_OK) != 0) {
            return kChildSkipped;
        }
        QString why;
        if (!WriteLinkFile(Target(), lines_, &why)) {
            return 1;
        }
        return ReadFile(Target()) == LinkFileBytes(lines_) ? 0 : 2;
    });
    ::chmod(dir.c_str(), 0700);
    if (code == kChildSkipped) {
        GTEST_SKIP() << "a folder the user may not write cannot be made here";
    }
    EXPECT_EQ(code, 0) << "1: the save failed; 2: the file does not hold the links";
}

}  // namespace
}  // namespace lm
