// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "file_data.h"
#include "gap_vector.h"
#include "regular_file.h"

namespace lm {

class RowSink;
class Settings;

// What one finished file gives its entry.
struct HashResults {
    QString link;
    HashTexts hashes;
    int crcStatus = crcNoHash;
    // Sizes that are exact multiples of the chunk size get a second row.
    bool hasSecondLink = false;
    QString secondLink;
    std::int64_t secondFileSize = 0;                    // what a fresh look at the file found
    std::shared_ptr<const KeptDigests> kept = nullptr;  // see TFileData::Kept
};

// The entry the worker is hashing: its path and where it stood when taken.
struct WorkClaim {
    QString fileName;
    int index = -1;
    std::uint64_t id = 0;  // the entry's identity
};

// A queued entry the worker will come to, as it stands now.
struct QueuedFile {
    std::uint64_t id = 0;
    QString fileName;
};

// Where a look down the queue stopped: the entry it came to last, by place
// and identity, and the table's generation then.
struct QueueMark {
    int index = -1;  // -1: no look yet
    std::uint64_t id = 0;
    std::uint64_t generation = 0;
};

// What a row of the list shows for an entry: its link, or until it has one
// its path as the user sees it (a byte that is not UTF-8 as U+FFFD).
QString ShownText(const TFileData& entry);

// An entry with the identity it keeps for its whole life in the table,
// whatever sorting and removals do to its place.
struct ListedFile {
    std::uint64_t id = 0;
    int row = -1;  // the row that shows it
    TFileData data;
};

// The table of listed files, one TFileData per file, in list order. Every
// operation takes the table's lock for its whole length, so no caller ever
// sees an entry half moved or half written. Nothing here reads a file while
// holding the lock.
//
// The list rows lag behind the table: entries added (by the window or by the
// worker, which inserts a file's second row) are listed from the next
// RefreshList on, and until then the rows mean the entries listed. What the
// rows show is theirs to keep (the window's model); RefreshList tells them
// only what changed since it last ran, so its cost follows the changes, not
// the size of the table; the worker's share of the work is O(1) per file
// (amortised).
class FileTable {
public:
    // `settings` gives the preselection of new entries; may be null.
    explicit FileTable(const Settings* settings = nullptr) : settings_(settings) {}
    FileTable(const FileTable&) = delete;
    FileTable& operator=(const FileTable&) = delete;

    int FileCount() const;
    int FilesRemaining() const;
    // Entries waiting for the worker.
    int QueuedCount() const;
    // A copy of entry `index`; std::nullopt when there is no such entry.
    std::optional<TFileData> Entry(int index) const;
    QList<TFileData> Entries() const;

    // Calls f(const TFileData&) on every entry in list order, under the lock.
    // f must not call back into the table.
    template <class F>
    void ForEach(F&& f) const {
        std::lock_guard lock(mutex_);
        for (const Slot& slot : slots_) {
            f(slot.data);
        }
    }

    // Calls f(TFileData&) on every entry in list order, under the lock, for
    // edits that keep the entries where they are and change what the rows
    // show (re-casing the hashes). f must not call back into the table.
    template <class F>
    void EditEach(F&& f) {
        std::lock_guard lock(mutex_);
        for (Slot& slot : slots_) {
            f(slot.data);
        }
        allChanged_ = true;
        ++generation_;
        ++textEdits_;
    }

    // Appends an entry for `path`: queued with its size when the file exists
    // (size -1 when it cannot be read), otherwise idle with size 0. Raises
    // FileCount and FilesRemaining by one.
    void AddEntry(const QString& path);
    // AddEntry for a path that a folder's listing found to be a regular
    // file, if it still is one (one look at it); false, and nothing added,
    // for anything else.
    bool AddFileIfThere(const QString& path);
    // The same with the look at the file taken already.
    bool AddFileIfThere(const QString& path, const RegularFileProbe& probe);
    // Room for `more` entries about to be added, so that the table grows
    // once for a whole folder, to its size, not step by step past it.
    void Reserve(int more);
    // Appends an entry exactly as given; FilesRemaining does not change.
    void Restore(const TFileData& entry);

    bool SwapEntries(int a, int b);
    // Orders the table by the lower-cased name without its path; entries
    // with equal names keep their order.
    void SortEntries();
    // Orders the table by `key` (lower-cased path, or name when `namesOnly`),
    // keeping the order of equal keys: what repeated passes that exchange
    // neighbours with greater keys end with, in O(n log n).
    void SortByPath(bool namesOnly);

    // Removes one entry (moved to the end, then dropped). An entry that was
    // queued or working no longer counts as remaining.
    bool RemoveEntry(int index);
    // Removes the entries marked selected; returns how many went.
    int RemoveSelected();
    void RemoveAll();
    bool SetSelected(int index, bool selected);
    // Clears every entry's Selected flag (cheap when none is set).
    void UnselectAll();

    // These see the table as the rows show it. SelectRows gives the entry of
    // row i the flag `rowSelected[i]` and unselects the entries the list
    // does not show yet.
    void SelectRows(const QList<bool>& rowSelected);
    // The entries the rows show, in row order.
    QList<TFileData> ListedEntries() const;
    int ListedCount() const;
    // A copy of the entry row `row` shows; std::nullopt when none.
    std::optional<TFileData> ListedEntry(int row) const;
    // ShownText of the entry row `row` shows, as it stands now; empty when
    // there is no such row.
    QString ListedText(int row) const;
    // The entries the rows show with their identities, in row order.
    std::vector<ListedFile> ListedFiles() const;

