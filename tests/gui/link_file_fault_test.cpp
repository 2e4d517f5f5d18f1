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

}  // namespace
}  // namespace lm
