// SPDX-License-Identifier: MIT
#include "cli_app.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstring>
#include <deque>
#include <string_view>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base32.h"
#include "check_report.h"
#include "check_runner.h"
#include "cli_options.h"
#include "ed2k_link.h"
#include "file_hash_pass.h"
#include "file_turn.h"
#include "hash_ahead.h"
#include "hash_text.h"
#include "linkmint_build_info.h"
#include "magnet_link.h"
#include "path_bytes.h"

namespace lm::cli {

namespace {

struct Entry {
    std::string link;
    const FileDigests* digests;
};

void PrintEntries(const std::vector<Entry>& entries, const CliOptions& options, std::ostream& out,
                  bool& firstBlock) {
    const bool lower = options.link.lowercaseHashes;
    for (const Entry& e : entries) {
        if (!options.info) {
            out << e.link << '\n';
            continue;
        }
        if (!firstBlock) {
            out << '\n';
        }
        firstBlock = false;
        out << e.link << '\n'
            << "CRC32: " << CrcText(e.digests->crc32, lower) << '\n'
            << "MD5: " << HexText(e.digests->md5, lower) << '\n'
            << "SHA1: " << HexText(e.digests->sha1, lower) << '\n';
        if (options.link.aichHash && e.digests->aich) {
            out << "AICH: " << Base32Text(*e.digests->aich, lower) << '\n';
        }
    }
}

class ProgressLine {
public:
    ProgressLine(std::ostream& err, bool enabled) : err_(err), enabled_(enabled) {}

    void Show(const std::string& name, std::uint32_t done, std::uint32_t total) {
        if (!enabled_ || total < 2) {
            return;
        }
        const int percent = static_cast<int>(std::lround(100.0 * done / total));
        err_ << "\r\033[K" << name << ' ' << percent << '%' << std::flush;
        shown_ = true;
    }

    void Clear() {
        if (shown_) {
            err_ << "\r\033[K" << std::flush;
            shown_ = false;
        }
    }

private:
    std::ostream& err_;
    bool enabled_;
    bool shown_ = false;
};

// True when everything written to `out` since errno was last cleared has
// reached it; otherwise says why on `err`, with the reason the system gave
// for the failed write.
bool Delivered(std::ostream& out, std::ostream& err) {
    out.flush();
    if (out) {
        return true;
    }
    const int reason = errno;
    err << "Error: Unable to write to standard output";
    if (reason != 0) {
        err << ": " << std::strerror(reason);
    }
    err << ".\n";
    return false;
}

// When to flush standard output while files are hashed: once its links
// have waited a tenth of a second, so that a reader sees each file soon
// after its turn without a write for every small file.
class OutputPace {
public:
    bool Due() {
        const auto now = std::chrono::steady_clock::now();
        if (now - last_ < std::chrono::milliseconds(100)) {
            return false;
        }
        last_ = now;
        return true;
    }

private:
    std::chrono::steady_clock::time_point last_ = std::chrono::steady_clock::now();
};

// The verdicts of one list, printed as its entries are read: only the
// current line and the digests of recent files are held, however long the
// list.
class CheckPrinter : public ListSink {
public:
    CheckPrinter(EntryChecker& checker, const CheckControl& control, ProgressLine& progress,
                 std::ostream& out, std::ostream& err)
        : checker_(checker), control_(control), progress_(progress), out_(out), err_(err) {}

    // The list about to be read, and the folder its relative names are taken from.
    void StartList(const std::string& path, const std::filesystem::path& folder) {
        listPath_ = path;
        folder_ = folder;
        entries_ = 0;
        skipped_ = {};
    }
    std::size_t Entries() const { return entries_; }
    const SkippedDigests& Skipped() const { return skipped_; }
    const VerdictCounts& Counts() const { return counts_; }
    // False once the output could not be written: nothing more is checked.
    bool Writing() const { return writing_; }

