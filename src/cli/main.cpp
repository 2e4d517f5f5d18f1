// SPDX-License-Identifier: MIT
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

#include "cli_app.h"

int main(int argc, char** argv) {
    // A reader that goes away (`linkmint-cli ... | head -1`) makes the next
    // write fail with EPIPE, which is reported like any other failed write,
    // instead of ending the program silently with SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    return lm::cli::RunCli(args, std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1);
}
