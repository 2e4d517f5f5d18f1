// SPDX-License-Identifier: MIT
// Saving links into a folder that is read-only or full, over files that must
// be rewritten where they stand, and saves killed half-way: the save fails
// with the system's reason for the user, and a file saved there before
// stays as it was unless the new one is complete. Each situation is set up
// in a forked child (see fault_env.h).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringList>

#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
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

// Files that are rewritten where they stand (other hard links, another
// owner) on a full disk: the room for the new links is not there, so the
// save fails with the system's words for it, and the old file is whole
// under every name. Before, it held the first few kilobytes of the new
// text, cut in the middle of a link, and the box said "Unknown error".
TEST_F(LinkFileFaultTest, RewritingInPlaceOnAFullDiskLeavesTheFileWhole) {
    const std::string dir = dir_.Path().string();
    QByteArray old;
    for (int i = 0; old.size() < 7640; ++i) {
        old += "ed2k://|file|old episode " + QByteArray::number(i) + ".avi|" +
               QByteArray::number(700000 + i) + "|A448017AAF21D8525FC10AE87AA6729D|/\r\n";
    }
    const QString expected = QString::fromLocal8Bit(std::strerror(ENOSPC));
    const QString other = Dir() + "other name.ed2k";
    enum Finding { kClaimed = 1, kChanged = 2, kWrongReason = 4, kLinkCut = 8 };
    struct Case {
        const char* what;
        std::function<bool()> shareIt;
    };
    const Case cases[] = {
        {"a second hard link",
         [&] { return ::link(Target().toStdString().c_str(), other.toStdString().c_str()) == 0; }},
        {"another owner",
         [&] {
             return ::chown(Target().toStdString().c_str(), test::kNobody, test::kNobody) == 0;
         }},
    };
    bool ran = false;
    for (const Case& c : cases) {
        const int code = test::RunInChild([&] {
            if (!test::PrivateMounts() || !test::MountSmallTmpfs(dir, 64 * 1024) ||
                !WriteFile(Target(), old) || !c.shareIt()) {
                return kChildSkipped;
            }
            int found = 0;
            QString reason;
            if (WriteLinkFile(Target(), lines_, &reason)) {
                found |= kClaimed;
            } else if (reason != expected) {
                std::fprintf(stderr, "  reason: \"%s\"\n", qPrintable(reason));
                found |= kWrongReason;
            }
            found |= ReadFile(Target()) != old ? kChanged : 0;
            struct stat info {};
            if (QFile::exists(other) &&
                (ReadFile(other) != old || ::stat(other.toStdString().c_str(), &info) != 0 ||
                 info.st_nlink != 2)) {
                found |= kLinkCut;
            }
            return found;
        });
        if (code == kChildSkipped) {
            continue;
        }
        ran = true;
        std::printf("  [ faults ] 64 KiB tmpfs, %s\n", c.what);
        EXPECT_EQ(code, 0) << c.what << ": 1 the save claimed success, 2 the file changed, 4 "
                           << "the reason was not \"" << expected.toStdString()
                           << "\", 8 the other name changed (" << code << ")";
    }
    if (!ran) {
        GTEST_SKIP() << "no tmpfs can be mounted here";
    }
}

