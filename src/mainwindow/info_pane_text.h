// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QHash>
#include <QList>

#include <cstdint>

#include "text_width_meter.h"

namespace lm {

class FileTable;
class TInfoWin;
class TListRows;
struct TFileData;

// The text of the info pane: for each hashed entry shown, its link and its
// "CRC32: ", "MD5: " and "SHA1: " lines. With rows selected, the selected
// entries' blocks with an empty line between them; with none, every hashed
// entry's block with an empty line after it unless the entry is the list's
// last. The pane's text extent follows from the lines and the widest link.
//
// With nothing selected the text grows as files are hashed: the blocks of
// entries shown since the last time are appended, as long as they come after
// the last block in the list, nothing was moved or removed meanwhile and the
// user has not edited the pane; otherwise the text is made anew. Either way
// it is the same text, and every link is measured once.
class TInfoPaneText {
public:
    explicit TInfoPaneText(TInfoWin* pane);

    // Every hashed entry the rows show (no row selected).
    void ShowAll(const FileTable& table, const TListRows& rows);
    // The hashed entries of `rows` (ascending; some selected).
    void ShowRows(const FileTable& table, const QList<int>& rows);
    // Nothing (no rows).
    void Clear();

private:
    // Adds the entry's block to the pane's lines; gives its link's width.
    int AddBlock(std::uint64_t id, const TFileData& entry);
    void UpdateExtent();
    // hashLinesBound_, measured when it is not yet.
    int HashLinesBound();
    bool FontChanged();
    // Forgets the widths measured before the table's texts were edited.
    void FollowTextEdits(const FileTable& table);

    TInfoWin* pane_;
    // By entry. Open addressing: a node a width would take 100,000 small
    // allocations when every file is shown.
    QHash<std::uint64_t, int> linkWidths_;
    std::uint64_t textEdits_ = 0;
    QFont measuredFont_;
    TTextWidthMeter meter_;
    // The widest that a block's hash lines of whole digests can be in the
    // measuring font; -1 until measured for it.
    int hashLinesBound_ = -1;
    int lineHeight_ = 0;  // of the last measured link; 0 before any
    int widest_ = 0;
    int widestLine_ = 0;  // of every line, for scrolling

    // What the growing text of ShowAll stands on.
    bool showingAll_ = false;
    std::uint64_t generation_ = 0;
    std::uint64_t lastShown_ = 0;
    std::uint64_t anchorId_ = 0;  // the entry of the last block; 0 none
    int anchorRow_ = -1;
};

}  // namespace lm
