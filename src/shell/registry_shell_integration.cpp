// SPDX-License-Identifier: MIT
#include "registry_shell_integration.h"

#include <QFileInfo>

#include <exception>
#include <functional>

#include "custom_context_menu.h"

namespace lm {

namespace {

// Runs one step; an error it raises becomes a message and ends only the step.
void Guarded(QStringList& errors, const std::function<void()>& step) {
    try {
        step();
    } catch (const ERegistryException& e) {
        errors.append(e.Message());
    } catch (const std::exception& e) {
        errors.append(QString::fromLocal8Bit(e.what()));
    }
}

}  // namespace

QStringList RegistryShellIntegration::Register() {
    QStringList errors;
    const QString name = QString::fromUtf16(kContextMenuHandlerName);
    const QString library = programDir_ + QString::fromUtf16(kContextMenuLibrary);
    Guarded(errors, [&] {
        if (QFileInfo(library).isFile()) {
            RegisterShellExtServer(registry_, ContextMenuClassID, library, name, ntFamily_);
        } else {
            errors.append(QStringLiteral("LinkmintCtxtMnu.dll not found."));
        }
    });
    Guarded(errors,
            [&] { RegisterMenuHandler(registry_, ContextMenuClassID, QStringLiteral("*"), name); });
    Guarded(errors, [&] {
        RegisterMenuHandler(registry_, ContextMenuClassID, QStringLiteral("Directory"), name);
    });
    return errors;
}

QStringList RegistryShellIntegration::Unregister() {
    QStringList errors;
    const QString name = QString::fromUtf16(kContextMenuHandlerName);
    Guarded(errors, [&] { UnregisterShellExtServer(registry_, ContextMenuClassID); });
    Guarded(errors, [&] {
        UnregisterMenuHandler(registry_, ContextMenuClassID, QStringLiteral("*"), name);
    });
    Guarded(errors, [&] {
        UnregisterMenuHandler(registry_, ContextMenuClassID, QStringLiteral("Directory"), name);
    });
    return errors;
}

bool RegistryShellIntegration::IsRegistered() const {
    return IsContextMenuRegistered(registry_);
}

}  // namespace lm
