// SPDX-License-Identifier: MIT
// The window in every language: the language is taken from the environment
// as at start, the menus and the status bar read in it, accelerators are
// unique in each menu and dialog, no text is cut off at the default font,
// and English (the C locale, an English one, a language without a
// translation) is the program's own text. Screenshots in German, Russian and
// Chinese are left in the build folder.
#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QToolBar>

#include <cstdlib>

#include "about_dialog.h"
#include "check_files_dialog.h"
#include "gui_test_support.h"
#include "hashing_worker.h"
#include "prefs_dialog.h"
#include "sel_dir_dialog.h"
#include "stat_bar.h"
#include "ui_language.h"

using namespace lm;
using namespace lm::test;

// What a language shows.
struct Expected {
    QString language;     // what InstallTranslations picks, "" for English
    QStringList menuBar;  // File, Edit, Preferences, Pause, About
    QString idle;         // status panel 1 at rest
    QString noFiles;      // status panel 0 with an empty list
    QString twoFiles;     // ... with two rows
    QString fiveFiles;    // ... with five (a plural form of its own in Russian)
};
Q_DECLARE_METATYPE(Expected)

namespace {

constexpr int kTimeoutMs = 60000;

const Expected kEnglish{QString(),
                        {"&File", "&Edit", "Prefere&nces", "&Pause", "&About"},
                        "Idle: click here to add files",
                        "0 files",
                        "2 files",
                        "5 files"};

// The accelerator letter of a caption, lower-cased; none for a text without.
QChar Accelerator(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'&') {
            if (text[i + 1] != u'&') {
                return text[i + 1].toLower();
            }
            ++i;
        }
    }
    return {};
}

// The captions in `texts` whose accelerator another one has too.
QStringList Clashes(const QStringList& texts) {
    QMap<QChar, QStringList> byKey;
    for (const QString& text : texts) {
        const QChar key = Accelerator(text);
        if (!key.isNull()) {
            byKey[key] << text;
        }
    }
    QStringList clashes;
    for (const QStringList& same : std::as_const(byKey)) {
        if (same.size() > 1) {
            clashes << same.join(QStringLiteral(" / "));
        }
    }
    return clashes;
}

QStringList Captions(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions) {
        if (!action->isSeparator()) {
            texts << action->text();
        }
    }
    return texts;
}

// Every caption of a dialog's buttons, labels and group boxes.
QStringList DialogCaptions(const QWidget* dialog) {
    QStringList texts;
    for (const QAbstractButton* b : dialog->findChildren<QAbstractButton*>()) {
        texts << b->text();
    }
    for (const QLabel* l : dialog->findChildren<QLabel*>()) {
        texts << l->text();
    }
    for (const QGroupBox* g : dialog->findChildren<QGroupBox*>()) {
        texts << g->title();
    }
    return texts;
}

// The visible buttons and labels of `widget` that are narrower (or, for a
// wrapped label, lower) than their text needs.
QStringList Clipped(const QWidget* widget) {
    QStringList clipped;
    for (const QAbstractButton* b : widget->findChildren<QAbstractButton*>()) {
        if (b->isVisibleTo(widget) && !b->text().isEmpty() && b->width() < b->sizeHint().width()) {
            clipped << QStringLiteral("%1 \"%2\" %3 < %4")
                           .arg(b->objectName(), b->text())
                           .arg(b->width())
                           .arg(b->sizeHint().width());
        }
    }
    for (const QLabel* l : widget->findChildren<QLabel*>()) {
        if (!l->isVisibleTo(widget) || l->text().isEmpty() || l->text().size() == 1) {
            continue;  // the about box's letters fly about on purpose
        }
        const bool cut = l->wordWrap() ? l->height() < l->heightForWidth(l->width())
                                       : l->width() < l->sizeHint().width();
        if (cut) {
            clipped << QStringLiteral("label \"%1\" %2x%3")
                           .arg(l->text())
                           .arg(l->width())
                           .arg(l->height());
        }
    }
    for (const QGroupBox* g : widget->findChildren<QGroupBox*>()) {
        if (g->isVisibleTo(widget) && g->width() < g->minimumSizeHint().width()) {
            clipped << QStringLiteral("group \"%1\"").arg(g->title());
        }
    }
    return clipped;
}

}  // namespace

