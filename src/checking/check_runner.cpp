// SPDX-License-Identifier: MIT
#include "check_runner.h"

#include <algorithm>
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

}  // namespace

std::vector<std::string> DifferenceNames(std::uint8_t differs) {
    static constexpr std::pair<Difference, const char*> kNames[] = {
        {kSizeDiffers, "size"},
        {kEd2kDiffers, "ed2k hash"},
        {kPartHashesDiffer, "part hashes"},
        {kAichDiffers, "AICH hash"},
        {kCrc32Differs, "CRC32"},
        {kMd5Differs, "MD5"},
        {kSha1Differs, "SHA1"},
    };
    std::vector<std::string> names;
    for (const auto& [bit, name] : kNames) {
        if ((differs & bit) != 0) {
            names.emplace_back(name);
        }
    }
    return names;
}

std::uint8_t Differences(const ExpectedDigests& e, const FileDigests& d) {
    std::uint8_t differs = 0;
    if (e.size && *e.size != d.size) {
        differs |= kSizeDiffers;
    }
    if (e.ed2k || !e.partHashes.empty()) {
        const bool matched = Ed2kMatches(e, d, Ed2kVariant::First) ||
                             (d.hasSecondEd2k && Ed2kMatches(e, d, Ed2kVariant::Second));
        if (!matched) {
            const bool hashMatches =
                !e.ed2k || *e.ed2k == d.ed2k || (d.hasSecondEd2k && *e.ed2k == d.ed2kSecond);
            differs |= hashMatches ? kPartHashesDiffer : kEd2kDiffers;
        }
    }
    if (e.aich && (!d.aich || *e.aich != *d.aich)) {
        differs |= kAichDiffers;
    }
    if (e.crc32 && *e.crc32 != d.crc32) {
        differs |= kCrc32Differs;
    }
    if (e.md5 && *e.md5 != d.md5) {
        differs |= kMd5Differs;
    }
    if (e.sha1 && *e.sha1 != d.sha1) {
        differs |= kSha1Differs;
    }
    return differs;
}

std::optional<FoundFile> FindEntryFile(const ListEntry& entry,
                                       const std::filesystem::path& folder) {
    struct stat st {};
    for (std::size_t i = 0; i < entry.names.size(); ++i) {
        // A name that holds NUL would name a shorter one: it names nothing.
        if (entry.names[i].find('\0') != std::string::npos) {
            continue;
        }
        if (::stat((folder / entry.names[i]).c_str(), &st) == 0) {
            return FoundFile{i, FileKey{st.st_dev, st.st_ino}};
        }
    }
    return std::nullopt;
}

std::vector<std::pair<FileKey, std::uint32_t>> CountUses(std::vector<FileKey> keys) {
    std::sort(keys.begin(), keys.end());
    std::vector<std::pair<FileKey, std::uint32_t>> uses;
    for (const FileKey& key : keys) {
        if (!uses.empty() && uses.back().first == key) {
            ++uses.back().second;
        } else {
            uses.emplace_back(key, 1);
        }
    }
    return uses;
}

void EntryChecker::ExpectUses(std::vector<std::pair<FileKey, std::uint32_t>> uses) {
    uses_ = std::move(uses);
}

EntryChecker::Kept* EntryChecker::Find(const FileKey& key, bool aich) {
    const auto it = kept_.find(key);
    if (it == kept_.end() || (aich && it->second.ok && !it->second.digests.aich)) {
        return nullptr;
    }
    return &it->second;
}

void EntryChecker::Keep(const FileKey& key, Kept&& kept) {
    if (uses_) {
        const auto use = std::lower_bound(uses_->begin(), uses_->end(), key,
                                          [](const std::pair<FileKey, std::uint32_t>& u,
                                             const FileKey& k) { return u.first < k; });
        const auto old = kept_.find(key);
        // The entries still to come that name the file.
        kept.usesLeft = old != kept_.end()                         ? old->second.usesLeft - 1
                        : use != uses_->end() && use->first == key ? use->second - 1
                                                                   : 0;
        if (kept.usesLeft == 0) {
            kept_.erase(key);
            return;
        }
        kept_.insert_or_assign(key, std::move(kept));
        return;
    }
    const auto old = kept_.find(key);
    if (old != kept_.end()) {
        recent_.erase(old->second.recent);
        kept_.erase(old);
    }
    if (kept_.size() >= kRecentFiles) {
        kept_.erase(recent_.front());
        recent_.pop_front();
    }
    kept.recent = recent_.insert(recent_.end(), key);
    kept_.emplace(key, std::move(kept));
}

void EntryChecker::Used(const FileKey& key) {
    if (!uses_) {
        return;
    }
    const auto it = kept_.find(key);
    if (it != kept_.end() && --it->second.usesLeft == 0) {
        kept_.erase(it);  // no entry to come names the file
    }
}

bool EntryChecker::Check(const ListEntry& entry, const std::filesystem::path& folder,
                         const CheckControl& control, EntryResult& result) {
    result.line = entry.line;
    result.differs = 0;
    result.error.clear();
    const std::optional<FoundFile> found = FindEntryFile(entry, folder);
    if (!found) {
        result.name = entry.names.empty() ? std::string() : entry.names.front();
        result.verdict = Verdict::Missing;
        return true;
    }
    result.name = entry.names[found->spelling];
    const bool aich = entry.expected.aich.has_value();
    const Kept* kept = Find(found->key, aich);
    Kept fresh;
    if (kept == nullptr) {
        const std::filesystem::path path = folder / result.name;
        const auto cancelled = [&control] {
            return control.cancel != nullptr && control.cancel->load(std::memory_order_relaxed);
        };
        if (cancelled()) {
            result.verdict = Verdict::NotChecked;
            return false;
        }
        CheckProgress progress{path, filesRead_ + 1, 0, 0, 0};
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
        PassOutcome outcome;
        try {
            outcome = HashFile(path, buffer_, hooks, fresh.digests, PassOptions{aich});
        } catch (const ReadError& e) {
            outcome = PassOutcome::OpenFailed;
            fresh.error = std::string("read error: ") + e.what();
        }
        if (outcome == PassOutcome::Paused) {
            result.verdict = Verdict::NotChecked;
            return false;
        }
        ++filesRead_;
        fresh.ok = outcome == PassOutcome::Hashed;
        if (!fresh.ok && fresh.error.empty()) {
            fresh.error = "cannot be opened";
        }
        kept = &fresh;
    }
    if (!kept->ok) {
        result.verdict = Verdict::Failed;
        result.error = kept->error;
    } else {
        result.differs = Differences(entry.expected, kept->digests);
        result.verdict = result.differs == 0 ? Verdict::Ok : Verdict::Failed;
    }
    if (kept == &fresh) {
        Keep(found->key, std::move(fresh));
    } else {
        Used(found->key);
    }
    return true;
}

}  // namespace lm
