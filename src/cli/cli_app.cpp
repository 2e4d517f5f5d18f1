// SPDX-License-Identifier: MIT
#include "cli_app.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstring>

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

// --check: every list is read and parsed first, then every file they name
// is hashed once. Status 2 when a list cannot be read or holds nothing to
// check, else 1 when any entry failed or is missing.
int RunCheck(const CliOptions& options, std::ostream& out, std::ostream& err, bool showProgress) {
    int status = 0;
    CheckRunner runner;
    for (const std::string& listPath : options.paths) {
        std::string bytes, error;
        if (!ReadListFile(listPath, bytes, error)) {
            err << UnreadableListMessage(listPath, error) << '\n';
            status = 2;
            continue;
        }
        const ParsedList list = ParseList(bytes, &PathBytesFromText);
        for (std::size_t line : list.unreadLines) {
            err << UnreadLineMessage(listPath, line) << '\n';
        }
        if (list.entries.empty()) {
            err << EmptyListMessage(listPath) << '\n';
            status = 2;
            continue;
        }
        runner.AddList(list, std::filesystem::path(listPath).parent_path());
    }

    ChunkBuffer buffer(options.threads);
    ProgressLine progress(err, showProgress);
    const std::vector<EntryResult>& results = runner.Results();
    CheckControl control;
    control.progress = [&](const CheckProgress& p) {
        progress.Show(p.path.filename().string(), p.chunk, p.chunks);
    };
    runner.Run(buffer, control);
    progress.Clear();

    errno = 0;
    for (const EntryResult& r : results) {
        out << DescribeResult(r) << '\n';
    }
    const VerdictCounts counts = CountVerdicts(results);
    if (!results.empty()) {
        out << SummaryText(counts) << '\n';
    }
    if (!Delivered(out, err)) {
        return 1;
    }
    if (status == 0 && counts.ok != results.size()) {
        status = 1;
    }
    return status;
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
    // The files after the current one are hashed ahead on the second core,
    // each file's key its place in the list; their links wait for their turn.
    HashAhead ahead(options.paths.size() > 1 ? options.threads : 1);
    std::size_t planned = 1;
    OutputPace pace;
    for (std::size_t i = 0; i < options.paths.size(); ++i) {
        const std::string& path = options.paths[i];
        for (;
             ahead.Enabled() && planned < options.paths.size() && planned <= i + HashAhead::kLimit;
             ++planned) {
            ahead.Add({planned, options.paths[planned], passOptions});
        }
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
            FileTurn turn(buffer, ahead, i);
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
