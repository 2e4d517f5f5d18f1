// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QUuid>

#include "registry_access.h"

namespace lm {

// The file-manager context-menu handler as the Windows shell knows it: an
// in-process server (the handler library beside the program) registered
// under its class identifier, and a handler key for every file and for
// folders.

// {11EFB410-B219-11DB-ABBD-0800200C9A66}
inline constexpr QUuid ContextMenuClassID{0x11efb410, 0xb219, 0x11db, 0xab, 0xbd, 0x08,
                                          0x00,       0x20,   0x0c,   0x9a, 0x66};
inline constexpr char16_t kContextMenuHandlerName[] = u"Linkmint";
inline constexpr char16_t kContextMenuLibrary[] = u"LinkmintCtxtMnu.dll";

// The registry form of a class identifier: upper-case hexadecimal digits in
// groups of 8-4-4-4-12, joined by "-" and in braces.
QString ClassIdText(const QUuid& id);

// Opens `key` of the registry's `root`, creating it when missing, and writes
// the string value (an empty name is the key's default value). False when
// the key can be neither opened nor created; nothing is written then.
bool WriteRegValue(RegistryAccess& reg, RegRoot root, const QString& key, const QString& name,
                   const QString& value);

// The server rows: the class key with the description, InprocServer32 with
// the library path and the threading model, and, on the NT family, the
// "Approved" entry.
void RegisterShellExtServer(RegistryAccess& reg, const QUuid& classId, const QString& libraryPath,
                            const QString& description, bool ntFamily = true);
// Deletes the class key with its InprocServer32 key; "Approved" is kept.
void UnregisterShellExtServer(RegistryAccess& reg, const QUuid& classId);

// `fileClass`\shellex, its ContextMenuHandlers key and the handler's own
// key, whose default value is the class identifier text.
void RegisterMenuHandler(RegistryAccess& reg, const QUuid& classId, const QString& fileClass,
                         const QString& handlerName);
// Deletes the handler's key, then ContextMenuHandlers and shellex when
// nothing else is left under them.
void UnregisterMenuHandler(RegistryAccess& reg, const QUuid& classId, const QString& fileClass,
                           const QString& handlerName);

// True when both the handler key for every file and the class key exist.
bool IsContextMenuRegistered(const RegistryAccess& reg);

}  // namespace lm
