#pragma once

#include <QPlainTextEdit>
#include <QSize>
#include <QStringList>

namespace lm {

// The information pane below the list: the hashes of the selected (or of
// all) hashed files. Editable, no word wrap. Its scroll bars are chosen from
// a text extent that the window measures, not by the edit box itself.
class TInfoWin : public QPlainTextEdit {
    Q_OBJECT

public:
    enum class ScrollBars { None, Vertical, Horizontal, Both };

    static constexpr int kDesignHeight = 139;

    explicit TInfoWin(QWidget* parent = nullptr);

    // Which scroll bars a pane of `pane` size gets for a text of `extent`.
    static ScrollBars ScrollBarsFor(QSize pane, QSize extent);

    QSize TextExtent() const { return extent_; }
    void SetTextExtent(QSize extent) { extent_ = extent; }
    // The pane's lines exactly as they stand, one per text block, an empty
    // last line included; none for an empty pane.
    QStringList Lines() const;

    // Applies ScrollBarsFor to the pane as it is now.
    void UpdateInfoScrollBars();
    ScrollBars CurrentScrollBars() const { return current_; }

private:
    QSize extent_;
    ScrollBars current_ = ScrollBars::None;
};

}  // namespace lm
