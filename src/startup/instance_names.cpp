// SPDX-License-Identifier: MIT
#include "instance_names.h"

#include <QCryptographicHash>
#include <QDir>

#include <sys/stat.h>
#include <unistd.h>

#include "path_names.h"

namespace lm {

namespace {

// A folder that only this user can reach: a real folder (not a link to
// one) that the user owns, with no rights for anybody else. Files made
// there cannot have been put there, or be taken away, by another user.
bool PrivateFolder(const QByteArray& path) {
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 0777) == 0700;
}

// $XDG_RUNTIME_DIR, when it is such a folder: a session may set it to a
// shared one like /tmp, where another user could lay traps under the
// predictable names. Otherwise a folder of our own in the temporary
// directory, readable by nobody else.
QString RuntimeDir() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && PrivateFolder(PathToBytes(QDir(runtime).absolutePath()))) {
        return QDir(runtime).absolutePath();
    }
    const QString dir =
        QDir::tempPath() + QStringLiteral("/linkmint-") + QString::number(::getuid());
    const QByteArray path = PathToBytes(dir);
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
