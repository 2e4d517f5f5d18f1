// SPDX-License-Identifier: MIT
// "linkmint --version": only as the one argument, and only while nothing of
// that name lies in the working folder.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "linkmint_build_info.h"
#include "temp_dir.h"
#include "version_request.h"

namespace lm {
namespace {

class VersionRequestTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
    }
    void TearDown() override { std::filesystem::current_path(previous_); }

    // What AnswerVersionRequest prints and returns for `linkmint ARGS...`;
    // -1 for "not asked".
    std::pair<int, std::string> Answer(std::vector<std::string> args) {
        args.insert(args.begin(), "linkmint");
        std::vector<const char*> argv;
        for (const std::string& arg : args) {
            argv.push_back(arg.c_str());
        }
        argv.push_back(nullptr);
        std::FILE* out = std::tmpfile();
        const auto status = AnswerVersionRequest(static_cast<int>(args.size()), argv.data(), out);
        std::rewind(out);
        std::string text;
        for (int ch; (ch = std::fgetc(out)) != EOF;) {
            text += static_cast<char>(ch);
        }
        std::fclose(out);
        return {status.value_or(-1), text};
    }

    TempDir dir_;
    std::filesystem::path previous_;
};

TEST_F(VersionRequestTest, OnlyTheOneArgumentAsksForTheVersion) {
    EXPECT_EQ(Answer({"--version"}), std::make_pair(0, std::string("linkmint " LM_VERSION "\n")));
    const std::vector<std::vector<std::string>> others = {{},
                                                          {"--version", "file"},
                                                          {"/debug", "--version"},
                                                          {"--version", "--version"},
                                                          {"--Version"},
                                                          {"-version"},
                                                          {"./--version"}};
    for (const std::vector<std::string>& args : others) {
        EXPECT_EQ(Answer(args), std::make_pair(-1, std::string()))
            << ::testing::PrintToString(args);
    }
}

TEST_F(VersionRequestTest, AnythingOfThatNameIsAPath) {
    std::ofstream("--version") << "abc";
    EXPECT_EQ(Answer({"--version"}).first, -1) << "a file";
    std::filesystem::remove("--version");

    std::filesystem::create_directory("--version");
    EXPECT_EQ(Answer({"--version"}).first, -1) << "a folder";
    std::filesystem::remove("--version");

    std::filesystem::create_symlink("nowhere", "--version");
    EXPECT_EQ(Answer({"--version"}).first, -1) << "a dangling link";
    std::filesystem::remove("--version");

    EXPECT_EQ(Answer({"--version"}).first, 0);
}

TEST_F(VersionRequestTest, OutputThatCannotBeWrittenFails) {
    std::FILE* full = std::fopen("/dev/full", "w");
    if (full == nullptr) {
        GTEST_SKIP() << "no /dev/full here";
    }
    const char* argv[] = {"linkmint", "--version", nullptr};
    EXPECT_EQ(AnswerVersionRequest(2, argv, full), 1);
    std::fclose(full);
}

}  // namespace
}  // namespace lm
