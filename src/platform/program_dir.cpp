// SPDX-License-Identifier: MIT
#include "program_dir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "linkmint_build_info.h"

namespace lm {

namespace {

QString WithSlash(const QString& dir) {
    return dir.endsWith(u'/') ? dir : dir + u'/';
}

QString RunningExecutableDir() {
    return QCoreApplication::instance() != nullptr ? QCoreApplication::applicationDirPath()
                                                   : QString();
}

}  // namespace

bool IsInstalledProgramDir(const QString& exeDir) {
    if (exeDir.isEmpty()) {
        return false;
    }
    const QString entry =
        exeDir + QStringLiteral("/" LM_BIN_TO_DATADIR "/applications/" LM_APP_ID ".desktop");
    return QFileInfo(entry).isFile();
}

QString ProgramDirectoryFor(const QString& exeDir) {
    const QString overridden = qEnvironmentVariable("LINKMINT_HOME");
    if (!overridden.isEmpty()) {
        QDir().mkpath(overridden);
        return WithSlash(QDir(overridden).absolutePath());
    }
    // An installed program keeps its settings per user even where its
    // folder can be written (root running /usr/bin/linkmint).
    if (!exeDir.isEmpty() && !IsInstalledProgramDir(exeDir) && QFileInfo(exeDir).isWritable()) {
        return WithSlash(exeDir);
    }
    const QString config =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/linkmint";
    QDir().mkpath(config);
    return WithSlash(config);
}

QString ProgramDirectory() {
    return ProgramDirectoryFor(RunningExecutableDir());
}

QString InstalledIconName() {
    return IsInstalledProgramDir(RunningExecutableDir()) ? QStringLiteral(LM_APP_ID) : QString();
}

}  // namespace lm
