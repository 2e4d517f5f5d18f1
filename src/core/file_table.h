#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "file_data.h"

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
};

// The entry the worker is hashing: its path and where it stood when taken.
struct WorkClaim {
    QString fileName;
    int index = -1;
};

// The table of listed files, one TFileData per file, in list order. Every
// operation takes the table's lock for its whole length, so no caller ever
// sees an entry half moved or half written. Nothing here reads a file while
// holding the lock.
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

    // Calls f(const QList<TFileData>&) under the lock. f must not call back
    // into the table.
    template <class F>
    decltype(auto) Read(F&& f) const {
        std::lock_guard lock(mutex_);
        return std::forward<F>(f)(std::as_const(entries_));
    }

    // Calls f(TFileData&) on every entry in list order, under the lock, for
    // edits that keep the entries where they are (re-casing the hashes). f
    // must not call back into the table.
    template <class F>
    void EditEach(F&& f) {
        std::lock_guard lock(mutex_);
        for (TFileData& entry : entries_) {
            f(entry);
        }
    }

    // Appends an entry for `path`: queued with its size when the file exists
    // (size -1 when it cannot be read), otherwise idle with size 0. Raises
    // FileCount and FilesRemaining by one.
    void AddEntry(const QString& path);
    // Appends an entry exactly as given; FilesRemaining does not change.
    void Restore(const TFileData& entry);

    bool SwapEntries(int a, int b);
    // Orders the table by the lower-cased name without its path; entries
    // with equal names keep their order.
    void SortEntries();

    // Removes one entry (moved to the end, then dropped). An entry that was
    // queued or working no longer counts as remaining.
    bool RemoveEntry(int index);
    // Removes the entries marked selected; returns how many went.
    int RemoveSelected();
    void RemoveAll();
    bool SetSelected(int index, bool selected);

    // The list may lag behind the table: a second row the worker inserted
    // is not shown until the next RefreshList. These three see the table as
    // the rows show it. SelectRows gives the entry of row i the flag
    // `rowSelected[i]` and unselects the entries the list does not show yet
    // (entries appended after the rows keep their flag).
    void SelectRows(const QList<bool>& rowSelected);
    // The entries the rows show, in row order.
    QList<TFileData> ListedEntries() const;
    // A copy of the entry row `row` shows; std::nullopt when none.
    std::optional<TFileData> ListedEntry(int row) const;

    // After a pause: every entry not hashed becomes idle.
    void PauseUnfinished();
    // On resume: every entry not working or hashed is queued again, and those
    // are the files remaining. Returns that number.
    int QueueUnfinished();

    // Mirrors the table into the list rows. Returns false when the table is
    // empty (the list is then emptied too).
    bool RefreshList(RowSink& rows) const;

    // The worker's side. ClaimNextQueued marks the first queued entry as
    // working. The other two find that entry again (it may have moved while
    // the file was read) and return false when it was removed meanwhile.
    std::optional<WorkClaim> ClaimNextQueued();
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
    int FindClaimLocked(const WorkClaim& claim) const;
    void RemoveLocked(int index);
    // The index of the entry row `row` shows.
    int EntryOfRowLocked(int row) const;

    const Settings* settings_;
    mutable std::mutex mutex_;
    QList<TFileData> entries_;
    int filesRemaining_ = 0;
    // Indexes, ascending, of the entries inserted since the list was last
    // mirrored; every change of the table's order keeps them in step.
    // RefreshList, a const look at the table, empties it.
    mutable std::vector<int> unlisted_;
};

}  // namespace lm
