// SPDX-License-Identifier: MIT
#include "ui_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <map>
#include <memory>
#include <vector>

#include "linkmint_build_info.h"

namespace lm {

namespace {

constexpr QLatin1StringView kFilePrefix("linkmint_");
constexpr QLatin1StringView kFileSuffix(".qm");

// "de_DE.UTF-8@euro" to "de_DE"; "C.UTF-8" to "C".
QString LanguageOf(const QString& localeName) {
    QString name = localeName.trimmed();
    for (const QChar end : {u'.', u'@'}) {
        const qsizetype at = name.indexOf(end);
        if (at >= 0) {
            name.truncate(at);
        }
    }
    return name;
}

bool IsCLocale(const QString& name) {
    return name.isEmpty() || name == u"C" || name == u"POSIX";
}

bool IsEnglish(const QString& name) {
    return IsCLocale(name) || name == u"en" || name.startsWith(u"en_");
}

// The translators installed now, removed before others are installed.
std::vector<std::unique_ptr<QTranslator>>& Installed() {
    static std::vector<std::unique_ptr<QTranslator>> installed;
    return installed;
}

}  // namespace

QStringList WantedLanguagesFrom(const QString& language, const QString& lcAll,
                                const QString& lcMessages, const QString& lang) {
    QString locale;
    for (const QString* value : {&lcAll, &lcMessages, &lang}) {
        if (!value->isEmpty()) {
            locale = LanguageOf(*value);
            break;
        }
    }
    QStringList wanted;
    // gettext takes LANGUAGE only when the locale is not C.
    if (!IsCLocale(locale)) {
        for (const QString& part : language.split(u':', Qt::SkipEmptyParts)) {
            const QString name = LanguageOf(part);
            if (!name.isEmpty() && !wanted.contains(name)) {
                wanted << name;
            }
        }
    }
    if (!locale.isEmpty() && !wanted.contains(locale)) {
        wanted << locale;
    }
    return wanted;
}

QStringList WantedLanguages() {
    return WantedLanguagesFrom(qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
                               qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG"));
}

QString TranslationsDirectory() {
    if (QCoreApplication::instance() == nullptr) {
        return {};
    }
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/" LM_BIN_TO_DATADIR "/linkmint/translations"));
}

QStringList TranslatedLanguages(const QString& dir) {
    QStringList languages;
    if (dir.isEmpty()) {
        return languages;
    }
    const QStringList files =
        QDir(dir).entryList({kFilePrefix + u'*' + kFileSuffix}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        languages << file.mid(kFilePrefix.size(),
                              file.size() - kFilePrefix.size() - kFileSuffix.size());
    }
    return languages;
}

QString ChooseLanguage(const QStringList& wanted, const QStringList& available) {
    for (const QString& name : wanted) {
        if (IsEnglish(name)) {
            return {};
        }
        if (available.contains(name)) {
            return name;
        }
        const QString base = name.section(u'_', 0, 0);
        if (base != name && available.contains(base)) {
            return base;
        }
    }
    return {};
}

QString InstallTranslations(const QStringList& wanted) {
    for (const auto& translator : Installed()) {
        QCoreApplication::removeTranslator(translator.get());
    }
    Installed().clear();
    const QString dir = TranslationsDirectory();
    const QString language = ChooseLanguage(wanted, TranslatedLanguages(dir));
    if (language.isEmpty()) {
        return {};
    }
    auto ours = std::make_unique<QTranslator>();
    if (!ours->load(kFilePrefix + language + kFileSuffix, dir)) {
        return {};
    }
    // Qt's own texts (the file dialogs' buttons, "OK", "Cancel"): qt_<lang>
    // gathers Qt's modules; older trees have only qtbase_<lang>.
    const QString qtDir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qt_") + language, qtDir) ||
        qt->load(QStringLiteral("qtbase_") + language, qtDir)) {
        QCoreApplication::installTranslator(qt.get());
        Installed().push_back(std::move(qt));
    }
    QCoreApplication::installTranslator(ours.get());
    Installed().push_back(std::move(ours));
    return language;
}

QString InstallTranslations() {
    return InstallTranslations(WantedLanguages());
}

QString TranslateInto(const QString& dir, const QString& language, const char* context,
                      const char* source) {
    // Loaded once per file; the GUI thread's alone.
    static std::map<QString, std::unique_ptr<QTranslator>> loaded;
    const QString file = QDir(dir).filePath(kFilePrefix + language + kFileSuffix);
    auto found = loaded.find(file);
    if (found == loaded.end()) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(file)) {
            translator.reset();
        }
        found = loaded.emplace(file, std::move(translator)).first;
    }
    const QString text =
        found->second != nullptr ? found->second->translate(context, source) : QString();
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}

}  // namespace lm
