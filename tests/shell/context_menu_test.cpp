// SPDX-License-Identifier: MIT
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "custom_context_menu.h"
#include "fake_dialog_host.h"
#include "freedesktop_integration.h"
#include "freedesktop_shell_integration.h"
#include "memory_registry.h"
#include "prefs_dialog.h"
#include "registry_shell_integration.h"
#include "ui_language.h"

namespace lm::test {

namespace {

const QString kClassId = QStringLiteral("{11EFB410-B219-11DB-ABBD-0800200C9A66}");
const QString kApproved =
    QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved");

QString ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// A stand-in program that writes its arguments one per line.
bool WriteArgumentPrinter(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) ||
        f.write("#!/bin/sh\nfor a do printf '%s\\n' \"$a\"; done\n") < 0) {
        return false;
    }
    f.close();
    return QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace

class ContextMenuTest : public QObject {
    Q_OBJECT

private slots:
    void classIdText();
    void registerWritesEveryRowAndUnregisterKeepsApproved();
    void missingLibraryStillWritesHandlers();
    void pruningLeavesOtherHandlers();
    void failingStepDoesNotStopTheOthers();
    void refusedKeyWritesNothing();
    void freedesktopInstallAndRemove();
    void freedesktopLeavesForeignFilesAlone();
    void nautilusScriptPassesAbsolutePaths();
    void nemoActionStartsTheProgram();
    void installedProgramEntries();
    void preferencesBoxInstalls();
    void entriesInEveryLanguage();
};

void ContextMenuTest::classIdText() {
    QCOMPARE(ClassIdText(ContextMenuClassID), kClassId);
}

void ContextMenuTest::registerWritesEveryRowAndUnregisterKeepsApproved() {
    QTemporaryDir dir;
    const QString programDir = dir.path() + u'/';
    QFile library(programDir + QStringLiteral("LinkmintCtxtMnu.dll"));
    QVERIFY(library.open(QIODevice::WriteOnly));
    library.close();

    MemoryRegistry reg;
    RegistryShellIntegration shell(reg, programDir);
    QVERIFY(!shell.IsRegistered());
    QCOMPARE(shell.Register(), QStringList());
    QVERIFY(shell.IsRegistered());

    const RegRoot cr = RegRoot::ClassesRoot;
    QCOMPARE(reg.ReadString(cr, "CLSID\\" + kClassId, {}), QStringLiteral("Linkmint"));
    QCOMPARE(reg.ReadString(cr, "CLSID\\" + kClassId + "\\InprocServer32", {}),
             programDir + QStringLiteral("LinkmintCtxtMnu.dll"));
    QCOMPARE(reg.ReadString(cr, "CLSID\\" + kClassId + "\\InprocServer32", "ThreadingModel"),
             QStringLiteral("Apartment"));
    QCOMPARE(reg.ReadString(RegRoot::LocalMachine, kApproved, kClassId),
             QStringLiteral("Linkmint"));
    for (const QString& fileClass : {QStringLiteral("*"), QStringLiteral("Directory")}) {
        QCOMPARE(reg.ReadString(cr, fileClass + "\\shellex", {}), QString());
        QCOMPARE(reg.ReadString(cr, fileClass + "\\shellex\\ContextMenuHandlers", {}), QString());
        QCOMPARE(reg.ReadString(cr, fileClass + "\\shellex\\ContextMenuHandlers\\Linkmint", {}),
                 kClassId);
    }
    // Writing again changes nothing.
    const QStringList keys = reg.AllKeys();
    QCOMPARE(shell.Register(), QStringList());
    QCOMPARE(reg.AllKeys(), keys);

    QCOMPARE(shell.Unregister(), QStringList());
    QVERIFY(!shell.IsRegistered());
    // The class roots stay, as they would on any system.
    QCOMPARE(reg.AllKeys(),
             QStringList({"HKCR\\*", "HKCR\\CLSID", "HKCR\\Directory", "HKLM\\SOFTWARE",
                          "HKLM\\SOFTWARE\\Microsoft", "HKLM\\SOFTWARE\\Microsoft\\Windows",
                          "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                          "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Shell "
                          "Extensions",
                          "HKLM\\" + kApproved}));
    QCOMPARE(reg.ReadString(RegRoot::LocalMachine, kApproved, kClassId),
             QStringLiteral("Linkmint"));
    // Removing what is not there is no error.
    QCOMPARE(shell.Unregister(), QStringList());
}

void ContextMenuTest::missingLibraryStillWritesHandlers() {
    QTemporaryDir dir;
    MemoryRegistry reg;
    RegistryShellIntegration shell(reg, dir.path() + u'/');
    QCOMPARE(shell.Register(), QStringList({"LinkmintCtxtMnu.dll not found."}));
    QVERIFY(reg.KeyExists(RegRoot::ClassesRoot, "*\\shellex\\ContextMenuHandlers\\Linkmint"));
    QVERIFY(
        reg.KeyExists(RegRoot::ClassesRoot, "Directory\\shellex\\ContextMenuHandlers\\Linkmint"));
    QVERIFY(!reg.KeyExists(RegRoot::ClassesRoot, "CLSID\\" + kClassId));
    // So the next start finds it not registered.
    QVERIFY(!IsContextMenuRegistered(reg));
}

void ContextMenuTest::pruningLeavesOtherHandlers() {
    MemoryRegistry reg;
    QVERIFY(WriteRegValue(reg, RegRoot::ClassesRoot, "*\\shellex\\ContextMenuHandlers\\Other", {},
                          "{0}"));
    RegisterMenuHandler(reg, ContextMenuClassID, "*", "Linkmint");
    RegisterMenuHandler(reg, ContextMenuClassID, "Directory", "Linkmint");
    WriteRegValue(reg, RegRoot::ClassesRoot, "Directory\\shell\\open", {}, "x");

    UnregisterMenuHandler(reg, ContextMenuClassID, "*", "Linkmint");
    UnregisterMenuHandler(reg, ContextMenuClassID, "Directory", "Linkmint");
    QCOMPARE(reg.AllKeys(),
             QStringList({"HKCR\\*", "HKCR\\*\\shellex", "HKCR\\*\\shellex\\ContextMenuHandlers",
                          "HKCR\\*\\shellex\\ContextMenuHandlers\\Other", "HKCR\\Directory",
                          "HKCR\\Directory\\shell", "HKCR\\Directory\\shell\\open"}));
    // Keys are found without regard to case.
    QVERIFY(reg.KeyExists(RegRoot::ClassesRoot, "*\\SHELLEX\\contextmenuhandlers\\other"));
}

void ContextMenuTest::failingStepDoesNotStopTheOthers() {
    QTemporaryDir dir;
    MemoryRegistry reg;
    RegistryShellIntegration shell(reg, dir.path() + u'/');
    shell.Register();
    WriteRegValue(reg, RegRoot::ClassesRoot, "CLSID\\" + kClassId, {}, "Linkmint");
    reg.SetGuard([](const QString& op, RegRoot, const QString& key) {
        if (op == QLatin1StringView("delete") && key.startsWith(QLatin1StringView("CLSID"))) {
            throw ERegistryException(QStringLiteral("Access denied: ") + key);
        }
        return true;
    });
    QCOMPARE(shell.Unregister(), QStringList({"Access denied: CLSID\\" + kClassId}));
    QVERIFY(!reg.KeyExists(RegRoot::ClassesRoot, "*\\shellex"));
    QVERIFY(!reg.KeyExists(RegRoot::ClassesRoot, "Directory\\shellex"));
}

void ContextMenuTest::refusedKeyWritesNothing() {
    MemoryRegistry reg;
    reg.SetGuard(
        [](const QString&, RegRoot root, const QString&) { return root != RegRoot::LocalMachine; });
    QVERIFY(!WriteRegValue(reg, RegRoot::LocalMachine, kApproved, kClassId, "Linkmint"));
    QVERIFY(reg.AllKeys().isEmpty());
    // A server registration without rights for the approval goes on.
    RegisterShellExtServer(reg, ContextMenuClassID, "/x/LinkmintCtxtMnu.dll", "Linkmint");
    QCOMPARE(reg.AllKeys().size(), 3);
}

void ContextMenuTest::freedesktopInstallAndRemove() {
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("data"));
    QDir().mkpath(data + QStringLiteral("/applications"));
    {
        QFile other(data + QStringLiteral("/applications/other.desktop"));
        QVERIFY(other.open(QIODevice::WriteOnly));
    }
    const QString program = QStringLiteral("/opt/My Apps/$link\"mint%/linkmint");
    FreedesktopIntegration desktop(data, program);
    QVERIFY(!desktop.IsInstalled());
    QCOMPARE(desktop.Install(), QStringList());
    QVERIFY(desktop.IsInstalled());

