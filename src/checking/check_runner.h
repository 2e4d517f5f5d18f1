// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include <sys/types.h>

#include "file_hash_pass.h"
#include "list_reader.h"

namespace lm {

enum class Verdict : std::uint8_t {
    Ok,          // every value the entry gives matches
    Failed,      // a value differs, or the file could not be read
    Missing,     // no file of any of the entry's spellings exists
    NotChecked,  // the run was cancelled before the entry's file
};

// What did not match, one bit each, in the order they are named.
enum Difference : std::uint8_t {
    kSizeDiffers = 1,
    kEd2kDiffers = 2,
    kPartHashesDiffer = 4,
    kAichDiffers = 8,
    kCrc32Differs = 16,
    kMd5Differs = 32,
    kSha1Differs = 64,
};

// "size", "ed2k hash", "part hashes", "AICH hash", "CRC32", "MD5", "SHA1":
// those of `differs`, in this order.
std::vector<std::string> DifferenceNames(std::uint8_t differs);

struct EntryResult {
    // The spelling of the name that was found (the list's own one when none
    // was).
    std::string name;
    std::uint32_t list = 0;  // the index of the list, in the order the lists were read
    std::size_t line = 0;
    Verdict verdict = Verdict::NotChecked;
    std::uint8_t differs = 0;  // Difference bits
    // Why the file could not be read, for a Failed entry with no differs.
    std::string error;
};

// Where a check is: `chunk` of the `chunks` chunks of the file at `path`
// done (0 just before it is read). The window fills in which file of how
// many.
struct CheckProgress {
    std::filesystem::path path;  // the file being read
    std::size_t file = 0;
    std::size_t files = 0;
    std::uint32_t chunk = 0;
    std::uint32_t chunks = 0;
};

struct CheckControl {
    // Called on the thread that runs the check, before each file and after
    // each of its chunks.
    std::function<void(const CheckProgress&)> progress;
    // Looked at before every chunk; true ends the run.
    const std::atomic<bool>* cancel = nullptr;
};

// A file, whatever name it was reached by.
struct FileKey {
    dev_t device = 0;
    ino_t inode = 0;
    auto operator<=>(const FileKey&) const = default;
};

struct FileKeyHash {
    std::size_t operator()(const FileKey& key) const {
        return std::hash<std::uint64_t>()(static_cast<std::uint64_t>(key.inode) *
                                              0x9E3779B97F4A7C15u ^
                                          static_cast<std::uint64_t>(key.device));
    }
};

// The first spelling of the entry's name that exists below `folder`: its
// index in entry.names and the file's identity; nothing when none does.
struct FoundFile {
    std::size_t spelling = 0;
    FileKey key;
};
std::optional<FoundFile> FindEntryFile(const ListEntry& entry, const std::filesystem::path& folder);

// Checks entries one by one, as a list is read, against the files they
// name. The digests of files already read are kept for the entries that
// name them again: without more knowledge, those of the kRecentFiles files
// read last; after ExpectUses, each file's until its last entry.
class EntryChecker {
public:
    static constexpr std::size_t kRecentFiles = 4096;

    explicit EntryChecker(ChunkBuffer& buffer) : buffer_(buffer) {}

    // How many entries name each file (sorted by key, as CountUses gives
    // them): the digests of a file named more than once are then kept
    // exactly until its last entry is checked, and no others are.
    void ExpectUses(std::vector<std::pair<FileKey, std::uint32_t>> uses);

    // Finds and checks one entry of a list whose relative names are taken
    // from `folder`; `result` gets its name, verdict and what differed. False
    // when the run was cancelled first (the entry stays NotChecked).
    bool Check(const ListEntry& entry, const std::filesystem::path& folder,
               const CheckControl& control, EntryResult& result);

    // How many files were read so far.
    std::size_t FilesRead() const { return filesRead_; }

private:
    struct Kept {
        FileDigests digests;
        bool ok = true;     // false: the file could not be read, `error` says why
        std::string error;  // "cannot be opened", "read error: ..."
        std::uint32_t usesLeft = 0;
        std::list<FileKey>::iterator recent;
    };
    Kept* Find(const FileKey& key, bool aich);
    void Keep(const FileKey& key, Kept&& kept);
    void Used(const FileKey& key);

    ChunkBuffer& buffer_;
    std::unordered_map<FileKey, Kept, FileKeyHash> kept_;
    std::list<FileKey> recent_;  // least recently read first
    std::optional<std::vector<std::pair<FileKey, std::uint32_t>>> uses_;
    std::size_t filesRead_ = 0;
};

// Sorts the keys of every entry's file and counts each one's entries.
std::vector<std::pair<FileKey, std::uint32_t>> CountUses(std::vector<FileKey> keys);

// Compares what an entry expects with a file's digests and says what
// differs. For a size that is an exact multiple of the chunk size either
// ed2k hash matches, each with its own part hashes.
std::uint8_t Differences(const ExpectedDigests& expected, const FileDigests& actual);

}  // namespace lm
