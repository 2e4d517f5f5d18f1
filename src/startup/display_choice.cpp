// SPDX-License-Identifier: MIT
#include "display_choice.h"

#include <QDir>
#include <QLibraryInfo>
#include <QList>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <utility>

namespace lm {

namespace {

struct HeldMessage {
    QtMsgType type;
    QString category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
// Qt's threads (the X connection's reader) may speak while it starts.
std::mutex heldMutex;
QList<HeldMessage>* heldMessages = nullptr;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        const QByteArray line = DisplayFailedMessage();
        std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    const std::lock_guard lock(heldMutex);
    if (heldMessages != nullptr) {
        heldMessages->append({type, QString::fromUtf8(context.category), text});
    }
}

}  // namespace

DisplayChoice ChooseDisplay() {
    DisplayChoice choice;
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        return choice;
    }
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                         !qEnvironmentVariableIsEmpty("WAYLAND_SOCKET");
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    if (!wayland && !x11) {
        choice.none = true;
    } else if (wayland && !x11) {
        choice.platform = "wayland";
    }
    return choice;
}

QByteArray NoDisplayMessage() {
    return "linkmint: no display to open the window on (neither WAYLAND_DISPLAY nor DISPLAY is "
           "set); linkmint-cli makes the links without one\n";
}

QByteArray DisplayFailedMessage() {
    QByteArray where;
    for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"}) {
        if (!qEnvironmentVariableIsEmpty(name)) {
            where += (where.isEmpty() ? "" : ", ") + QByteArray(name) + '=' + qgetenv(name);
        }
    }
    // Without qt6-wayland a Wayland display cannot be opened at all.
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                         QStringLiteral("/platforms"));
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        platforms.entryList({QStringLiteral("libqwayland*")}, QDir::Files).isEmpty()) {
        where += "; Qt's Wayland platform, package qt6-wayland, is not installed";
    }
    return "linkmint: the display could not be opened for the window (" + where +
           "); linkmint-cli makes the links without one\n";
}

DisplayStartGuard::DisplayStartGuard() {
    {
        const std::lock_guard lock(heldMutex);
        heldMessages = new QList<HeldMessage>;
    }
    previousHandler = qInstallMessageHandler(HoldMessage);
}

DisplayStartGuard::~DisplayStartGuard() {
    qInstallMessageHandler(previousHandler);
    QList<HeldMessage> held;
    {
        const std::lock_guard lock(heldMutex);
        held = std::move(*heldMessages);
        delete heldMessages;
        heldMessages = nullptr;
    }
    for (const HeldMessage& message : held) {
        const QByteArray category = message.category.toUtf8();
        const QMessageLogContext context(nullptr, 0, nullptr, category.constData());
        qt_message_output(message.type, context, message.text);
    }
}

}  // namespace lm