    const QString entry = ReadAll(desktop.DesktopEntryPath());
    QVERIFY(entry.startsWith(QStringLiteral("[Desktop Entry]\n")));
    QVERIFY(entry.contains(QStringLiteral("\nName=Linkmint\n")));
    QVERIFY(entry.contains(QStringLiteral("\nType=Application\n")));
    // Quoted, with ", $ and the backslashes escaped, % doubled; then %F.
    QVERIFY2(entry.contains(
                 QStringLiteral("\nExec=\"/opt/My Apps/\\\\$link\\\\\"mint%%/linkmint\" %F\n")),
             qPrintable(entry));
    // It names the program it needs and claims no file type, so it never
    // becomes the program that opens files or folders.
    QVERIFY(entry.contains(QStringLiteral("\nTryExec=/opt/My Apps/$link\"mint%/linkmint\n")));
    QVERIFY(entry.contains(QStringLiteral("\nCategories=Utility;FileTools;\n")));
    QVERIFY(!entry.contains(QStringLiteral("MimeType")));

    const QString menu = ReadAll(desktop.ServiceMenuPath());
    QVERIFY(menu.contains(QStringLiteral("X-KDE-ServiceTypes=KonqPopupMenu/Plugin")));
    QVERIFY(menu.contains(QStringLiteral("Name=Open with Linkmint")));
    QVERIFY(menu.contains(QStringLiteral("%F")));
    QVERIFY(menu.contains(QStringLiteral("\nTryExec=/opt/My Apps/$link\"mint%/linkmint\n")));
    QVERIFY(QFileInfo(desktop.ServiceMenuPath()).isExecutable());
    QVERIFY(QFileInfo(desktop.NautilusScriptPath()).isExecutable());
    QVERIFY(desktop.NautilusScriptPath().endsWith(
        QStringLiteral("/nautilus/scripts/Open with Linkmint")));
    QVERIFY(desktop.ServiceMenuPath().startsWith(data + QStringLiteral("/kio/servicemenus/")));
    QCOMPARE(desktop.NemoActionPath(), data + QStringLiteral("/nemo/actions/linkmint.nemo_action"));
    const QString action = ReadAll(desktop.NemoActionPath());
    QVERIFY(action.startsWith(QStringLiteral("[Nemo Action]\n")));
    QVERIFY(action.contains(QStringLiteral("\nName=Open with Linkmint\n")));
    QVERIFY(action.contains(QStringLiteral("\nSelection=notnone\n")));
    QVERIFY(action.contains(QStringLiteral("\nExtensions=any;\n")));
    QVERIFY(
        action.contains(QStringLiteral("\nDependencies=/opt/My Apps/$link\"mint%/linkmint;\n")));
    QVERIFY(action.contains(QStringLiteral("\nX-Linkmint-Integration=true\n")));
    QVERIFY(!action.contains(QStringLiteral("Icon")));
    QVERIFY(ReadAll(desktop.ManifestPath()).contains(desktop.NemoActionPath()));

