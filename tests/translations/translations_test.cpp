// SPDX-License-Identifier: MIT
// The translations against the sources as they stand: lupdate takes the
// texts from the code anew, and every language's .ts and built .qm must
// translate each of them, finished, keeping what must not change.
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    QString state;             // the translation's type: "", "unfinished", "vanished"...
    QStringList translations;  // one, or the numerus forms

    QString Key() const { return context + u'\x1f' + source + u'\x1f' + comment; }
    QString Name() const {
        return QStringLiteral("%1 \"%2\"%3")
            .arg(context, source,
                 comment.isEmpty() ? QString() : QStringLiteral(" (") + comment + u')');
    }
};

// The text of the element the reader stands on, with <byte value="xd"/>
// (how a .ts file writes a CR) read back.
QString ElementText(QXmlStreamReader& xml) {
    QString text;
    const QString element = xml.name().toString();
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement() && xml.name() == u"byte") {
            const QString value = xml.attributes().value(QStringLiteral("value")).toString();
            text += QChar(value.mid(1).toUShort(nullptr, 16));
        } else if (xml.isEndElement() && xml.name() == element) {
            break;
        }
    }
    return text;
}

QList<Message> ReadTs(const QString& path, QString* language = nullptr) {
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == u"message") {
                messages << message;
            }
            continue;
        }
        const auto name = xml.name();
        if (name == u"TS" && language != nullptr) {
            *language = xml.attributes().value(QStringLiteral("language")).toString();
        } else if (name == u"name") {
            context = ElementText(xml);
        } else if (name == u"message") {
            message = Message{};
            message.context = context;
            message.numerus = xml.attributes().value(QStringLiteral("numerus")) == u"yes";
        } else if (name == u"source") {
            message.source = ElementText(xml);
        } else if (name == u"comment") {
            message.comment = ElementText(xml);
        } else if (name == u"translation") {
            message.state = xml.attributes().value(QStringLiteral("type")).toString();
            if (!message.numerus) {
                message.translations << ElementText(xml);
            }
        } else if (name == u"numerusform") {
            message.translations << ElementText(xml);
        }
    }
    return messages;
}

// %1...%99, %L1, %n, and a progress bar's %v and %m, as a sorted list.
QStringList Placeholders(const QString& text) {
    static const QRegularExpression kPlaceholder(QStringLiteral("%(L?[1-9][0-9]?|n|v|m)"));
    QStringList found;
    for (auto it = kPlaceholder.globalMatch(text); it.hasNext();) {
        found << it.next().captured();
    }
    found.sort();
    return found;
}

// What stays as it is in every language: shortcuts in parentheses and file
// patterns ("(F4)", "(Ctrl+Q)", "(*.ed2k)").
QStringList Untranslatable(const QString& text) {
    static const QRegularExpression kKept(
        QStringLiteral(R"(\((?:F[0-9]+|Ctrl\+\w|Shift\+F[0-9]+|[^()]*\*[^()]*)\))"));
    QStringList found;
    for (auto it = kKept.globalMatch(text); it.hasNext();) {
        found << it.next().captured();
    }
    return found;
}

// The accelerator marks: each "&" not doubled.
int Accelerators(const QString& text) {
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            if (i + 1 < text.size() && text[i + 1] == u'&') {
                ++i;
            } else {
                ++count;
            }
        }
    }
    return count;
}

const char kErrorContext[] = "lm::TeD2KfrmMain";
const char kErrorSource[] = "Error: ";

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void tsFilesHoldEveryTextFinished_data();
    void tsFilesHoldEveryTextFinished();
    void qmFilesTranslateEveryText_data();
    void qmFilesTranslateEveryText();

private:
    QTemporaryDir dir_;
    QList<Message> current_;
};

