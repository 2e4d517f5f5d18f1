// SPDX-License-Identifier: MIT
#include "freedesktop_integration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

#include "linkmint_build_info.h"
#include "ui_language.h"

namespace lm {

namespace {

// The line every file of ours carries; Remove and IsInstalled look for it.
constexpr char kMarker[] = "X-Linkmint-Integration=true";

constexpr char kContext[] = "lm::FreedesktopIntegration";
const char* const kGenericName = QT_TRANSLATE_NOOP("lm::FreedesktopIntegration", "ed2k Link Maker");
const char* const kComment =
    QT_TRANSLATE_NOOP("lm::FreedesktopIntegration", "Make ed2k links of files and folders");
const char* const kOpenWith = QT_TRANSLATE_NOOP("lm::FreedesktopIntegration", "Open with Linkmint");
const char* const kActionComment = QT_TRANSLATE_NOOP("lm::FreedesktopIntegration",
                                                     "Make ed2k links of the selected files and "
                                                     "folders");

bool IsOurs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    return file.read(64 * 1024).contains(kMarker);
}

// Creates `dir` and every missing folder above it, adding the ones it made
// to `created` (outermost first).
bool MakePath(const QString& dir, QStringList& created) {
    QStringList missing;
    QString walk = QDir::cleanPath(dir);
    while (!QFileInfo(walk).exists()) {
        missing.prepend(walk);
        const QString up = QFileInfo(walk).path();
        if (up == walk) {
            break;
        }
        walk = up;
    }
    for (const QString& folder : missing) {
        if (!QDir().mkdir(folder)) {
            return false;
        }
        created.append(folder);
    }
    return QFileInfo(dir).isDir();
}

}  // namespace

FreedesktopIntegration::FreedesktopIntegration(QString dataHome, QString executable,
                                               QString iconName, QString translationsDir)
    : dataHome_(QDir::cleanPath(dataHome)),
      executable_(std::move(executable)),
      iconName_(std::move(iconName)),
      translationsDir_(std::move(translationsDir)) {}

QString FreedesktopIntegration::TranslatedKeys(const char* key, const char* source) const {
    QString lines;
    for (const QString& language : TranslatedLanguages(translationsDir_)) {
        const QString text = TranslateInto(translationsDir_, language, kContext, source);
        if (text != QLatin1StringView(source)) {
            lines += QStringLiteral("%1[%2]=%3\n")
                         .arg(QLatin1StringView(key), language, DesktopStringValue(text));
        }
    }
    return lines;
}

QString FreedesktopIntegration::DefaultDataHome() {
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) {
        return QDir::cleanPath(xdg);
    }
    return QDir::homePath() + QStringLiteral("/.local/share");
}

QString FreedesktopIntegration::DesktopEntryPath() const {
    return dataHome_ + QStringLiteral("/applications/linkmint.desktop");
}

QString FreedesktopIntegration::ServiceMenuPath() const {
    return dataHome_ + QStringLiteral("/kio/servicemenus/linkmint.desktop");
}

QString FreedesktopIntegration::NautilusScriptPath() const {
    // A slash would make it a folder.
    return dataHome_ + QStringLiteral("/nautilus/scripts/") + tr(kOpenWith).replace(u'/', u'-');
}

QString FreedesktopIntegration::NemoActionPath() const {
    return dataHome_ + QStringLiteral("/nemo/actions/linkmint.nemo_action");
}

QString FreedesktopIntegration::ManifestPath() const {
    return dataHome_ + QStringLiteral("/linkmint/shell-integration");
}

QString FreedesktopIntegration::DesktopExecArgument(const QString& argument) {
    static const QString kReserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`=");
    QString escaped;
    bool quote = argument.isEmpty();
    for (const QChar ch : argument) {
        if (kReserved.contains(ch)) {
            quote = true;
        }
        if (ch == u'"' || ch == u'`' || ch == u'$' || ch == u'\\') {
            escaped += u'\\';
        }
        escaped += ch;
        if (ch == u'%') {
            escaped += u'%';
        }
    }
    return quote ? u'"' + escaped + u'"' : escaped;
}

QString FreedesktopIntegration::DesktopStringValue(const QString& text) {
    QString value = text;
    value.replace(u'\\', QStringLiteral("\\\\"));
    return value;
}

