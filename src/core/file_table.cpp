#include "file_table.h"

#include <QLocale>

#include <algorithm>
#include <numeric>
#include <vector>

#include "ed2k_link.h"
#include "path_names.h"
#include "regular_file.h"
#include "row_sink.h"
#include "settings.h"

namespace lm {

namespace {

QString SortKey(const QString& fileName) {
    const std::u16string_view path(reinterpret_cast<const char16_t*>(fileName.utf16()),
                                   static_cast<std::size_t>(fileName.size()));
    const std::u16string_view name = NameWithoutPath(path);
    return QLocale::system().toLower(
        QStringView(name.data(), static_cast<qsizetype>(name.size())).toString());
}

struct Probe {
    bool exists = false;
    std::int64_t size = 0;
};

// Whether the file is there and how big it is (-1 when it is not a regular
// file that can be read).
Probe ProbeFile(const QString& path) {
    const RegularFileProbe probe = ProbeRegularFile(path);
    return {probe.exists, probe.size.value_or(-1)};
}

std::optional<long long> NumberAfter(const QString& line, QLatin1StringView prefix) {
    if (!line.startsWith(prefix)) {
        return std::nullopt;
    }
    bool ok = false;
    const long long value = line.mid(prefix.size()).toLongLong(&ok);
    return ok ? std::optional<long long>(value) : std::nullopt;
}

}  // namespace

std::int64_t FileTable::SizeForEntry(const QString& path) {
    return ProbeFile(path).size;
}

int FileTable::FileCount() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(entries_.size());
}

int FileTable::FilesRemaining() const {
    std::lock_guard lock(mutex_);
    return filesRemaining_;
}

int FileTable::QueuedCount() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(std::count_if(entries_.begin(), entries_.end(),
                                          [](const TFileData& e) { return e.State == fsQueued; }));
}

std::optional<TFileData> FileTable::Entry(int index) const {
    std::lock_guard lock(mutex_);
    if (index < 0 || index >= entries_.size()) {
        return std::nullopt;
    }
    return entries_[index];
}

QList<TFileData> FileTable::Entries() const {
    std::lock_guard lock(mutex_);
    return entries_;
}

void FileTable::AddEntry(const QString& path) {
    TFileData entry;
    entry.FileName = path;
    entry.Selected = settings_ != nullptr && settings_->Snapshot().preselectFiles;
    const Probe probe = ProbeFile(path);
    if (probe.exists) {
        entry.FileSize = probe.size;
        entry.State = fsQueued;
    }
    std::lock_guard lock(mutex_);
    entries_.append(std::move(entry));
    ++filesRemaining_;
}

void FileTable::Restore(const TFileData& entry) {
    std::lock_guard lock(mutex_);
    entries_.append(entry);
}

bool FileTable::SwapEntries(int a, int b) {
    std::lock_guard lock(mutex_);
    if (a < 0 || b < 0 || a >= entries_.size() || b >= entries_.size()) {
        return false;
    }
    entries_.swapItemsAt(a, b);
    const bool aUnlisted = std::binary_search(unlisted_.begin(), unlisted_.end(), a);
    const bool bUnlisted = std::binary_search(unlisted_.begin(), unlisted_.end(), b);
    if (aUnlisted != bUnlisted) {
        std::replace(unlisted_.begin(), unlisted_.end(), aUnlisted ? a : b, aUnlisted ? b : a);
        std::sort(unlisted_.begin(), unlisted_.end());
    }
    return true;
}

void FileTable::SortEntries() {
    std::lock_guard lock(mutex_);
    if (entries_.size() < 2) {
        return;
    }
    std::vector<QString> keys;
    keys.reserve(static_cast<std::size_t>(entries_.size()));
    for (const TFileData& entry : std::as_const(entries_)) {
        keys.push_back(SortKey(entry.FileName));
    }
    std::vector<qsizetype> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    // QString's operator< compares UTF-16 code units.
    std::stable_sort(order.begin(), order.end(), [&keys](qsizetype a, qsizetype b) {
        return keys[static_cast<std::size_t>(a)] < keys[static_cast<std::size_t>(b)];
    });
    QList<TFileData> sorted;
    sorted.reserve(entries_.size());
    std::vector<int> unlisted;
    for (qsizetype i : order) {
        if (std::binary_search(unlisted_.begin(), unlisted_.end(), static_cast<int>(i))) {
            unlisted.push_back(static_cast<int>(sorted.size()));
        }
        sorted.append(std::move(entries_[i]));
    }
    entries_ = std::move(sorted);
    unlisted_ = std::move(unlisted);
}

