// SPDX-License-Identifier: MIT
#include "list_rows.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "path_names.h"

namespace lm {

TListRows::TListRows(const FileTable& table, std::function<int(const QString&)> measure)
    : table_(table), measure_(std::move(measure)) {}

QString TListRows::Text(int row) const {
    return row >= 0 && row < Count() ? rows_[static_cast<std::size_t>(row)].text : QString();
}

QStringList TListRows::Texts() const {
    QStringList texts;
    texts.reserve(Count());
    for (const Row& row : rows_) {
        texts.append(row.text);
    }
    return texts;
}

int TListRows::CrcStatus(int row) const {
    return row >= 0 && row < Count() ? rows_[static_cast<std::size_t>(row)].crcStatus : -1;
}

std::vector<TListRows::Row> TListRows::ReadRows(int first, int count) const {
    std::vector<Row> read;
    read.reserve(static_cast<std::size_t>(count));
    // The entries' ShownText; only references are taken under the table's
    // lock, and a path's text is made after it.
    table_.ForEachListed(first, count, [&read](std::uint64_t id, const TFileData& entry) {
        Row row;
        row.id = id;
        row.link = !entry.Link.isEmpty();
        row.text = row.link ? entry.Link : entry.FileName;
        row.crcStatus = static_cast<std::int16_t>(entry.CRCStatus);
        read.push_back(std::move(row));
    });
    for (Row& row : read) {
        if (!row.link) {
            row.text = DisplayPath(row.text);
        }
    }
    // Rows the table no longer lists (it never tells of such) stay empty.
    read.resize(static_cast<std::size_t>(count));
    return read;
}

void TListRows::NumberIfLink(Row& row) {
    if (row.link && row.shown == 0) {
        row.shown = ++lastShown_;
    }
}

void TListRows::Insert(int first, int count) {
    if (count <= 0) {
        return;
    }
    // Many rows at once (a folder just added) get room for just that many;
    // a few at a time grow the rows as a vector grows.
    if (static_cast<std::size_t>(count) > rows_.size() / 2) {
        rows_.reserve(rows_.size() + static_cast<std::size_t>(count));
    }
    std::vector<Row> read = ReadRows(first, count);
    for (int i = 0; i < count; ++i) {
        Row& row = read[static_cast<std::size_t>(i)];
        NumberIfLink(row);
        rows_.insert(static_cast<std::size_t>(first + i), std::move(row));
    }
}

void TListRows::Remove(int first, int count) {
    if (count > 0) {
        rows_.erase(static_cast<std::size_t>(first), static_cast<std::size_t>(count));
    }
}

void TListRows::Reset(int count) {
    // Widths and numbers belong to the entries and follow them to their
    // new rows.
    struct Kept {
        QString text;
        int width;
        std::uint64_t shown;
    };
    std::unordered_map<std::uint64_t, Kept> kept;
    kept.reserve(rows_.size());
    for (Row& row : rows_) {
        kept.emplace(row.id, Kept{std::move(row.text), row.width, row.shown});
    }
    rows_.clear();
    std::vector<Row> read = ReadRows(0, count);
    for (Row& row : read) {
        if (const auto before = kept.find(row.id); before != kept.end()) {
            row.shown = before->second.shown;
            if (before->second.text == row.text) {
                row.width = before->second.width;
            }
        }
        NumberIfLink(row);
    }
    rows_ = std::move(read);
}

void TListRows::Changed(int first, int last) {
    if (last < first) {
        return;
    }
    std::vector<Row> read = ReadRows(first, last - first + 1);
    for (int i = first; i <= last && i < Count(); ++i) {
        Row& row = rows_[static_cast<std::size_t>(i)];
        Row& now = read[static_cast<std::size_t>(i - first)];
        if (now.id != row.id) {
            row = std::move(now);  // another entry: nothing of the old one holds
        } else {
            if (now.text != row.text) {
                row.text = std::move(now.text);
                row.width = -1;
            }
            row.crcStatus = now.crcStatus;
            row.link = now.link;
        }
        NumberIfLink(row);
        // A file's link is measured as it arrives, so that the list's widest
        // text never waits on many of them at once.
        if (row.link && row.width < 0) {
            row.width = measure_(row.text);
        }
    }
}

int TListRows::WidestText() {
    int widest = 0;
    for (Row& row : rows_) {
        if (row.width < 0) {
            row.width = measure_(row.text);
        }
        widest = std::max(widest, row.width);
    }
    return widest;
}

void TListRows::ForgetWidths() {
    for (Row& row : rows_) {
        row.width = -1;
    }
}

TListRows::ShownFiles TListRows::ShownSince(std::uint64_t afterShown, std::uint64_t id,
                                            int hint) const {
    ShownFiles out;
    out.generation = table_.Generation();
    out.lastShown = lastShown_;
    out.listedCount = Count();
    // The anchor: at the hinted row, else anywhere.
    if (id != 0) {
        if (hint >= 0 && hint < Count() && rows_[static_cast<std::size_t>(hint)].id == id) {
            out.anchorRow = hint;
        } else {
            for (int row = Count() - 1; row >= 0; --row) {
                if (rows_[static_cast<std::size_t>(row)].id == id) {
                    out.anchorRow = row;
                    break;
                }
            }
        }
    }
    if (afterShown >= lastShown_) {
        return out;
    }
    // Results are shown one after the other, mostly in list order: look
    // from the anchor on first, then before it.
    // Numbers are given one after the other, so the search ends once every
    // number after `afterShown` is found (unless one went with its row).
    const int from = std::max(out.anchorRow, 0);
    const std::uint64_t wanted = lastShown_ - afterShown;
    std::vector<int> found;
    for (int pass = 0; pass < 2; ++pass) {
        const int begin = pass == 0 ? from : 0;
        const int end = pass == 0 ? Count() : from;
        for (int row = begin; row < end && found.size() < wanted; ++row) {
            if (rows_[static_cast<std::size_t>(row)].shown > afterShown) {
                found.push_back(row);
            }
        }
    }
    std::sort(found.begin(), found.end());
    for (int row : found) {
        table_.ForEachListed(row, 1, [&](std::uint64_t entryId, const TFileData& entry) {
            out.files.push_back({entryId, row, entry});
        });
    }
    return out;
}

}  // namespace lm
