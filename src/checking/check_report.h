// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "check_runner.h"

namespace lm {

// The words both front ends report a check in.

// "OK", "FAILED", "MISSING" or "NOT CHECKED".
std::string VerdictWord(Verdict verdict);

// For a Failed entry, what went wrong: "CRC32 differs", "size, ed2k hash,
// AICH hash differ", or why the file could not be read ("cannot be
// opened"); empty for every other verdict.
std::string FailureText(const EntryResult& result);

// A name as a verdict line shows it: as it is, or, when it holds a control
// character, escaped as md5sum does: a leading "\", then "\\" for "\", "\n"
// for a line feed, "\r", "\t", and "\xHH" for the other control characters.
std::string ShownName(std::string_view name);

// One line per entry: "OK  abc.txt", "FAILED  holiday.avi (CRC32 differs)".
std::string DescribeResult(const EntryResult& result);

struct VerdictCounts {
    std::size_t ok = 0;
    std::size_t failed = 0;
    std::size_t missing = 0;
    std::size_t notChecked = 0;

    void Add(Verdict verdict);
};
VerdictCounts CountVerdicts(const std::vector<EntryResult>& results);

// "5 entries: 1 OK, 3 FAILED, 1 MISSING" ("1 entry: ..." for one). Entries
// not checked are counted only when there are any: ", 2 NOT CHECKED".
std::string SummaryText(const VerdictCounts& counts);

// The lines of a list skipped for digests the checker does not know, and
// those digests' names in the order first met.
struct SkippedDigests {
    std::size_t lines = 0;
    std::vector<std::string> algorithms;

    void Add(std::string_view algorithm);
};

// The messages about the lists themselves.
std::string UnreadableListMessage(const std::string& listPath, const std::string& reason);
std::string EmptyListMessage(const std::string& listPath);
std::string UnreadLineMessage(const std::string& listPath, std::size_t line);
// "Note: LIST: 3 lines skipped, for digests that are not checked (SHA256, CRC32C)."
std::string SkippedLinesMessage(const std::string& listPath, std::size_t lines,
                                const std::vector<std::string>& algorithms);

}  // namespace lm
