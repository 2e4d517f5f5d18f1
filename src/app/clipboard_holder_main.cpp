// SPDX-License-Identifier: MIT
// linkmint-clipboard-holder FILE: puts the UTF-8 text of FILE (which it
// removes) on the X clipboard and serves it until another program takes the
// clipboard over; then it ends. Linkmint starts it when it ends while it
// owns the clipboard, so that the links it copied stay pasteable.

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>

#include <unistd.h>

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
    const QString text = QString::fromUtf8(file.readAll());
    file.close();
    file.remove();

    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QGuiApplication app(qtArgc, qtArgv);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text, QClipboard::Clipboard);
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
