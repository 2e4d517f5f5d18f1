// SPDX-License-Identifier: MIT
#pragma once

#include "freedesktop_integration.h"
#include "shell_integration.h"

namespace lm {

// "Run From Explorer" on a Linux desktop: the per-user desktop entry and the
// Dolphin, Nautilus and Nemo context-menu actions.
class FreedesktopShellIntegration : public ShellIntegration {
public:
    FreedesktopShellIntegration(const QString& dataHome, const QString& executable,
                                const QString& iconName = {}, const QString& translationsDir = {})
        : integration_(dataHome, executable, iconName, translationsDir) {}

    QStringList Register() override { return integration_.Install(); }
    QStringList Unregister() override { return integration_.Remove(); }
    bool IsRegistered() const override { return integration_.IsInstalled(); }

private:
    FreedesktopIntegration integration_;
};

}  // namespace lm
