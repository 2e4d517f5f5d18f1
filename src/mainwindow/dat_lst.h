#pragma once

#include <QFont>
#include <QListWidget>

#include <atomic>
#include <functional>
#include <mutex>

#include "row_sink.h"

namespace lm {

// The file list: one owner-drawn row of 16 px per file entry, a lamp at the
// left and the link (or, until hashed, the full path) 18 px right of it.
// Rows are filled through RowSink; the user's selection changes arrive as
// `selectionClicked`, never the ones made by the program.
class TDatLst : public QListWidget, public RowSink {
    Q_OBJECT

public:
    static constexpr int kRowHeight = 16;
    static constexpr int kTextLeft = 18;

    explicit TDatLst(QWidget* parent = nullptr);

    // The lamp picture of a row (the entry's CRC status).
    void SetLampSource(std::function<int(int row)> lamp) { lamp_ = std::move(lamp); }
    int LampOf(int row) const { return lamp_ ? lamp_(row) : -1; }
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
    // The greatest row text width plus 8, or 0 without rows.
    int WidestRowExtent() const;

    // The first visible row.
    int TopRow() const;
    QList<int> SelectedRows() const;
    int SelectedCount() const;

    // RowSink
    int RowCount() const override { return count(); }
    QString RowText(int row) const override;
    void SetRowText(int row, const QString& text) override;
    void AppendRow(const QString& text) override;
    void DeleteLastRow() override;
    void SetRowSelected(int row, bool selected) override;
    int CurrentItem() const override { return currentRow(); }
    void SetCurrentItem(int row) override;
    void BeginBatch() override;
    void EndBatch() override;

signals:
    // A click or a keyboard change of the selection (DatLstClick).
    void selectionClicked();
    void mouseMoved(QPoint position);
    void leftButtonReleased(QPoint position);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    std::function<int(int)> lamp_;
    bool paintingStopped_ = false;
    std::atomic<int> extent_{0};
    int laidOutExtent_ = 0;
    // A copy of the list's font for measuring off the GUI thread.
    mutable std::mutex fontMutex_;
    QFont measuringFont_;
    int programmatic_ = 0;  // >0 while the program changes rows or selection
};

}  // namespace lm
