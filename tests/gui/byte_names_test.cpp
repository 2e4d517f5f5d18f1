// SPDX-License-Identifier: MIT
// File names that are not UTF-8 (a Latin-1 byte, a character cut short, a
// byte that is never UTF-8, a folder of such a name): every way in finds,
// hashes and keeps the very file; its link carries each bad byte as %XX,
// and what the user sees otherwise shows it as U+FFFD, never as a lone
// surrogate.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCryptographicHash>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <memory>

#include "check_files_dialog.h"
#include "command_line.h"
#include "dat_lst.h"
#include "gui_test_support.h"
#include "handover_block.h"
#include "handover_server.h"
#include "info_win.h"
#include "instance_lock.h"
#include "instance_names.h"
#include "link_file_writer.h"
#include "path_names.h"
#include "sel_dir_dialog.h"
#include "stress_session.h"

using namespace lm;
using namespace lm::test;

namespace {

constexpr int kHashTimeoutMs = 60000;

// A file made by its raw name and what hashing it must give.
struct ByteFile {
    QByteArray name;     // raw, below the test folder
    QByteArray content;  // below one chunk: the ed2k hash is its MD4
    QString path;        // the program's text of the full path
};

bool HasLoneSurrogate(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (text[i].isSurrogate()) {
            return true;
        }
    }
    return false;
}

QByteArray Hex(const QByteArray& bytes) {
    return bytes.toHex().toUpper();
}

// The test's names hold no valid UTF-8 beyond ASCII: every byte above 0x7F
// is one that is not UTF-8, written %XX in a link.
QString LinkName(const QByteArray& bytes) {
    QString name;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        name += byte < 0x80 ? QString(QChar(byte))
                            : QStringLiteral("%%1").arg(byte, 2, 16, QChar(u'0')).toUpper();
    }
    return name;
}

}  // namespace

class ByteNamesTest : public WindowTest {
    Q_OBJECT

private:
    QByteArray root_;  // the test folder's bytes
    QList<ByteFile> loose_, inFolder_;
    QString folder_;  // the program's text of the folder whose name is not UTF-8

    ByteFile Make(const QByteArray& name, const QByteArray& content) {
        const QByteArray full = root_ + '/' + name;
        const int fd = ::open(full.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0) {
            [[maybe_unused]] const ssize_t written =
                ::write(fd, content.constData(), static_cast<size_t>(content.size()));
            ::close(fd);
        }
        return {name, content, PathFromBytes(full)};
    }

    // The entry of `file` is hashed, with digests computed apart, and its
    // link carries its bad bytes as %XX.
    void ExpectHashed(const ByteFile& file) {
        const QList<TFileData> entries = window_->fileTable().Entries();
        const auto found = std::find_if(entries.begin(), entries.end(), [&](const TFileData& e) {
            return e.FileName == file.path;
        });
        QVERIFY2(found != entries.end(), file.name.constData());
        QCOMPARE(found->State, int(fsHashed));
        QCOMPARE(PathToBytes(found->FileName), root_ + '/' + file.name);
        QCOMPARE(found->MD5(),
                 Hex(QCryptographicHash::hash(file.content, QCryptographicHash::Md5)));
        QCOMPARE(found->SHA1(),
                 Hex(QCryptographicHash::hash(file.content, QCryptographicHash::Sha1)));
        QCOMPARE(
            found->CRC32(),
            QByteArray::number(ReferenceCrc32(file.content), 16).rightJustified(8, '0').toUpper());
        const QString ed2k = QString::fromLatin1(
            Hex(QCryptographicHash::hash(file.content, QCryptographicHash::Md4)));
        QCOMPARE(found->Link, QStringLiteral("ed2k://|file|%1|%2|%3|/")
                                  .arg(LinkName(root_ + '/' + file.name))
                                  .arg(file.content.size())
                                  .arg(ed2k));
        QVERIFY(!found->Link.contains(QChar(0xFFFD)));
    }

    // Every row shows its link: the worker may be idle a moment before the
    // list has taken in all it reported.
    bool RowsShowLinks() const {
        const QStringList rows = RowTexts(*window_->datLst());
        return std::all_of(rows.begin(), rows.end(),
                           [](const QString& row) { return row.startsWith(u"ed2k://"); });
    }