    void Entry(ListEntry&& entry) override {
        ++entries_;
        if (!writing_) {
            return;
        }
        EntryResult result;
        checker_.Check(entry, folder_, control_, result);
        progress_.Clear();
        counts_.Add(result.verdict);
        out_ << DescribeResult(result) << '\n';
        writing_ = static_cast<bool>(out_);
    }
    void UnreadLine(std::size_t line) override {
        err_ << UnreadLineMessage(listPath_, line) << '\n';
    }
    void SkippedLine(std::size_t, std::string_view algorithm) override { skipped_.Add(algorithm); }

private:
    EntryChecker& checker_;
    const CheckControl& control_;
    ProgressLine& progress_;
    std::ostream& out_;
    std::ostream& err_;
    std::string listPath_;
    std::filesystem::path folder_;
    std::size_t entries_ = 0;
    SkippedDigests skipped_;
    VerdictCounts counts_;
    bool writing_ = true;
};

// --check: each list is read as a stream, and each entry checked and
// printed as it comes. "-" reads a list from standard input. Status 2 when
// a list cannot be read or holds nothing to check, else 1 when any entry
// failed or is missing.
int RunCheck(const CliOptions& options, std::ostream& out, std::ostream& err, bool showProgress) {
    int status = 0;
    ChunkBuffer buffer(options.threads);
    ProgressLine progress(err, showProgress);
    CheckControl control;
    control.progress = [&](const CheckProgress& p) {
        progress.Show(p.path.filename().string(), p.chunk, p.chunks);
    };
    EntryChecker checker(buffer);
    CheckPrinter printer(checker, control, progress, out, err);
    errno = 0;
    for (const std::string& listPath : options.paths) {
        const bool standardInput = listPath == "-";
        const std::string shown = standardInput ? std::string("standard input") : listPath;
        printer.StartList(shown, standardInput ? std::filesystem::path(".")
                                               : std::filesystem::path(listPath).parent_path());
        ListParser parser(printer, &PathBytesFromText);
        std::string error;
        const bool read = standardInput ? ReadListFrom(STDIN_FILENO, parser, error)
                                        : ReadListFile(listPath, parser, error);
        if (!printer.Writing()) {
            break;
        }
        if (!read) {
            err << UnreadableListMessage(shown, error) << '\n';
            status = 2;
            continue;
        }
        if (printer.Skipped().lines > 0) {
            err << SkippedLinesMessage(shown, printer.Skipped().lines, printer.Skipped().algorithms)
                << '\n';
        }
        if (printer.Entries() == 0) {
            err << EmptyListMessage(shown) << '\n';
            status = 2;
        }
    }
    const VerdictCounts& counts = printer.Counts();
    const std::size_t total = counts.ok + counts.failed + counts.missing + counts.notChecked;
    if (printer.Writing() && total > 0) {
        out << SummaryText(counts) << '\n';
    }
    if (!Delivered(out, err)) {
        return 1;
    }
    if (status == 0 && counts.ok != total) {
        status = 1;
    }
    return status;
}

// Every regular file below `folder`, as find(1) names them, in byte order
// of those names; symbolic links are not followed. Folders that cannot be
// read are named on `err`.
bool FilesBelow(const std::string& folder, std::vector<std::string>& files, std::ostream& err) {
    bool complete = true;
    std::vector<std::string> folders{folder};
    while (!folders.empty()) {
        const std::string current = std::move(folders.back());
        folders.pop_back();
        DIR* dir = ::opendir(current.c_str());
        if (dir == nullptr) {
            err << "Error: Unable to open folder \"" << current << "\": " << std::strerror(errno)
                << ".\n";
            complete = false;
            continue;
        }
        const std::string prefix = current.ends_with('/') ? current : current + '/';
        while (const dirent* entry = ::readdir(dir)) {
            const std::string_view name = entry->d_name;
            if (name == "." || name == "..") {
                continue;
            }
            std::string path = prefix + std::string(name);
            // The folder tells most entries' types itself; a file system
            // that does not is asked for each entry.
            unsigned char type = entry->d_type;
            if (type == DT_UNKNOWN) {
                struct stat st {};
                if (::lstat(path.c_str(), &st) != 0) {
                    continue;  // gone since it was listed
                }
                type = IFTODT(st.st_mode);
            }
            if (type == DT_DIR) {
                folders.push_back(std::move(path));
            } else if (type == DT_REG) {
                files.push_back(std::move(path));
            }
        }
        ::closedir(dir);
    }
    return complete;
}

bool IsFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           bool showProgress) {
    CliOptions options;
    std::string bad;
    switch (ParseCliOptions(args, options, bad)) {
        case ParseResult::Ok:
            break;
        case ParseResult::BadOption:
            err << "linkmint-cli: unknown option '" << bad << "'\n" << kUsage;
            return 2;
        case ParseResult::BadValue:
            err << "linkmint-cli: " << bad << "\n" << kUsage;
            return 2;
    }
    if (options.version && !options.help) {
        errno = 0;
        out << "linkmint-cli " LM_VERSION "\n";
        return Delivered(out, err) ? 0 : 1;
    }
    if (options.check && options.paths.empty() && !options.help) {
        err << "linkmint-cli: --check needs at least one list\n" << kUsage;
        return 2;
    }
    if (options.help || options.paths.empty()) {
        errno = 0;
        out << kUsage;
        return Delivered(out, err) ? 0 : 1;
    }

    if (options.check) {
        return RunCheck(options, out, err, showProgress);
    }

    int status = 0;
    bool firstBlock = true;
    ChunkBuffer buffer(options.threads);
    ProgressLine progress(err, showProgress);
    const PassOptions passOptions{options.link.aichHash};
    // The files to hash, in their order, each with a key of its own. A
    // folder takes its place by the files below it when its turn comes.
    struct Upcoming {
        std::uint64_t key;
        std::string path;
        bool named;  // named on the command line, so it may be a folder
    };
    std::deque<Upcoming> queue;
    std::uint64_t keys = 0;
    for (const std::string& named : options.paths) {
        queue.push_back({keys++, named, true});
    }
    // The files after the current one are hashed ahead on the second core;
    // their links wait for their turn. The first `planned` of the queue are
    // the helper's.
    HashAhead ahead(options.paths.size() > 1 || options.recursive ? options.threads : 1);
    std::size_t planned = 0;
    const auto planAhead = [&] {
        for (; ahead.Enabled() && planned < queue.size() && planned < HashAhead::kLimit;
             ++planned) {
            ahead.Add({queue[planned].key, queue[planned].path, passOptions});
        }
    };
    OutputPace pace;
    while (!queue.empty()) {
        const Upcoming current = std::move(queue.front());
        queue.pop_front();
        planned -= planned > 0 ? 1 : 0;
        planAhead();
        const std::string& path = current.path;
        const std::string shownName = PathBytesFromText(NameWithoutPath(PathTextFromBytes(path)));
        PassHooks hooks;
        hooks.chunkDone = [&](std::uint32_t done, std::uint32_t total) {
            // The links printed so far are not held back by a long file.
            if (done == 1 && total > 1) {
                out.flush();
            }
            progress.Show(shownName, done, total);
        };
        // A file is not read on once its links cannot be written.
        hooks.pauseRequested = [&out] { return !out; };
        FileDigests digests;
        PassOutcome outcome;
        try {
            FileTurn turn(buffer, ahead, current.key);
            outcome = HashFile(path, turn, hooks, digests, passOptions);
        } catch (const ReadError& e) {
            progress.Clear();
            err << "Error: Unable to read file \"" << path << "\": " << e.what() << ".\n";
            status = 1;
            continue;
        }
        progress.Clear();
        if (outcome == PassOutcome::Paused) {
            Delivered(out, err);
            return 1;
        }
        if (outcome != PassOutcome::Hashed && current.named && IsFolder(path)) {
            // Looked at only when it could not be hashed: a file costs no
            // more system calls for it.
            if (!options.recursive) {
                err << "Error: \"" << path << "\" is a folder: use --recursive.\n";
                status = 1;
                continue;
            }
            std::vector<std::string> below;
            if (!FilesBelow(path, below, err)) {
                status = 1;
            }
            std::sort(below.begin(), below.end());
            for (auto file = below.rbegin(); file != below.rend(); ++file) {
                queue.push_front({keys++, std::move(*file), false});
            }
            // The files planned so far come after the folder's own.
            std::vector<UpcomingFile> plan;
            for (planned = 0; planned < queue.size() && planned < HashAhead::kLimit; ++planned) {
                plan.push_back({queue[planned].key, queue[planned].path, passOptions});
            }
            ahead.Plan(std::move(plan));
            continue;
        }
        if (outcome != PassOutcome::Hashed) {
            err << "Error: Unable to open file \"" << path << "\".\n";
            status = 1;
            continue;
        }

        const std::u16string name = PathTextFromBytes(path);
        std::vector<Entry> entries;
        for (Ed2kVariant variant : {Ed2kVariant::First, Ed2kVariant::Second}) {
            if (variant == Ed2kVariant::Second && !digests.hasSecondEd2k) {
                break;
            }
            entries.push_back(
                {options.magnet ? MagnetLink(path, digests, variant, options.link)
                                : PathBytesFromText(Ed2kLink(name, digests, variant, options.link)),
                 &digests});
        }
        errno = 0;
        PrintEntries(entries, options, out, firstBlock);
        // Links that cannot be delivered are lost: stop at once.
        if ((!out || pace.Due()) && !Delivered(out, err)) {
            return 1;
        }
    }
    if (!Delivered(out, err)) {
        return 1;
    }
    return status;
}

}  // namespace lm::cli
