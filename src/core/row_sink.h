// SPDX-License-Identifier: MIT
#pragma once

namespace lm {

// The rows of the file list as the file table tells them what changed. The
// list implements it; row i shows the i-th entry the table lists, and keeps
// what it shows (FileTable::ListedText, the entry's lamp) as it was when it
// was last told. Called on the GUI thread, always between BeginBatch and
// EndBatch.
class RowSink {
public:
    virtual ~RowSink() = default;

    virtual int RowCount() const = 0;
    // `count` rows appear before row `first` (the table lists them already).
    virtual void InsertRows(int first, int count) = 0;
    // Rows `first` to `first + count - 1` go.
    virtual void RemoveRows(int first, int count) = 0;
    // Every row anew, `count` of them, none selected: the order changed.
    virtual void ResetRows(int count) = 0;
    // The entries of rows `first` to `last` changed: their texts and lamps,
    // or which entries they are.
    virtual void RowsChanged(int first, int last) = 0;
    // Rows `first` to `last` become selected, or not.
    virtual void SetRowsSelected(int first, int last, bool selected) = 0;
    // Between the two the list does not repaint; EndBatch repaints it.
    virtual void BeginBatch() = 0;
    virtual void EndBatch() = 0;
};

}  // namespace lm
