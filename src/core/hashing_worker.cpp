// SPDX-License-Identifier: MIT
#include "hashing_worker.h"

#include <QElapsedTimer>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

#include "crc_in_name.h"
#include "debug_sink.h"
#include "ed2k_link.h"
#include "file_table.h"
#include "file_turn.h"
#include "hash_ahead.h"
#include "hash_text.h"
#include "path_names.h"
#include "quick_thread.h"
#include "row_sink.h"
#include "thread_priority.h"
#include "worker_host.h"

namespace lm {

namespace {

constexpr int kEventDelayMs = 100;
// How often the GUI thread takes over what the worker handed it. The worker
// only fills a queue under a mutex and never posts Qt events itself, so the
// hand-over stays visible to ThreadSanitizer.
constexpr int kDrainIntervalMs = 10;
// The longest the GUI thread spends on the worker's calls at one tick.
constexpr qint64 kDrainSliceMs = 15;
constexpr int kCallsPerClockRead = 16;
constexpr int kPicturePause = 15;
constexpr int kPictureResume = 16;

std::u16string ToU16(const QString& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                          static_cast<std::size_t>(text.size()));
}

QString FromU16(std::u16string_view text) {
    return QStringView(text.data(), static_cast<qsizetype>(text.size())).toString();
}

// done / total * 100 to the nearest integer, halves to the even neighbour.
int Percent(std::uint64_t done, std::uint64_t total) {
    const std::uint64_t scaled = done * 100;
    std::uint64_t quotient = scaled / total;
    const std::uint64_t twice = (scaled % total) * 2;
    if (twice > total || (twice == total && quotient % 2 == 1)) {
        ++quotient;
    }
    return static_cast<int>(quotient);
}

QString ToGoTitle(int percent, int remaining) {
    return HashingWorker::tr("%1%; %2 to go - Linkmint",
                             "the title while hashing: percent of the file, files left")
        .arg(percent)
        .arg(remaining);
}

}  // namespace

// The queued entries up to `mark`, planned with `options`.
struct HashingWorker::AheadPlan {
    QueueMark mark;
    PassOptions options;
};

HashingWorker::HashingWorker(FileTable& table, const Settings& settings, WorkerHost& host,
                             DebugSink* debug, QObject* parent)
    : QObject(parent), table_(table), settings_(settings), host_(host), debug_(debug) {
    eventTimer_.setObjectName(QStringLiteral("EventTimer"));
    drainTimer_.setObjectName(QStringLiteral("DrainTimer"));
    eventTimer_.setSingleShot(true);
    eventTimer_.setInterval(kEventDelayMs);
    connect(&eventTimer_, &QTimer::timeout, this, &HashingWorker::EventTimerTimer);
    drainTimer_.setInterval(kDrainIntervalMs);
    connect(&drainTimer_, &QTimer::timeout, this, &HashingWorker::DrainHostQueue);
}

HashingWorker::~HashingWorker() {
    Paused = true;
    threads_.clear();  // joins them
}

// One file has a text of its own; any other count takes the plural form its
// language uses for that number (the English text is right as it stands for
// every count but 1, with or without a translation).
QString HashingWorker::RemainingText(bool paused, int remaining) {
    if (remaining == 1) {
        return paused ? tr("Paused: 1 file remaining") : tr("Working: 1 file remaining");
    }
    return paused ? tr("Paused: %n files remaining", nullptr, remaining)
                  : tr("Working: %n files remaining", nullptr, remaining);
}

QString HashingWorker::FileCountText(int count) {
    return count == 1 ? tr("1 file") : tr("%n files", nullptr, count);
}

QString HashingWorker::IdleText() {
    return tr("Idle: click here to add files");
}

QString HashingWorker::IdleTitle() {
    return tr("Linkmint (idle)");
}

QString HashingWorker::ResumeCaption() {
    return tr("Resume");
}

bool HashingWorker::DebugOn() const {
    return debug_ != nullptr && debug_->Enabled();
}

void HashingWorker::Debug(const QString& message) const {
    if (DebugOn()) {
        debug_->WriteDebugLog(message);
    }
}

void HashingWorker::Post(HostCall call) {
    std::lock_guard lock(queueMutex_);
    queue_.push_back(std::move(call));
}

