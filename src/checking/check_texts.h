// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>

#include <cstddef>
#include <string>
#include <vector>

#include "check_report.h"
#include "check_runner.h"

namespace lm {

// What the check window says of its entries and lists, in the user's
// language; in English word for word what linkmint-cli prints (check_report),
// whose output stays English whatever the language.
class CheckTexts {
    Q_DECLARE_TR_FUNCTIONS(lm::CheckTexts)

public:
    // "OK", "FAILED", "MISSING", "NOT CHECKED".
    static QString Verdict(lm::Verdict verdict);
    // "CRC32 differs", "size, ed2k hash differ", "cannot be opened"; empty
    // unless the entry failed.
    static QString Failure(const EntryResult& result);
    // "5 entries: 1 OK, 3 FAILED, 1 MISSING", ", 2 NOT CHECKED" when any.
    static QString Summary(const VerdictCounts& counts);
    static QString UnreadableList(const QString& listPath, const std::string& reason);
    static QString EmptyList(const QString& listPath);
    static QString UnreadLine(const QString& listPath, std::size_t line);
    // "Note: LIST: 3 lines skipped, for digests that are not checked (SHA256)."
    static QString SkippedLines(const QString& listPath, std::size_t lines,
                                const std::vector<std::string>& algorithms);
};

}  // namespace lm
