// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "file_hash_pass.h"
#include "list_reader.h"

namespace lm {

enum class Verdict {
    Ok,          // every value the entry gives matches
    Failed,      // a value differs, or the file could not be read
    Missing,     // no file of any of the entry's spellings exists
    NotChecked,  // the run was cancelled before the entry's file
};

struct EntryResult {
    // The spelling of the name that was found (the list's own one when none
    // was), and the path looked at.
    std::string name;
    std::filesystem::path path;
    std::size_t list = 0;  // the index of the list, in the order AddList was called
    std::size_t line = 0;
    Verdict verdict = Verdict::NotChecked;
    // What did not match, in this order: "size", "ed2k hash", "part hashes",
    // "AICH hash", "CRC32", "MD5", "SHA1".
    std::vector<std::string> differs;
    // Why the file could not be read, for a Failed entry with nothing in
    // `differs`.
    std::string error;
};

// Where a run is: file `file` of `files` (1-based), `chunk` of its `chunks`
// chunks done (0 just before the file is read).
struct CheckProgress {
    std::filesystem::path path;  // the file being read
    std::size_t file = 0;
    std::size_t files = 0;
    std::uint32_t chunk = 0;
    std::uint32_t chunks = 0;
};

struct CheckControl {
    // Called on the thread that runs the check.
    std::function<void(const CheckProgress&)> progress;
    // Looked at before every chunk; true ends the run.
    const std::atomic<bool>* cancel = nullptr;
};

// Checks the entries of any number of lists against the files they name.
// Every file is read once, however many entries of however many lists name
// it, and the AICH tree is computed only for files whose entries give one.
//
// The runner owns its data and touches nothing else, so it may be filled on
// one thread and run on another:
//
//   CheckRunner runner;
//   runner.AddList(parsedList, listPath.parent_path());   // for each list
//   // on a worker thread:
//   ChunkBuffer buffer;
//   CheckControl control{onProgress, &cancelFlag};
//   bool finished = runner.Run(buffer, control);
//   for (const EntryResult& r : runner.Results()) ...
class CheckRunner {
public:
    // Entries whose relative names are taken from `folder`.
    void AddList(const ParsedList& list, const std::filesystem::path& folder);

    std::size_t EntryCount() const { return entries_.size(); }

    // Hashes the files and sets every entry's verdict. False when cancelled:
    // the entries not reached stay NotChecked.
    bool Run(ChunkBuffer& buffer, const CheckControl& control = {});

    // One per entry, in the order the lists and their entries were added.
    const std::vector<EntryResult>& Results() const { return results_; }

private:
    struct Pending {
        ListEntry entry;
        std::filesystem::path folder;
    };
    std::vector<Pending> entries_;
    std::vector<EntryResult> results_;
    std::size_t lists_ = 0;
};

// Compares what an entry expects with a file's digests and says what differs
// (the texts of EntryResult::differs). For a size that is an exact multiple
// of the chunk size either ed2k hash matches, each with its own part hashes.
std::vector<std::string> Differences(const ExpectedDigests& expected, const FileDigests& actual);

}  // namespace lm
