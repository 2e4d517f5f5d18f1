// SPDX-License-Identifier: MIT
#include "check_runner.h"

#include <map>
#include <utility>

#include <sys/stat.h>

#include "part_hashes.h"

namespace lm {

namespace {

// Which variant of the ed2k hash, with its part hashes, the entry names;
// an entry without an ed2k hash matches any.
bool Ed2kMatches(const ExpectedDigests& e, const FileDigests& d, Ed2kVariant variant) {
    if (e.ed2k && *e.ed2k != Ed2kHashOf(d, variant)) {
        return false;
    }
    return e.partHashes.empty() || e.partHashes == PartHashes(d, variant);
}

struct FileKey {
    dev_t device;
    ino_t inode;
    bool operator<(const FileKey& other) const {
        return std::pair(device, inode) < std::pair(other.device, other.inode);
    }
};

}  // namespace

std::vector<std::string> Differences(const ExpectedDigests& e, const FileDigests& d) {
    std::vector<std::string> differs;
    if (e.size && *e.size != d.size) {
        differs.emplace_back("size");
    }
    if (e.ed2k || !e.partHashes.empty()) {
        bool matched = Ed2kMatches(e, d, Ed2kVariant::First) ||
                       (d.hasSecondEd2k && Ed2kMatches(e, d, Ed2kVariant::Second));
        if (!matched) {
            const bool hashMatches =
                !e.ed2k || *e.ed2k == d.ed2k || (d.hasSecondEd2k && *e.ed2k == d.ed2kSecond);
            differs.emplace_back(hashMatches ? "part hashes" : "ed2k hash");
        }
    }
    if (e.aich && (!d.aich || *e.aich != *d.aich)) {
        differs.emplace_back("AICH hash");
    }
    if (e.crc32 && *e.crc32 != d.crc32) {
        differs.emplace_back("CRC32");
    }
    if (e.md5 && *e.md5 != d.md5) {
        differs.emplace_back("MD5");
    }
    if (e.sha1 && *e.sha1 != d.sha1) {
        differs.emplace_back("SHA1");
    }
    return differs;
}

void CheckRunner::AddList(const ParsedList& list, const std::filesystem::path& folder) {
    for (const ListEntry& entry : list.entries) {
        entries_.push_back({entry, folder});
        EntryResult result;
        result.name = entry.names.empty() ? std::string() : entry.names.front();
        result.path = folder / result.name;
        result.list = lists_;
        result.line = entry.line;
        results_.push_back(std::move(result));
    }
    ++lists_;
}

bool CheckRunner::Run(ChunkBuffer& buffer, const CheckControl& control) {
    // Find each entry's file and give every distinct file one slot.
    struct File {
        std::filesystem::path path;
        std::vector<std::size_t> entries;
        bool aich = false;
    };
    std::vector<File> files;
    std::map<FileKey, std::size_t> known;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        EntryResult& result = results_[i];
        result.verdict = Verdict::NotChecked;
        result.differs.clear();
        result.error.clear();
        bool found = false;
        struct stat st {};
        for (const std::string& name : entries_[i].entry.names) {
            if (name.find('\0') != std::string::npos) {
                continue;  // the system would see another name: never looked up
            }
            const std::filesystem::path path = entries_[i].folder / name;
            if (::stat(path.c_str(), &st) == 0) {
                result.name = name;
                result.path = path;
                found = true;
                break;
            }
        }
        if (!found) {
            result.verdict = Verdict::Missing;
            continue;
        }
        const auto [slot, added] = known.try_emplace(FileKey{st.st_dev, st.st_ino}, files.size());
        if (added) {
            files.push_back({result.path, {}, false});
        }
        File& file = files[slot->second];
        file.entries.push_back(i);
        file.aich = file.aich || entries_[i].entry.expected.aich.has_value();
    }

    const auto cancelled = [&control] {
        return control.cancel != nullptr && control.cancel->load(std::memory_order_relaxed);
    };
    for (std::size_t f = 0; f < files.size(); ++f) {
        const File& file = files[f];
        CheckProgress progress{file.path, f + 1, files.size(), 0, 0};
        if (control.progress) {
            control.progress(progress);
        }
        PassHooks hooks;
        hooks.pauseRequested = cancelled;
        hooks.chunkDone = [&](std::uint32_t done, std::uint32_t total) {
            if (control.progress) {
                progress.chunk = done;
                progress.chunks = total;
                control.progress(progress);
            }
        };
        FileDigests digests;
        PassOutcome outcome;
        std::string error;
        try {
            outcome = HashFile(file.path, buffer, hooks, digests, PassOptions{file.aich});
        } catch (const ReadError& e) {
            outcome = PassOutcome::OpenFailed;
            error = std::string("read error: ") + e.what();
        }
        if (outcome == PassOutcome::Paused) {
            return false;
        }
        for (std::size_t i : file.entries) {
            EntryResult& result = results_[i];
            if (outcome == PassOutcome::OpenFailed) {
                result.verdict = Verdict::Failed;
                result.error = error.empty() ? "cannot be opened" : error;
                continue;
            }
            result.differs = Differences(entries_[i].entry.expected, digests);
            result.verdict = result.differs.empty() ? Verdict::Ok : Verdict::Failed;
        }
    }
    return true;
}

}  // namespace lm
