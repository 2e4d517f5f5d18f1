// SPDX-License-Identifier: MIT
#include "info_pane_lines.h"

namespace lm {

QString PaneBlock::HashLine(int line) const {
    switch (line) {
        case 1:
            return QStringLiteral("CRC32: ") + QString::fromLatin1(hashes.Crc32());
        case 2:
            return QStringLiteral("MD5: ") + QString::fromLatin1(hashes.Md5());
        case 3:
            return QStringLiteral("SHA1: ") + QString::fromLatin1(hashes.Sha1());
        default:
            return {};
    }
}

void TPaneLines::Clear() {
    blocks_.clear();
    emptyAfterLast_ = false;
}

void TPaneLines::Append(PaneBlock block) {
    blocks_.push_back(std::move(block));
}

int TPaneLines::LineCount() const {
    if (blocks_.empty()) {
        return 0;
    }
    return static_cast<int>(blocks_.size()) * (kBlockLines + 1) - (emptyAfterLast_ ? 0 : 1);
}

QString TPaneLines::Line(int index) const {
    if (index < 0 || index >= LineCount()) {
        return {};
    }
    const PaneBlock& block = blocks_[static_cast<std::size_t>(index / (kBlockLines + 1))];
    const int line = index % (kBlockLines + 1);
    return line == 0 ? block.link : block.HashLine(line);
}

QStringList TPaneLines::LinesFrom(int first) const {
    QStringList lines;
    const int count = LineCount();
    lines.reserve(std::max(0, count - first));
    for (int i = std::max(first, 0); i < count; ++i) {
        lines << Line(i);
    }
    return lines;
}

}  // namespace lm
