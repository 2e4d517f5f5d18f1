// SPDX-License-Identifier: MIT
#include "dialog_resources.h"

#include <QtGlobal>

// Outside any namespace, as Q_INIT_RESOURCE requires.
static void InitDialogsQrc() {
    Q_INIT_RESOURCE(dialogs);
}

namespace lm {

void InitDialogResources() {
    static const bool done = (InitDialogsQrc(), true);
    (void)done;
}

}  // namespace lm
