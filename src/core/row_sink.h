#pragma once

#include <QString>

namespace lm {

// The rows of the file list as the file table sees them. The list widget
// implements it; row i shows entry i of the table. Called on the GUI thread.
class RowSink {
public:
    virtual ~RowSink() = default;

    virtual int RowCount() const = 0;
    virtual QString RowText(int row) const = 0;
    virtual void SetRowText(int row, const QString& text) = 0;
    virtual void AppendRow(const QString& text) = 0;
    virtual void DeleteLastRow() = 0;
    virtual void SetRowSelected(int row, bool selected) = 0;
    // The focused row, -1 when there is none.
    virtual int CurrentItem() const = 0;
    virtual void SetCurrentItem(int row) = 0;
    // Between the two the list does not repaint; EndBatch repaints it.
    virtual void BeginBatch() = 0;
    virtual void EndBatch() = 0;
};

}  // namespace lm
