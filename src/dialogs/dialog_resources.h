// SPDX-License-Identifier: MIT
#pragma once

namespace lm {

// Registers the dialogs' pictures (resources/dialogs), which a static
// library does not do by itself. Safe to call more than once.
void InitDialogResources();

}  // namespace lm
