// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <QFont>
#include <QTableView>

#include <algorithm>

#include "check_files_dialog.h"
#include "check_report.h"
#include "dialogs_gui_tests.h"
#include "ed2k_digest.h"
#include "palette_colours.h"

namespace lm::test {

namespace {

// Long enough that a check which ignored its cancel flag would run for
// minutes; sparse, so it costs no disk.
constexpr qint64 kBigSize = 32LL * 1024 * 1024 * 1024;
// A cancel or a close must take effect within a chunk: far less than this.
constexpr int kPromptMs = 5000;

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QString Md4Hex(const QByteArray& bytes) {
    return QString::fromLatin1(
        QCryptographicHash::hash(bytes, QCryptographicHash::Md4).toHex().toUpper());
}

QStringList Rows(const TfrmCheckFiles& dialog) {
    QStringList rows;
    for (int row = 0; row < dialog.RowCount(); ++row) {
        rows << dialog.CellText(row, 0) + u'|' + dialog.CellText(row, 1) + u'|' +
                    dialog.CellText(row, 2);
    }
    return rows;
}

}  // namespace

class CheckFilesDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void verdictsOfEveryFormatAndTheSummary();
    void listsWithNothingToCheck();
    void cancelStopsWithinAChunk();
    void closingOrANewCheckStopsTheRunningOne();
    void whichDroppedFilesAreLists();
    void earlyVerdictsShowWhileABigFileFollows();
    void listFilterOffersSumFiles();
    void verdictsReadOnLightAndDarkListsAndFitTheirColumn();

private:
    QString Path(const QString& name) const { return dir_.filePath(name); }
    // Starts a check of the big file and waits until its chunks are read.
    bool StartBigCheck(TfrmCheckFiles& dialog);

    QTemporaryDir dir_;
    QString bigList_;
    QString smallList_;
};

void CheckFilesDialogTest::initTestCase() {
    QVERIFY(dir_.isValid());
    QVERIFY(WriteFile(Path("abc.txt"), "abc"));
    // Listed as "hello world"; one byte has changed since.
    QVERIFY(WriteFile(Path("damaged.bin"), "hello wOrld"));

    QFile big(Path("big.bin"));
    QVERIFY(big.open(QIODevice::WriteOnly));
    QVERIFY(big.resize(kBigSize));
    big.close();
    bigList_ = Path("big.ed2k");
    QVERIFY(WriteFile(bigList_, "ed2k://|file|big.bin|" + QByteArray::number(kBigSize) +
                                    "|00000000000000000000000000000000|/\r\n"));
    smallList_ = Path("small.sfv");
    QVERIFY(WriteFile(smallList_, "abc.txt 352441C2\n"));
}