void FileTable::RemoveLocked(int index) {
    const int state = entries_[index].State;
    for (int i = index; i + 1 < entries_.size(); ++i) {
        entries_.swapItemsAt(i, i + 1);
    }
    entries_.removeLast();
    if (state == fsQueued || state == fsWorking) {
        --filesRemaining_;
    }
    std::erase(unlisted_, index);
    for (int& position : unlisted_) {
        if (position > index) {
            --position;
        }
    }
}

bool FileTable::RemoveEntry(int index) {
    std::lock_guard lock(mutex_);
    if (index < 0 || index >= entries_.size()) {
        return false;
    }
    RemoveLocked(index);
    return true;
}

int FileTable::RemoveSelected() {
    std::lock_guard lock(mutex_);
    int removed = 0;
    for (int i = static_cast<int>(entries_.size()) - 1; i >= 0; --i) {
        if (entries_[i].Selected) {
            RemoveLocked(i);
            ++removed;
        }
    }
    return removed;
}

void FileTable::RemoveAll() {
    std::lock_guard lock(mutex_);
    entries_.clear();
    filesRemaining_ = 0;
    unlisted_.clear();
}

bool FileTable::SetSelected(int index, bool selected) {
    std::lock_guard lock(mutex_);
    if (index < 0 || index >= entries_.size()) {
        return false;
    }
    entries_[index].Selected = selected;
    return true;
}

int FileTable::EntryOfRowLocked(int row) const {
    int index = row;
    for (int position : unlisted_) {
        if (position > index) {
            break;
        }
        ++index;
    }
    return index;
}

void FileTable::SelectRows(const QList<bool>& rowSelected) {
    std::lock_guard lock(mutex_);
    for (int position : unlisted_) {
        entries_[position].Selected = false;
    }
    for (int row = 0; row < rowSelected.size(); ++row) {
        const int index = EntryOfRowLocked(row);
        if (index >= entries_.size()) {
            break;
        }
        entries_[index].Selected = rowSelected[row];
    }
}

QList<TFileData> FileTable::ListedEntries() const {
    std::lock_guard lock(mutex_);
    QList<TFileData> listed = entries_;
    for (auto position = unlisted_.rbegin(); position != unlisted_.rend(); ++position) {
        listed.removeAt(*position);
    }
    return listed;
}

std::optional<TFileData> FileTable::ListedEntry(int row) const {
    std::lock_guard lock(mutex_);
    if (row < 0) {
        return std::nullopt;
    }
    const int index = EntryOfRowLocked(row);
    if (index >= entries_.size()) {
        return std::nullopt;
    }
    return entries_[index];
}

void FileTable::PauseUnfinished() {
    std::lock_guard lock(mutex_);
    for (TFileData& entry : entries_) {
        if (entry.State < fsHashed) {
            entry.State = fsIdle;
        }
    }
}

int FileTable::QueueUnfinished() {
    std::lock_guard lock(mutex_);
    filesRemaining_ = 0;
    for (TFileData& entry : entries_) {
        if (entry.State < fsWorking) {
            entry.State = fsQueued;
            ++filesRemaining_;
        }
    }
    return filesRemaining_;
}

bool FileTable::RefreshList(RowSink& rows) const {
    QStringList texts;
    QList<bool> selected;
    {
        std::lock_guard lock(mutex_);
        texts.reserve(entries_.size());
        selected.reserve(entries_.size());
        for (const TFileData& entry : entries_) {
            // A path shows a byte that is not UTF-8 as U+FFFD.
            texts.append(entry.Link.isEmpty() ? DisplayPath(entry.FileName) : entry.Link);
            selected.append(entry.Selected);
        }
        unlisted_.clear();
    }
    // The rows are filled outside the lock: the list may call back into the
    // table while it updates.
    const int count = static_cast<int>(texts.size());
    rows.BeginBatch();
    const int current = rows.RowCount() > 0 ? rows.CurrentItem() : -1;
    for (int i = 0; i < count; ++i) {
        if (i == rows.RowCount()) {
            rows.AppendRow(texts[i]);
        } else if (rows.RowText(i) != texts[i]) {
            rows.SetRowText(i, texts[i]);
        }
        rows.SetRowSelected(i, selected[i]);
    }
    if (count > 0 && rows.CurrentItem() != current) {
        rows.SetCurrentItem(current);
    }
    while (rows.RowCount() > count) {
        rows.DeleteLastRow();
    }
    rows.EndBatch();
    return count > 0;
}

