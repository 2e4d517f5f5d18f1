// SPDX-License-Identifier: MIT
#include "version_request.h"

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

#include "linkmint_build_info.h"

namespace lm {

const char kLinkmintUsage[] =
    "Usage: linkmint [/debug] [PATH...]\n"
    "       linkmint --help | --version\n"
    "Opens the Linkmint window and adds the files and folders given; when Linkmint\n"
    "already runs, hands them to its window instead. Each file's ed2k link is shown\n"
    "with its CRC-32, MD5 and SHA-1.\n"
    "  /debug     write the steps of the work to LinkmintDebug.log\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n"
    "A file named like a switch is a path when it lies in the working folder.\n"
    "linkmint-cli prints the same links on a terminal.\n";

namespace {

std::optional<int> Answer(const char* text, std::FILE* out) {
    const bool written = std::fputs(text, out) >= 0 && std::fflush(out) == 0;
    return written ? 0 : 1;
}

}  // namespace

bool IsLoneSwitch(int argc, const char* const* argv, const char* name) {
    if (argc != 2 || std::strcmp(argv[1], name) != 0) {
        return false;
    }
    // Anything of that name, a dangling link included, is a path. So is a
    // name that cannot be looked at.
    struct stat info {};
    return ::lstat(argv[1], &info) != 0 && errno == ENOENT;
}

bool IsVersionRequest(int argc, const char* const* argv) {
    return IsLoneSwitch(argc, argv, "--version");
}

std::optional<int> AnswerVersionRequest(int argc, const char* const* argv, std::FILE* out) {
    if (!IsVersionRequest(argc, argv)) {
        return std::nullopt;
    }
    return Answer("linkmint " LM_VERSION "\n", out);
}

std::optional<int> AnswerHelpRequest(int argc, const char* const* argv, std::FILE* out) {
    if (!IsLoneSwitch(argc, argv, "--help")) {
        return std::nullopt;
    }
    return Answer(kLinkmintUsage, out);
}

}  // namespace lm
