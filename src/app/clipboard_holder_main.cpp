// SPDX-License-Identifier: MIT
// linkmint-clipboard-holder FILE: puts the UTF-8 text of FILE (which it
// removes) on the clipboard and serves it until another program takes the
// clipboard over; then it ends. Linkmint starts it when it ends while it
// owns the clipboard, so that the links it copied stay pasteable. It runs on
// the X server or the Wayland compositor that QT_QPA_PLATFORM names.

#include <QClipboard>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QRasterWindow>
#include <QTimer>

#include <memory>

#include <unistd.h>

namespace {

// How long the holder waits on Wayland for the keyboard focus it needs.
constexpr int kFocusWaitMs = 2000;

bool TakeClipboard(QClipboard* clipboard, const QString& text) {
    clipboard->setText(text, QClipboard::Clipboard);
    return clipboard->ownsClipboard();
}

}  // namespace

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
    // Wayland compositors take the clipboard only from a program that has
    // the keyboard focus: a tiny window gets it for a moment, as the
    // command-line clipboard tools do, and goes once the text is set.
    std::unique_ptr<QRasterWindow> focusWindow;
    if (QGuiApplication::platformName().startsWith(u"wayland")) {
        focusWindow = std::make_unique<QRasterWindow>();
        focusWindow->setFlag(Qt::FramelessWindowHint);
        focusWindow->setTitle(QStringLiteral("Linkmint clipboard"));
        focusWindow->resize(1, 1);
        focusWindow->show();
        QEventLoop wait;
        QTimer::singleShot(kFocusWaitMs, &wait, &QEventLoop::quit);
        QObject::connect(&app, &QGuiApplication::focusWindowChanged, &wait,
                         [&wait](QWindow* window) {
                             if (window != nullptr) {
                                 wait.quit();
                             }
                         });
        if (QGuiApplication::focusWindow() == nullptr) {
            wait.exec();
        }
    }
    const bool taken = TakeClipboard(clipboard, text);
    focusWindow.reset();
    if (!taken) {
        return 1;
    }
    QObject::connect(clipboard, &QClipboard::changed, &app, [clipboard](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard && !clipboard->ownsClipboard()) {
            QCoreApplication::quit();
        }
    });
    return app.exec();
}
