// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QIcon>
#include <QList>
#include <QPalette>
#include <QString>

namespace lm {

// Colours that stay readable in light and dark themes: a colour the program
// wants (a verdict's green, a picture's dark ink) is kept where it stands
// out from the palette's background and brought towards the palette's text
// colour where it does not.

// The contrast ratio of two colours as WCAG 2 defines it: (L1 + 0.05) /
// (L2 + 0.05) of their relative luminances, lighter over darker; 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

// Text needs 4.5:1 against its background; pictures' shapes 3:1.
inline constexpr double kTextContrast = 4.5;
inline constexpr double kShapeContrast = 3.0;

// `wanted` when it has at least `minimum` contrast with `background`;
// otherwise `wanted` mixed with `text` (the palette's text colour, which
// stands out from the background) just far enough to reach it, or `text`
// itself when even that falls short.
QColor ReadableOn(const QColor& wanted, const QColor& background, const QColor& text,
                  double minimum = kTextContrast);

// Whether the palette's window colour is dark (a dark theme).
bool IsDarkPalette(const QPalette& palette);

// An icon from a picture in the resources (":/dir/name.png") with its larger
// versions (name@2x.png and name@3x.png, when present), so that it is sharp
// on screens scaled by 1.5 (the 3x one halved), 2 or 3. In a dark palette
// every pixel of one of
// the `inks` colours is redrawn readable on the palette's window colour.
QIcon ScaledIcon(const QString& path, const QList<QRgb>& inks = {},
                 const QPalette& palette = QPalette());

}  // namespace lm