class LanguagesTest : public WindowTest {
    Q_OBJECT

private slots:
    void cleanup();
    void languageFromEnvironment_data();
    void languageFromEnvironment();
    void everyLanguage_data();
    void everyLanguage();

private:
    // The environment as a start would see it, then the translations it
    // installs.
    static QString StartIn(const QByteArray& language, const QByteArray& lcAll,
                           const QByteArray& lcMessages, const QByteArray& lang);
    RecordingWindow* StartWithTwoFiles();
    void SaveShot(QWidget* widget, const QString& language, const char* what);
};

void LanguagesTest::cleanup() {
    window_.reset();
    InstallTranslations(QStringList());
}

QString LanguagesTest::StartIn(const QByteArray& language, const QByteArray& lcAll,
                               const QByteArray& lcMessages, const QByteArray& lang) {
    const std::pair<const char*, const QByteArray*> vars[] = {
        {"LANGUAGE", &language}, {"LC_ALL", &lcAll}, {"LC_MESSAGES", &lcMessages}, {"LANG", &lang}};
    for (const auto& [name, value] : vars) {
        if (value->isEmpty()) {
            qunsetenv(name);
        } else {
            qputenv(name, *value);
        }
    }
    return InstallTranslations();
}

RecordingWindow* LanguagesTest::StartWithTwoFiles() {
    const QString a = WriteFile(Path(QStringLiteral("files/holiday [352441C2].avi")), "abc");
    const QString b = WriteFile(Path(QStringLiteral("files/notes.txt")), "some words");
    RecordingWindow* window = Start({a, b});
    if (!QTest::qWaitFor([this] { return Idle() && window_->fileTable().FileCount() == 2; },
                         kTimeoutMs)) {
        return nullptr;
    }
    return window;
}

void LanguagesTest::SaveShot(QWidget* widget, const QString& language, const char* what) {
    const QString path = QStringLiteral(LM_SCREENSHOT_DIR "/language_%1_%2.png")
                             .arg(language, QLatin1StringView(what));
    QVERIFY2(widget->grab().save(path), qPrintable(path));
}

void LanguagesTest::languageFromEnvironment_data() {
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<QByteArray>("lcAll");
    QTest::addColumn<QByteArray>("lcMessages");
    QTest::addColumn<QByteArray>("lang");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("LANG") << QByteArray() << QByteArray() << QByteArray()
                          << QByteArray("de_DE.UTF-8") << "de";
    QTest::newRow("LC_MESSAGES over LANG")
        << QByteArray() << QByteArray() << QByteArray("ru_RU.UTF-8") << QByteArray("de_DE.UTF-8")
        << "ru";
    QTest::newRow("LC_ALL over LC_MESSAGES")
        << QByteArray() << QByteArray("ja_JP.UTF-8") << QByteArray("ru_RU.UTF-8")
        << QByteArray("de_DE.UTF-8") << "ja";
    QTest::newRow("LANGUAGE over LC_ALL") << QByteArray("pt_BR:fr") << QByteArray("ja_JP.UTF-8")
                                          << QByteArray() << QByteArray() << "pt_BR";
    QTest::newRow("LANGUAGE passes over one without a translation")
        << QByteArray("nl:zh_CN") << QByteArray() << QByteArray() << QByteArray("nl_NL.UTF-8")
        << "zh_CN";
    QTest::newRow("C locale ignores LANGUAGE")
        << QByteArray("de") << QByteArray() << QByteArray() << QByteArray("C.UTF-8") << "";
    QTest::newRow("English") << QByteArray() << QByteArray() << QByteArray()
                             << QByteArray("en_US.UTF-8") << "";
    QTest::newRow("no translation")
        << QByteArray() << QByteArray() << QByteArray() << QByteArray("xx_YY.UTF-8") << "";
    QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray() << QByteArray()
                                 << "";
}

void LanguagesTest::languageFromEnvironment() {
    QFETCH(QByteArray, language);
    QFETCH(QByteArray, lcAll);
    QFETCH(QByteArray, lcMessages);
    QFETCH(QByteArray, lang);
    QFETCH(QString, chosen);
    QCOMPARE(StartIn(language, lcAll, lcMessages, lang), chosen);
    // English is the sources' text, byte for byte; a translation replaces it.
    const QString idle = HashingWorker::IdleText();
    QCOMPARE(idle == kEnglish.idle, chosen.isEmpty());
    // Qt's own dialogs come in the same language.
    const QString qtText = QCoreApplication::translate("QFileDialog", "Look in:");
    QCOMPARE(qtText == QLatin1StringView("Look in:"), chosen.isEmpty());
}

