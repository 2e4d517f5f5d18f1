// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace lm {

// The per-user desktop integration that stands for the Windows context-menu
// handler: under the data home ($XDG_DATA_HOME, else ~/.local/share)
//
//   applications/linkmint.desktop       "Linkmint", started with files and folders (%F)
//   kio/servicemenus/linkmint.desktop   Dolphin's "Open with Linkmint" action
//   nautilus/scripts/Open with Linkmint Nautilus's script of that name (in the
//                                       user's language, as Nautilus shows it)
//   nemo/actions/linkmint.nemo_action   Nemo's "Open with Linkmint" action
//
// The desktop entry, the service menu and the Nemo action name the program
// (TryExec, Dependencies), so that they vanish when it is gone. The desktop
// entry claims no file types: it never becomes the program that opens them.
//
// Every file carries a marker line, and a manifest (linkmint/shell-integration)
// lists the files and the folders the install created, so that Remove takes
// away exactly those and nothing a user put there. A file of the same name
// that is not ours is never overwritten or removed. The names and comments
// of the entries come in every language that `translationsDir` holds a
// translation for (Name[de]=...), so that they follow the desktop's language.
class FreedesktopIntegration {
    Q_DECLARE_TR_FUNCTIONS(lm::FreedesktopIntegration)

public:
    // `dataHome` without a trailing "/"; `executable` is the program that
    // the entries start. `iconName` is the themed icon of an installed
    // Linkmint, empty for one that runs from its build tree. With an icon the
    // desktop entry stays out of the menus, which already list the installed
    // one, and the context-menu actions show the icon.
    FreedesktopIntegration(QString dataHome, QString executable, QString iconName = {},
                           QString translationsDir = {});

    // $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
    static QString DefaultDataHome();

    // Each returns the messages of what failed; the rest is still done.
    QStringList Install();
    QStringList Remove();
    // True when our desktop entry is in place.
    bool IsInstalled() const;

    QString DesktopEntryPath() const;
    QString ServiceMenuPath() const;
    QString NautilusScriptPath() const;
    QString NemoActionPath() const;
    QString ManifestPath() const;

    // One argument of an Exec line: quoted when it holds anything beyond
    // the plain characters, with the characters that the quotes leave
    // special escaped, and "%" doubled. Still to be escaped as a string
    // value (DesktopStringValue) before it goes into the file.
    static QString DesktopExecArgument(const QString& argument);
    // A desktop-entry string value: "\" doubled.
    static QString DesktopStringValue(const QString& text);
    // One item of a desktop-entry list value: a string value with ";"
    // escaped.
    static QString DesktopListItem(const QString& text);
    // A POSIX shell word in single quotes.
    static QString ShellQuoted(const QString& text);

private:
    QString DesktopEntryText() const;
    QString ServiceMenuText() const;
    QString NautilusScriptText() const;
    QString NemoActionText() const;
    // "Key[xx]=..." lines, one per language with a translation of `source`.
    QString TranslatedKeys(const char* key, const char* source) const;
    bool WriteOurFile(const QString& path, const QString& text, bool executable,
                      QStringList& createdDirs, QStringList& errors) const;

    QString dataHome_;
    QString executable_;
    QString iconName_;
    QString translationsDir_;
};

}  // namespace lm