std::optional<WorkClaim> FileTable::ClaimNextQueued() {
    std::lock_guard lock(mutex_);
    for (int i = 0; i < entries_.size(); ++i) {
        if (entries_[i].State == fsQueued) {
            entries_[i].State = fsWorking;
            return WorkClaim{entries_[i].FileName, i};
        }
    }
    return std::nullopt;
}

// Only the worker's entry is ever in the working state, so a working entry
// with the claimed path is the one, wherever sorting or removals put it.
int FileTable::FindClaimLocked(const WorkClaim& claim) const {
    auto matches = [&claim](const TFileData& entry) {
        return entry.State == fsWorking && entry.FileName == claim.fileName;
    };
    if (claim.index >= 0 && claim.index < entries_.size() && matches(entries_[claim.index])) {
        return claim.index;
    }
    for (int i = 0; i < entries_.size(); ++i) {
        if (matches(entries_[i])) {
            return i;
        }
    }
    return -1;
}

bool FileTable::ReleaseUnopened(const WorkClaim& claim) {
    std::lock_guard lock(mutex_);
    const int index = FindClaimLocked(claim);
    if (index < 0) {
        return false;
    }
    entries_[index].State = fsIdle;
    --filesRemaining_;
    return true;
}

bool FileTable::StoreResults(const WorkClaim& claim, const HashResults& results) {
    std::lock_guard lock(mutex_);
    const int index = FindClaimLocked(claim);
    if (index < 0) {
        return false;
    }
    --filesRemaining_;
    TFileData& entry = entries_[index];
    entry.State = fsHashed;
    entry.Link = results.link;
    entry.CRC32 = results.crc32;
    entry.MD5 = results.md5;
    entry.SHA1 = results.sha1;
    entry.CRCStatus = results.crcStatus;
    if (results.hasSecondLink) {
        TFileData second = entry;
        second.Link = results.secondLink;
        second.FileSize = results.secondFileSize;
        entries_.insert(index + 1, std::move(second));
        for (int& position : unlisted_) {
            if (position > index) {
                ++position;
            }
        }
        unlisted_.insert(std::upper_bound(unlisted_.begin(), unlisted_.end(), index), index + 1);
    }
    return true;
}

QStringList FileTable::SerialLines(const TFileData& entry) {
    return {
        entry.Link.isEmpty() ? QStringLiteral("NoHash") : entry.Link,
        entry.FileName,
        QString::fromLatin1(entry.CRC32),
        QString::fromLatin1(entry.MD5),
        QString::fromLatin1(entry.SHA1),
        QStringLiteral("State=%1").arg(entry.State),
        QStringLiteral("CRCStatus=%1").arg(entry.CRCStatus),
        QStringLiteral("FileSize=%1").arg(entry.FileSize),
        entry.Selected ? QStringLiteral("Selected=1") : QStringLiteral("Selected=0"),
    };
}

std::optional<TFileData> FileTable::FromSerialLines(const QStringList& lines, qsizetype first) {
    if (first < 0 || lines.size() - first < 9) {
        return std::nullopt;
    }
    auto isHex = [](const QString& text, qsizetype length) {
        if (!text.isEmpty() && text.size() != length) {
            return false;
        }
        return std::all_of(text.begin(), text.end(), [](QChar c) {
            return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
        });
    };
    const QString& crc = lines[first + 2];
    const QString& md5 = lines[first + 3];
    const QString& sha1 = lines[first + 4];
    const auto state = NumberAfter(lines[first + 5], QLatin1StringView("State="));
    const auto crcStatus = NumberAfter(lines[first + 6], QLatin1StringView("CRCStatus="));
    const auto size = NumberAfter(lines[first + 7], QLatin1StringView("FileSize="));
    const QString& selected = lines[first + 8];
    if (lines[first + 1].isEmpty() || !isHex(crc, 8) || !isHex(md5, 32) || !isHex(sha1, 40) ||
        !state || *state < fsIdle || *state > fsHashed || !crcStatus || *crcStatus < crcNotFound ||
        *crcStatus > crcMismatch || !size || *size < -1 ||
        (selected != u"Selected=1" && selected != u"Selected=0")) {
        return std::nullopt;
    }
    TFileData entry;
    entry.Link = lines[first] == u"NoHash" ? QString() : lines[first];
    entry.FileName = lines[first + 1];
    entry.State = static_cast<int>(*state);
    entry.CRCStatus = static_cast<int>(*crcStatus);
    entry.CRC32 = crc.toLatin1();
    entry.MD5 = md5.toLatin1();
    entry.SHA1 = sha1.toLatin1();
    entry.Selected = selected == u"Selected=1";
    entry.FileSize = *size;
    return entry;
}

}  // namespace lm
