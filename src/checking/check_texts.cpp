// SPDX-License-Identifier: MIT
#include "check_texts.h"

namespace lm {

namespace {

// What the checker names as differing or as the reason a file could not be
// read: words of its own, translated here when known, else shown as they
// come (a system's reason is already in the user's language).
const char* const kCheckWords[] = {
    QT_TRANSLATE_NOOP("lm::CheckTexts", "size"),
    QT_TRANSLATE_NOOP("lm::CheckTexts", "ed2k hash"),
    QT_TRANSLATE_NOOP("lm::CheckTexts", "part hashes"),
    QT_TRANSLATE_NOOP("lm::CheckTexts", "AICH hash"),
    QT_TRANSLATE_NOOP("lm::CheckTexts", "cannot be opened"),
    QT_TRANSLATE_NOOP("lm::CheckTexts", "not a regular file"),
    QT_TRANSLATE_NOOP("lm::CheckTexts", "larger than a list can be"),
};

QString Word(const std::string& word) {
    for (const char* known : kCheckWords) {
        if (word == known) {
            return CheckTexts::tr(known);
        }
    }
    // "read error: <reason>"
    constexpr std::string_view kReadError = "read error: ";
    if (word.starts_with(kReadError)) {
        return CheckTexts::tr("read error: %1")
            .arg(QString::fromStdString(word.substr(kReadError.size())));
    }
    return QString::fromStdString(word);
}

}  // namespace

QString CheckTexts::Verdict(lm::Verdict verdict) {
    switch (verdict) {
        case lm::Verdict::Ok:
            return tr("OK");
        case lm::Verdict::Failed:
            return tr("FAILED");
        case lm::Verdict::Missing:
            return tr("MISSING");
        case lm::Verdict::NotChecked:
            break;
    }
    return tr("NOT CHECKED");
}

QString CheckTexts::Failure(const EntryResult& result) {
    if (result.verdict != lm::Verdict::Failed) {
        return {};
    }
    const std::vector<std::string> differs = DifferenceNames(result.differs);
    if (differs.empty()) {
        return Word(result.error);
    }
    QStringList what;
    for (const std::string& d : differs) {
        what << Word(d);
    }
    return what.size() == 1 ? tr("%1 differs").arg(what.constFirst())
                            : tr("%1 differ", "several things, separated by commas")
                                  .arg(what.join(tr(", ", "between the things that differ")));
}

QString CheckTexts::Summary(const VerdictCounts& c) {
    const auto total = static_cast<int>(c.ok + c.failed + c.missing + c.notChecked);
    const QString counts =
        tr("%1 OK, %2 FAILED, %3 MISSING").arg(c.ok).arg(c.failed).arg(c.missing);
    QString text = total == 1 ? tr("1 entry: %1").arg(counts)
                              : tr("%n entries: %1", nullptr, total).arg(counts);
    if (c.notChecked > 0) {
        text += tr(", %1 NOT CHECKED").arg(c.notChecked);
    }
    return text;
}

QString CheckTexts::UnreadableList(const QString& listPath, const std::string& reason) {
    return tr("Error: Unable to read list \"%1\": %2.").arg(listPath, Word(reason));
}

QString CheckTexts::EmptyList(const QString& listPath) {
    return tr("Error: The list \"%1\" holds nothing to check.").arg(listPath);
}

QString CheckTexts::UnreadLine(const QString& listPath, std::size_t line) {
    return tr("Warning: %1, line %2: not a line of a known list format.").arg(listPath).arg(line);
}

QString CheckTexts::SkippedLines(const QString& listPath, std::size_t lines,
                                 const std::vector<std::string>& algorithms) {
    QStringList names;
    for (const std::string& name : algorithms) {
        names << QString::fromStdString(name);
    }
    const QString text =
        lines == 1 ? tr("Note: %1: 1 line skipped, for digests that are not checked (%2).")
                   : tr("Note: %1: %n lines skipped, for digests that are not checked (%2).",
                        nullptr, static_cast<int>(lines));
    return text.arg(listPath, names.join(QStringLiteral(", ")));
}

}  // namespace lm