void CheckFilesDialogTest::verdictsOfEveryFormatAndTheSummary() {
    const QByteArray original = "hello world";
    QVERIFY(WriteFile(Path("links.ed2k"),
                      "ed2k://|file|abc.txt|3|A448017AAF21D8525FC10AE87AA6729D|/\r\n"
                      "ed2k://|file|damaged.bin|11|" +
                          Md4Hex(original).toLatin1() +
                          "|/\r\n"
                          "ed2k://|file|gone.mkv|5|31D6CFE0D16AE931B73C59D7E0C089C0|/\r\n"));
    QVERIFY(WriteFile(Path("check.sfv"), "; by hand\nabc.txt 352441C2\ndamaged.bin 0D4A1185\n"));
    // Names are taken from the list's own folder.
    QVERIFY(QDir(dir_.path()).mkdir("sub"));
    QVERIFY(WriteFile(Path("sub/sums.md5"),
                      "900150983cd24fb0d6963f7d28e17f72  ../abc.txt\n"
                      "no line of any list\n"
                      "5eb63bbbe01eeed093cb22bb8f5acdc3  ../damaged.bin\n"));
    const QStringList lists = {Path("links.ed2k"), Path("check.sfv"), Path("sub/sums.md5")};

    TfrmCheckFiles dialog;
    QSignalSpy finished(&dialog, &TfrmCheckFiles::checkFinished);
    dialog.CheckLists(lists);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Check Files Against List"));
    QVERIFY(finished.wait(30000));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished[0][0].toBool(), true);
    QVERIFY(!dialog.Checking());

    QCOMPARE(Rows(dialog), QStringList({
                               "abc.txt|OK|",
                               "damaged.bin|FAILED|ed2k hash differs",
                               "gone.mkv|MISSING|",
                               "abc.txt|OK|",
                               "damaged.bin|FAILED|CRC32 differs",
                               "../abc.txt|OK|",
                               "../damaged.bin|FAILED|MD5 differs",
                           }));
    QCOMPARE(dialog.SummaryLbl->text(), QStringLiteral("7 entries: 3 OK, 3 FAILED, 1 MISSING"));
    QVERIFY(dialog.MessagesBox->isVisible());
    QCOMPARE(dialog.MessagesBox->toPlainText(),
             "Warning: " + Path("sub/sums.md5") + ", line 2: not a line of a known list format.");
    // Each file is read once, however many entries name it.
    QCOMPARE(dialog.FilesBar->maximum(), 2);
    QCOMPARE(dialog.FilesBar->value(), 2);
    QVERIFY(!dialog.btnCancel->isEnabled());
    QVERIFY(SaveScreenshot(&dialog, QStringLiteral("check_files")));
}

void CheckFilesDialogTest::listsWithNothingToCheck() {
    QVERIFY(WriteFile(Path("empty.sfv"), "; nothing but a comment\n"));
    const QString missing = Path("no such list.md5");
    TfrmCheckFiles dialog;
    QSignalSpy finished(&dialog, &TfrmCheckFiles::checkFinished);

    dialog.CheckLists({missing, Path("empty.sfv")});
    QVERIFY(finished.wait(30000));
    QCOMPARE(dialog.RowCount(), 0);
    QCOMPARE(dialog.SummaryLbl->text(), QStringLiteral("Nothing to check."));
    QCOMPARE(
        dialog.MessagesBox->toPlainText().split(u'\n'),
        QStringList({"Error: Unable to read list \"" + missing + "\": No such file or directory.",
                     "Error: The list \"" + Path("empty.sfv") + "\" holds nothing to check."}));

    // A list that cannot be read does not keep the others from being checked;
    // a new check starts with no messages of the last one.
    dialog.CheckLists({missing, smallList_});
    QVERIFY(finished.wait(30000));
    QCOMPARE(Rows(dialog), QStringList({"abc.txt|OK|"}));
    QCOMPARE(dialog.SummaryLbl->text(), QStringLiteral("1 entry: 1 OK, 0 FAILED, 0 MISSING"));
    QCOMPARE(dialog.MessagesBox->toPlainText().count(u'\n'), 0);
    QVERIFY(dialog.MessagesBox->toPlainText().startsWith("Error: Unable to read list"));
}

bool CheckFilesDialogTest::StartBigCheck(TfrmCheckFiles& dialog) {
    QElapsedTimer started;
    started.start();
    dialog.CheckLists({bigList_});
    // The window never waits for the check.
    if (started.elapsed() > 1000 || !dialog.Checking()) {
        return false;
    }
    return QTest::qWaitFor([&] { return dialog.ChunksBar->value() >= 1; }, 30000);
}