    // Installing again keeps one manifest and still removes cleanly.
    QCOMPARE(desktop.Install(), QStringList());
    QCOMPARE(desktop.Remove(), QStringList());
    QVERIFY(!desktop.IsInstalled());
    for (const QString& path :
         {desktop.DesktopEntryPath(), desktop.ServiceMenuPath(), desktop.NautilusScriptPath(),
          desktop.NemoActionPath(), desktop.ManifestPath()}) {
        QVERIFY2(!QFileInfo::exists(path), qPrintable(path));
    }
    // The folders it made are gone; the ones that were there stay.
    QVERIFY(!QFileInfo::exists(data + QStringLiteral("/kio")));
    QVERIFY(!QFileInfo::exists(data + QStringLiteral("/nautilus")));
    QVERIFY(!QFileInfo::exists(data + QStringLiteral("/nemo")));
    QVERIFY(!QFileInfo::exists(data + QStringLiteral("/linkmint")));
    QVERIFY(QFileInfo::exists(data + QStringLiteral("/applications/other.desktop")));
}

void ContextMenuTest::freedesktopLeavesForeignFilesAlone() {
    QTemporaryDir dir;
    FreedesktopIntegration desktop(dir.path(), QStringLiteral("/usr/bin/linkmint"));
    QDir().mkpath(QFileInfo(desktop.DesktopEntryPath()).path());
    {
        QFile foreign(desktop.DesktopEntryPath());
        QVERIFY(foreign.open(QIODevice::WriteOnly));
        foreign.write("[Desktop Entry]\nName=Somebody else's\n");
    }
    const QStringList errors = desktop.Install();
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors[0].startsWith(QStringLiteral("Error: ")));
    QVERIFY(!desktop.IsInstalled());
    QVERIFY(QFileInfo::exists(desktop.ServiceMenuPath()));  // the rest went in
    QVERIFY(QFileInfo::exists(desktop.NemoActionPath()));
    QCOMPARE(desktop.Remove(), QStringList());
    QCOMPARE(ReadAll(desktop.DesktopEntryPath()),
             QStringLiteral("[Desktop Entry]\nName=Somebody else's\n"));
    QVERIFY(!QFileInfo::exists(desktop.ServiceMenuPath()));

    // Nor a Nemo action of that name that somebody else wrote.
    QDir().mkpath(QFileInfo(desktop.NemoActionPath()).path());
    {
        QFile foreign(desktop.NemoActionPath());
        QVERIFY(foreign.open(QIODevice::WriteOnly));
        foreign.write("[Nemo Action]\nName=Mine\n");
    }
    QCOMPARE(desktop.Install().size(), 2);
    QCOMPARE(desktop.Remove(), QStringList());
    QCOMPARE(ReadAll(desktop.NemoActionPath()), QStringLiteral("[Nemo Action]\nName=Mine\n"));

    // A path that a menu entry cannot hold is refused whole.
    FreedesktopIntegration broken(dir.filePath("b"), QStringLiteral("/bin/link\nmint"));
    QCOMPARE(broken.Install().size(), 1);
    QVERIFY(!QFileInfo::exists(dir.filePath("b")));
}

