// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <optional>

namespace lm {

// "linkmint --version" and "linkmint --help". The window program takes every
// argument as a path or "/debug", and a file may well be named "--version":
// a switch counts only when it is the one argument and nothing of that name
// lies in the working folder.
bool IsLoneSwitch(int argc, const char* const* argv, const char* name);
bool IsVersionRequest(int argc, const char* const* argv);

// When the arguments ask for the version: prints "linkmint VERSION" on `out`
// and returns the exit status, 0, or 1 when it could not be written.
// Otherwise nothing. Runs before anything else of the program, so it needs
// no display and touches no running instance.
std::optional<int> AnswerVersionRequest(int argc, const char* const* argv, std::FILE* out = stdout);

// The same for "--help": prints the usage on `out`.
std::optional<int> AnswerHelpRequest(int argc, const char* const* argv, std::FILE* out = stdout);

// What "linkmint --help" prints.
extern const char kLinkmintUsage[];

}  // namespace lm