    // Nothing the user sees or takes away holds a lone surrogate.
    void ExpectShownReadably() {
        QTRY_VERIFY(RowsShowLinks());
        for (const QString& row : RowTexts(*window_->datLst())) {
            QVERIFY2(!HasLoneSurrogate(row), qPrintable(row));
        }
        window_->UpdateInfoWin();
        for (const QString& line : window_->infoWin()->Lines()) {
            QVERIFY(!HasLoneSurrogate(line));
        }
        window_->mnuCpyAll2ClipClick();
        QVERIFY(!HasLoneSurrogate(QGuiApplication::clipboard()->text()));
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY2(copied.contains(QStringLiteral("%E9")), qPrintable(copied));
        // Links of escaped bytes are plain ASCII: an ANSI file.
        const QByteArray saved = LinkFileBytes(RowTexts(*window_->datLst()));
        QVERIFY(!saved.startsWith("\xFF\xFE"));
        QVERIFY(saved.contains("%E9"));
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        root_ = QFile::encodeName(dir_.path());  // plain ASCII here
        qputenv("XDG_RUNTIME_DIR", dir_.path().toUtf8());
        loose_ = {Make("caf\xE9.txt", "latin one"), Make("cut\xE2\x82.txt", "cut short"),
                  Make("\xFF.bin", "never utf-8")};
        QCOMPARE(::mkdir((root_ + "/dir\xE9").constData(), 0755), 0);
        QCOMPARE(::mkdir((root_ + "/dir\xE9/sub\xFF").constData(), 0755), 0);
        inFolder_ = {Make("dir\xE9/inside.txt", "inside"),
                     Make("dir\xE9/sub\xFF/deep\xE9.txt", "deeper")};
        folder_ = PathFromBytes(root_ + "/dir\xE9");
        for (const ByteFile& file : loose_ + inFolder_) {
            QCOMPARE(KindOfPath(file.path), PathKind::File);
        }
    }
    void cleanup() { window_.reset(); }

    // The command line, and the kept list across a restart.
    void CommandLineAndTheKeptList() {
        WriteFile(dir_.filePath("Linkmint.ini"), "[Options]\r\nKeepFilesOnExit=1\r\n");
        QList<QByteArray> raw = {"linkmint"};
        for (const ByteFile& file : loose_) {
            raw << root_ + '/' + file.name;
        }
        raw << PathToBytes(folder_);
        QList<char*> argv;
        for (QByteArray& argument : raw) {
            argv << argument.data();
        }
        Start(ProgramArguments(static_cast<int>(argv.size()), argv.data()));
        QTRY_VERIFY_WITH_TIMEOUT(Idle(), kHashTimeoutMs);
        QCOMPARE(window_->boxes, QStringList());  // every one was found
        QCOMPARE(window_->fileTable().FileCount(), 5);
        for (const ByteFile& file : loose_ + inFolder_) {
            ExpectHashed(file);
        }
        ExpectShownReadably();
        // One more, kept before it is hashed.
        window_->mnuPauseClick();
        window_->AddFileIfThere(loose_[0].path);
        window_->StartHashing();
        window_->close();
        window_.reset();

        Start({});
        QTRY_VERIFY_WITH_TIMEOUT(Idle(), kHashTimeoutMs);
        const QList<TFileData> entries = window_->fileTable().Entries();
        QCOMPARE(entries.size(), 6);
        QCOMPARE(entries[5].FileName, loose_[0].path);
        QCOMPARE(entries[5].State, int(fsHashed));  // found by its bytes after the restart
        for (const ByteFile& file : loose_ + inFolder_) {
            ExpectHashed(file);
        }
        QFile::remove(dir_.filePath("Linkmint.ini"));
    }

