// SPDX-License-Identifier: MIT
// The status bar's reactions.

#include <QAction>

#include "main_window.h"
#include "stat_bar.h"

namespace lm {

void TeD2KfrmMain::StatBarClick() {
    if (addFiles_.mnu->isEnabled()) {
        mnuAddFilesClick();
    }
}

}  // namespace lm