    // Calls f(id, const TFileData&) under the lock for the entries rows
    // `first` to `first + count - 1` show, in row order, as they stand now
    // (fewer where the rows end). f must not call back into the table.
    template <class F>
    void ForEachListed(int first, int count, F&& f) const {
        std::lock_guard lock(mutex_);
        int index = EntryOfRowLocked(first);
        if (index < 0) {
            return;
        }
        auto next = std::lower_bound(unlisted_.begin(), unlisted_.end(), index);
        for (; count > 0 && index < static_cast<int>(slots_.size()); ++index) {
            if (next != unlisted_.end() && *next == index) {
                ++next;
                continue;
            }
            const Slot& slot = slots_[static_cast<std::size_t>(index)];
            f(slot.id, slot.data);
            --count;
        }
    }

    // Grows whenever entries change place or text other than by appending
    // and storing results: sorting, removing, re-casing, restoring.
    std::uint64_t Generation() const;
    // Grows with every EditEach: texts measured before may be wrong now.
    std::uint64_t TextEdits() const;

    // After a pause: every entry not hashed becomes idle.
    void PauseUnfinished();
    // On resume: every entry not working or hashed is queued again, and those
    // are the files remaining. Returns that number.
    int QueueUnfinished();

    // Tells the rows what changed since the last call: rows removed, rows
    // that appear (entries added meanwhile, in place), rows whose entries
    // changed (text, lamp, or which entry it is), and the selection of the
    // new rows. Returns false when the table is empty.
    bool RefreshList(RowSink& rows);

    // The worker's side. ClaimNextQueued marks the first queued entry as
    // working. The other two find that entry again (it may have moved while
    // the file was read) and return false when it was removed meanwhile.
    std::optional<WorkClaim> ClaimNextQueued();
    // The next queued entries, at most `count`, in the order ClaimNextQueued
    // would take them if nothing changed meanwhile (among the next 8 * count
    // entries).
    std::vector<QueuedFile> NextQueued(int count) const;
    // NextQueued that also sets `mark` to the last entry it looked at.
    std::vector<QueuedFile> NextQueued(int count, QueueMark& mark) const;
    // The queued entries after `mark`, at most `count` (among the next
    // 8 * count entries), moving the mark on to the last entry looked at:
    // those that come after the ones found before, as long as the table
    // kept its order meanwhile (appending entries and storing results keep
    // it). std::nullopt, the mark unchanged, when it did not (a sort, a
    // removal, a second row put in before the mark): look again from the
    // start with NextQueued.
    std::optional<std::vector<QueuedFile>> QueuedAfter(QueueMark& mark, int count) const;
    bool ReleaseUnopened(const WorkClaim& claim);
    bool StoreResults(const WorkClaim& claim, const HashResults& results);

    // The size a new entry gets: 0 when the file does not exist, -1 when
    // its size cannot be read.
    static std::int64_t SizeForEntry(const QString& path);

    // Nine lines per entry, as the settings file keeps the list.
    static QStringList SerialLines(const TFileData& entry);
    // Reads the nine lines starting at `first`; std::nullopt when they are
    // missing or malformed.
    static std::optional<TFileData> FromSerialLines(const QStringList& lines, qsizetype first);

private:
    struct Slot {
        TFileData data;
        std::uint64_t id = 0;
        bool changed = false;  // in changed_: its row is to hear of it
    };
    // A run of rows to take out of the list.
    struct RemovedRows {
        int first;
        int count;
    };

    void AppendLocked(TFileData entry);
    void SortByKeyLocked(const std::function<QString(const TFileData&)>& keyOf);
    void AddProbed(const QString& path, bool exists, std::int64_t size);
    int FindClaimLocked(const WorkClaim& claim) const;
    // The queued entries from `first`, at most `count`, among the next
    // 8 * count entries; `mark` moves to the last entry looked at.
    std::vector<QueuedFile> QueuedFromLocked(std::size_t first, int count, QueueMark& mark) const;
    // Removes the entries for which `remove(slot)` holds, keeping the order.
    template <class P>
    int RemoveWhereLocked(P&& remove);
    // The index of the entry row `row` shows, or -1.
    int EntryOfRowLocked(int row) const;
    // The row that shows entry `index`, or -1 when no row does yet.
    int RowOfEntryLocked(int index) const;
    // When entry `index` changes: the next RefreshList tells its row.
    void MarkChangedLocked(int index);

    const Settings* settings_;
    mutable std::mutex mutex_;
    GapVector<Slot> slots_;  // second rows go in behind the file hashed
    int filesRemaining_ = 0;
    std::uint64_t nextId_ = 1;
    std::uint64_t generation_ = 0;
    std::uint64_t textEdits_ = 0;
    int selectedCount_ = 0;  // entries with Selected set, or more

    // What RefreshList has to tell the rows, kept in step with every change
    // of the table's order: the indices, ascending, of the entries no row
    // shows yet (the added ones, at the end, and the worker's second rows,
    // in place); the indices of entries changed since their rows heard; the
    // rows taken out; whether the rows are to be shown anew (after a sort);
    // and the new rows' selection comes from their entries.
    // A deque: RefreshList lists them from the front, a run at a time.
    std::deque<int> unlisted_;
    std::vector<int> changed_;
    std::vector<int> selectionChanged_;
    std::vector<RemovedRows> removed_;
    bool reset_ = false;
    bool allChanged_ = false;
    // No queued entry stands before this index: where the worker looks first.
    int queueCursor_ = 0;
};

}  // namespace lm
