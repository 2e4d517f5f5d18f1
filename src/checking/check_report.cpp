// SPDX-License-Identifier: MIT
#include "check_report.h"

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
    if (result.differs.empty()) {
        return result.error;
    }
    std::string what;
    for (const std::string& d : result.differs) {
        what += (what.empty() ? "" : ", ") + d;
    }
    return what + (result.differs.size() == 1 ? " differs" : " differ");
}

std::string DescribeResult(const EntryResult& result) {
    std::string line = VerdictWord(result.verdict) + "  " + result.name;
    if (result.verdict == Verdict::Failed) {
        line += " (" + FailureText(result) + ")";
    }
    return line;
}

VerdictCounts CountVerdicts(const std::vector<EntryResult>& results) {
    VerdictCounts counts;
    for (const EntryResult& r : results) {
        switch (r.verdict) {
            case Verdict::Ok:
                ++counts.ok;
                break;
            case Verdict::Failed:
                ++counts.failed;
                break;
            case Verdict::Missing:
                ++counts.missing;
                break;
            case Verdict::NotChecked:
                ++counts.notChecked;
                break;
        }
    }
    return counts;
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

std::string UnreadLineMessage(const std::string& listPath, std::size_t line) {
    return "Warning: " + listPath + ", line " + std::to_string(line) +
           ": not a line of a known list format.";
}

}  // namespace lm