void ContextMenuTest::nautilusScriptPassesAbsolutePaths() {
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("fake 'linkmint'"));
    QVERIFY(WriteArgumentPrinter(program));
    FreedesktopIntegration desktop(dir.filePath(QStringLiteral("data")), program);
    QCOMPARE(desktop.Install(), QStringList());

    QProcess script;
    script.setWorkingDirectory(dir.path());
    script.start(desktop.NautilusScriptPath(),
                 {QStringLiteral("a file.txt"), QStringLiteral("/abs/b.txt")});
    QVERIFY(script.waitForFinished(10000));
    QCOMPARE(script.exitCode(), 0);
    const QString home = QFileInfo(dir.path()).canonicalFilePath();
    const QString out = QString::fromUtf8(script.readAllStandardOutput());
    QVERIFY2(out == dir.path() + QStringLiteral("/a file.txt\n/abs/b.txt\n") ||
                 out == home + QStringLiteral("/a file.txt\n/abs/b.txt\n"),
             qPrintable(out));
}

namespace {

// A key-file value as Nemo reads it: the escapes \\ \s \n \t \r undone.
QString KeyFileValue(const QString& text, const QString& key) {
    for (const QString& line : text.split(u'\n')) {
        if (!line.startsWith(key + u'=')) {
            continue;
        }
        QString value;
        const QString raw = line.mid(key.size() + 1);
        for (qsizetype i = 0; i < raw.size(); ++i) {
            if (raw[i] != u'\\' || i + 1 == raw.size()) {
                value += raw[i];
                continue;
            }
            const QChar next = raw[++i];
            value += next == u's'   ? QChar(u' ')
                     : next == u'n' ? QChar(u'\n')
                     : next == u't' ? QChar(u'\t')
                     : next == u'r' ? QChar(u'\r')
                                    : next;
        }
        return value;
    }
    return {};
}

}  // namespace

void ContextMenuTest::nemoActionStartsTheProgram() {
    QTemporaryDir dir;
    // Every character that the shell, the key file or Nemo's tokens treat
    // specially.
    const QString program = dir.filePath(QStringLiteral("it's 100%F $HOME \\ \"link\" `mint`;"));
    QVERIFY(WriteArgumentPrinter(program));
    FreedesktopIntegration desktop(dir.filePath(QStringLiteral("data")), program);
    QCOMPARE(desktop.Install(), QStringList());

    // What Nemo does with the Exec line: the tokens replaced, %F by the
    // selection with each path quoted, then the line split as by a shell.
    const QStringList selection = {QStringLiteral("/films/a b.mkv"), QStringLiteral("/x/it's")};
    const QString exec = KeyFileValue(ReadAll(desktop.NemoActionPath()), QStringLiteral("Exec"));
    QString command;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        if (exec[i] == u'%' && i + 1 < exec.size()) {
            const QChar token = exec[++i];
            if (token == u'F') {
                QStringList quoted;
                for (const QString& path : selection) {
                    quoted.append(FreedesktopIntegration::ShellQuoted(path));
                }
                command += quoted.join(u' ');
            } else {
                QCOMPARE(token, QChar(u'%'));
                command += u'%';
            }
        } else {
            command += exec[i];
        }
    }
    // Nemo shows the action only while the program in Dependencies is there:
    // the list's first item, split at a ";" that is not escaped.
    const QString text = ReadAll(desktop.NemoActionPath());
    const qsizetype start = text.indexOf(QStringLiteral("\nDependencies=")) + 14;
    QString dependency;
    for (qsizetype i = start; i < text.size() && text[i] != u';' && text[i] != u'\n'; ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            ++i;
        }
        dependency += text[i];
    }
    QCOMPARE(dependency, program);

    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QStringLiteral("exec ") + command});
    QVERIFY(shell.waitForFinished(10000));
    QCOMPARE(shell.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(shell.readAllStandardOutput()), selection.join(u'\n') + u'\n');
}

