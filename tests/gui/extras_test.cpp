// SPDX-License-Identifier: MIT
// The real window with the AICH root and part hashes in its links, its magnet
// links, and lists of saved hashes handed to it to check. Links are held
// against linkmint-cli on the same files, which tests of its own check
// against rhash and a plain implementation.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QProcess>
#include <QTest>
#include <QUrl>

#include <memory>

#include "check_files_dialog.h"
#include "gui_test_support.h"

using namespace lm;
using namespace lm::test;

namespace {

constexpr int kHashTimeoutMs = 120000;
constexpr qint64 kChunk = 9'728'000;

QStringList CliLines(const QStringList& arguments) {
    QProcess cli;
    cli.start(QStringLiteral(LM_LINKMINT_CLI_EXE), arguments);
    if (!cli.waitForFinished(kHashTimeoutMs) || cli.exitCode() != 0) {
        return {QStringLiteral("linkmint-cli failed: ") + cli.readAllStandardError()};
    }
    return QString::fromUtf8(cli.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

}  // namespace

class ExtrasTest : public WindowTest {
    Q_OBJECT

private:
    QStringList files_;

    void Start(const QStringList& arguments) {
        WindowTest::Start(arguments);
        QTRY_VERIFY(window_->StartupPhase() == 0);
    }
    bool Idle() const {
        return !window_->worker().WorkerActive && window_->fileTable().QueuedCount() == 0;
    }
    QStringList Links() const {
        QStringList links;
        for (const TFileData& entry : window_->fileTable().Entries()) {
            links << entry.Link;
        }
        return links;
    }
    // Adds `files_` through Add Files and waits until they are hashed and
    // the list shows every link: the worker is done before the window has
    // taken in its last results.
    void AddAndHash() {
        window_->addFilesDialogHook = [this] { return files_; };
        Action("mnuAddFiles")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(
            Idle() && !Links().contains(QString()) && RowTexts(*window_->datLst()) == Links(),
            kHashTimeoutMs);
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        // Below one block, one part and one byte, an exact part (two links),
        // and two parts and one byte.
        files_ << WriteFile(Path("small.txt"), "hello")
               << SparseFile(Path("one part and a byte.bin"), kChunk + 1)
               << SparseFile(Path("exact.bin"), kChunk)
               << SparseFile(Path("two parts and a byte.bin"), 2 * kChunk + 1);
    }

    void LinksFollowTheAichAndPartHashOptions() {
        Start({});
        window_->settings().Set(&SettingsValues::aichHash, true);
        window_->settings().Set(&SettingsValues::partHashes, true);
        AddAndHash();
        const QStringList withBoth = CliLines(QStringList{"--aich", "--hashset"} + files_);
        QCOMPARE(Links(), withBoth);
        QCOMPARE(RowTexts(*window_->datLst()), withBoth);

        // Turned off, the links lose p= and h= as the lower-case option
        // re-cases them; turned on again, they are what they were, from
        // what each entry kept of its pass.
        window_->settings().Set(&SettingsValues::aichHash, false);
        window_->settings().Set(&SettingsValues::partHashes, false);
        window_->RerenderLinks();
        QCOMPARE(Links(), CliLines(files_));
        QCOMPARE(RowTexts(*window_->datLst()), CliLines(files_));
        window_->settings().Set(&SettingsValues::partHashes, true);
        window_->RerenderLinks();
        QCOMPARE(Links(), CliLines(QStringList{"--hashset"} + files_));
        window_->settings().Set(&SettingsValues::aichHash, true);
        window_->settings().Set(&SettingsValues::lowercaseHashes, true);
        window_->RerenderLinks();
        QCOMPARE(Links(), CliLines(QStringList{"--aich", "--hashset", "--lowercase"} + files_));
        // Longer links widen the list.
        QVERIFY(window_->datLst()->HorizontalExtent() >= window_->datLst()->WidestRowExtent());
        QCOMPARE(window_->boxes, QStringList());
    }

    void FilesHashedWithTheOptionsOffKeepTodaysLinks() {
        Start({});
        AddAndHash();
        QCOMPARE(Links(), CliLines(files_));
        // Part hashes can come later: the entries kept their chunks' digests.
        // An AICH root the pass did not compute cannot.
        window_->settings().Set(&SettingsValues::partHashes, true);
        window_->settings().Set(&SettingsValues::aichHash, true);
        window_->RerenderLinks();
        QCOMPARE(Links(), CliLines(QStringList{"--hashset"} + files_));
    }

    void CopyAllAsMagnetLinks() {
        Start({});
        window_->settings().Set(&SettingsValues::aichHash, true);
        QVERIFY(!Action("mnuCpyAllMagnet")->isEnabled());
        AddAndHash();
        QTRY_VERIFY(Action("mnuCpyAllMagnet")->isEnabled());  // with the pane's update
        Action("mnuCpyAllMagnet")->trigger();
        const QStringList magnets = CliLines(QStringList{"--magnet", "--aich"} + files_);
        QCOMPARE(QGuiApplication::clipboard()->text(), magnets.join("\r\n") + "\r\n");
        // Without AICH the magnet links leave its part out.
        window_->settings().Set(&SettingsValues::aichHash, false);
        Action("mnuCpyAllMagnet")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 CliLines(QStringList{"--magnet"} + files_).join("\r\n") + "\r\n");
    }

    void ListsNamedDroppedOrChosenAreCheckedNotHashed() {
        const QString good = WriteFile(Path("lists/good.txt"), "hello");
        const QString bad = WriteFile(Path("lists/bad.txt"), "not what the list says");
        const QString sfv = WriteFile(Path("lists/files.sfv"),
                                      "; made by hand\r\ngood.txt 3610A686\r\nbad.txt 3610A686\r\n"
                                      "gone.txt 3610A686\r\n");
        const QString md5 =
            WriteFile(Path("lists/files.md5"), "5d41402abc4b2a76b9719d911017c592  good.txt\n");
        // Named on the command line beside a file to hash.
        Start({sfv, good});
        TfrmCheckFiles* check = window_->checkFilesDialog();
        QTRY_VERIFY(check->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!check->Checking(), kHashTimeoutMs);
        QCOMPARE(check->RowCount(), 3);
        QCOMPARE(check->CellText(0, 1), QStringLiteral("OK"));
        QCOMPARE(check->CellText(1, 1), QStringLiteral("FAILED"));
        QCOMPARE(check->CellText(2, 1), QStringLiteral("MISSING"));
        QTRY_VERIFY_WITH_TIMEOUT(Idle(), kHashTimeoutMs);
        QCOMPARE(window_->fileTable().FileCount(), 1);  // only the file to hash
        QCOMPARE(window_->fileTable().Entries()[0].FileName, good);

        // Dropped: the list is checked; the main list stays as it is.
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(md5)});
        QWidget* target = window_->datLst()->viewport();
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QTRY_VERIFY_WITH_TIMEOUT(!check->Checking() && check->RowCount() == 1, kHashTimeoutMs);
        QCOMPARE(check->CellText(0, 1), QStringLiteral("OK"));
        QCOMPARE(window_->fileTable().FileCount(), 1);

        // File > Check Files Against List... takes any list, a link file too.
        const QString links = WriteFile(
            Path("lists/links.ed2k"),
            (CliLines({"--strip-path", good}).value(0) + QStringLiteral("\r\n")).toUtf8());
        window_->checkListsDialogHook = [&links] { return QStringList{links}; };
        Action("mnuCheckLists")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!check->Checking() && check->RowCount() == 1, kHashTimeoutMs);
        QCOMPARE(check->CellText(0, 1), QStringLiteral("OK"));
        QCOMPARE(window_->fileTable().FileCount(), 1);
        QCOMPARE(window_->boxes, QStringList());
    }

    void cleanup() { window_.reset(); }
};

QTEST_MAIN(ExtrasTest)
#include "extras_test.moc"
