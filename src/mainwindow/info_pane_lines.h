// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <deque>

#include "hash_texts.h"

namespace lm {

// One hashed file's block in the info pane: its link and the "CRC32: ",
// "MD5: " and "SHA1: " lines.
struct PaneBlock {
    QString link;
    HashTexts hashes;

    // Line 1, 2 or 3 of the block: "CRC32: ", "MD5: " or "SHA1: " and the text.
    QString HashLine(int line) const;
};

// The info pane's lines, held as the blocks they come from: four lines per
// block and an empty line after every block but the last, and after the last
// too when asked. Line i is made when it is asked for, so that a pane of
// many files holds little more than the texts the file table already has.
class TPaneLines {
public:
    static constexpr int kBlockLines = 4;

    void Clear();
    // A block after the others (which then all have their empty line).
    void Append(PaneBlock block);
    void SetEmptyLineAfterLast(bool on) { emptyAfterLast_ = on; }
    bool EmptyLineAfterLast() const { return emptyAfterLast_; }

    bool Empty() const { return blocks_.empty(); }
    int BlockCount() const { return static_cast<int>(blocks_.size()); }
    int LineCount() const;
    QString Line(int index) const;
    // Lines `first` to the last.
    QStringList LinesFrom(int first) const;

private:
    // A deque: it grows a piece at a time, never by copying every block
    // into room for twice as many.
    std::deque<PaneBlock> blocks_;
    bool emptyAfterLast_ = false;
};

}  // namespace lm
