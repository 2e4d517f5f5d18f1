// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lm::cli {

// Runs linkmint-cli over `args` (without the program name) and returns the
// exit status: 0 when every file was hashed, 1 when some could not be, 2 for
// a bad option. With --check: 0 when every entry of the lists is OK, 1 when
// any failed or is missing, 2 when a list cannot be read or holds nothing
// to check. `showProgress` draws a progress line on `err` for files
// larger than one chunk.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           bool showProgress);

}  // namespace lm::cli
