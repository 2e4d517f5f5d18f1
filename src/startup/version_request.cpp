// SPDX-License-Identifier: MIT
#include "version_request.h"

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

#include "linkmint_build_info.h"

namespace lm {

bool IsVersionRequest(int argc, const char* const* argv) {
    if (argc != 2 || std::strcmp(argv[1], "--version") != 0) {
        return false;
    }
    // Anything of that name, a dangling link included, is a path. So is a
    // name that cannot be looked at.
    struct stat info {};
    return ::lstat(argv[1], &info) != 0 && errno == ENOENT;
}

std::optional<int> AnswerVersionRequest(int argc, const char* const* argv, std::FILE* out) {
    if (!IsVersionRequest(argc, argv)) {
        return std::nullopt;
    }
    const bool written = std::fputs("linkmint " LM_VERSION "\n", out) >= 0 && std::fflush(out) == 0;
    return written ? 0 : 1;
}

}  // namespace lm
