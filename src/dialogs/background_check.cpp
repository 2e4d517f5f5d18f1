// SPDX-License-Identifier: MIT
#include "background_check.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <chrono>
#include <exception>
#include <filesystem>
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
    runner_ = std::make_unique<CheckRunner>();
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
    runner_.reset();
}

void BackgroundCheck::Work(const QStringList& listPaths, unsigned threads) {
    CheckRunner& runner = *runner_;
    bool completed = false;
    QStringList messages;
    try {
        for (const QString& listPath : listPaths) {
            const std::filesystem::path path =
                FileSystemPath(QFileInfo(listPath).absoluteFilePath());
            const QString shown = DisplayPath(listPath);
            std::string bytes, error;
            if (!ReadListFile(path, bytes, error)) {
                messages << CheckTexts::UnreadableList(shown, error);
                continue;
            }
            const ParsedList list = ParseList(bytes, &PathBytesFromText);
            for (std::size_t line : list.unreadLines) {
                messages << CheckTexts::UnreadLine(shown, line);
            }
            if (list.entries.empty()) {
                messages << CheckTexts::EmptyList(shown);
                continue;
            }
            runner.AddList(list, path.parent_path());
        }
        {
            std::vector<EntryResult> entries = runner.Results();
            std::lock_guard lock(mutex_);
            report_.messages = messages;
            report_.entries = std::move(entries);
        }

        completed = !cancel_;
        if (completed && runner.EntryCount() > 0) {
            // Made here: the hasher's helper threads start on the thread
            // that runs the passes.
            ChunkBuffer buffer(threads);
            auto lastCopy = std::chrono::steady_clock::now();
            // Verdicts reached since the last copy: the missing files' ones
            // are in before the first file, the others come between files.
            bool newVerdicts = true;
            CheckControl control;
            control.cancel = &cancel_;
            control.progress = [&](const CheckProgress& p) {
                std::optional<std::vector<EntryResult>> results;
                // The verdicts change only between two files, on this thread:
                // a copy made at any chunk holds final ones. Made while a
                // large file is read too, so that the verdicts reached before
                // it do not wait for its end.
                newVerdicts = newVerdicts || p.chunk == 0;
                const auto now = std::chrono::steady_clock::now();
                if (newVerdicts && now - lastCopy >= kResultsInterval) {
                    results = runner.Results();
                    lastCopy = now;
                    newVerdicts = false;
                }
                std::lock_guard lock(mutex_);
                report_.progress = p;
                if (results) {
                    report_.results = std::move(results);
                }
            };
            completed = runner.Run(buffer, control);
        }
    } catch (const std::exception& e) {
        // Nothing here should throw but a failed allocation; say so rather
        // than end the program.
        std::lock_guard lock(mutex_);
        report_.error =
            CheckTexts::tr("Error: The check stopped: %1.").arg(QString::fromUtf8(e.what()));
        completed = false;
    }
    std::vector<EntryResult> results = runner.Results();
    std::lock_guard lock(mutex_);
    report_.results = std::move(results);
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
    if (report.progress && generation == generation_) {
        emit progress(*report.progress);
    }
    if (report.error && generation == generation_) {
        emit failed(*report.error);
    }
    if (generation != generation_) {
        return;
    }
    if (!report.done) {
        if (report.results) {
            emit resultsChanged(*report.results);
        }
        return;
    }
    // The thread's last act was to leave the report: it ends at once.
    poll_.stop();
    thread_->wait();
    thread_.reset();
    runner_.reset();
    {
        std::lock_guard lock(mutex_);
        report_ = {};
    }
    emit finished(report.completed, report.results.value_or(std::vector<EntryResult>()));
}

}  // namespace lm
