// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractScrollArea>

namespace lm {

class TPaneLines;

// Shows the info pane's lines as a plain text box would, line by line from
// where they are kept, painting only the lines in view: a pane of many
// thousand files costs no text document. Scrolls like one (a line at a time
// down, pixels across). The first wish to edit or select (a click, a key, the
// focus) is reported as `editWanted`, for the pane to hand over to a real
// text box.
class TInfoView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit TInfoView(QWidget* parent = nullptr);

    // The lines to show; the pointer is kept.
    void SetLines(const TPaneLines* lines);
    // The lines grew or changed, and `contentWidth` is the widest one's width.
    void LinesChanged(int contentWidth);

    // Where the text starts inside the frame, as the text box has it.
    static constexpr int kMargin = 4;

signals:
    // The user reaches into the pane; `event` is what did it, or null.
    void editWanted(QEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void UpdateScrollRanges();
    int VisibleLines() const;

    const TPaneLines* lines_ = nullptr;
    int contentWidth_ = 0;
};

}  // namespace lm
