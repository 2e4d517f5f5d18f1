#include "cli_app.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

#include "cli_options.h"
#include "ed2k_link.h"
#include "file_hash_pass.h"
#include "hash_text.h"
#include "linkmint_build_info.h"
#include "name_encoding.h"

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
    if (options.help || options.paths.empty()) {
        errno = 0;
        out << kUsage;
        return Delivered(out, err) ? 0 : 1;
    }

    int status = 0;
    bool firstBlock = true;
    ChunkBuffer buffer(options.threads);
    ProgressLine progress(err, showProgress);
    for (const std::string& path : options.paths) {
        const std::string shownName = Utf16ToBytes(NameWithoutPath(BytesToUtf16(path)));
        PassHooks hooks;
        hooks.chunkDone = [&](std::uint32_t done, std::uint32_t total) {
            progress.Show(shownName, done, total);
        };
        FileDigests digests;
        PassOutcome outcome;
        try {
            outcome = HashFile(path, buffer, hooks, digests);
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

        const std::u16string name = BytesToUtf16(path);
        std::vector<Entry> entries;
        entries.push_back(
            {Utf16ToBytes(Ed2kLink(name, digests.size, digests.ed2k, options.link)), &digests});
        if (digests.hasSecondEd2k) {
            entries.push_back(
                {Utf16ToBytes(Ed2kLink(name, digests.size, digests.ed2kSecond, options.link)),
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
