// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

namespace lm {

// What the "Run From Explorer" box registers and removes: the program's
// entry in the file manager's context menu. Each step that fails adds its
// message (shown in an error box); the others still run.
class ShellIntegration {
public:
    virtual ~ShellIntegration() = default;

    virtual QStringList Register() = 0;
    virtual QStringList Unregister() = 0;
    // Sets the box when the settings are loaded.
    virtual bool IsRegistered() const = 0;
};

}  // namespace lm
