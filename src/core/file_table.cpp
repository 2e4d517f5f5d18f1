// SPDX-License-Identifier: MIT
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

QString NamePart(const QString& fileName) {
    const std::u16string_view path(reinterpret_cast<const char16_t*>(fileName.utf16()),
                                   static_cast<std::size_t>(fileName.size()));
    const std::u16string_view name = NameWithoutPath(path);
    return QStringView(name.data(), static_cast<qsizetype>(name.size())).toString();
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

// Indices kept in step with a removal: those of removed entries go, the
// others move down by the number of removed entries before them.
template <class Indices>
void Renumber(Indices& indices, const std::vector<int>& newIndex) {
    std::size_t kept = 0;
    for (int index : indices) {
        const int now = newIndex[static_cast<std::size_t>(index)];
        if (now >= 0) {
            indices[kept++] = now;
        }
    }
    indices.resize(kept);
}

// Runs of consecutive values in ascending `values`: calls f(first, last).
template <class F>
void ForEachRun(const std::vector<int>& values, F&& f) {
    for (std::size_t i = 0; i < values.size();) {
        std::size_t j = i;
        while (j + 1 < values.size() && values[j + 1] == values[j] + 1) {
            ++j;
        }
        f(values[i], values[j]);
        i = j + 1;
    }
}

}  // namespace

QString ShownText(const TFileData& entry) {
    return entry.Link.isEmpty() ? DisplayPath(entry.FileName) : entry.Link;
}

std::int64_t FileTable::SizeForEntry(const QString& path) {
    return ProbeFile(path).size;
}

int FileTable::FileCount() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(slots_.size());
}

int FileTable::FilesRemaining() const {
    std::lock_guard lock(mutex_);
    return filesRemaining_;
}

int FileTable::QueuedCount() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(std::count_if(slots_.begin(), slots_.end(),
                                          [](const Slot& s) { return s.data.State == fsQueued; }));
}

std::optional<TFileData> FileTable::Entry(int index) const {
    std::lock_guard lock(mutex_);
    if (index < 0 || index >= static_cast<int>(slots_.size())) {
        return std::nullopt;
    }
    return slots_[static_cast<std::size_t>(index)].data;
}

QList<TFileData> FileTable::Entries() const {
    std::lock_guard lock(mutex_);
    QList<TFileData> entries;
    entries.reserve(static_cast<qsizetype>(slots_.size()));
    for (const Slot& slot : slots_) {
        entries.append(slot.data);
    }
    return entries;
}

std::uint64_t FileTable::Generation() const {
    std::lock_guard lock(mutex_);
    return generation_;
}

std::uint64_t FileTable::TextEdits() const {
    std::lock_guard lock(mutex_);
    return textEdits_;
}

void FileTable::AppendLocked(TFileData entry) {
    selectedCount_ += entry.Selected ? 1 : 0;
    unlisted_.push_back(static_cast<int>(slots_.size()));
    Slot slot;
    slot.data = std::move(entry);
    slot.id = nextId_++;
    slots_.push_back(std::move(slot));
}

void FileTable::AddEntry(const QString& path) {
    const RegularFileProbe probe = ProbeRegularFile(path);
    AddProbed(path, probe.exists, probe.size.value_or(-1));
}

bool FileTable::AddFileIfThere(const QString& path) {
    return AddFileIfThere(path, ProbeListedFile(path));
}

bool FileTable::AddFileIfThere(const QString& path, const RegularFileProbe& probe) {
    if (!probe.regular) {
        return false;
    }
    AddProbed(path, true, probe.size.value_or(-1));
    return true;
}

void FileTable::AddProbed(const QString& path, bool exists, std::int64_t size) {
    TFileData entry;
    entry.FileName = path;
    entry.Selected = settings_ != nullptr && settings_->Get(&SettingsValues::preselectFiles);
    if (exists) {
        entry.FileSize = size;
        entry.State = fsQueued;
    }
    std::lock_guard lock(mutex_);
    AppendLocked(std::move(entry));
    ++filesRemaining_;
}

void FileTable::Reserve(int more) {
    std::lock_guard lock(mutex_);
    if (more > 0) {
        slots_.reserve(slots_.size() + static_cast<std::size_t>(more));
    }
}

void FileTable::Restore(const TFileData& entry) {
    std::lock_guard lock(mutex_);
    AppendLocked(entry);
    ++generation_;
}

