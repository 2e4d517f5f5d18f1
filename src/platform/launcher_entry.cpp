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
    : appUri_(QStringLiteral("application://%1.desktop").arg(desktopFileName)) {
    later_.setSingleShot(true);
    QObject::connect(&later_, &QTimer::timeout, [this] { Send(); });
}

void LauncherEntry::ShowProgress(int percent, int filesLeft) {
    Want({true, percent, filesLeft});
}

void LauncherEntry::Clear() {
    Want({});
}

void LauncherEntry::Want(State state) {
    wanted_ = state;
    if (later_.isActive()) {
        return;  // it goes out with the pending send
    }
    const qint64 since = sinceSent_.isValid() ? sinceSent_.elapsed() : kMinGapMs;
    if (since >= kMinGapMs) {
        Send();
    } else {
        later_.start(static_cast<int>(kMinGapMs - since));
    }
}

void LauncherEntry::Send() {
    if (wanted_ == sent_) {
        return;
    }
    sent_ = wanted_;
    sinceSent_.restart();
    SendUpdate(appUri_, {{QStringLiteral("progress"), sent_.percent / 100.0},
                         {QStringLiteral("progress-visible"), sent_.shown},
                         {QStringLiteral("count"), static_cast<qint64>(sent_.filesLeft)},
                         {QStringLiteral("count-visible"), sent_.shown && sent_.filesLeft > 0}});
}

}  // namespace lm