QString FreedesktopIntegration::DesktopListItem(const QString& text) {
    QString item = DesktopStringValue(text);
    item.replace(u';', QStringLiteral("\\;"));
    return item;
}

QString FreedesktopIntegration::ShellQuoted(const QString& text) {
    QString quoted = text;
    quoted.replace(u'\'', QStringLiteral("'\\''"));
    return u'\'' + quoted + u'\'';
}

// No MimeType: a desktop entry that claims files or folders can become the
// program that opens them, and a hash tool must never be that.
QString FreedesktopIntegration::DesktopEntryText() const {
    const QString installed =
        iconName_.isEmpty()
            ? QString()
            : QStringLiteral("Icon=%1\nNoDisplay=true\n").arg(DesktopStringValue(iconName_));
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Linkmint\n"
               "GenericName=ed2k Link Maker\n") +
           TranslatedKeys("GenericName", kGenericName) +
           QStringLiteral("Comment=Make ed2k links of files and folders\n") +
           TranslatedKeys("Comment", kComment) +
           QStringLiteral(
               "Exec=%1 %F\n"
               "TryExec=%2\n")
               .arg(DesktopStringValue(DesktopExecArgument(executable_)),
                    DesktopStringValue(executable_)) +
           installed +
           // The window's Wayland app id and X11 class instance name.
           QStringLiteral("StartupWMClass=" LM_APP_ID "\n") +
           QStringLiteral(
               "Terminal=false\n"
               "Categories=Utility;FileTools;\n") +
           QLatin1StringView(kMarker) + u'\n';
}

QString FreedesktopIntegration::ServiceMenuText() const {
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Service\n"
               "X-KDE-ServiceTypes=KonqPopupMenu/Plugin\n"
               "MimeType=all/allfiles;inode/directory;\n"
               "Actions=openWithLinkmint;\n"
               "TryExec=%1\n")
               .arg(DesktopStringValue(executable_)) +
           QLatin1StringView(kMarker) +
           QStringLiteral(
               "\n\n"
               "[Desktop Action openWithLinkmint]\n"
               "Name=Open with Linkmint\n") +
           TranslatedKeys("Name", kOpenWith) +
           QStringLiteral("Exec=%1 %F\n")
               .arg(DesktopStringValue(DesktopExecArgument(executable_))) +
           (iconName_.isEmpty() ? QString()
                                : QStringLiteral("Icon=%1\n").arg(DesktopStringValue(iconName_)));
}

QString FreedesktopIntegration::NautilusScriptText() const {
    // Nautilus passes the selection as names relative to the folder shown;
    // a running Linkmint may live elsewhere, so they are made absolute.
    return QStringLiteral(
               "#!/bin/sh\n"
               "# Hands the selected files and folders to Linkmint.\n"
               "# ") +
           QLatin1StringView(kMarker) +
           QStringLiteral(
               "\n"
               "n=$#\n"
               "while [ \"$n\" -gt 0 ]; do\n"
               "    case $1 in\n"
               "    /*) set -- \"$@\" \"$1\" ;;\n"
               "    *) set -- \"$@\" \"$PWD/$1\" ;;\n"
               "    esac\n"
               "    shift\n"
               "    n=$((n - 1))\n"
               "done\n"
               "exec %1 \"$@\"\n")
               .arg(ShellQuoted(executable_));
}

QString FreedesktopIntegration::NemoActionText() const {
    // Nemo splits the Exec line as a shell would and quotes the paths it
    // puts in for %F itself; "%" stands for itself only doubled.
    QString program = ShellQuoted(executable_);
    program.replace(u'%', QStringLiteral("%%"));
    return QStringLiteral(
               "[Nemo Action]\n"
               "Name=Open with Linkmint\n") +
           TranslatedKeys("Name", kOpenWith) +
           QStringLiteral("Comment=Make ed2k links of the selected files and folders\n") +
           TranslatedKeys("Comment", kActionComment) +
           QStringLiteral(
               "Exec=%1 %F\n"
               "Selection=notnone\n"
               "Extensions=any;\n"
               "Dependencies=%2;\n")
               .arg(DesktopStringValue(program), DesktopListItem(executable_)) +
           (iconName_.isEmpty()
                ? QString()
                : QStringLiteral("Icon-Name=%1\n").arg(DesktopStringValue(iconName_))) +
           QLatin1StringView(kMarker) + u'\n';
}

