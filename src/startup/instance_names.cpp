#include "instance_names.h"

#include <QDir>

#include <sys/stat.h>
#include <unistd.h>

namespace lm {

namespace {

QString Suffix() {
    QString suffix = QString::number(::getuid());
    const QString tag = qEnvironmentVariable("LINKMINT_INSTANCE");
    if (!tag.isEmpty()) {
        suffix += u'-' + tag;
    }
    return suffix;
}

// $XDG_RUNTIME_DIR belongs to the user alone. Without it, a folder of our
// own in the temporary directory, readable by nobody else.
QString RuntimeDir() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists()) {
        return runtime;
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

}  // namespace

QString InstanceNames::BlockName() {
    return QStringLiteral("/eD2K_Memory_Map-") + Suffix();
}

QString InstanceNames::SocketPath() {
    return RuntimeDir() + QStringLiteral("/linkmint-") + Suffix() + QStringLiteral(".sock");
}

QString InstanceNames::LockPath() {
    return RuntimeDir() + QStringLiteral("/linkmint-") + Suffix() + QStringLiteral(".lock");
}

}  // namespace lm