bool FileTable::SwapEntries(int a, int b) {
    std::lock_guard lock(mutex_);
    const int size = static_cast<int>(slots_.size());
    if (a < 0 || b < 0 || a >= size || b >= size) {
        return false;
    }
    // Everything but the marks of what the rows still have to be told,
    // which stay with the places.
    MarkChangedLocked(a);
    MarkChangedLocked(b);
    Slot& first = slots_[static_cast<std::size_t>(a)];
    Slot& second = slots_[static_cast<std::size_t>(b)];
    std::swap(first.data, second.data);
    std::swap(first.id, second.id);
    // The rows stay where they are: each shows the entry now in its place.
    const bool aUnlisted = std::binary_search(unlisted_.begin(), unlisted_.end(), a);
    const bool bUnlisted = std::binary_search(unlisted_.begin(), unlisted_.end(), b);
    if (aUnlisted != bUnlisted) {
        std::replace(unlisted_.begin(), unlisted_.end(), aUnlisted ? a : b, aUnlisted ? b : a);
        std::sort(unlisted_.begin(), unlisted_.end());
    }
    for (int index : {a, b}) {
        if (RowOfEntryLocked(index) >= 0) {
            selectionChanged_.push_back(index);
        }
    }
    queueCursor_ = std::min({queueCursor_, a, b});
    ++generation_;
    return true;
}

void FileTable::SortEntries() {
    std::lock_guard lock(mutex_);
    SortByKeyLocked(
        [](const TFileData& entry) { return QLocale::system().toLower(NamePart(entry.FileName)); });
}

void FileTable::SortByPath(bool namesOnly) {
    std::lock_guard lock(mutex_);
    SortByKeyLocked([namesOnly](const TFileData& entry) {
        return (namesOnly ? NamePart(entry.FileName) : entry.FileName).toLower();
    });
}