// A child saves two link files in turn over a file with a second hard link
// until it is killed, at random moments spread over a save. Whenever that
// happens the file holds one of the two, complete, under both names: the
// writing is finished by a process the kill does not reach. On a tmpfs,
// where a save is nothing but its writing (no wait for a disk), the kills
// land in the writing itself.
TEST_F(LinkFileFaultTest, SavesKilledAtRandomOverAHardLinkedFileLeaveOneCompleteFile) {
    QStringList a;
    QStringList b;
    for (int i = 0; i < 40000; ++i) {
        a << lines_[i % lines_.size()] + QString::number(i);
        b << lines_[(i + 7) % lines_.size()];
    }
    b << QStringLiteral("the longer one");
    const QByteArray aBytes = LinkFileBytes(a);
    const QByteArray bBytes = LinkFileBytes(b);
    ASSERT_NE(aBytes.size(), bBytes.size());
    const QString other = Dir() + "other name.ed2k";
    const std::string dir = dir_.Path().string();

    // Each finding is told on standard error; the status is 0 or the first
    // one's number.
    const auto killLoop = [&]() -> int {
        QString reason;
        if (!WriteLinkFile(Target(), a, &reason) ||
            ::link(Target().toStdString().c_str(), other.toStdString().c_str()) != 0) {
            return 10;
        }
        // The writers of killed children come back to this process, which
        // waits for them before it looks.
        if (::prctl(PR_SET_CHILD_SUBREAPER, 1) != 0) {
            return 11;
        }
        const auto start = std::chrono::steady_clock::now();
        WriteLinkFile(Target(), b, &reason);
        WriteLinkFile(Target(), a, &reason);
        const long perSave =
            static_cast<long>(std::chrono::duration_cast<std::chrono::microseconds>(
                                  std::chrono::steady_clock::now() - start)
                                  .count() /
                              2);
        const long spread = std::clamp<long>(perSave * 3 / 2, 1000, 200000);

        std::mt19937 random(20261209);
        std::uniform_int_distribution<long> delay(0, spread);
        std::bernoulli_distribution waitForOne(0.5);
        int unchanged = 0, replaced = 0;
        constexpr int kRounds = 60;
        for (int round = 0; round < kRounds; ++round) {
            const bool holdsA = ReadFile(Target()) == aBytes;
            const QStringList& first = holdsA ? b : a;
            const QStringList& second = holdsA ? a : b;
            int finished[2];
            if (::pipe(finished) != 0) {
                return 12;
            }
            const pid_t pid = ::fork();
            if (pid == 0) {
                ::alarm(60);
                ::close(finished[0]);
                for (;;) {
                    QString ignored;
                    WriteLinkFile(Target(), first, &ignored);
                    ssize_t told = ::write(finished[1], "1", 1);
                    WriteLinkFile(Target(), second, &ignored);
                    told = ::write(finished[1], "2", 1);
                    static_cast<void>(told);
                }
            }
            ::close(finished[1]);
            char got = 0;
            if (waitForOne(random) && ::read(finished[0], &got, 1) != 1) {
                return 13;
            }
            ::usleep(static_cast<useconds_t>(delay(random)));
            ::kill(pid, SIGKILL);
            ::close(finished[0]);
            int status = 0;
            while (::waitpid(-1, &status, 0) > 0 || errno == EINTR) {
            }

            const QByteArray now = ReadFile(Target());
            if (now != aBytes && now != bBytes) {
                std::fprintf(stderr, "  round %d: the file holds %lld bytes, neither save\n", round,
                             static_cast<long long>(now.size()));
                return 1;
            }
            if (ReadFile(other) != now) {
                std::fprintf(stderr, "  round %d: the other name holds something else\n", round);
                return 2;
            }
            ((now == aBytes) == holdsA ? unchanged : replaced) += 1;
        }
        std::printf("  [ faults ] %d kills (0-%ld us): file unchanged %d, replaced %d\n", kRounds,
                    spread, unchanged, replaced);
        std::fflush(stdout);
        struct stat info {};
        return ::stat(other.toStdString().c_str(), &info) == 0 && info.st_nlink == 2 ? 0 : 3;
    };
    const int code = test::RunInChild(
        [&] {
            if (!test::PrivateMounts() || !test::MountSmallTmpfs(dir, 64ul << 20)) {
                std::printf("  [ faults ] no tmpfs here: the saves go to the disk\n");
            }
            return killLoop();
        },
        900);
    EXPECT_EQ(code, 0) << "1: a file that is neither save; 2: the hard link differs; 3: the "
                          "link count changed; 10 and above: the loop could not run ("
                       << code << ")";
}

}  // namespace
}  // namespace lm