void ContextMenuTest::installedProgramEntries() {
    QTemporaryDir dir;
    const QString program = QStringLiteral("/usr/bin/linkmint");
    // From a build tree the entries are what they always were.
    FreedesktopIntegration built(dir.filePath(QStringLiteral("built")), program);
    QCOMPARE(built.Install(), QStringList());
    QCOMPARE(ReadAll(built.DesktopEntryPath()),
             QStringLiteral("[Desktop Entry]\n"
                            "Type=Application\n"
                            "Name=Linkmint\n"
                            "GenericName=ed2k Link Maker\n"
                            "Comment=Make ed2k links of files and folders\n"
                            "Exec=/usr/bin/linkmint %F\n"
                            "TryExec=/usr/bin/linkmint\n"
                            "StartupWMClass=org.linkmint.Linkmint\n"
                            "Terminal=false\n"
                            "Categories=Utility;FileTools;\n"
                            "X-Linkmint-Integration=true\n"));
    QCOMPARE(ReadAll(built.ServiceMenuPath()),
             QStringLiteral("[Desktop Entry]\n"
                            "Type=Service\n"
                            "X-KDE-ServiceTypes=KonqPopupMenu/Plugin\n"
                            "MimeType=all/allfiles;inode/directory;\n"
                            "Actions=openWithLinkmint;\n"
                            "TryExec=/usr/bin/linkmint\n"
                            "X-Linkmint-Integration=true\n"
                            "\n"
                            "[Desktop Action openWithLinkmint]\n"
                            "Name=Open with Linkmint\n"
                            "Exec=/usr/bin/linkmint %F\n"));

    // An installed program: its themed icon, and no second menu entry beside
    // the installed one.
    FreedesktopIntegration installed(dir.filePath(QStringLiteral("installed")), program,
                                     QStringLiteral("org.linkmint.Linkmint"));
    QCOMPARE(installed.Install(), QStringList());
    const QString entry = ReadAll(installed.DesktopEntryPath());
    QVERIFY(entry.contains(QStringLiteral("\nExec=/usr/bin/linkmint %F\n")));
    QVERIFY(entry.contains(QStringLiteral("\nIcon=org.linkmint.Linkmint\n")));
    QVERIFY(entry.contains(QStringLiteral("\nNoDisplay=true\n")));
    QVERIFY(entry.contains(QStringLiteral("\nStartupWMClass=org.linkmint.Linkmint\n")));
    QVERIFY(!entry.contains(QStringLiteral("MimeType")));
    QVERIFY(
        ReadAll(installed.ServiceMenuPath())
            .endsWith(QStringLiteral("Exec=/usr/bin/linkmint %F\nIcon=org.linkmint.Linkmint\n")));
    const QString action = ReadAll(installed.NemoActionPath());
    QVERIFY(action.contains(QStringLiteral("\nExec='/usr/bin/linkmint' %F\n")));
    QVERIFY(action.contains(QStringLiteral("\nIcon-Name=org.linkmint.Linkmint\n")));
    QVERIFY(action.contains(QStringLiteral("\nDependencies=/usr/bin/linkmint;\n")));

    // Both desktop entries pass the desktop's own checker, where it is: no
    // error and no warning (a hint may be given).
    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (!validator.isEmpty()) {
        for (const QString& path : {built.DesktopEntryPath(), installed.DesktopEntryPath()}) {
            QProcess check;
            check.start(validator, {path});
            QVERIFY(check.waitForFinished(10000));
            const QString said =
                QString::fromUtf8(check.readAllStandardOutput() + check.readAllStandardError());
            QVERIFY2(check.exitCode() == 0 && !said.contains(QStringLiteral(": error: ")) &&
                         !said.contains(QStringLiteral(": warning: ")),
                     qPrintable(said));
        }
    }
    QCOMPARE(installed.Remove(), QStringList());
    QVERIFY(QDir(dir.filePath(QStringLiteral("installed"))).isEmpty());
}