void TranslationsTest::initTestCase() {
    // The texts of the sources now, as lupdate finds them.
    QVERIFY(dir_.isValid());
    const QString ts = dir_.filePath(QStringLiteral("current.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(LM_LUPDATE_EXE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-extensions"), QStringLiteral("cpp,h"),
                   QStringLiteral(LM_SOURCE_DIR "/src"), QStringLiteral("-ts"), ts});
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);
    current_ = ReadTs(ts);
    QVERIFY2(current_.size() > 150, "lupdate found too few texts in the sources");
}

void TranslationsTest::tsFilesHoldEveryTextFinished_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : QStringLiteral(LM_LANGUAGES).split(u',')) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

void TranslationsTest::tsFilesHoldEveryTextFinished() {
    QFETCH(QString, language);
    const QString path = QStringLiteral(LM_SOURCE_DIR "/translations/linkmint_%1.ts").arg(language);
    QString declared;
    const QList<Message> messages = ReadTs(path, &declared);
    QCOMPARE(declared, language);
    QSet<QString> inFile;
    QStringList problems;
    for (const Message& m : messages) {
        inFile.insert(m.Key());
        if (!m.state.isEmpty()) {
            problems << QStringLiteral("%1 entry: %2").arg(m.state, m.Name());
        }
    }
    for (const Message& m : current_) {
        if (!inFile.contains(m.Key())) {
            problems << QStringLiteral("not in the file: %1").arg(m.Name());
        }
    }
    QVERIFY2(
        problems.isEmpty(),
        qPrintable(QStringLiteral("%1: %2 text(s) to translate (run scripts/update-translations, "
                                  "then finish every entry):\n  %3")
                       .arg(path)
                       .arg(problems.size())
                       .arg(problems.join(QStringLiteral("\n  ")))));
}

void TranslationsTest::qmFilesTranslateEveryText_data() {
    tsFilesHoldEveryTextFinished_data();
}

void TranslationsTest::qmFilesTranslateEveryText() {
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY2(translator.load(QStringLiteral("linkmint_") + language, QStringLiteral(LM_QM_DIR)),
             qPrintable(QStringLiteral("no linkmint_%1.qm in " LM_QM_DIR).arg(language)));
    const QString errorPrefix = translator.translate(
        kErrorContext, kErrorSource,
        "the start of every error message; each one that begins so in English begins with this "
        "translation");
    QVERIFY(!errorPrefix.isEmpty());

    QStringList problems;
    for (const Message& m : current_) {
        const QByteArray context = m.context.toUtf8();
        const QByteArray source = m.source.toUtf8();
        const QByteArray comment = m.comment.toUtf8();
        // The numerus forms each turn up for some count.
        const QList<int> counts =
            m.numerus ? QList<int>{0, 1, 2, 3, 5, 11, 21, 22, 25, 101, 111} : QList<int>{-1};
        for (const int n : counts) {
            const QString text =
                translator.translate(context.constData(), source.constData(),
                                     comment.isEmpty() ? nullptr : comment.constData(), n);
            const QString where = QStringLiteral("%1 -> \"%2\"").arg(m.Name(), text);
            if (text.isEmpty()) {
                problems << QStringLiteral("no finished translation: %1").arg(m.Name());
                break;
            }
            QStringList wanted = Placeholders(m.source);
            if (m.numerus && !wanted.contains(QStringLiteral("%n"))) {
                wanted << QStringLiteral("%n");
                wanted.sort();
            }
            if (Placeholders(text) != wanted) {
                problems << QStringLiteral("arguments differ: %1").arg(where);
            }
            for (const QString& kept : Untranslatable(m.source)) {
                if (!text.contains(kept)) {
                    problems << QStringLiteral("\"%1\" not kept: %2").arg(kept, where);
                }
            }
            if (Accelerators(text) != Accelerators(m.source)) {
                problems << QStringLiteral("accelerator marks differ: %1").arg(where);
            }
            if (m.source.startsWith(QLatin1StringView(kErrorSource)) &&
                !text.startsWith(errorPrefix)) {
                problems
                    << QStringLiteral("does not start with \"%1\": %2").arg(errorPrefix, where);
            }
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

QTEST_GUILESS_MAIN(TranslationsTest)
#include "translations_test.moc"