void LanguagesTest::everyLanguage_data() {
    QTest::addColumn<QByteArray>("lang");
    QTest::addColumn<Expected>("expected");
    QTest::newRow("C") << QByteArray("C.UTF-8") << kEnglish;
    QTest::newRow("de") << QByteArray("de_DE.UTF-8")
                        << Expected{
                               "de",
                               {"&Datei", "&Bearbeiten", "&Einstellungen", "&Anhalten", "&Über"},
                               "Bereit: hier klicken, um Dateien hinzuzufügen",
                               "0 Dateien",
                               "2 Dateien",
                               "5 Dateien"};
    QTest::newRow("fr") << QByteArray("fr_FR.UTF-8")
                        << Expected{"fr",
                                    {"&Fichier", "É&dition", "Préfére&nces", "&Pause", "À pr&opos"},
                                    "Inactif : cliquez ici pour ajouter des fichiers",
                                    "0 fichier",
                                    "2 fichiers",
                                    "5 fichiers"};
    QTest::newRow("es") << QByteArray("es_ES.UTF-8")
                        << Expected{
                               "es",
                               {"&Archivo", "&Editar", "Prefere&ncias", "&Pausa", "Acerca &de"},
                               "Inactivo: pulse aquí para añadir archivos",
                               "0 archivos",
                               "2 archivos",
                               "5 archivos"};
    QTest::newRow("it") << QByteArray("it_IT.UTF-8")
                        << Expected{
                               "it",
                               {"&File", "&Modifica", "Preferen&ze", "&Pausa", "&Informazioni"},
                               "Inattivo: fai clic qui per aggiungere file",
                               "0 file",
                               "2 file",
                               "5 file"};
    QTest::newRow("pt_BR") << QByteArray("pt_BR.UTF-8")
                           << Expected{
                                  "pt_BR",
                                  {"&Arquivo", "&Editar", "Preferê&ncias", "&Pausar", "&Sobre"},
                                  "Ocioso: clique aqui para adicionar arquivos",
                                  "0 arquivo",
                                  "2 arquivos",
                                  "5 arquivos"};
    QTest::newRow("ru") << QByteArray("ru_RU.UTF-8")
                        << Expected{"ru",
                                    {"&Файл", "&Правка", "&Настройки", "Па&уза", "&О программе"},
                                    "Ожидание: щёлкните здесь, чтобы добавить файлы",
                                    "0 файлов",
                                    "2 файла",
                                    "5 файлов"};
    QTest::newRow("zh_CN") << QByteArray("zh_CN.UTF-8")
                           << Expected{
                                  "zh_CN",
                                  {"文件(&F)", "编辑(&E)", "首选项(&N)", "暂停(&P)", "关于(&A)"},
                                  "空闲：单击此处添加文件",
                                  "0 个文件",
                                  "2 个文件",
                                  "5 个文件"};
    QTest::newRow("ja") << QByteArray("ja_JP.UTF-8")
                        << Expected{"ja",
                                    {"ファイル(&F)", "編集(&E)", "設定(&N)", "一時停止(&P)",
                                     "バージョン情報(&A)"},
                                    "待機中: ここをクリックしてファイルを追加",
                                    "0 ファイル",
                                    "2 ファイル",
                                    "5 ファイル"};
}