void FileTable::SortByKeyLocked(const std::function<QString(const TFileData&)>& keyOf) {
    if (slots_.size() < 2) {
        return;
    }
    std::vector<QString> keys;
    keys.reserve(slots_.size());
    for (const Slot& slot : slots_) {
        keys.push_back(keyOf(slot.data));
    }
    std::vector<std::size_t> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    // QString's operator< compares UTF-16 code units; equal keys keep their
    // order.
    std::stable_sort(order.begin(), order.end(),
                     [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    std::vector<bool> wasUnlisted(slots_.size(), false);
    for (int index : unlisted_) {
        wasUnlisted[static_cast<std::size_t>(index)] = true;
    }
    std::vector<Slot> sorted;
    sorted.reserve(slots_.size());
    std::deque<int> unlisted;
    for (std::size_t i : order) {
        if (wasUnlisted[i]) {
            unlisted.push_back(static_cast<int>(sorted.size()));
        }
        sorted.push_back(std::move(slots_[i]));
    }
    slots_ = std::move(sorted);
    unlisted_ = std::move(unlisted);
    for (Slot& slot : slots_) {
        slot.changed = false;
    }
    changed_.clear();
    selectionChanged_.clear();
    reset_ = true;
    queueCursor_ = 0;
    ++generation_;
}

template <class P>
int FileTable::RemoveWhereLocked(P&& remove) {
    std::vector<int> newIndex(slots_.size(), -1);
    std::vector<int> removedRows;
    std::size_t kept = 0;
    int removed = 0;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        Slot& slot = slots_[i];
        if (!remove(slot)) {
            newIndex[i] = static_cast<int>(kept);
            if (kept != i) {
                slots_[kept] = std::move(slot);
            }
            ++kept;
            continue;
        }
        ++removed;
        if (slot.data.State == fsQueued || slot.data.State == fsWorking) {
            --filesRemaining_;
        }
        selectedCount_ -= slot.data.Selected ? 1 : 0;
        const int row = RowOfEntryLocked(static_cast<int>(i));
        if (row >= 0) {
            removedRows.push_back(row);
        }
    }
    if (removed == 0) {
        return 0;
    }
    slots_.resize(kept);
    // Rows from the last to the first, each run as the rows stand then.
    for (auto run = removedRows.rbegin(); run != removedRows.rend();) {
        int last = *run;
        int first = last;
        ++run;
        while (run != removedRows.rend() && *run == first - 1) {
            first = *run;
            ++run;
        }
        removed_.push_back({first, last - first + 1});
    }
    Renumber(unlisted_, newIndex);
    Renumber(changed_, newIndex);
    Renumber(selectionChanged_, newIndex);
    queueCursor_ = 0;
    ++generation_;
    return removed;
}

bool FileTable::RemoveEntry(int index) {
    std::lock_guard lock(mutex_);
    if (index < 0 || index >= static_cast<int>(slots_.size())) {
        return false;
    }
    const Slot* target = &slots_[static_cast<std::size_t>(index)];
    RemoveWhereLocked([target](const Slot& slot) { return &slot == target; });
    return true;
}

int FileTable::RemoveSelected() {
    std::lock_guard lock(mutex_);
    if (selectedCount_ == 0) {
        return 0;
    }
    return RemoveWhereLocked([](const Slot& slot) { return slot.data.Selected; });
}

void FileTable::RemoveAll() {
    std::lock_guard lock(mutex_);
    const int rows = static_cast<int>(slots_.size() - unlisted_.size());
    if (rows > 0) {
        removed_.push_back({0, rows});
    }
    slots_.clear();
    filesRemaining_ = 0;
    selectedCount_ = 0;
    unlisted_.clear();
    changed_.clear();
    selectionChanged_.clear();
    queueCursor_ = 0;
    ++generation_;
}

bool FileTable::SetSelected(int index, bool selected) {
    std::lock_guard lock(mutex_);
    if (index < 0 || index >= static_cast<int>(slots_.size())) {
        return false;
    }
    TFileData& entry = slots_[static_cast<std::size_t>(index)].data;
    if (entry.Selected != selected) {
        entry.Selected = selected;
        selectedCount_ += selected ? 1 : -1;
        selectionChanged_.push_back(index);
    }
    return true;
}

void FileTable::UnselectAll() {
    std::lock_guard lock(mutex_);
    if (selectedCount_ == 0) {
        return;
    }
    for (Slot& slot : slots_) {
        slot.data.Selected = false;
    }
    selectedCount_ = 0;
}

int FileTable::EntryOfRowLocked(int row) const {
    if (row < 0) {
        return -1;
    }
    // The row's entry has as many unlisted entries before it as there are
    // unlisted entries with at most `row` listed ones before them; the j-th
    // has unlisted_[j] - j, which never decreases along the list.
    std::size_t low = 0;
    std::size_t high = unlisted_.size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (unlisted_[middle] - static_cast<int>(middle) <= row) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    const int index = row + static_cast<int>(low);
    return index < static_cast<int>(slots_.size()) ? index : -1;
}

int FileTable::RowOfEntryLocked(int index) const {
    const auto at = std::lower_bound(unlisted_.begin(), unlisted_.end(), index);
    if (at != unlisted_.end() && *at == index) {
        return -1;
    }
    return index - static_cast<int>(at - unlisted_.begin());
}

void FileTable::MarkChangedLocked(int index) {
    Slot& slot = slots_[static_cast<std::size_t>(index)];
    if (!slot.changed) {
        slot.changed = true;
        changed_.push_back(index);
    }
}

void FileTable::SelectRows(const QList<bool>& rowSelected) {
    std::lock_guard lock(mutex_);
    for (int position : unlisted_) {
        slots_[static_cast<std::size_t>(position)].data.Selected = false;
    }
    for (int row = 0; row < rowSelected.size(); ++row) {
        const int index = EntryOfRowLocked(row);
        if (index < 0) {
            break;
        }
        slots_[static_cast<std::size_t>(index)].data.Selected = rowSelected[row];
    }
    selectedCount_ = static_cast<int>(std::count(rowSelected.begin(), rowSelected.end(), true));
}

int FileTable::ListedCount() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(slots_.size() - unlisted_.size());
}

QList<TFileData> FileTable::ListedEntries() const {
    std::lock_guard lock(mutex_);
    QList<TFileData> listed;
    listed.reserve(static_cast<qsizetype>(slots_.size() - unlisted_.size()));
    auto next = unlisted_.begin();
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        if (next != unlisted_.end() && *next == static_cast<int>(i)) {
            ++next;
            continue;
        }
        listed.append(slots_[i].data);
    }
    return listed;
}

std::vector<ListedFile> FileTable::ListedFiles() const {
    std::lock_guard lock(mutex_);
    std::vector<ListedFile> listed;
    listed.reserve(slots_.size() - unlisted_.size());
    auto next = unlisted_.begin();
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        if (next != unlisted_.end() && *next == static_cast<int>(i)) {
            ++next;
            continue;
        }
        listed.push_back({slots_[i].id, static_cast<int>(listed.size()), slots_[i].data});
    }
    return listed;
}

std::optional<TFileData> FileTable::ListedEntry(int row) const {
    std::lock_guard lock(mutex_);
    const int index = EntryOfRowLocked(row);
    if (index < 0) {
        return std::nullopt;
    }
    return slots_[static_cast<std::size_t>(index)].data;
}

