// SPDX-License-Identifier: MIT
// linkmint-clipboard-holder FILE: puts the UTF-8 text of FILE (which it
// removes) on the clipboard and serves it until another program takes the
// clipboard over; then it ends. Linkmint starts it when it ends while it
// owns the clipboard, so that the links it copied stay pasteable. It serves
// the Wayland compositor when QT_QPA_PLATFORM says "wayland", else the X
// server.

#include <QByteArray>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>

#include <string>

#include <unistd.h>

#include "wayland_clipboard_holder.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    // Out of the session of whoever started Linkmint: a Ctrl+C in its
    // terminal, or the terminal closing, does not end the holder.
    ::setsid();
    QFile file(QFile::decodeName(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        return 1;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    file.remove();

    if (qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(u"wayland")) {
        return lm::ServeWaylandClipboard(bytes.toStdString());
    }
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QGuiApplication app(qtArgc, qtArgv);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QString::fromUtf8(bytes), QClipboard::Clipboard);
    if (!clipboard->ownsClipboard()) {
        return 1;
    }
    QObject::connect(clipboard, &QClipboard::changed, &app, [clipboard](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard && !clipboard->ownsClipboard()) {
            QCoreApplication::quit();
        }
    });
    return app.exec();
}