void LanguagesTest::everyLanguage() {
    QFETCH(QByteArray, lang);
    QFETCH(Expected, expected);
    QCOMPARE(StartIn({}, {}, {}, lang), expected.language);
    const QString shotName = expected.language.isEmpty() ? QStringLiteral("en") : expected.language;

    // The menus and the status bar.
    RecordingWindow* window = Make({});
    window->show();
    QVERIFY(QTest::qWaitFor([this] { return Idle(); }, kTimeoutMs));
    QMenuBar* bar = window->menuBar();
    QCOMPARE(Captions(bar->actions()), expected.menuBar);
    QCOMPARE(window->statBar()->PanelText(1), expected.idle);
    QCOMPARE(window->statBar()->PanelText(0), expected.noFiles);
    QCOMPARE(HashingWorker::FileCountText(5), expected.fiveFiles);

    // Accelerators: one per item, none twice in a menu, the menu bar with
    // Pause and with Resume.
    QStringList clashes = Clashes(Captions(bar->actions()));
    for (const QAction* action : bar->actions()) {
        if (QMenu* menu = action->menu()) {
            const QStringList items = Captions(menu->actions());
            clashes << Clashes(items);
            for (const QString& item : items) {
                QVERIFY2(!Accelerator(item).isNull(), qPrintable(item));
            }
        }
    }
    clashes << Clashes(Captions(window->listMenu()->actions()));
    window->SetPauseControls(16, QStringLiteral("Resume (F12)"), HashingWorker::ResumeCaption());
    QVERIFY(Action("mnuPause")->text() != expected.menuBar[3]);
    clashes << Clashes(Captions(bar->actions()));
    window->SetPauseControls(15, QStringLiteral("Pause (F12)"), QStringLiteral("Pause"));
    for (QWidget* dialog :
         std::initializer_list<QWidget*>{window->prefsDialog(), window->selDirDialog(),
                                         window->aboutDialog(), window->checkFilesDialog()}) {
        clashes << Clashes(DialogCaptions(dialog));
    }
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u'\n')));

    // Two hashed files, the exit box shown: nothing of the window cut off.
    window_.reset();
    window = StartWithTwoFiles();
    QVERIFY(window != nullptr);
    QCOMPARE(window->statBar()->PanelText(0), expected.twoFiles);
    window->settings().Set(&SettingsValues::onCompletion, OnCompletion::CopyToClipboard);
    QCoreApplication::processEvents();
    const QCheckBox* exitBox = window->findChild<QCheckBox*>(QStringLiteral("XitOnDone"));
    QVERIFY(exitBox->isVisible());
    QVERIFY2(exitBox->width() >= exitBox->sizeHint().width(), qPrintable(exitBox->text()));
    bar = window->menuBar();
    QVERIFY(bar->actionGeometry(bar->actions().constLast()).right() < bar->width());
    TStatBar* status = window->statBar();
    for (const int panel : {0, 1}) {
        const int needed = status->fontMetrics().horizontalAdvance(status->PanelText(panel));
        QVERIFY2(status->PanelWidth(panel) >= needed, qPrintable(status->PanelText(panel)));
    }
    // The widest usual texts fit too, at the window's least width.
    for (const QString& text :
         {HashingWorker::RemainingText(false, 9999), HashingWorker::RemainingText(true, 9999),
          HashingWorker::IdleText()}) {
        QVERIFY2(status->PanelWidth(1) >= status->fontMetrics().horizontalAdvance(text),
                 qPrintable(text));
    }
    if (expected.language == u"de" || expected.language == u"ru" || expected.language == u"zh_CN") {
        SaveShot(window, shotName, "main");
    }

    // The dialogs as they open, and the check with its results.
    const QString list = WriteFile(Path(QStringLiteral("files/sums.md5")),
                                   "900150983cd24fb0d6963f7d28e17f72  holiday [352441C2].avi\n"
                                   "00000000000000000000000000000000  notes.txt\n"
                                   "00000000000000000000000000000000  gone.bin\n");
    window->checkFilesDialog()->CheckLists({list});
    QVERIFY(
        QTest::qWaitFor([window] { return !window->checkFilesDialog()->Checking(); }, kTimeoutMs));
    window->selDirDialog()->SelectDirectory(Path(QStringLiteral("files")));
    for (QWidget* dialog :
         std::initializer_list<QWidget*>{window->prefsDialog(), window->selDirDialog(),
                                         window->aboutDialog(), window->checkFilesDialog()}) {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        const QStringList clipped = Clipped(dialog);
        QVERIFY2(clipped.isEmpty(), qPrintable(dialog->objectName() + QStringLiteral(": ") +
                                               clipped.join(QStringLiteral("; "))));
    }
    if (expected.language == u"de" || expected.language == u"ru" || expected.language == u"zh_CN") {
        SaveShot(window->prefsDialog(), shotName, "preferences");
        SaveShot(window->selDirDialog(), shotName, "select_directory");
        SaveShot(window->checkFilesDialog(), shotName, "check");
        SaveShot(window->aboutDialog(), shotName, "about");
    }
    for (QWidget* dialog :
         std::initializer_list<QWidget*>{window->prefsDialog(), window->selDirDialog(),
                                         window->aboutDialog(), window->checkFilesDialog()}) {
        dialog->hide();
    }
}

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"
