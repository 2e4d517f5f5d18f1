// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>
#include <QSize>
#include <QStringList>
#include <QWidget>

#include "info_pane_lines.h"

class QStackedLayout;

namespace lm {

class TInfoView;

// The information pane below the list: the hashes of the selected (or of
// all) hashed files. Editable, no word wrap. Its scroll bars are chosen from
// a text extent that the window measures, not by the edit box itself.
//
// The program writes its lines as blocks (Blocks()), which a view shows
// line by line without a text document, however many there are. The first
// time the user reaches into the pane (a click, a key, the focus) the lines
// go into a real text box, where they are edited, selected and copied as in
// any other; the program's next writing of the pane shows the view again.
class TInfoWin : public QWidget {
    Q_OBJECT

public:
    enum class ScrollBars { None, Vertical, Horizontal, Both };

    static constexpr int kDesignHeight = 139;

    explicit TInfoWin(QWidget* parent = nullptr);

    // Which scroll bars a pane of `pane` size gets for a text of `extent`.
    static ScrollBars ScrollBarsFor(QSize pane, QSize extent);

    QSize TextExtent() const { return extent_; }
    // The extent, and how wide the widest line is (hash lines too), which
    // the pane can always be scrolled across.
    void SetTextExtent(QSize extent, int widestLine);
    int WidestLine() const { return widestLine_; }
    // The pane's lines exactly as they stand (as the user left them, once
    // edited), an empty last line included; none for an empty pane.
    QStringList Lines() const;
    // The lines joined by line breaks.
    QString Text() const;

    // The program's lines. After changing them, call Rewritten (they are
    // new) or Appended (lines from `firstNew` on were added at the end).
    TPaneLines& Blocks() { return blocks_; }
    void Rewritten();
    void Appended(int firstNew);
    // The user has changed the text since the program last wrote it.
    bool EditedByUser() const;
    // Lines are in the text box (the user reached into the pane).
    bool InTextBox() const;
    QPlainTextEdit* TextBox() const { return editor_; }

    // Applies ScrollBarsFor to the pane as it is now, and adds a bar where
    // a line would otherwise be out of reach: one wider than the room the
    // frame, the margins and a vertical bar leave, or a last line below it.
    void UpdateInfoScrollBars();
    ScrollBars CurrentScrollBars() const { return current_; }

    // Height of a line and what the frame and margins take, as the pane
    // lays its lines out.
    int LineSpacing() const;
    int FrameAndMargins() const;

private:
    void IntoTextBox(QEvent* cause);
    // The widest line the pane may show, as the view scrolls across it.
    int ContentWidth() const;

    TPaneLines blocks_;
    TInfoView* view_;
    QPlainTextEdit* editor_;
    QStackedLayout* stack_;
    QSize extent_;
    int widestLine_ = 0;
    ScrollBars current_ = ScrollBars::None;
};

}  // namespace lm
