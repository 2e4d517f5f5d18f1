// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QListView>

#include <atomic>
#include <mutex>

#include "row_sink.h"
#include "text_width_meter.h"

namespace lm {

class FileTable;
class TFileListModel;
class TListRows;

// The file list: one owner-drawn row per file entry, 16 px high or as high
// as the list's font needs, a lamp at the left (centred in the row) and the
// link (or, until hashed, the full path) 18 px right of it. A
// view over the file table (TFileListModel), told of changes through
// RowSink; the user's selection changes arrive as `selectionClicked`, never
// the ones made by the program.
class TDatLst : public QListView, public RowSink {
    Q_OBJECT

public:
    // The designed row height, which rows keep unless the font needs more.
    static constexpr int kRowHeight = 16;
    static constexpr int kTextLeft = 18;
    static constexpr int kLampSize = 16;

    // The height of every row: kRowHeight, or the font's height with a
    // pixel above and below when that is more.
    int RowHeight() const { return rowHeight_; }
    static int RowHeightFor(const QFontMetrics& metrics);

    explicit TDatLst(FileTable& table, QWidget* parent = nullptr);

    // Rows are not painted once the window is closing.
    void SetPaintingStopped(bool stopped) { paintingStopped_ = stopped; }
    bool PaintingStopped() const { return paintingStopped_; }

    // The horizontal extent: how wide the rows are for scrolling. Read and
    // raised from any thread; set and applied on the GUI thread.
    int HorizontalExtent() const { return extent_.load(); }
    void SetHorizontalExtent(int width);
    // Raises the extent to `width` when it is narrower; true when it did.
    // The rows are laid out anew by ApplyHorizontalExtent.
    bool RaiseHorizontalExtent(int width);
    void ApplyHorizontalExtent();
    // Width of a text in the list's font, measured on its ANSI form. Safe
    // from any thread.
    int TextWidth(const QString& text) const;
    // The greatest row text width plus 8, or 0 without rows; each text is
    // measured once.
    int WidestRowExtent() const;

    // The first visible row.
    int TopRow() const;
    // The selected rows, ascending, and how many there are.
    QList<int> SelectedRows() const;
    int SelectedCount() const { return selectedCount_; }
    QString RowText(int row) const;
    // What the rows show and measure, row by row.
    const TListRows& ListRows() const;
    // What every row shows, top to bottom.
    QStringList RowTexts() const;
    // Selects or unselects one row, as the user's click would.
    void SetRowSelected(int row, bool selected);

    // RowSink
    int RowCount() const override;
    void InsertRows(int first, int count) override;
    void RemoveRows(int first, int count) override;
    void ResetRows(int count) override;
    void RowsChanged(int first, int last) override;
    void SetRowsSelected(int first, int last, bool selected) override;
    void BeginBatch() override;
    void EndBatch() override;

signals:
    // A click or a keyboard change of the selection (DatLstClick).
    void selectionClicked();
    void mouseMoved(QPoint position);
    void leftButtonReleased(QPoint position);
    // The right button, Shift+F10 or the Menu key: the list's own menu is
    // wanted at `globalPos`.
    void contextMenuWanted(QPoint globalPos);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles) override;

private:
    void CountSelection(const QItemSelection& selected, const QItemSelection& deselected);

    TFileListModel* model_;
    bool paintingStopped_ = false;
    std::atomic<int> extent_{0};
    int laidOutExtent_ = 0;
    int rowHeight_ = kRowHeight;
    int selectedCount_ = 0;
    int programmatic_ = 0;  // >0 while the program changes rows or selection
    // The list's font for measuring: one meter for the GUI thread and one,
    // behind its own lock, for the worker's, so that neither waits for the
    // other.
    mutable TTextWidthMeter meter_;
    mutable std::mutex otherThreadMeterMutex_;
    mutable TTextWidthMeter otherThreadMeter_;
};

}  // namespace lm