    // A list whose own name is not UTF-8, naming files whose names are not
    // either, named on the command line: checked by their bytes.
    void AListToCheckByItsBytes() {
        QByteArray lines = "; byte names\r\n";
        for (const ByteFile& file : loose_) {
            lines += file.name + ' ' +
                     QByteArray::number(ReferenceCrc32(file.content), 16).rightJustified(8, '0') +
                     "\r\n";
        }
        lines += "gone\xE9.txt 00000000\r\n";
        const ByteFile list = Make("list\xE9.sfv", lines);
        QVERIFY(IsListToCheck(list.path));
        QList<QByteArray> raw = {"linkmint", root_ + '/' + list.name};
        QList<char*> argv;
        for (QByteArray& argument : raw) {
            argv << argument.data();
        }
        Start(ProgramArguments(static_cast<int>(argv.size()), argv.data()));
        TfrmCheckFiles* check = window_->checkFilesDialog();
        QTRY_VERIFY_WITH_TIMEOUT(check->isVisible() && !check->Checking(), kHashTimeoutMs);
        QCOMPARE(check->RowCount(), 4);
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(check->CellText(row, 1), QStringLiteral("OK"));
            QVERIFY(check->CellText(row, 0).contains(QChar(0xFFFD)));
            QVERIFY(!HasLoneSurrogate(check->CellText(row, 0)));
        }
        QCOMPARE(check->CellText(3, 1), QStringLiteral("MISSING"));
        QCOMPARE(window_->fileTable().FileCount(), 0);
        QCOMPARE(window_->boxes, QStringList());
    }

    void DroppedFilesAndFolder() {
        Start({});
        QTRY_COMPARE(window_->StartupPhase(), 0);
        QMimeData data;
        QList<QUrl> urls;
        for (const QByteArray& bytes : {root_ + '/' + loose_[1].name, PathToBytes(folder_)}) {
            // As a file manager writes them: the bytes percent-encoded.
            urls << QUrl::fromEncoded("file://" + bytes.toPercentEncoding("/"));
        }
        data.setUrls(urls);
        QWidget* target = window_->datLst()->viewport();
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QTRY_VERIFY_WITH_TIMEOUT(Idle() && window_->fileTable().FileCount() == 3, kHashTimeoutMs);
        ExpectHashed(loose_[1]);
        for (const ByteFile& file : inFolder_) {
            ExpectHashed(file);
        }
        ExpectShownReadably();
    }

    void OpenDirectory() {
        Start({});
        QTRY_COMPARE(window_->StartupPhase(), 0);
        window_->settings().Set(&SettingsValues::recurseDirectories, true);
        TfrmSelDir* dialog = window_->selDirDialog();
        dialog->SelectDirectory(folder_);
        QTRY_COMPARE(dialog->ChosenDirectory(), folder_);
        QCOMPARE(dialog->DirName->text(), DisplayPath(folder_));
        dialog->OKBtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(Idle() && window_->fileTable().FileCount() == 2, kHashTimeoutMs);
        for (const ByteFile& file : inFolder_) {
            ExpectHashed(file);
        }
        ExpectShownReadably();
    }

    // A second start, its arguments raw bytes, hands them over intact.
    void SecondStartHandsThemOver() {
        qputenv("LINKMINT_INSTANCE", QByteArray("bytes-") + QByteArray::number(::getpid()));
        HandoverBlock::Remove(InstanceNames::BlockName());
        HandoverBlock block;
        QVERIFY(block.Create(InstanceNames::BlockName()));
        InstanceLock alive(InstanceNames::AlivePath(), InstanceLock::Wait::No);
        Start({}, &block);
        HandoverServer server([this](std::uint32_t m, std::uint32_t w, std::uint32_t l) {
            window_->HandoverMessage(m, w, l);
        });
        QVERIFY(server.Listen(InstanceNames::SocketPath()));
        QTRY_COMPARE(window_->StartupPhase(), 0);

        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LM_EXE"), QStringLiteral(LM_LINKMINT_EXE));
        env.insert(QStringLiteral("LM_DIR"), dir_.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        second.setProcessEnvironment(env);
        // printf makes the bytes; QProcess would have re-encoded them.
        second.start(QStringLiteral("/bin/sh"),
                     {QStringLiteral("-c"),
                      QStringLiteral("exec \"$LM_EXE\" \"$(printf '%s/caf\\351.txt' \"$LM_DIR\")\" "
                                     "\"$(printf '%s/\\377.bin' \"$LM_DIR\")\" "
                                     "\"$(printf '%s/dir\\351' \"$LM_DIR\")\"")});
        QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, kHashTimeoutMs);
        QCOMPARE(second.exitCode(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(Idle() && window_->fileTable().FileCount() == 4, kHashTimeoutMs);
        ExpectHashed(loose_[0]);
        ExpectHashed(loose_[2]);
        for (const ByteFile& file : inFolder_) {
            ExpectHashed(file);
        }
    }

    // rhash reads the window's saved link file and its magnet links of
    // awkward names ("|", a line feed, a tab, "%20", a byte that is not
    // UTF-8) as the very files.
    void RhashReadsTheWindowsLinksAndMagnets() {
        const QList<QByteArray> names = {"pi|pe.txt",     "line\nfeed.txt", "tab\there.txt",
                                         "Track%201.mp3", "with space.txt", "caf\xE9 2.txt"};
        QCOMPARE(::mkdir((root_ + "/awkward").constData(), 0755), 0);
        Start({});
        QTRY_COMPARE(window_->StartupPhase(), 0);
        for (const QByteArray& name : names) {
            window_->AddFileIfThere(Make("awkward/" + name, "content of " + name).path);
        }
        window_->StartHashing();
        QTRY_VERIFY_WITH_TIMEOUT(Idle(), kHashTimeoutMs);
        QCOMPARE(window_->fileTable().FileCount(), names.size());
        QTRY_VERIFY(RowsShowLinks());
        const QString links =
            WriteFile(dir_.filePath("awkward.ed2k"), LinkFileBytes(RowTexts(*window_->datLst())));
        QTRY_VERIFY(Action("mnuCpyAllMagnet")->isEnabled());
        Action("mnuCpyAllMagnet")->trigger();
        const QString magnets = WriteFile(dir_.filePath("awkward.magnet"),
                                          QGuiApplication::clipboard()->text().toUtf8());
        for (const QString& list : {links, magnets}) {
            QProcess rhash;
            rhash.setProcessChannelMode(QProcess::MergedChannels);
            rhash.start(QStringLiteral("rhash"), {QStringLiteral("-c"), list});
            QVERIFY(rhash.waitForFinished(kHashTimeoutMs));
            const QByteArray output = rhash.readAll();
            QVERIFY2(rhash.exitCode() == 0 && output.contains("Everything OK"), output.constData());
            QCOMPARE(output.count(" OK \n"), names.size());
        }
    }
};

QTEST_MAIN(ByteNamesTest)
#include "byte_names_test.moc"
