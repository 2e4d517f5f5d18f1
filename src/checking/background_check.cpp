// SPDX-License-Identifier: MIT
#include "background_check.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <exception>
#include <filesystem>
#include <functional>
#include <iterator>
#include <string>
#include <utility>

#include "check_report.h"
#include "check_texts.h"
#include "path_bytes.h"
#include "path_names.h"

namespace lm {

namespace {

// How often the GUI thread takes over what the check found.
constexpr int kPollIntervalMs = 50;
// How often, at most, the verdicts so far are copied for the GUI thread.
constexpr std::chrono::milliseconds kResultsInterval{250};

}  // namespace

BackgroundCheck::BackgroundCheck(QObject* parent) : QObject(parent) {
    poll_.setInterval(kPollIntervalMs);
    connect(&poll_, &QTimer::timeout, this, &BackgroundCheck::TakeReport);
}

BackgroundCheck::~BackgroundCheck() {
    Stop();
}

void BackgroundCheck::Start(const QStringList& listPaths, unsigned threads) {
    Stop();
    ++generation_;
    cancel_ = false;
    thread_.reset(QThread::create([this, listPaths, threads] { Work(listPaths, threads); }));
    thread_->setObjectName(QStringLiteral("check"));
    thread_->start();
    poll_.start();
}

void BackgroundCheck::Cancel() {
    cancel_ = true;
}

void BackgroundCheck::Stop() {
    ++generation_;
    poll_.stop();
    if (thread_ != nullptr) {
        cancel_ = true;
        thread_->wait();
        thread_.reset();
    }
    {
        std::lock_guard lock(mutex_);
        report_ = {};
    }
}

namespace {

// The first reading of the lists: a row per entry, and the file each names.
class RowCollector : public ListSink {
public:
    RowCollector(CheckRows& rows, std::vector<FileKey>& keys, QStringList& messages)
        : rows_(rows), keys_(keys), messages_(messages) {}

    void StartList(std::uint32_t list, const std::string& shown,
                   const std::filesystem::path& folder) {
        list_ = list;
        shown_ = shown;
        folder_ = folder;
        entries_ = 0;
        skipped_ = {};
    }
    std::size_t Entries() const { return entries_; }
    void EndList() {
        if (skipped_.lines > 0) {
            messages_ << CheckTexts::SkippedLines(QString::fromStdString(shown_), skipped_.lines,
                                                  skipped_.algorithms);
        }
    }

    void Entry(ListEntry&& entry) override {
        ++entries_;
        CheckRow row;
        row.name = entry.names.empty() ? std::string() : entry.names.front();
        row.list = list_;
        row.line = static_cast<std::uint32_t>(entry.line);
        if (const std::optional<FoundFile> found = FindEntryFile(entry, folder_)) {
            row.name = entry.names[found->spelling];
            keys_.push_back(found->key);
        }
        rows_.push_back(std::move(row));
    }
    void UnreadLine(std::size_t line) override {
        messages_ << CheckTexts::UnreadLine(QString::fromStdString(shown_), line);
    }
    void SkippedLine(std::size_t, std::string_view algorithm) override { skipped_.Add(algorithm); }

private:
    CheckRows& rows_;
    std::vector<FileKey>& keys_;
    QStringList& messages_;
    std::uint32_t list_ = 0;
    std::string shown_;
    std::filesystem::path folder_;
    std::size_t entries_ = 0;
    SkippedDigests skipped_;
};

// The second reading: each entry checked, its verdict handed on.
class EntryVerifier : public ListSink {
public:
    EntryVerifier(EntryChecker& checker, const CheckControl& control,
                  std::function<void(VerdictUpdate&&)> found)
        : checker_(checker), control_(control), found_(std::move(found)) {}

    // The list's rows: `count` from `first`, as the first reading found them.
    void StartList(std::uint32_t list, const std::filesystem::path& folder, std::size_t first,
                   std::size_t count) {
        list_ = list;
        folder_ = folder;
        next_ = first;
        end_ = first + count;
    }
    bool Cancelled() const { return cancelled_; }