void HashingWorker::DrainHostQueue() {
    // A worker through many small files hands over more than the window can
    // take in at once: it takes what a slice of time allows and leaves the
    // rest to the next tick, so that it keeps painting and answering.
    QElapsedTimer slice;
    slice.start();
    // One call at a time off the queue: a call may wait in a box whose
    // events drain the queue further, and the order must hold all the same.
    bool empty = false;
    // The clock is read every few calls: most calls take a microsecond.
    for (int calls = 0; calls % kCallsPerClockRead != 0 || slice.elapsed() < kDrainSliceMs;
         ++calls) {
        HostCall call;
        {
            std::lock_guard lock(queueMutex_);
            empty = queue_.empty();
            if (empty) {
                break;
            }
            call = std::move(queue_.front());
            queue_.pop_front();
        }
        call(host_);
    }
    // Only worker threads fill the queue, and each one's last call is its
    // end report.
    if (empty && threads_.empty()) {
        drainTimer_.stop();
    }
}

ProgressState HashingWorker::Progress() const {
    std::lock_guard lock(progressMutex_);
    return progress_;
}

QString HashingWorker::PendingError() const {
    std::lock_guard lock(progressMutex_);
    return pendingError_;
}

void HashingWorker::SetProgress(int done, int total, const QString& fileName) {
    std::lock_guard lock(progressMutex_);
    progress_ = {done, total, fileName};
}

void HashingWorker::SetChunksDone(int done) {
    std::lock_guard lock(progressMutex_);
    progress_.chunksDone = done;
}

void HashingWorker::ClearProgress(const char* repaintMessage) {
    {
        std::lock_guard lock(progressMutex_);
        progress_.chunksDone = 0;
        progress_.fileName.clear();
    }
    Debug(QLatin1StringView(repaintMessage));
    Post([](WorkerHost& host) { host.RepaintStatusBar(); });
}

void HashingWorker::SetTitle(const QString& title, const char* setMessage, const char* tipMessage) {
    Debug(QLatin1StringView(setMessage));
    Post([title](WorkerHost& host) {
        host.SetApplicationTitle(title);
        host.SetTaskbarProgress(-1, 0);
    });
    Debug(QLatin1StringView(tipMessage));
    Post([title](WorkerHost& host) { host.SetTrayTip(title); });
}

void HashingWorker::RefreshList() {
    if (table_.RefreshList(host_.Rows())) {
        host_.EnableRemoveAllAndSort();
    }
}

void HashingWorker::StartHashing() {
    RefreshList();
    const int remaining = table_.FilesRemaining();
    if (Paused) {
        host_.SetStatusText(1, RemainingText(true, remaining));
        return;
    }
    host_.SetStatusText(1, RemainingText(false, remaining));
    if (WorkerActive) {
        return;  // the running worker picks up the new entries itself
    }
    // Marked active before the thread exists, so that a pause or a wait for
    // the worker made right now is not missed.
    WorkerActive = true;
    priorityLevel_ = static_cast<int>(settings_.Snapshot().threadPriority);
    auto thread = std::make_unique<TQuickThread>(
        priorityLevel_.load(),
        [this](std::uint64_t identity, bool died, const QString& why) {
            Post([this, identity, died, why](WorkerHost&) { OnThreadEnded(identity, died, why); });
        },
        [this](std::uint64_t identity) { AddFiles(identity); });
    TQuickThread& started = *thread;
    latestIdentity_ = started.Identity();
    activeIdentity_ = latestIdentity_;
    threads_.emplace(latestIdentity_, std::move(thread));
    drainTimer_.start();
    started.Start();
}

bool HashingWorker::PauseAndWait(const std::function<void()>& processEvents,
                                 const std::function<bool()>& giveUp) {
    Paused = true;
    while (WorkerActive) {
        if (giveUp && giveUp()) {
            return false;
        }
        processEvents();
    }
    return true;
}

void HashingWorker::SetWorkerPriority(ThreadPriority priority) {
    priorityLevel_ = static_cast<int>(priority);
    const auto found = threads_.find(latestIdentity_);
    if (WorkerActive && found != threads_.end()) {
        found->second->SetPriorityLevel(static_cast<int>(priority));
    }
}

void HashingWorker::ArmEvent(int code) {
    eventCode_ = code;
    if (!eventTimer_.isActive()) {
        eventTimer_.start();
    }
}

void HashingWorker::DisableEventTimer() {
    eventTimer_.stop();
}

void HashingWorker::EventTimerTimer() {
    eventTimer_.stop();
    switch (eventCode_) {
        case evRefreshInfo:
            host_.RefreshInfo();
            break;
        case evShowError: {
            QString text;
            {
                std::lock_guard lock(progressMutex_);
                text.swap(pendingError_);
            }
            if (!text.isEmpty()) {
                host_.ShowError(text);
            }
            break;
        }
        case evCloseProgram:
            host_.CloseProgram();
            break;
        case evHideToTray:
            if (host_.StartupInProgress()) {
                ArmEvent(evHideToTray);
            } else {
                host_.HideToTray();
            }
            break;
        default:
            break;
    }
}

