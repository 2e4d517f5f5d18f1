// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>

class QObject;
class QString;

namespace lm {

class TStatBar;

// What a screen reader finds in the status bar: the bar, and in it one
// text per panel (the file count, the activity, the current file with its
// progress, and the overall progress when shown).
//
// Installed once as an accessibility factory; TStatBar calls
// PanelTextChanged when a panel's text changes.
void InstallStatBarAccessibility();
void PanelTextChanged(TStatBar* bar, int panel);

// The text a screen reader reads for `panel` of `bar`: the panel's text,
// and for the progress panel the file's name and how far it has got.
QString AccessiblePanelText(const TStatBar* bar, int panel);

}  // namespace lm
