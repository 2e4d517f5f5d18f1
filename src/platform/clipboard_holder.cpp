// SPDX-License-Identifier: MIT
#include "clipboard_holder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryFile>

namespace lm {

QString ClipboardHolderPath() {
    if (QCoreApplication::instance() == nullptr) {
        return {};
    }
    const QString exeDir = QCoreApplication::applicationDirPath();
    for (const QString& candidate : {exeDir + u'/' + QLatin1StringView(kClipboardHolderName),
                                     exeDir + QStringLiteral("/../libexec/linkmint/") +
                                         QLatin1StringView(kClipboardHolderName)}) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isExecutable()) {
            return info.absoluteFilePath();
        }
    }
    return {};
}

QString HolderPlatform() {
    // An X server passes the clipboard on to a Wayland desktop that has
    // one; without it, the holder speaks Wayland itself.
    if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
        return QStringLiteral("xcb");
    }
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        return QStringLiteral("wayland");
    }
    return {};
}

bool HandClipboardToHolder(const QByteArray& text) {
    const QString holder = ClipboardHolderPath();
    const QString platform = HolderPlatform();
    if (holder.isEmpty() || platform.isEmpty()) {
        return false;
    }
    // The text reaches the holder as its standard input, from a file only
    // this user can read; the holder removes the file once it has read it.
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/linkmint-clipboard-XXXXXX"));
    if (!file.open()) {
        return false;
    }
    if (file.write(text) != text.size() || !file.flush()) {
        return false;
    }
    file.setAutoRemove(false);
    QProcess process;
    process.setProgram(holder);
    process.setArguments({file.fileName()});
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    process.setProcessEnvironment(env);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (!process.startDetached()) {
        file.remove();
        return false;
    }
    return true;
}

}  // namespace lm