void HashingWorker::AddFiles(std::uint64_t identity) {
    Debug(QStringLiteral("Entering AddFiles thread."));
    if (activeIdentity_ != identity) {
        Debug(QStringLiteral("Duplicate AddFiles thread exiting."));
        return;
    }
    // The cursor is set only past the check, so a duplicate cannot leave it
    // busy after the real worker has restored it.
    // A pause asked for since StartHashing stays in force: the controls
    // show the flag as it is when they are set.
    Post([this](WorkerHost& host) {
        host.SetBusyCursor(true);
        ShowPauseState(host);
        host.EnableRemoveAllAndSort();
    });
    Debug(QStringLiteral("Creating memory stream."));
    auto buffer = std::make_unique<ChunkBuffer>();
    // The hasher's helper threads start with this thread's priority; before
    // each piece of work they take up a change made since.
    const auto followPriority = [this] {
        thread_local int applied = -1;
        const int wanted = priorityLevel_.load();
        if (wanted != applied) {
            SetNativeThreadPriority(CurrentNativeThreadId(), wanted);
            applied = wanted;
        }
    };
    buffer->SetHelperHook(followPriority);
    // The small files that come next are hashed on the other core while
    // this thread takes the files in their turn; what was hashed ahead of a
    // pause or for an entry removed meanwhile is dropped.
    auto ahead = std::make_unique<HashAhead>(0, followPriority);
    AheadPlan plan;
    Debug(QStringLiteral("Enabling abort button."));
    Post([](WorkerHost& host) { host.SetPauseEnabled(true); });

    for (;;) {
        const std::optional<WorkClaim> claim = table_.ClaimNextQueued();
        if (!claim) {
            break;
        }
        const QString& fileName = claim->fileName;
        Debug(QStringLiteral("Start of file reading loop."));
        Debug(QStringLiteral("Setting file state to \"working\"."));
        if (DebugOn()) {
            Debug(QStringLiteral("Opening file \"%1\".").arg(fileName));
        }
        // The AICH root costs one more SHA-1 over the file: only when asked.
        const bool aich = settings_.Get(&SettingsValues::aichHash);
        if (ahead->Enabled()) {
            KeepAheadPlanned(*ahead, plan, PassOptions{aich});
        }
        FileTurn pass(*buffer, *ahead, claim->id);
        if (!pass.Open(FileSystemPath(fileName), PassOptions{aich})) {
            Debug(QStringLiteral("Opening file failed."));
            {
                std::lock_guard lock(progressMutex_);
                pendingError_ = tr("Error: Unable to open file \"%1\".").arg(DisplayPath(fileName));
            }
            Post([this](WorkerHost&) { ArmEvent(evShowError); });
            table_.ReleaseUnopened(*claim);
            continue;
        }
        Debug(QStringLiteral("Opening file worked."));
        const std::uint32_t chunkCount = pass.ChunkCount();

        // What the window shows at a file's start, handed over at once (one
        // hand-over per step of a file, not per call: many small files cost
        // the window little).
        Debug(QStringLiteral("Setting status bar text (1)."));
        // The texts are made on the GUI thread, which has time to spare.
        const int remaining = table_.FilesRemaining();
        Debug(QStringLiteral("Setting application title (1)."));
        Debug(QStringLiteral("Setting system tray icon hint (1)."));
        // What the user sees of the name: a byte that is not UTF-8 as U+FFFD,
        // in the progress and the CRC-in-name check. The link carries the
        // name's own bytes, such a byte as %XX.
        const std::u16string name16 = ToU16(DisplayPath(fileName));
        const std::u16string linkName16 = ToU16(fileName);
        SetProgress(0, static_cast<int>(chunkCount), FromU16(NameWithoutPath(name16)));
        Debug(QStringLiteral("Refreshing status bar (1)."));
        Post([remaining](WorkerHost& host) {
            const QString startTitle = ToGoTitle(0, remaining);
            host.SetStatusText(1, RemainingText(false, remaining));
            host.SetApplicationTitle(startTitle);
            host.SetTaskbarProgress(0, remaining);
            host.SetTrayTip(startTitle);
            host.RepaintStatusBar();
        });

        for (std::uint32_t i = 0; pass.HasNextChunk(); ++i) {
            if (Paused) {
                ClearProgress("Refreshing status bar (2).");
                Debug(QStringLiteral("Pausing file list (1)."));
                table_.PauseUnfinished();
                break;
            }
            pass.HashNextChunk();
            SetChunksDone(static_cast<int>(i + 1));
            Debug(QStringLiteral("Refreshing status bar (3)."));
            const int percent = Percent(i + 1, chunkCount);
            const int left = table_.FilesRemaining();
            Debug(QStringLiteral("Setting application title (2)."));
            Debug(QStringLiteral("Setting system tray icon hint (2)."));
            Post([percent, left](WorkerHost& host) {
                const QString title = ToGoTitle(percent, left);
                host.RepaintStatusBar();
                host.SetApplicationTitle(title);
                host.SetTaskbarProgress(percent, left);
                host.SetTrayTip(title);
            });
        }

        Debug(QStringLiteral("Closing file stream."));
        pass.Close();
        if (Paused) {
            ClearProgress("Refreshing status bar (4).");
            Debug(QStringLiteral("Pausing file list (2)."));
            table_.PauseUnfinished();
            break;
        }

        const FileDigests digests = pass.Finish();
        const bool lower = settings_.Get(&SettingsValues::lowercaseHashes);
        const LinkOptions options{settings_.Get(&SettingsValues::stripPath), lower,
                                  settings_.Get(&SettingsValues::trailingSlash),
                                  settings_.Get(&SettingsValues::partHashes), aich};
        HashResults results;
        results.link = FromU16(Ed2kLink(linkName16, digests, Ed2kVariant::First, options));
        results.hashes = HashTexts::OfDigests(digests.crc32, digests.md5, digests.sha1, lower);
        results.crcStatus = CheckCrcInName(name16, CrcText(digests.crc32, lower));
        if (digests.hasSecondEd2k) {
            results.hasSecondLink = true;
            results.secondLink =
                FromU16(Ed2kLink(linkName16, digests, Ed2kVariant::Second, options));
            results.secondFileSize = FileTable::SizeForEntry(fileName);
        }
        // What the links need to follow the link options later; nothing
        // for the many small files whose links never carry part hashes.
        if (digests.size >= kChunkSize || digests.aich) {
            results.kept = std::make_shared<const KeptDigests>(
                KeptDigests{digests.chunkDigests, digests.aich});
        }
        // Measured here, off the GUI thread, to widen the list's extent.
        const int linkWidth = host_.LinkTextWidth(results.link);

        Debug(QStringLiteral("Adding eD2K link to ED2KLinkLst."));
        // Everything lands at once, on the entry wherever it now stands; an
        // entry removed meanwhile gets nothing.
        const bool stored = table_.StoreResults(*claim, results);
        bool wider = false;
        if (stored) {
            Debug(QStringLiteral("Locking DatLst canvas."));
            Debug(QStringLiteral("Getting eD2K text width."));
            Debug(QStringLiteral("Unlocking DatLst canvas."));
            Debug(QStringLiteral("Checking DatLst scroll width."));
            wider = host_.RaiseScrollExtent(linkWidth + 8);
            if (wider) {
                Debug(QStringLiteral("Fixing DatLst scroll width."));
            }
            Debug(QStringLiteral("Adding remaining hashes to lists."));
        }

        Debug(QStringLiteral("Updating DatLst."));
        Debug(QStringLiteral("Setting status bar text (2)."));
        const int files = table_.FileCount();
        {
            std::lock_guard lock(progressMutex_);
            progress_.chunksDone = 0;
            progress_.fileName.clear();
        }
        Debug(QStringLiteral("Refreshing status bar (5)."));
        Debug(QStringLiteral("Trigger InfoWin update."));
        Post([this, wider, files](WorkerHost& host) {
            if (wider) {
                host.ApplyScrollExtent();
            }
            RefreshList();
            host.SetStatusText(0, FileCountText(files));
            host.RepaintStatusBar();
            ArmEvent(evRefreshInfo);
        });
    }

    Debug(QStringLiteral("Exited file reading loop."));
    ahead.reset();  // after the file the helper is on, closed by then
    buffer.reset();
    SetTitle(IdleTitle(), "Setting application title (3).", "Setting system tray icon hint (3).");
    Debug(QStringLiteral("Disabling abort button."));
    Post([](WorkerHost& host) { host.SetBusyCursor(false); });
    if (!Paused) {
        Post([](WorkerHost& host) { host.SetPauseEnabled(false); });
        Debug(QStringLiteral("Playing notify sound."));
        Post([](WorkerHost& host) { host.PlayNotifySound(); });
    }

    Debug(QStringLiteral("Setting status bar text (3)."));
    const SettingsValues settings = settings_.Snapshot();
    if (!Paused) {
        Post([](WorkerHost& host) { host.SetStatusText(1, IdleText()); });
        switch (settings.onCompletion) {
            case OnCompletion::CopyToClipboard:
            case OnCompletion::CopyToClipAndExit:
                Debug(QStringLiteral("Copying all links to clipboard."));
                Post([](WorkerHost& host) { host.CopyAllLinks(); });
                break;
            case OnCompletion::CopySelectedToClipboard:
                Debug(QStringLiteral("Copying selected links to clipboard."));
                Post([](WorkerHost& host) { host.CopySelectedLinks(); });
                break;
            case OnCompletion::GoIdle:
                break;
        }
    } else {
        const QString paused = RemainingText(true, table_.FilesRemaining());
        Post([paused](WorkerHost& host) { host.SetStatusText(1, paused); });
    }

    activeIdentity_ = 0;
    WorkerActive = false;

    const bool exitBoxApplies = settings.onCompletion == OnCompletion::CopyToClipboard ||
                                settings.onCompletion == OnCompletion::CopySelectedToClipboard;
    if (!Paused && (settings.onCompletion == OnCompletion::CopyToClipAndExit ||
                    (exitBoxApplies && settings.exitWhenDone))) {
        Debug(QStringLiteral("Trigger program closing."));
        Post([this](WorkerHost&) { ArmEvent(evCloseProgram); });
    }
    Debug(QStringLiteral("Exiting AddFile thread."));
}