bool FreedesktopIntegration::WriteOurFile(const QString& path, const QString& text, bool executable,
                                          QStringList& createdDirs, QStringList& errors) const {
    if (QFileInfo::exists(path) && !IsOurs(path)) {
        errors.append(tr("Error: %1 already exists and was not made by Linkmint; "
                         "it was left as it is.")
                          .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    if (!MakePath(QFileInfo(path).path(), createdDirs)) {
        errors.append(tr("Error: Could not create the folder %1.")
                          .arg(QDir::toNativeSeparators(QFileInfo(path).path())));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        errors.append(tr("Error: Could not write %1.").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    QFile::Permissions mode =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    if (executable) {
        mode |= QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    }
    QFile::setPermissions(path, mode);
    return true;
}

QStringList FreedesktopIntegration::Install() {
    QStringList errors;
    for (const QChar ch : executable_) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7f) {
            errors.append(
                tr("Error: The program's path holds a control character "
                   "and cannot be put into a menu entry."));
            return errors;
        }
    }

    // Folders that an earlier install created stay on the list.
    QStringList manifest;
    {
        QFile old(ManifestPath());
        if (old.open(QIODevice::ReadOnly)) {
            manifest = QString::fromUtf8(old.readAll()).split(u'\n', Qt::SkipEmptyParts);
        }
    }
    QStringList created;
    for (const QString& line : manifest) {
        if (line.startsWith(QLatin1StringView("dir "))) {
            created.append(line.mid(4));
        }
    }
    QStringList written;
    const struct {
        QString path;
        QString text;
        bool executable;
    } files[] = {
        {DesktopEntryPath(), DesktopEntryText(), false},
        {ServiceMenuPath(), ServiceMenuText(), true},  // Dolphin runs only executable ones
        {NautilusScriptPath(), NautilusScriptText(), true},
        {NemoActionPath(), NemoActionText(), false},
    };
    for (const auto& f : files) {
        if (WriteOurFile(f.path, f.text, f.executable, created, errors)) {
            written.append(f.path);
        }
    }
    for (const QString& line : manifest) {
        if (line.startsWith(QLatin1StringView("file ")) && !written.contains(line.mid(5)) &&
            IsOurs(line.mid(5))) {
            written.append(line.mid(5));
        }
    }

    if (!MakePath(QFileInfo(ManifestPath()).path(), created)) {
        errors.append(
            tr("Error: Could not write %1.").arg(QDir::toNativeSeparators(ManifestPath())));
        return errors;
    }
    created.removeDuplicates();
    QString text;
    for (const QString& path : written) {
        text += QStringLiteral("file ") + path + u'\n';
    }
    for (const QString& dir : created) {
        text += QStringLiteral("dir ") + dir + u'\n';
    }
    QSaveFile file(ManifestPath());
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        errors.append(
            tr("Error: Could not write %1.").arg(QDir::toNativeSeparators(ManifestPath())));
    }
    return errors;
}

QStringList FreedesktopIntegration::Remove() {
    QStringList errors;
    QStringList files = {DesktopEntryPath(), ServiceMenuPath(), NautilusScriptPath(),
                         NemoActionPath()};
    QStringList dirs;
    QFile manifest(ManifestPath());
    if (manifest.open(QIODevice::ReadOnly)) {
        for (const QString& line :
             QString::fromUtf8(manifest.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
            if (line.startsWith(QLatin1StringView("file "))) {
                files.append(line.mid(5));
            } else if (line.startsWith(QLatin1StringView("dir "))) {
                dirs.append(line.mid(4));
            }
        }
        manifest.close();
    }
    files.removeDuplicates();
    for (const QString& path : files) {
        if (IsOurs(path) && !QFile::remove(path)) {
            errors.append(tr("Error: Could not remove %1.").arg(QDir::toNativeSeparators(path)));
        }
    }
    if (QFileInfo::exists(ManifestPath()) && !QFile::remove(ManifestPath())) {
        errors.append(
            tr("Error: Could not remove %1.").arg(QDir::toNativeSeparators(ManifestPath())));
    }
    // Innermost first; a folder that holds anything else stays.
    std::sort(dirs.begin(), dirs.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (const QString& dir : dirs) {
        QDir().rmdir(dir);
    }
    return errors;
}

bool FreedesktopIntegration::IsInstalled() const {
    return IsOurs(DesktopEntryPath());
}

}  // namespace lm
