// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

#include "file_table.h"
#include "gap_vector.h"

namespace lm {

// What the rows of the file list show, row by row: the entry each row shows
// (by its identity), the row's text and lamp as they were when the file
// table last told the row, the text's width in the list's font once
// measured, and the number the row got when it first showed a link. The
// rows hear of the table's changes only through its RefreshList, and show
// what they showed until then. Used on the GUI thread only; each change costs
// O(1) per row told, a reset after a sort O(n).
class TListRows {
public:
    // `measure` gives a text's width in the list's font.
    TListRows(const FileTable& table, std::function<int(const QString&)> measure);

    int Count() const { return static_cast<int>(rows_.size()); }
    // The row's text; empty for no row.
    QString Text(int row) const;
    // Every row's text, top to bottom.
    QStringList Texts() const;
    // The CRC check result that picks the row's lamp; -1 for no row.
    int CrcStatus(int row) const;

    // What the table tells (see RowSink).
    void Insert(int first, int count);
    void Remove(int first, int count);
    void Reset(int count);
    void Changed(int first, int last);

    // The widest text the rows show; each text is measured once, until it
    // changes. 0 without rows.
    int WidestText();
    // Forgets every width measured: the list's font changed.
    void ForgetWidths();

    // For an info pane that grows as files are hashed: every row gets a
    // number when it first shows a link (numbers grow, and stay with the
    // entry through a sort). These are the entries of the rows numbered
    // after `afterShown`, with their rows, in row order; and the row of
    // entry `id` (looked for first at row `hint`), -1 when no row shows it.
    struct ShownFiles {
        std::uint64_t generation = 0;  // the table's Generation()
        std::uint64_t lastShown = 0;   // the newest number now
        int listedCount = 0;
        int anchorRow = -1;
        std::vector<ListedFile> files;
    };
    ShownFiles ShownSince(std::uint64_t afterShown, std::uint64_t id, int hint) const;

private:
    struct Row {
        std::uint64_t id = 0;
        QString text;
        int width = -1;  // the text's width, -1 not measured
        std::int16_t crcStatus = crcNoHash;
        bool link = false;  // the text is the entry's link
        std::uint64_t shown = 0;
    };
    // The rows `first` to `first + count - 1` as the table lists them now,
    // `count` of them, each with its entry's identity, text and lamp.
    std::vector<Row> ReadRows(int first, int count) const;
    void NumberIfLink(Row& row);

    const FileTable& table_;
    std::function<int(const QString&)> measure_;
    GapVector<Row> rows_;  // second rows go in behind the file hashed
    std::uint64_t lastShown_ = 0;
};

}  // namespace lm