    void Entry(ListEntry&& entry) override {
        // A list that grew since the first reading has no rows for the rest.
        if (cancelled_ || next_ == end_) {
            return;
        }
        VerdictUpdate update;
        update.row = next_++;
        update.result.list = list_;
        if (!checker_.Check(entry, folder_, control_, update.result)) {
            cancelled_ = true;
            return;
        }
        found_(std::move(update));
    }
    void UnreadLine(std::size_t) override {}
    void SkippedLine(std::size_t, std::string_view) override {}

private:
    EntryChecker& checker_;
    const CheckControl& control_;
    std::function<void(VerdictUpdate&&)> found_;
    std::uint32_t list_ = 0;
    std::filesystem::path folder_;
    std::size_t next_ = 0;
    std::size_t end_ = 0;
    bool cancelled_ = false;
};

}  // namespace

void BackgroundCheck::Work(const QStringList& listPaths, unsigned threads) {
    bool completed = false;
    QStringList messages;
    try {
        struct ListToCheck {
            std::uint32_t index;
            std::filesystem::path path;
            std::size_t first, count;
        };
        std::vector<ListToCheck> lists;
        CheckRows rows;
        std::vector<FileKey> keys;
        RowCollector collector(rows, keys, messages);
        for (qsizetype i = 0; i < listPaths.size() && !cancel_; ++i) {
            const std::filesystem::path path =
                FileSystemPath(QFileInfo(listPaths[i]).absoluteFilePath());
            const std::string shown = DisplayPath(listPaths[i]).toStdString();
            const auto index = static_cast<std::uint32_t>(i);
            collector.StartList(index, shown, path.parent_path());
            const std::size_t first = rows.size();
            ListParser parser(collector, &PathBytesFromText);
            std::string error;
            if (!ReadListFile(path, parser, error)) {
                rows.resize(first);
                messages << CheckTexts::UnreadableList(QString::fromStdString(shown), error);
                continue;
            }
            collector.EndList();
            if (collector.Entries() == 0) {
                messages << CheckTexts::EmptyList(QString::fromStdString(shown));
                continue;
            }
            lists.push_back({index, path, first, rows.size() - first});
        }
        std::vector<std::pair<FileKey, std::uint32_t>> uses = CountUses(std::move(keys));
        keys = {};
        const std::size_t files = uses.size();
        const std::size_t entryCount = rows.size();
        {
            std::lock_guard lock(mutex_);
            report_.messages = messages;
            report_.entries = std::move(rows);
        }

        completed = !cancel_;
        if (completed && entryCount > 0) {
            // Made here: the hasher's helper threads start on the thread
            // that runs the passes.
            ChunkBuffer buffer(threads);
            EntryChecker checker(buffer);
            checker.ExpectUses(std::move(uses));
            // Verdicts go to the window a few times a second, so that
            // neither side ever holds many of them.
            std::vector<VerdictUpdate> found;
            auto lastHandOver = std::chrono::steady_clock::now();
            const auto handOver = [&] {
                std::lock_guard lock(mutex_);
                if (report_.updates.empty()) {
                    report_.updates.swap(found);
                } else {
                    std::move(found.begin(), found.end(), std::back_inserter(report_.updates));
                }
                found.clear();
                lastHandOver = std::chrono::steady_clock::now();
            };
            const auto handOverNow = [&] {
                return std::chrono::steady_clock::now() - lastHandOver >= kResultsInterval;
            };
            CheckControl control;
            control.cancel = &cancel_;
            control.progress = [&](const CheckProgress& p) {
                CheckProgress shown = p;
                shown.files = std::max(files, p.file);
                // The verdicts found so far are final: they go out while a
                // large file is read too, so they do not wait for its end.
                if ((p.chunk == 0 || !found.empty()) && handOverNow()) {
                    handOver();
                }
                std::lock_guard lock(mutex_);
                report_.progress = std::move(shown);
            };
            // Entries whose file was read already come without progress.
            EntryVerifier verifier(checker, control, [&](VerdictUpdate&& update) {
                found.push_back(std::move(update));
                if ((found.size() & 1023) == 0 && handOverNow()) {
                    handOver();
                }
            });
            for (const ListToCheck& list : lists) {
                verifier.StartList(list.index, list.path.parent_path(), list.first, list.count);
                ListParser parser(verifier, &PathBytesFromText);
                std::string error;
                ReadListFile(list.path, parser, error);  // said once already if it fails now
                if (verifier.Cancelled() || cancel_) {
                    break;
                }
            }
            handOver();
            completed = !verifier.Cancelled() && !cancel_;
        }
    } catch (const std::exception& e) {
        // Nothing here should throw but a failed allocation; say so rather
        // than end the program.
        std::lock_guard lock(mutex_);
        report_.error =
            CheckTexts::tr("Error: The check stopped: %1.").arg(QString::fromUtf8(e.what()));
        completed = false;
    }
    std::lock_guard lock(mutex_);
    report_.completed = completed;
    report_.done = true;
}

void BackgroundCheck::TakeReport() {
    Report report;
    {
        std::lock_guard lock(mutex_);
        report = std::exchange(report_, Report{});
    }
    // A slot may start another check or stop this one: then the rest of
    // this report is no longer wanted.
    const std::uint64_t generation = generation_;
    if (report.entries) {
        emit listsRead(report.messages.value_or(QStringList()), *report.entries);
    }
    if (!report.updates.empty() && generation == generation_) {
        emit resultsChanged(report.updates);
    }
    if (report.progress && generation == generation_) {
        emit progress(*report.progress);
    }
    if (report.error && generation == generation_) {
        emit failed(*report.error);
    }
    if (generation != generation_ || !report.done) {
        return;
    }
    // The thread's last act was to leave the report: it ends at once.
    poll_.stop();
    thread_->wait();
    thread_.reset();
    {
        std::lock_guard lock(mutex_);
        report_ = {};
    }
    emit finished(report.completed);
}

}  // namespace lm
