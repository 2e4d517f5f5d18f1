#include "program_dir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace lm {

namespace {

QString WithSlash(const QString& dir) { return dir.endsWith(u'/') ? dir : dir + u'/'; }

}  // namespace

QString ProgramDirectory() {
    const QString overridden = qEnvironmentVariable("LINKMINT_HOME");
    if (!overridden.isEmpty()) {
        QDir().mkpath(overridden);
        return WithSlash(QDir(overridden).absolutePath());
    }
    if (QCoreApplication::instance() != nullptr) {
        const QString exeDir = QCoreApplication::applicationDirPath();
        if (QFileInfo(exeDir).isWritable()) {
            return WithSlash(exeDir);
        }
    }
    const QString config =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/linkmint";
    QDir().mkpath(config);
    return WithSlash(config);
}

}  // namespace lm
