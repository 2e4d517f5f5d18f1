// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "file_data.h"
#include "gap_vector.h"

namespace lm {

class RowSink;
class Settings;

// What one finished file gives its entry.
struct HashResults {
    QString link;
    QByteArray crc32;
    QByteArray md5;
    QByteArray sha1;
    int crcStatus = crcNoHash;
    // Sizes that are exact multiples of the chunk size get a second row.
    bool hasSecondLink = false;
    QString secondLink;
    std::int64_t secondFileSize = 0;  // what a fresh look at the file found
    // The links' widths in the list's font, when already measured; -1 not.
    int linkWidth = -1;
    int secondLinkWidth = -1;
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
// worker, which inserts a file's second row) are shown from the next
// RefreshList on, and the rows keep meaning the entries they show until
// then. RefreshList tells the rows only what changed since it last ran, so
// its cost follows the changes, not the size of the table; the worker's
// share of the work is O(1) per file (amortised).
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
            slot.textWidth = -1;
        }
        allChanged_ = true;
        ++generation_;
        ++textEdits_;
    }

    // Appends an entry for `path`: queued with its size when the file exists
    // (size -1 when it cannot be read), otherwise idle with size 0. Raises
    // FileCount and FilesRemaining by one.
    void AddEntry(const QString& path);
    // AddEntry for a path that is a regular file now (one look at it);
    // false, and nothing added, for anything else.
    bool AddFileIfThere(const QString& path);
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
    // What row `row` shows: the entry's link, or its path (as the user sees
    // it) until it has one.
    QString ListedText(int row) const;
    // What every row shows, in row order.
    QStringList ListedTexts() const;
    // The entries the rows show with their identities, in row order.
    std::vector<ListedFile> ListedFiles() const;
    // The CRC check result of the entry row `row` shows, -1 for no row.
    int ListedCrcStatus(int row) const;

    // The widest text the rows show, as `measure` (called under the lock)
    // gives it; each text is measured once, until it changes. 0 without rows.
    int WidestListedText(const std::function<int(const QString&)>& measure);
    // Forgets every width measured: the list's font changed.
    void ForgetTextWidths();

    // For an info pane that grows as files are hashed: every hashed entry
    // gets a number when a row first shows its link (numbers grow). These
    // are the entries numbered after `afterShown`, with their rows, in row
    // order; and the current row of entry `id` (looked for first at row
    // `hint`), -1 when no row shows it.
    struct ShownFiles {
        std::uint64_t generation = 0;  // see Generation()
        std::uint64_t lastShown = 0;   // the newest number now
        int listedCount = 0;
        int anchorRow = -1;
        std::vector<ListedFile> files;
    };
    ShownFiles ShownSince(std::uint64_t afterShown, std::uint64_t id, int hint) const;
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
    // that appear (entries added meanwhile, in place), rows whose text
    // changed, and the selection of the new rows. Returns false when the
    // table is empty.
    bool RefreshList(RowSink& rows);

    // The worker's side. ClaimNextQueued marks the first queued entry as
    // working. The other two find that entry again (it may have moved while
    // the file was read) and return false when it was removed meanwhile.
    std::optional<WorkClaim> ClaimNextQueued();
    // The next queued entries, at most `count`, in the order ClaimNextQueued
    // would take them if nothing changed meanwhile (among the next 8 * count
    // entries).
    std::vector<QueuedFile> NextQueued(int count) const;
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
        std::uint64_t shown = 0;  // numbered when a row first shows its link
        bool changed = false;     // its row shows an old text: the two below
        QString rowText;
        int rowCrcStatus = crcNoHash;
        int textWidth = -1;  // the text's width in the list, -1 unknown
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
    // Removes the entries for which `remove(slot)` holds, keeping the order.
    template <class P>
    int RemoveWhereLocked(P&& remove);
    // The index of the entry row `row` shows, or -1.
    int EntryOfRowLocked(int row) const;
    // The row that shows entry `index`, or -1 when no row does yet.
    int RowOfEntryLocked(int index) const;
    // Before entry `index` changes: its row keeps what it shows until the
    // next RefreshList tells it.
    void MarkChangedLocked(int index);
    QString RowTextLocked(int index) const;
    void NumberShownLocked(Slot& slot);
    QString TextLocked(int index) const;

    const Settings* settings_;
    mutable std::mutex mutex_;
    GapVector<Slot> slots_;  // second rows go in behind the file hashed
    int filesRemaining_ = 0;
    std::uint64_t nextId_ = 1;
    std::uint64_t lastShown_ = 0;
    std::uint64_t generation_ = 0;
    std::uint64_t textEdits_ = 0;
    int selectedCount_ = 0;  // entries with Selected set, or more

    // What RefreshList has to tell the rows, kept in step with every change
    // of the table's order: the indices, ascending, of the entries no row
    // shows yet (the added ones, at the end, and the worker's second rows,
    // in place); the indices of entries whose rows show an old text; the
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