void ContextMenuTest::preferencesBoxInstalls() {
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    QCOMPARE(FreedesktopIntegration::DefaultDataHome(), dir.path());
    qputenv("XDG_DATA_HOME", "relative/path");
    QCOMPARE(FreedesktopIntegration::DefaultDataHome(), QDir::homePath() + "/.local/share");
    qunsetenv("XDG_DATA_HOME");

    FreedesktopShellIntegration shell(dir.path(), QStringLiteral("/usr/bin/linkmint"));
    Settings settings;
    FakeDialogHost host;
    TfrmPrefs prefs(settings, host, nullptr, &shell);
    prefs.RunFromExplorer->click();
    QVERIFY(shell.IsRegistered());
    QVERIFY(prefs.IsContextMenuRegistered());
    prefs.RunFromExplorer->click();
    QVERIFY(!shell.IsRegistered());
    QVERIFY(QDir(dir.path()).isEmpty());
    QVERIFY(host.errors.isEmpty());
}

// The entries carry their names and comments in every language there is a
// translation for, and Nautilus's script is named in the user's language.
void ContextMenuTest::entriesInEveryLanguage() {
    QTemporaryDir dir;
    const QString translations = TranslationsDirectory();
    QVERIFY(TranslatedLanguages(translations).contains(QStringLiteral("de")));
    QVERIFY(InstallTranslations({QStringLiteral("de_DE")}) == u"de");
    FreedesktopIntegration desktop(dir.path(), QStringLiteral("/usr/bin/linkmint"), QString(),
                                   translations);
    const QStringList errors = desktop.Install();
    InstallTranslations(QStringList());
    QCOMPARE(errors, QStringList());

    const QString entry = ReadAll(desktop.DesktopEntryPath());
    QVERIFY(entry.contains(QStringLiteral("\nGenericName=ed2k Link Maker\n")));
    QVERIFY(entry.contains(QStringLiteral("\nGenericName[de]=ed2k-Link-Ersteller\n")));
    QVERIFY(
        entry.contains(QStringLiteral("\nComment[ru]=Создание ссылок ed2k на файлы и папки\n")));
    QVERIFY(entry.contains(QStringLiteral("\nComment[zh_CN]=")));
    QVERIFY(entry.contains(QStringLiteral("\nComment[pt_BR]=")));
    const QString menu = ReadAll(desktop.ServiceMenuPath());
    QVERIFY(
        menu.contains(QStringLiteral("\nName=Open with Linkmint\nName[de]=Mit Linkmint öffnen\n")));
    QVERIFY(menu.contains(QStringLiteral("\nName[ja]=Linkmint で開く\n")));
    const QString action = ReadAll(desktop.NemoActionPath());
    QVERIFY(action.contains(QStringLiteral("\nName[fr]=Ouvrir avec Linkmint\n")));
    QVERIFY(action.contains(
        QStringLiteral("\nComment[es]=Crear enlaces ed2k de los archivos y carpetas "
                       "seleccionados\n")));
    // Nautilus shows a script by its file's name: the German one.
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("nautilus/scripts/Mit Linkmint öffnen")))
                .isExecutable());
    QVERIFY(!QFileInfo::exists(desktop.NautilusScriptPath()));  // the English name

    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (!validator.isEmpty()) {
        QProcess check;
        check.start(validator, {desktop.DesktopEntryPath()});
        QVERIFY(check.waitForFinished(10000));
        const QString said =
            QString::fromUtf8(check.readAllStandardOutput() + check.readAllStandardError());
        QVERIFY2(check.exitCode() == 0 && !said.contains(QStringLiteral(": error: ")) &&
                     !said.contains(QStringLiteral(": warning: ")),
                 qPrintable(said));
    }

    // Removed in English too: the manifest names the German script.
    QCOMPARE(desktop.Remove(), QStringList());
    QVERIFY(QDir(dir.path()).isEmpty());
}

int RunContextMenuTests(int argc, char** argv) {
    ContextMenuTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace lm::test

#include "context_menu_test.moc"