QString FileTable::ListedText(int row) const {
    std::lock_guard lock(mutex_);
    const int index = EntryOfRowLocked(row);
    return index < 0 ? QString() : ShownText(slots_[static_cast<std::size_t>(index)].data);
}

void FileTable::PauseUnfinished() {
    std::lock_guard lock(mutex_);
    for (Slot& slot : slots_) {
        if (slot.data.State < fsHashed) {
            slot.data.State = fsIdle;
        }
    }
}

int FileTable::QueueUnfinished() {
    std::lock_guard lock(mutex_);
    filesRemaining_ = 0;
    for (Slot& slot : slots_) {
        if (slot.data.State < fsWorking) {
            slot.data.State = fsQueued;
            ++filesRemaining_;
        }
    }
    queueCursor_ = 0;
    return filesRemaining_;
}

bool FileTable::RefreshList(RowSink& rows) {
    // Each step takes what it tells under the lock and tells it outside, so
    // that the rows may read the table back; the worker may add to the
    // table meanwhile, which the next call tells.
    rows.BeginBatch();
    bool reset = false;
    std::vector<RemovedRows> removed;
    {
        std::lock_guard lock(mutex_);
        reset = std::exchange(reset_, false);
        removed.swap(removed_);
    }
    if (reset) {
        // After a sort every row shows another entry: the rows the table
        // now lists, with their selection, then what was added as below.
        const int listed = ListedCount();
        rows.ResetRows(listed);
        std::vector<int> selected;
        {
            std::lock_guard lock(mutex_);
            auto next = unlisted_.begin();
            int row = 0;
            for (std::size_t i = 0; i < slots_.size(); ++i) {
                if (next != unlisted_.end() && *next == static_cast<int>(i)) {
                    ++next;
                    continue;
                }
                if (slots_[i].data.Selected) {
                    selected.push_back(row);
                }
                ++row;
            }
        }
        ForEachRun(selected, [&](int first, int last) { rows.SetRowsSelected(first, last, true); });
    } else {
        for (const RemovedRows& run : removed) {
            rows.RemoveRows(run.first, run.count);
        }
    }
    // Rows appear for the entries added meanwhile, a run at a time.
    for (;;) {
        int first = 0;
        int count = 0;
        std::vector<int> selected;
        {
            std::lock_guard lock(mutex_);
            if (unlisted_.empty()) {
                break;
            }
            // The lowest run: no unlisted entry stands before it, so its
            // rows are its indices.
            first = unlisted_.front();
            while (static_cast<std::size_t>(count) < unlisted_.size() &&
                   unlisted_[static_cast<std::size_t>(count)] == first + count) {
                ++count;
            }
            unlisted_.erase(unlisted_.begin(), unlisted_.begin() + count);
            for (int i = first; i < first + count; ++i) {
                if (slots_[static_cast<std::size_t>(i)].data.Selected) {
                    selected.push_back(i);
                }
            }
        }
        rows.InsertRows(first, count);
        ForEachRun(selected, [&](int a, int b) { rows.SetRowsSelected(a, b, true); });
    }
    // Rows whose entries changed, and rows whose entries' selection was set
    // apart from the rows.
    std::vector<int> changed;
    std::vector<std::pair<int, bool>> selection;
    bool all = false;
    int listed = 0;
    {
        std::lock_guard lock(mutex_);
        all = std::exchange(allChanged_, false);
        for (int index : changed_) {
            slots_[static_cast<std::size_t>(index)].changed = false;
            const int row = RowOfEntryLocked(index);
            if (row >= 0) {
                changed.push_back(row);
            }
        }
        changed_.clear();
        for (int index : selectionChanged_) {
            const int row = RowOfEntryLocked(index);
            if (row >= 0) {
                selection.emplace_back(row, slots_[static_cast<std::size_t>(index)].data.Selected);
            }
        }
        selectionChanged_.clear();
        listed = static_cast<int>(slots_.size() - unlisted_.size());
    }
    if (all && listed > 0) {
        rows.RowsChanged(0, listed - 1);
    } else {
        std::sort(changed.begin(), changed.end());
        changed.erase(std::unique(changed.begin(), changed.end()), changed.end());
        ForEachRun(changed, [&](int first, int last) { rows.RowsChanged(first, last); });
    }
    for (const auto& [row, on] : selection) {
        rows.SetRowsSelected(row, row, on);
    }
    rows.EndBatch();
    return listed > 0;
}

