// SPDX-License-Identifier: MIT
#include "launcher_entry.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QFileInfo>
#include <QVariantMap>

namespace lm {

namespace {

// A session bus is there when its address is given or the per-user bus of
// the runtime folder exists. Asked for without either, the D-Bus library
// would start a bus of its own for the X display, which outlives us.
bool HasSessionBus() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        return true;
    }
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo(runtime + QStringLiteral("/bus")).exists();
}

void SendUpdate(const QString& appUri, const QVariantMap& properties) {
    if (!HasSessionBus()) {
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    QDBusMessage signal = QDBusMessage::createSignal(QLatin1StringView(LauncherEntry::kObjectPath),
                                                     QLatin1StringView(LauncherEntry::kInterface),
                                                     QStringLiteral("Update"));
    signal << appUri << properties;
    bus.send(signal);
}

}  // namespace

LauncherEntry::LauncherEntry(const QString& desktopFileName)
    : appUri_(QStringLiteral("application://%1.desktop").arg(desktopFileName)) {}

void LauncherEntry::ShowProgress(int percent, int filesLeft) {
    if (shown_ && percent == percent_ && filesLeft == filesLeft_) {
        return;
    }
    percent_ = percent;
    filesLeft_ = filesLeft;
    shown_ = true;
    SendUpdate(appUri_, {{QStringLiteral("progress"), percent / 100.0},
                         {QStringLiteral("progress-visible"), true},
                         {QStringLiteral("count"), static_cast<qint64>(filesLeft)},
                         {QStringLiteral("count-visible"), filesLeft > 0}});
}

void LauncherEntry::Clear() {
    if (!shown_) {
        return;
    }
    shown_ = false;
    SendUpdate(appUri_, {{QStringLiteral("progress"), 0.0},
                         {QStringLiteral("progress-visible"), false},
                         {QStringLiteral("count"), qint64{0}},
                         {QStringLiteral("count-visible"), false}});
}

}  // namespace lm
