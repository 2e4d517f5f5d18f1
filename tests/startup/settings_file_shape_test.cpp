// SPDX-License-Identifier: MIT
// Linkmint.ini as something other than a plain file of ours: a FIFO, a link
// to a device, a huge file, a private file, a link to a file elsewhere. The
// load never waits or spins on it, and a save keeps the file's permissions
// and links and never replaces what is not a regular file.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "fault_env.h"
#include "file_bytes.h"
#include "ini_file.h"
#include "temp_dir.h"

namespace lm {
namespace {

using test::ReadFile;
using test::RunInChild;
using test::WriteFile;

class SettingsFileShapeTest : public ::testing::Test {
protected:
    QString Dir() const { return QString::fromStdString(dir_.Path().string()) + u'/'; }
    std::string Ini() const { return (dir_.Path() / kIniFileName).string(); }
    QString IniPath() const { return QString::fromStdString(Ini()); }

    // Loads in a child that an alarm ends after 10 seconds; 0 when the load
    // returned with the first run's file types, as for an unreadable file.
    int LoadInChild() const {
        return RunInChild(
            [&] {
                Settings settings;
                const QList<TFileData> kept = LoadIniFile(settings, Dir());
                const SettingsValues v = settings.Snapshot();
                return kept.isEmpty() && v.fileTypes.size() == 2 && !v.stripPath ? 0 : 1;
            },
            10);
    }

    static mode_t Mode(const std::string& path) {
        struct stat info {};
        return ::lstat(path.c_str(), &info) == 0 ? info.st_mode : 0;
    }

    TempDir dir_;
};

// A FIFO would block the start until somebody writes to it, a link to
// /dev/zero would be read for ever: both read as an unreadable file, at
// once, and stay what they are.
TEST_F(SettingsFileShapeTest, LoadNeverWaitsOnWhatIsNotAFile) {
    ASSERT_EQ(::mkfifo(Ini().c_str(), 0600), 0);
    int code = LoadInChild();
    EXPECT_EQ(code, 0) << (code == 128 + SIGALRM ? "the load waited on the FIFO" : "wrong values");
    EXPECT_TRUE(S_ISFIFO(Mode(Ini())));
    ::unlink(Ini().c_str());

    ASSERT_EQ(::symlink("/dev/zero", Ini().c_str()), 0);
    code = LoadInChild();
    EXPECT_EQ(code, 0) << (code == 128 + SIGALRM ? "the load kept reading /dev/zero"
                                                 : "wrong values");
    ::unlink(Ini().c_str());

    // Larger than any settings file: not read at all (a sparse file, so
    // reading it would take long and find nothing but NUL bytes).
    {
        QFile huge(IniPath());
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_EQ(huge.write("[Options]\r\nStripPath=1\r\n"), 24);
        ASSERT_TRUE(huge.resize(kMaxIniFileBytes + 1));
    }
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(LoadInChild(), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

// The bound leaves room for real lists: a file of 150 MB (a kept list of a
// million files is about 100 MB) is read to its end.
TEST_F(SettingsFileShapeTest, LargeFilesBelowTheBoundStillLoad) {
    constexpr qint64 kSize = 150 * 1000 * 1000;
    {
        QFile big(IniPath());
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        big.write("[Options]\r\nStripPath=1\r\n");
        ASSERT_TRUE(big.resize(kSize));  // a long line of NUL bytes, sparse
        ASSERT_TRUE(big.seek(kSize));
        big.write("\r\n[File Paths]\r\nLastSavePath=/far/away/\r\n");
    }
    Settings settings;
    LoadIniFile(settings, Dir());
    EXPECT_TRUE(settings.Snapshot().stripPath);
    EXPECT_EQ(settings.Snapshot().lastSavePath, QStringLiteral("/far/away/"));
}

// A save replaces the file's content and nothing else about it.
TEST_F(SettingsFileShapeTest, SaveKeepsPermissionsAndLinks) {
    SettingsValues values;
    values.stripPath = true;
    const QByteArray saved = IniFileContents(values, {});
    const auto entries = [](const QString& dir) {
        return QDir(dir).entryList(
            QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden, QDir::Name);
    };

    // Settings kept private stay private, and a shared file stays shared.
    for (const mode_t mode : {0600, 0640, 0664}) {
        ASSERT_TRUE(WriteFile(IniPath(), "[Options]\r\n"));
        ASSERT_EQ(::chmod(Ini().c_str(), mode), 0);
        ASSERT_TRUE(SaveIniFile(values, {}, Dir()));
        EXPECT_EQ(Mode(Ini()) & 07777, mode);
        EXPECT_EQ(ReadFile(IniPath()), saved);
    }
    ::unlink(Ini().c_str());

    // Linkmint.ini as a link (a relative one, through a second link) to a
    // file in another folder: the file there gets the settings, beside it
    // the temporary file comes and goes, and the links stay links.
    TempDir other;
    const std::string real = (other.Path() / "linkmint.conf").string();
    const std::string hop = (dir_.Path() / "hop").string();
    ASSERT_TRUE(WriteFile(QString::fromStdString(real), "[Options]\r\n"));
    ASSERT_EQ(::chmod(real.c_str(), 0600), 0);
    ASSERT_EQ(::symlink(real.c_str(), hop.c_str()), 0);
    ASSERT_EQ(::symlink("hop", Ini().c_str()), 0);
    ASSERT_TRUE(SaveIniFile(values, {}, Dir()));
    EXPECT_TRUE(S_ISLNK(Mode(Ini())));
    EXPECT_TRUE(S_ISLNK(Mode(hop)));
    EXPECT_EQ(ReadFile(QString::fromStdString(real)), saved);
    EXPECT_EQ(Mode(real) & 07777, 0600u);
    EXPECT_EQ(entries(QString::fromStdString(other.Path().string())),
              QStringList{QStringLiteral("linkmint.conf")});
    EXPECT_EQ(entries(Dir()), (QStringList{QLatin1String(kIniFileName), QStringLiteral("hop")}));

    // A link whose file does not exist yet: the file is made there.
    ::unlink(real.c_str());
    ASSERT_TRUE(SaveIniFile(values, {}, Dir()));
    EXPECT_EQ(ReadFile(QString::fromStdString(real)), saved);
    EXPECT_TRUE(S_ISLNK(Mode(Ini())));

    // A link to a FIFO: nothing is replaced and nothing waits.
    ::unlink(real.c_str());
    ASSERT_EQ(::mkfifo(real.c_str(), 0600), 0);
    const int code = RunInChild([&] { return SaveIniFile(values, {}, Dir()) ? 1 : 0; }, 10);
    EXPECT_EQ(code, 0) << (code == 128 + SIGALRM ? "the save waited" : "the save claimed success");
    EXPECT_TRUE(S_ISFIFO(Mode(real)));
    EXPECT_TRUE(S_ISLNK(Mode(Ini())));
    EXPECT_EQ(entries(QString::fromStdString(other.Path().string())),
              QStringList{QStringLiteral("linkmint.conf")});

    // A loop of links is no file either.
    ::unlink(hop.c_str());
    ASSERT_EQ(::symlink(Ini().c_str(), hop.c_str()), 0);
    EXPECT_FALSE(SaveIniFile(values, {}, Dir()));
    EXPECT_TRUE(S_ISLNK(Mode(Ini())));
}

}  // namespace
}  // namespace lm
