// SPDX-License-Identifier: MIT
#include "instance_names.h"

#include <QCryptographicHash>
#include <QDir>

#include <sys/stat.h>
#include <unistd.h>

namespace lm {

namespace {

// $XDG_RUNTIME_DIR belongs to the user alone. Without it, a folder of our
// own in the temporary directory, readable by nobody else.
QString RuntimeDir() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists()) {
        return QDir(runtime).absolutePath();
    }
    const QString dir =
        QDir::tempPath() + QStringLiteral("/linkmint-") + QString::number(::getuid());
    const QByteArray path = QFile::encodeName(dir);
    ::mkdir(path.constData(), 0700);
    struct stat info {};
    if (::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
        info.st_uid == ::getuid()) {
        ::chmod(path.constData(), 0700);
        return dir;
    }
    // Someone else owns that name: fall back to the user's home.
    return QDir::homePath();
}

QString InRuntimeDir(const char* suffix) {
    return RuntimeDir() + QStringLiteral("/linkmint-") + InstanceNames::Key() +
           QLatin1StringView(suffix);
}

}  // namespace

QString InstanceNames::Key() {
    // The shared-memory block lives outside the runtime folder, so the
    // folder's path goes into its name.
    const QByteArray folder = QFile::encodeName(RuntimeDir());
    const QByteArray digest =
        QCryptographicHash::hash(folder, QCryptographicHash::Sha256).toHex().left(12);
    QString key = QString::number(::getuid()) + u'-' + QString::fromLatin1(digest);
    const QString tag = qEnvironmentVariable("LINKMINT_INSTANCE");
    if (!tag.isEmpty()) {
        key += u'-' + tag;
    }
    return key;
}

QString InstanceNames::BlockName() {
    return QStringLiteral("/eD2K_Memory_Map-") + Key();
}

QString InstanceNames::SocketPath() {
    return InRuntimeDir(".sock");
}

QString InstanceNames::LockPath() {
    return InRuntimeDir(".lock");
}

QString InstanceNames::AlivePath() {
    return InRuntimeDir(".running");
}

}  // namespace lm
