// Where the settings and the debug log go: LINKMINT_HOME, else the
// executable's folder while it can be written, else the per-user config
// folder. Each case runs in a forked child with its own environment.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "fault_env.h"
#include "program_dir.h"
#include "temp_dir.h"

namespace lm {
namespace {

class ProgramDirTest : public ::testing::Test {
protected:
    // ProgramDirectory() as a child with `home` as LINKMINT_HOME (unset when
    // empty) sees it, after `setUp`; empty when the child could not run.
    std::string ChildAnswer(const std::string& home, const std::function<bool()>& setUp = {}) {
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
            return out.open(QIODevice::WriteOnly) && out.write(ProgramDirectory().toUtf8()) > 0 ? 0
                                                                                                : 1;
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

}  // namespace
}  // namespace lm
