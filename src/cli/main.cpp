// SPDX-License-Identifier: MIT
#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

#include "cli_app.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    return lm::cli::RunCli(args, std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1);
}
