// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QStringView>

#include <array>

namespace lm {

// Widths of texts in one font, for the extents and panels the window sizes
// (not for drawing). A text of Latin, Greek or Cyrillic letters and common
// signs is measured as the sum of its characters' advances, each character
// measured once: no shaping, a table look-up per character. Kerning and
// ligatures mostly take width away there, so the sum is as wide as the drawn
// text or a little wider. Any other text is measured by shaping it. Not for
// use by two threads at once.
class TTextWidthMeter {
public:
    explicit TTextWidthMeter(const QFont& font = QFont());

    const QFont& Font() const { return font_; }
    void SetFont(const QFont& font);
    int Width(QStringView text);

private:
    int Advance(QChar ch);

    QFont font_;
    QFontMetrics metrics_;
    // Advance + 1 of each character below U+0300, 0 when not measured yet,
    // -1 for one that is not summed; -2 in others_ for that.
    std::array<int, 0x300> advances_{};
    QHash<char16_t, int> others_;
};

}  // namespace lm
