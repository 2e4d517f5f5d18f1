// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "registry_access.h"
#include "shell_integration.h"

namespace lm {

// The Windows way: the handler library's server and its handler keys for
// every file ("*") and for folders ("Directory"), in a registry.
class RegistryShellIntegration : public ShellIntegration {
public:
    // `programDir` ends with its separator; the library is looked for there.
    RegistryShellIntegration(RegistryAccess& registry, QString programDir, bool ntFamily = true)
        : registry_(registry), programDir_(std::move(programDir)), ntFamily_(ntFamily) {}

    QStringList Register() override;
    QStringList Unregister() override;
    bool IsRegistered() const override;

private:
    RegistryAccess& registry_;
    QString programDir_;
    bool ntFamily_;
};

}  // namespace lm