void HashingWorker::KeepAheadPlanned(HashAhead& ahead, AheadPlan& plan,
                                     const PassOptions& options) const {
    // Topped up a few files at a time, so that the helper always has the
    // next files to go on with, at the cost of a look at the table and a
    // hand-over for a few files, not for each one.
    const bool sameOptions = plan.options == options;
    const std::size_t planned = ahead.Planned();
    if (sameOptions && planned + HashAhead::kWakeBatch > HashAhead::kLimit) {
        return;
    }
    const auto upcoming = [&options](const std::vector<QueuedFile>& queued) {
        std::vector<UpcomingFile> files;
        files.reserve(queued.size());
        for (const QueuedFile& file : queued) {
            files.push_back({file.id, FileSystemPath(file.fileName), options});
        }
        return files;
    };
    const auto room = static_cast<int>(HashAhead::kLimit - std::min(planned, HashAhead::kLimit));
    if (sameOptions) {
        if (const auto more = table_.QueuedAfter(plan.mark, room)) {
            ahead.Add(upcoming(*more));
            return;
        }
    }
    // The table changed its order (or the options changed): the plan is
    // made anew from the queue's start; files planned before keep what was
    // done for them.
    plan.options = options;
    ahead.Plan(upcoming(table_.NextQueued(static_cast<int>(HashAhead::kLimit), plan.mark)));
}

