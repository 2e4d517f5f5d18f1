// SPDX-License-Identifier: MIT
// Where the settings and the debug log go: LINKMINT_HOME, else the per-user
// config folder for an installed program, else the executable's folder while
// it can be written, else that config folder too. Each case runs in a forked
// child with its own environment.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "fault_env.h"
#include "linkmint_build_info.h"
#include "program_dir.h"
#include "temp_dir.h"

namespace lm {
namespace {

class ProgramDirTest : public ::testing::Test {
protected:
    // ProgramDirectory() (or `ask`) as a child with `home` as LINKMINT_HOME
    // (unset when empty) sees it, after `setUp`; empty when the child could
    // not run.
    std::string ChildAnswer(const std::string& home, const std::function<bool()>& setUp = {},
                            const std::function<QString()>& ask = {}) {
        const std::string answerFile = (dir_.Path() / "answer").string();
        std::remove(answerFile.c_str());
        const int code = test::RunInChild([&] {
            if (setUp && !setUp()) {
                return test::kChildSkipped;
            }
            if (home.empty()) {
                ::unsetenv("LINKMINT_HOME");
            } else {
                ::setenv("LINKMINT_HOME", home.c_str(), 1);
            }
            ::setenv("XDG_CONFIG_HOME", (dir_.Path() / "config").c_str(), 1);
            int argc = 1;
            char name[] = "program_dir_test";
            char* argv[] = {name, nullptr};
            QCoreApplication app(argc, argv);
            QFile out(QString::fromStdString(answerFile));
            const QString answer = ask ? ask() : ProgramDirectory();
            return out.open(QIODevice::WriteOnly) && out.write(answer.toUtf8()) > 0 ? 0 : 1;
        });
        if (code == test::kChildSkipped) {
            return {};
        }
        EXPECT_EQ(code, 0);
        QFile in(QString::fromStdString(answerFile));
        return in.open(QIODevice::ReadOnly) ? in.readAll().toStdString() : std::string();
    }

    TempDir dir_;
};

TEST_F(ProgramDirTest, HomeVariableThenExecutableFolderThenConfigFolder) {
    const std::string home = (dir_.Path() / "home" / "deeper").string();
    EXPECT_EQ(ChildAnswer(home), home + "/");
    EXPECT_TRUE(QFileInfo(QString::fromStdString(home)).isDir()) << "made when missing";

    const std::string exeDir =
        QFileInfo(QString::fromStdString(std::filesystem::read_symlink("/proc/self/exe").string()))
            .absolutePath()
            .toStdString();
    if (::access(exeDir.c_str(), W_OK) == 0) {
        EXPECT_EQ(ChildAnswer({}), exeDir + "/");
    }

    // The executable's folder on a read-only mount.
    const std::string config = (dir_.Path() / "config" / "linkmint").string();
    const std::string answer =
        ChildAnswer({}, [&] { return test::PrivateMounts() && test::MountReadOnly(exeDir); });
    if (answer.empty()) {
        GTEST_SKIP() << "no read-only mount of the executable's folder here";
    }
    std::printf("  [ faults ] read-only mount of the executable's folder\n");
    EXPECT_EQ(answer, config + "/");
    EXPECT_TRUE(QFileInfo(QString::fromStdString(config)).isDir()) << "made when missing";
}

// An installed tree: <prefix>/bin beside <prefix>/share/applications with
// the desktop entry the install puts there. Its bin folder is writable here,
// as /usr/bin is for root.
TEST_F(ProgramDirTest, InstalledProgramKeepsItsSettingsPerUser) {
    const std::filesystem::path prefix = dir_.Path() / "prefix";
    const QString bin = QString::fromStdString((prefix / "bin").string());
    const std::filesystem::path applications = prefix / "share" / "applications";
    std::filesystem::create_directories(prefix / "bin");
    std::filesystem::create_directories(applications);
    const std::string config = (dir_.Path() / "config" / "linkmint").string() + "/";
    const auto ask = [&] { return ProgramDirectoryFor(bin); };

    // A build tree: no desktop entry, or somebody else's.
    EXPECT_FALSE(IsInstalledProgramDir(bin));
    EXPECT_EQ(ChildAnswer({}, {}, ask), bin.toStdString() + "/");
    std::ofstream(applications / "linkmint.desktop") << "[Desktop Entry]\n";
    std::filesystem::create_directory(applications / LM_APP_ID ".desktop");
    EXPECT_FALSE(IsInstalledProgramDir(bin)) << "a folder of that name is no entry";
    EXPECT_EQ(ChildAnswer({}, {}, ask), bin.toStdString() + "/");

    std::filesystem::remove(applications / LM_APP_ID ".desktop");
    std::ofstream(applications / LM_APP_ID ".desktop") << "[Desktop Entry]\n";
    ASSERT_TRUE(IsInstalledProgramDir(bin));
    ASSERT_EQ(::access(bin.toUtf8().constData(), W_OK), 0);
    EXPECT_EQ(ChildAnswer({}, {}, ask), config);
    EXPECT_TRUE(QFileInfo(QString::fromStdString(config)).isDir()) << "made when missing";
    EXPECT_FALSE(IsInstalledProgramDir({}));

    // LINKMINT_HOME still decides first.
    const std::string home = (dir_.Path() / "home").string();
    EXPECT_EQ(ChildAnswer(home, {}, ask), home + "/");

    // Without XDG_CONFIG_HOME the folder is ~/.config/linkmint/.
    const std::string userHome = (dir_.Path() / "user").string();
    EXPECT_EQ(ChildAnswer(
                  {},
                  [&] {
                      ::setenv("HOME", userHome.c_str(), 1);
                      return true;
                  },
                  [&] {
                      ::unsetenv("XDG_CONFIG_HOME");
                      return ProgramDirectoryFor(bin);
                  }),
              userHome + "/.config/linkmint/");
}

}  // namespace
}  // namespace lm
