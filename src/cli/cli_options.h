// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "ed2k_link.h"

namespace lm::cli {

struct CliOptions {
    LinkOptions link;
    bool info = false;       // a block per entry instead of bare links
    bool magnet = false;     // magnet links instead of ed2k links
    bool check = false;      // the paths are lists to check files against
    bool recursive = false;  // a folder gives every regular file below it
    bool help = false;
    bool version = false;  // nothing is hashed; --help goes first
    unsigned threads = 0;  // 0: as many as help
    std::vector<std::string> paths;
};

enum class ParseResult { Ok, BadOption, BadValue };

// Options may stand anywhere before "--"; everything after it is a path.
// With --check the paths are the lists.
// On BadOption `bad` is the unknown option; on BadValue it is the message
// that names the option and its value.
ParseResult ParseCliOptions(const std::vector<std::string>& args, CliOptions& options,
                            std::string& bad);

extern const char* const kUsage;

}  // namespace lm::cli