void CheckFilesDialogTest::cancelStopsWithinAChunk() {
    TfrmCheckFiles dialog;
    QSignalSpy finished(&dialog, &TfrmCheckFiles::checkFinished);
    QVERIFY(StartBigCheck(dialog));
    QCOMPARE(dialog.FileLbl->text(), QStringLiteral("File 1 of 1: big.bin"));
    QCOMPARE(dialog.ChunksBar->maximum(), static_cast<int>(ChunkCountFor(kBigSize)));
    QCOMPARE(dialog.CellText(0, 1), QString());  // not known yet
    QVERIFY(dialog.btnCancel->isEnabled());

    QElapsedTimer cancelled;
    cancelled.start();
    QTest::mouseClick(dialog.btnCancel, Qt::LeftButton);
    QVERIFY(finished.wait(kPromptMs));
    QVERIFY(cancelled.elapsed() < kPromptMs);
    QCOMPARE(finished[0][0].toBool(), false);
    QVERIFY(dialog.ChunksBar->value() < dialog.ChunksBar->maximum());
    QCOMPARE(Rows(dialog), QStringList({"big.bin|NOT CHECKED|"}));
    QCOMPARE(dialog.SummaryLbl->text(),
             QStringLiteral("1 entry: 0 OK, 0 FAILED, 0 MISSING, 1 NOT CHECKED"));
    QCOMPARE(dialog.FileLbl->text(), QStringLiteral("Cancelled."));
    QVERIFY(!dialog.btnCancel->isEnabled());
    QVERIFY(dialog.isVisible());
}

void CheckFilesDialogTest::closingOrANewCheckStopsTheRunningOne() {
    TfrmCheckFiles dialog;
    QSignalSpy finished(&dialog, &TfrmCheckFiles::checkFinished);

    // The close box: the check stops at once and reports nothing more.
    QVERIFY(StartBigCheck(dialog));
    QElapsedTimer closing;
    closing.start();
    QVERIFY(dialog.close());
    QVERIFY(closing.elapsed() < kPromptMs);
    QVERIFY(!dialog.isVisible());
    QVERIFY(!dialog.Checking());
    QCOMPARE(dialog.CellText(0, 1), QStringLiteral("NOT CHECKED"));

    // Esc likewise.
    QVERIFY(StartBigCheck(dialog));
    closing.restart();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(closing.elapsed() < kPromptMs);
    QVERIFY(!dialog.isVisible());
    QVERIFY(!dialog.Checking());

    // A new check while one runs: only the new one is reported.
    QVERIFY(StartBigCheck(dialog));
    dialog.CheckLists({smallList_});
    QVERIFY(finished.wait(30000));
    QTest::qWait(200);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished[0][0].toBool(), true);
    QCOMPARE(Rows(dialog), QStringList({"abc.txt|OK|"}));

    // Destroyed while it runs: the thread is stopped first.
    auto* doomed = new TfrmCheckFiles;
    QVERIFY(StartBigCheck(*doomed));
    closing.restart();
    delete doomed;
    QVERIFY(closing.elapsed() < kPromptMs);
}

void CheckFilesDialogTest::whichDroppedFilesAreLists() {
    QVERIFY(WriteFile(Path("a.sfv"), "abc.txt 352441C2\n"));
    QVERIFY(WriteFile(Path("B.SFV"), "abc.txt 352441C2\n"));
    QVERIFY(WriteFile(Path("c.md5"), "900150983cd24fb0d6963f7d28e17f72  abc.txt\n"));
    QVERIFY(WriteFile(Path("d.sha1"), "a9993e364706816aba3e25717850c26c9cd0d89d *abc.txt\n"));
    QVERIFY(
        WriteFile(Path("e.ed2k"), "ed2k://|file|abc.txt|3|A448017AAF21D8525FC10AE87AA6729D|/\r\n"));
    QVERIFY(WriteFile(Path("f.txt"), "abc.txt 352441C2\n"));
    QVERIFY(WriteFile(Path("g.md5"), QByteArray("\x00\x01\x02\xFF\xFE", 5)));
    QVERIFY(QDir(dir_.path()).mkdir("h.sfv"));
    for (const char* name : {"a.sfv", "B.SFV", "c.md5", "d.sha1"}) {
        QVERIFY2(IsListToCheck(Path(name)), name);
    }
    for (const char* name : {"e.ed2k", "f.txt", "g.md5", "h.sfv", "missing.sfv", "abc.txt"}) {
        QVERIFY2(!IsListToCheck(Path(name)), name);
    }
}

