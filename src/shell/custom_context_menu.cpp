// SPDX-License-Identifier: MIT
#include "custom_context_menu.h"

namespace lm {

namespace {

QString ClassKey(const QUuid& classId) {
    return QStringLiteral("CLSID\\") + ClassIdText(classId);
}

QString HandlersKey(const QString& fileClass) {
    return fileClass + QStringLiteral("\\shellex\\ContextMenuHandlers");
}

}  // namespace

QString ClassIdText(const QUuid& id) {
    return id.toString(QUuid::WithBraces).toUpper();
}

bool WriteRegValue(RegistryAccess& reg, RegRoot root, const QString& key, const QString& name,
                   const QString& value) {
    if (!reg.OpenKey(root, key, true)) {
        return false;
    }
    reg.WriteString(root, key, name, value);
    return true;
}

void RegisterShellExtServer(RegistryAccess& reg, const QUuid& classId, const QString& libraryPath,
                            const QString& description, bool ntFamily) {
    const QString classKey = ClassKey(classId);
    const QString server = classKey + QStringLiteral("\\InprocServer32");
    WriteRegValue(reg, RegRoot::ClassesRoot, classKey, {}, description);
    WriteRegValue(reg, RegRoot::ClassesRoot, server, {}, libraryPath);
    WriteRegValue(reg, RegRoot::ClassesRoot, server, QStringLiteral("ThreadingModel"),
                  QStringLiteral("Apartment"));
    if (ntFamily) {
        WriteRegValue(reg, RegRoot::LocalMachine,
                      QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Shell "
                                     "Extensions\\Approved"),
                      ClassIdText(classId), description);
    }
}

void UnregisterShellExtServer(RegistryAccess& reg, const QUuid& classId) {
    const QString classKey = ClassKey(classId);
    reg.DeleteKey(RegRoot::ClassesRoot, classKey + QStringLiteral("\\InprocServer32"));
    reg.DeleteKey(RegRoot::ClassesRoot, classKey);
}

void RegisterMenuHandler(RegistryAccess& reg, const QUuid& classId, const QString& fileClass,
                         const QString& handlerName) {
    WriteRegValue(reg, RegRoot::ClassesRoot, fileClass + QStringLiteral("\\shellex"), {}, {});
    WriteRegValue(reg, RegRoot::ClassesRoot, HandlersKey(fileClass), {}, {});
    WriteRegValue(reg, RegRoot::ClassesRoot, HandlersKey(fileClass) + u'\\' + handlerName, {},
                  ClassIdText(classId));
}

void UnregisterMenuHandler(RegistryAccess& reg, const QUuid& /*classId*/, const QString& fileClass,
                           const QString& handlerName) {
    const QString handlers = HandlersKey(fileClass);
    const QString shellex = fileClass + QStringLiteral("\\shellex");
    reg.DeleteKey(RegRoot::ClassesRoot, handlers + u'\\' + handlerName);
    if (!reg.OpenKey(RegRoot::ClassesRoot, handlers, false)) {
        return;
    }
    if (reg.SubKeys(RegRoot::ClassesRoot, handlers).isEmpty()) {
        reg.DeleteKey(RegRoot::ClassesRoot, handlers);
        if (reg.OpenKey(RegRoot::ClassesRoot, shellex, false) &&
            reg.SubKeys(RegRoot::ClassesRoot, shellex).isEmpty()) {
            reg.DeleteKey(RegRoot::ClassesRoot, shellex);
        }
    }
}

bool IsContextMenuRegistered(const RegistryAccess& reg) {
    return reg.KeyExists(RegRoot::ClassesRoot, HandlersKey(QStringLiteral("*")) + u'\\' +
                                                   QString::fromUtf16(kContextMenuHandlerName)) &&
           reg.KeyExists(RegRoot::ClassesRoot, ClassKey(ContextMenuClassID));
}

}  // namespace lm