void HashingWorker::OnThreadEnded(std::uint64_t identity, bool died, const QString& why) {
    // The thread reported its end as its last action: this join is short.
    threads_.erase(identity);
    // A worker that left its loop normally has already given up its
    // identity; the end of an earlier worker is therefore never taken for
    // the death of the one running now.
    if (!died || identity != activeIdentity_) {
        // Entries queued (or queued again by Resume) while the worker was
        // already past its last look at the table would otherwise wait for
        // the next start.
        if (!Paused && !WorkerActive && table_.QueuedCount() > 0) {
            StartHashing();
        }
        emit threadEnded();
        return;
    }
    activeIdentity_ = 0;
    Debug(QStringLiteral("Thread died; clearing status bar."));
    Debug(QStringLiteral("Thread error: %1").arg(why));
    SetProgress(0, 0, QString());
    host_.RepaintStatusBar();
    table_.PauseUnfinished();
    Paused = true;
    WorkerActive = false;
    ShowPauseState(host_);
    host_.SetBusyCursor(false);
    host_.SetStatusText(1, RemainingText(true, table_.FilesRemaining()));
    QMetaObject::invokeMethod(this, "ShowThreadDiedBox", Qt::QueuedConnection);
    emit threadEnded();
}

void HashingWorker::ShowPauseState(WorkerHost& host) const {
    if (Paused) {
        host.SetPauseControls(kPictureResume, tr("Resume (F12)"), ResumeCaption());
    } else {
        host.SetPauseControls(kPicturePause, tr("Pause (F12)"), tr("Pause"));
    }
}

void HashingWorker::ShowThreadDiedBox() {
    host_.ShowError(
        tr("Error: File processing thread died.  Click the Resume button to try continuing."));
}

}  // namespace lm
