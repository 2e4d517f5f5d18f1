// SPDX-License-Identifier: MIT
#include "info_pane_text.h"

#include <cmath>
#include <string_view>
#include <utility>

#include "ansi_codepage.h"
#include "file_table.h"
#include "info_win.h"
#include "list_rows.h"

namespace lm {

namespace {

// The font the link lines are measured in: the pane's own, one pixel taller
// than its nominal height.
QFont MeasuringFont(const QWidget* pane) {
    QFont font = pane->font();
    int pixels = font.pixelSize();
    if (pixels <= 0) {
        const double dpi = pane->logicalDpiY();
        pixels = static_cast<int>(std::lround(dpi / 72.0 * font.pointSizeF()));
    }
    font.setPixelSize(pixels + 1);
    return font;
}

}  // namespace

TInfoPaneText::TInfoPaneText(TInfoWin* pane) : pane_(pane) {}

bool TInfoPaneText::FontChanged() {
    if (measuredFont_ == pane_->font()) {
        return false;
    }
    measuredFont_ = pane_->font();
    meter_.SetFont(MeasuringFont(pane_));
    linkWidths_.clear();
    hashLinesBound_ = -1;
    return true;
}

void TInfoPaneText::FollowTextEdits(const FileTable& table) {
    const std::uint64_t edits = table.TextEdits();
    if (edits != textEdits_) {
        textEdits_ = edits;
        linkWidths_.clear();
    }
}

int TInfoPaneText::AddBlock(std::uint64_t id, const TFileData& entry) {
    auto width = linkWidths_.find(id);
    if (width == linkWidths_.end()) {
        // Only the link line decides the width, measured on its ANSI form.
        width = linkWidths_.emplace(id, meter_.Width(ThroughAnsi(entry.Link)));
    }
    // One less than the pane's line spacing: the extent adds one pixel per
    // line, and must say that the lines fit exactly when they do.
    lineHeight_ = pane_->LineSpacing() - 1;
    PaneBlock block{entry.Link, entry.Hashes};
    widest_ = std::max(widest_, width.value());
    // The hash lines take no part in the extent, but the pane must be able
    // to scroll to their ends too (a short name makes a short link). Lines
    // of digits that cannot be wider than the widest line so far are not
    // measured: the sum of their characters' widths stays below the bound.
    widestLine_ = std::max(widestLine_, width.value());
    if (!block.hashes.SpellsDigests() || HashLinesBound() > widestLine_) {
        widestLine_ = std::max({widestLine_, meter_.Width(block.HashLine(1)),
                                meter_.Width(block.HashLine(2)), meter_.Width(block.HashLine(3))});
    }
    pane_->Blocks().Append(std::move(block));
    return width.value();
}

int TInfoPaneText::HashLinesBound() {
    if (hashLinesBound_ < 0) {
        int digit = 0;
        for (const char c : std::string_view("0123456789abcdefABCDEF")) {
            digit = std::max(digit, meter_.Width(QString(QLatin1Char(c))));
        }
        const HashTexts none;
        const PaneBlock labels{QString(), none};
        const int digits[] = {8, 32, 40};
        for (int line = 1; line <= 3; ++line) {
            hashLinesBound_ = std::max(
                hashLinesBound_, meter_.Width(labels.HashLine(line)) + digits[line - 1] * digit);
        }
    }
    return hashLinesBound_;
}

void TInfoPaneText::UpdateExtent() {
    const int lines = pane_->Blocks().LineCount();
    const int lineHeight = lines == 0 ? 0 : lineHeight_;
    pane_->SetTextExtent(QSize(widest_ + 25, lines * (lineHeight + 1) + 9), widestLine_);
}

void TInfoPaneText::Clear() {
    showingAll_ = false;
    linkWidths_.clear();  // no entry is left to show
    widest_ = 0;
    widestLine_ = 0;
    pane_->Blocks().Clear();
    pane_->Rewritten();
    UpdateExtent();
}

void TInfoPaneText::ShowRows(const FileTable& table, const QList<int>& rows) {
    FontChanged();
    FollowTextEdits(table);
    showingAll_ = false;
    widest_ = 0;
    widestLine_ = 0;
    pane_->Blocks().Clear();
    const std::vector<ListedFile> files = table.ListedFiles();
    for (int row : rows) {
        if (row >= 0 && row < static_cast<int>(files.size())) {
            const ListedFile& file = files[static_cast<std::size_t>(row)];
            if (!file.data.Link.isEmpty()) {
                AddBlock(file.id, file.data);  // an empty line between blocks
            }
        }
    }
    UpdateExtent();
    pane_->Rewritten();
}

void TInfoPaneText::ShowAll(const FileTable& table, const TListRows& rows) {
    const bool fontChanged = FontChanged();
    FollowTextEdits(table);
    TPaneLines& lines = pane_->Blocks();
    if (showingAll_ && !fontChanged && !pane_->EditedByUser()) {
        const TListRows::ShownFiles shown = rows.ShownSince(lastShown_, anchorId_, anchorRow_);
        const bool anchorHolds = anchorId_ == 0 ? lines.Empty() : shown.anchorRow >= 0;
        const bool inOrder = shown.files.empty() || shown.files.front().row > shown.anchorRow;
        if (shown.generation == generation_ && anchorHolds && inOrder) {
            const int firstNew = lines.LineCount();
            const int last = shown.listedCount - 1;
            if (anchorId_ != 0 && shown.anchorRow < last) {
                lines.SetEmptyLineAfterLast(true);  // no longer the list's last
            }
            for (const ListedFile& file : shown.files) {
                AddBlock(file.id, file.data);
                lines.SetEmptyLineAfterLast(file.row < last);
                anchorId_ = file.id;
                anchorRow_ = file.row;
            }
            if (shown.files.empty()) {
                anchorRow_ = shown.anchorRow;
            }
            lastShown_ = shown.lastShown;
            UpdateExtent();
            pane_->Appended(firstNew);
            return;
        }
    }
    // Anew, from every row.
    const TListRows::ShownFiles now = rows.ShownSince(~std::uint64_t{0}, 0, -1);
    const std::vector<ListedFile> files = table.ListedFiles();
    lines.Clear();
    widest_ = 0;
    widestLine_ = 0;
    anchorId_ = 0;
    anchorRow_ = -1;
    // The widths of entries no longer listed go.
    QHash<std::uint64_t, int> kept;
    for (const ListedFile& file : files) {
        if (const auto width = linkWidths_.constFind(file.id); width != linkWidths_.cend()) {
            kept.insert(width.key(), width.value());
        }
    }
    linkWidths_.swap(kept);
    for (const ListedFile& file : files) {
        if (file.data.Link.isEmpty()) {
            continue;
        }
        AddBlock(file.id, file.data);
        lines.SetEmptyLineAfterLast(file.row + 1 < static_cast<int>(files.size()));
        anchorId_ = file.id;
        anchorRow_ = file.row;
    }
    showingAll_ = true;
    generation_ = now.generation;
    lastShown_ = now.lastShown;
    UpdateExtent();
    pane_->Rewritten();
}

}  // namespace lm
