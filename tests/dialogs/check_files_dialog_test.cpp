// SPDX-License-Identifier: MIT
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

#include "check_files_dialog.h"
#include "dialogs_gui_tests.h"
#include "ed2k_digest.h"

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

int RunCheckFilesDialogTests(int argc, char** argv) {
    CheckFilesDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace lm::test

#include "check_files_dialog_test.moc"