// The verdicts reached before a big file are shown while it is read, not
// only when it is done.
void CheckFilesDialogTest::earlyVerdictsShowWhileABigFileFollows() {
    TfrmCheckFiles dialog;
    dialog.CheckLists({smallList_, bigList_});
    QTRY_VERIFY_WITH_TIMEOUT(dialog.FileLbl->text().startsWith(u"File 2 of 2"), kPromptMs);
    QTRY_COMPARE_WITH_TIMEOUT(dialog.CellText(0, 1), QStringLiteral("OK"), kPromptMs);
    QVERIFY(dialog.Checking());
    QCOMPARE(dialog.CellText(1, 1), QString());  // the big file's is not in yet
    dialog.close();
    QVERIFY(!dialog.Checking());
}

// The file dialog's filter lets md5sum's and sha1sum's usual files through,
// in any case, besides the lists known by their extensions.
void CheckFilesDialogTest::listFilterOffersSumFiles() {
    const QString filter = ListFileFilter().section(QStringLiteral(";;"), 0, 0);
    const QStringList patterns = filter.section(u'(', 1).chopped(1).split(u' ', Qt::SkipEmptyParts);
    auto shown = [&patterns](const QString& name) {
        return std::any_of(patterns.begin(), patterns.end(),
                           [&name](const QString& p) { return QDir::match(p, name); });
    };
    for (const char* name : {"SHA1SUMS", "MD5SUMS", "md5sums", "links.ed2k", "info.txt",
                             "check.sfv", "a.md5", "b.SHA1"}) {
        QVERIFY2(shown(QLatin1StringView(name)), name);
    }
    QVERIFY(!shown(QStringLiteral("movie.mkv")));
    QVERIFY(ListFileFilter().endsWith(QStringLiteral(";;All Files (*)")));
}

// Each verdict's colour stands out from the list at 4.5:1 in a light and a
// dark palette (on the light one it is the colour it always was), and the
// verdict column holds the widest verdict at a large font.
void CheckFilesDialogTest::verdictsReadOnLightAndDarkListsAndFitTheirColumn() {
    QPalette light;
    light.setColor(QPalette::Base, Qt::white);
    light.setColor(QPalette::Text, Qt::black);
    QPalette dark;
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::Text, QColor(0xe0, 0xe0, 0xe0));
    QCOMPARE(VerdictColour(Verdict::Ok, light), QColor(0x00, 0x80, 0x00));
    QCOMPARE(VerdictColour(Verdict::Failed, light), QColor(0xC0, 0x00, 0x00));
    QCOMPARE(VerdictColour(Verdict::Missing, light), QColor(0xA0, 0x60, 0x00));
    for (const QPalette& palette : {light, dark}) {
        for (const Verdict verdict : {Verdict::Ok, Verdict::Failed, Verdict::Missing}) {
            const double ratio =
                ContrastRatio(VerdictColour(verdict, palette), palette.color(QPalette::Base));
            QVERIFY2(ratio >= kTextContrast, qPrintable(QString::number(ratio)));
        }
    }
    // The old fixed colours on the dark list, for comparison: far below.
    QVERIFY(ContrastRatio(QColor(0x00, 0x80, 0x00), dark.color(QPalette::Base)) < 3.5);

    for (const int points : {9, 16, 24}) {
        QFont font = QApplication::font();
        font.setPointSize(points);
        TfrmCheckFiles dialog;
        dialog.setFont(font);
        const QFontMetrics metrics(dialog.ResultsLst->font());
        for (const Verdict verdict :
             {Verdict::Ok, Verdict::Failed, Verdict::Missing, Verdict::NotChecked}) {
            const QString word = QString::fromStdString(VerdictWord(verdict));
            QVERIFY2(dialog.ResultsLst->columnWidth(1) >= metrics.horizontalAdvance(word) + 6,
                     qPrintable(word));
        }
        QVERIFY(dialog.ResultsLst->columnWidth(1) >= TfrmCheckFiles::kVerdictColumnWidth);
    }
}

int RunCheckFilesDialogTests(int argc, char** argv) {
    CheckFilesDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace lm::test

#include "check_files_dialog_test.moc"
