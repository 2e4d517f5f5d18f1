// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace lm {

// The languages the user asks for, most wanted first, read from the
// environment as gettext reads it: LANGUAGE (a list separated by ":") unless
// the locale itself is C or POSIX, then the first set of LC_ALL, LC_MESSAGES
// and LANG. Each name is cut to its language and territory ("de_DE.UTF-8@euro"
// gives "de_DE"); "C" and "POSIX" stand for English.
QStringList WantedLanguages();

// The same from given values of the four variables (empty: unset).
QStringList WantedLanguagesFrom(const QString& language, const QString& lcAll,
                                const QString& lcMessages, const QString& lang);

// Where linkmint_<lang>.qm lie: <bin>/../share/linkmint/translations beside
// the running executable, installed or in the build tree alike.
QString TranslationsDirectory();

// The languages Linkmint has a translation for in `dir`, as the names of
// its files give them ("de", "pt_BR", "zh_CN").
QStringList TranslatedLanguages(const QString& dir);

// The first of `wanted` that `available` holds, as it stands ("de_AT" finds
// "de", "pt_BR" finds "pt_BR", "pt" does not). Empty for English: when the
// first language that English or a translation serves is English, or none
// of them is served.
QString ChooseLanguage(const QStringList& wanted, const QStringList& available);

// Installs the translation of the program and Qt's own for the standard
// dialogs, for the language chosen from `wanted` among those in
// TranslationsDirectory(); removes any that an earlier call installed.
// Returns the language ("" for English, which needs none). A file that is
// missing or cannot be read leaves English, silently.
QString InstallTranslations(const QStringList& wanted);
QString InstallTranslations();

// A text of the program in another language than the one installed: the
// translation of `source` in `context` from `language`'s file in `dir`, or
// `source` itself when there is none. Used for the desktop files that carry
// every language at once.
QString TranslateInto(const QString& dir, const QString& language, const char* context,
                      const char* source);

}  // namespace lm