std::optional<WorkClaim> FileTable::ClaimNextQueued() {
    std::lock_guard lock(mutex_);
    for (int i = queueCursor_; i < static_cast<int>(slots_.size()); ++i) {
        TFileData& entry = slots_[static_cast<std::size_t>(i)].data;
        if (entry.State == fsQueued) {
            entry.State = fsWorking;
            queueCursor_ = i + 1;
            return WorkClaim{entry.FileName, i, slots_[static_cast<std::size_t>(i)].id};
        }
    }
    queueCursor_ = static_cast<int>(slots_.size());
    return std::nullopt;
}

std::vector<QueuedFile> FileTable::NextQueued(int count) const {
    QueueMark mark;
    return NextQueued(count, mark);
}

std::vector<QueuedFile> FileTable::NextQueued(int count, QueueMark& mark) const {
    std::lock_guard lock(mutex_);
    return QueuedFromLocked(static_cast<std::size_t>(queueCursor_), count, mark);
}

std::optional<std::vector<QueuedFile>> FileTable::QueuedAfter(QueueMark& mark, int count) const {
    std::lock_guard lock(mutex_);
    const auto at = static_cast<std::size_t>(mark.index);
    if (mark.index < 0 || mark.generation != generation_ || at >= slots_.size() ||
        slots_[at].id != mark.id) {
        return std::nullopt;
    }
    return QueuedFromLocked(std::max(at + 1, static_cast<std::size_t>(queueCursor_)), count, mark);
}

std::vector<QueuedFile> FileTable::QueuedFromLocked(std::size_t first, int count,
                                                    QueueMark& mark) const {
    std::vector<QueuedFile> out;
    // Looks no further than a few times `count` entries: queued entries
    // far apart are not worth a long walk under the lock.
    const std::size_t end =
        std::min(slots_.size(), first + static_cast<std::size_t>(std::max(count, 0)) * 8);
    for (std::size_t i = first; i < end && static_cast<int>(out.size()) < count; ++i) {
        const Slot& slot = slots_[i];
        if (slot.data.State == fsQueued) {
            out.push_back({slot.id, slot.data.FileName});
        }
        mark = {static_cast<int>(i), slot.id, generation_};
    }
    return out;
}

// Only the worker's entry is ever in the working state, so a working entry
// with the claimed path is the one, wherever sorting or removals put it.
int FileTable::FindClaimLocked(const WorkClaim& claim) const {
    auto matches = [&claim](const Slot& slot) {
        return slot.data.State == fsWorking && slot.data.FileName == claim.fileName;
    };
    if (claim.index >= 0 && claim.index < static_cast<int>(slots_.size()) &&
        matches(slots_[static_cast<std::size_t>(claim.index)])) {
        return claim.index;
    }
    for (int i = 0; i < static_cast<int>(slots_.size()); ++i) {
        if (matches(slots_[static_cast<std::size_t>(i)])) {
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
    slots_[static_cast<std::size_t>(index)].data.State = fsIdle;
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
    MarkChangedLocked(index);
    Slot& slot = slots_[static_cast<std::size_t>(index)];
    TFileData& entry = slot.data;
    entry.State = fsHashed;
    entry.Link = results.link;
    entry.Hashes = results.hashes;
    entry.CRCStatus = results.crcStatus;
    entry.Kept = results.kept;
    if (results.hasSecondLink) {
        Slot second;
        second.data = entry;
        second.data.Link = results.secondLink;
        second.data.FileSize = results.secondFileSize;
        second.id = nextId_++;
        selectedCount_ += second.data.Selected ? 1 : 0;
        slots_.insert(static_cast<std::size_t>(index) + 1, std::move(second));
        const auto shift = [index](auto& indices) {
            for (int& position : indices) {
                if (position > index) {
                    ++position;
                }
            }
        };
        shift(unlisted_);
        shift(changed_);
        shift(selectionChanged_);
        unlisted_.insert(std::upper_bound(unlisted_.begin(), unlisted_.end(), index), index + 1);
        if (queueCursor_ > index) {
            ++queueCursor_;
        }
    }
    return true;
}

QStringList FileTable::SerialLines(const TFileData& entry) {
    return {
        entry.Link.isEmpty() ? QStringLiteral("NoHash") : entry.Link,
        entry.FileName,
        QString::fromLatin1(entry.CRC32()),
        QString::fromLatin1(entry.MD5()),
        QString::fromLatin1(entry.SHA1()),
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
    entry.Hashes = HashTexts(crc.toLatin1(), md5.toLatin1(), sha1.toLatin1());
    entry.Selected = selected == u"Selected=1";
    entry.FileSize = *size;
    return entry;
}

}  // namespace lm
