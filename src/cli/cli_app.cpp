// SPDX-License-Identifier: MIT
#include "cli_app.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

#include "base32.h"
#include "check_report.h"
#include "check_runner.h"
#include "cli_options.h"
#include "ed2k_link.h"
#include "file_hash_pass.h"
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
    for (const std::string& path : options.paths) {
        const std::string shownName = PathBytesFromText(NameWithoutPath(PathTextFromBytes(path)));
        PassHooks hooks;
        hooks.chunkDone = [&](std::uint32_t done, std::uint32_t total) {
            progress.Show(shownName, done, total);
        };
        FileDigests digests;
        PassOutcome outcome;
        try {
            outcome = HashFile(path, buffer, hooks, digests, PassOptions{options.link.aichHash});
        } catch (const ReadError& e) {
            progress.Clear();
            err << "Error: Unable to read file \"" << path << "\": " << e.what() << ".\n";
            status = 1;
            continue;
        }
        progress.Clear();
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
        if (!Delivered(out, err)) {
            return 1;
        }
    }
    return status;
}

}  // namespace lm::cli
