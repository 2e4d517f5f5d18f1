// SPDX-License-Identifier: MIT
#include "check_report.h"

#include <algorithm>

namespace lm {

std::string VerdictWord(Verdict verdict) {
    switch (verdict) {
        case Verdict::Ok:
            return "OK";
        case Verdict::Failed:
            return "FAILED";
        case Verdict::Missing:
            return "MISSING";
        case Verdict::NotChecked:
            break;
    }
    return "NOT CHECKED";
}

std::string FailureText(const EntryResult& result) {
    if (result.verdict != Verdict::Failed) {
        return {};
    }
    const std::vector<std::string> differs = DifferenceNames(result.differs);
    if (differs.empty()) {
        return result.error;
    }
    std::string what;
    for (const std::string& d : differs) {
        what += (what.empty() ? "" : ", ") + d;
    }
    return what + (differs.size() == 1 ? " differs" : " differ");
}

std::string ShownName(std::string_view name) {
    const bool control = std::any_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    });
    if (!control) {
        return std::string(name);
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string shown = "\\";
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            shown += "\\\\";
        } else if (c == '\n') {
            shown += "\\n";
        } else if (c == '\r') {
            shown += "\\r";
        } else if (c == '\t') {
            shown += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            shown += "\\x";
            shown += kDigits[byte >> 4];
            shown += kDigits[byte & 15];
        } else {
            shown += c;
        }
    }
    return shown;
}

std::string DescribeResult(const EntryResult& result) {
    std::string line = VerdictWord(result.verdict) + "  " + ShownName(result.name);
    if (result.verdict == Verdict::Failed) {
        line += " (" + FailureText(result) + ")";
    }
    return line;
}

void VerdictCounts::Add(Verdict verdict) {
    switch (verdict) {
        case Verdict::Ok:
            ++ok;
            break;
        case Verdict::Failed:
            ++failed;
            break;
        case Verdict::Missing:
            ++missing;
            break;
        case Verdict::NotChecked:
            ++notChecked;
            break;
    }
}

VerdictCounts CountVerdicts(const std::vector<EntryResult>& results) {
    VerdictCounts counts;
    for (const EntryResult& r : results) {
        counts.Add(r.verdict);
    }
    return counts;
}

void SkippedDigests::Add(std::string_view algorithm) {
    ++lines;
    if (std::find(algorithms.begin(), algorithms.end(), algorithm) == algorithms.end()) {
        algorithms.emplace_back(algorithm);
    }
}

std::string SummaryText(const VerdictCounts& c) {
    const std::size_t total = c.ok + c.failed + c.missing + c.notChecked;
    std::string text = std::to_string(total) + (total == 1 ? " entry: " : " entries: ") +
                       std::to_string(c.ok) + " OK, " + std::to_string(c.failed) + " FAILED, " +
                       std::to_string(c.missing) + " MISSING";
    if (c.notChecked > 0) {
        text += ", " + std::to_string(c.notChecked) + " NOT CHECKED";
    }
    return text;
}

std::string UnreadableListMessage(const std::string& listPath, const std::string& reason) {
    return "Error: Unable to read list \"" + listPath + "\": " + reason + ".";
}

std::string EmptyListMessage(const std::string& listPath) {
    return "Error: The list \"" + listPath + "\" holds nothing to check.";
}

std::string SkippedLinesMessage(const std::string& listPath, std::size_t lines,
                                const std::vector<std::string>& algorithms) {
    std::string names;
    for (const std::string& name : algorithms) {
        names += (names.empty() ? "" : ", ") + name;
    }
    return "Note: " + listPath + ": " + std::to_string(lines) + (lines == 1 ? " line" : " lines") +
           " skipped, for digests that are not checked (" + names + ").";
}

std::string UnreadLineMessage(const std::string& listPath, std::size_t line) {
    return "Warning: " + listPath + ", line " + std::to_string(line) +
           ": not a line of a known list format.";
}

}  // namespace lm
