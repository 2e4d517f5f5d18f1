// SPDX-License-Identifier: MIT
// What leaves the window and what comes in through its dialogs: the info
// pane saved line for line, the Add Files dialog's filters, the save
// dialog's refusal of a missing folder, and the sizes of what the window
// shows.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>

#include <memory>

#include "add_files_dialog.h"
#include "dat_lst.h"
#include "gui_test_support.h"
#include "info_win.h"
#include "save_dialog.h"
#include "stat_bar.h"

using namespace lm;
using namespace lm::test;

namespace {

constexpr int kHashTimeoutMs = 60000;

QByteArray Utf16Lines(const QStringList& lines) {
    QByteArray bytes("\xFF\xFE");
    for (const QString& line : lines) {
        for (const QChar unit : line) {
            bytes += char(unit.unicode() & 0xFF);
            bytes += char(unit.unicode() >> 8);
        }
        bytes += QByteArray("\r\0\n\0", 4);
    }
    return bytes;
}

QStringList Block(const TFileData& entry) {
    return {entry.Link, QStringLiteral("CRC32: ") + QString::fromLatin1(entry.CRC32()),
            QStringLiteral("MD5: ") + QString::fromLatin1(entry.MD5()),
            QStringLiteral("SHA1: ") + QString::fromLatin1(entry.SHA1())};
}

// The names the dialog's view lists in its folder.
QStringList Offered(QFileDialog& dialog) {
    auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    QStringList names;
    if (view == nullptr) {
        return names;
    }
    for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
        names << view->model()->index(row, 0, view->rootIndex()).data().toString();
    }
    names.sort();
    return names;
}

}  // namespace

class SaveAndAddTest : public WindowTest {
    Q_OBJECT

private:
    QByteArray SaveAll(const QString& target) {
        window_->saveDialogHook = [target](int, const QString&, const QString&) { return target; };
        Action("mnuSaveAll")->trigger();
        return Read(target);
    }

private slots:
    void init() { QVERIFY(dir_.isValid()); }
    void cleanup() { window_.reset(); }

    // A no-break space stays one, a line separator stays inside its line,
    // and the pane's empty last line is written too.
    void SaveAllWritesThePaneLinesAsTheyStand() {
        const QString nbsp = WriteFile(Path(QStringLiteral("no\u00a0break.txt")), "a");
        const QString separator = WriteFile(Path(QStringLiteral("line\u2028sep.txt")), "b");
        Start({nbsp, separator});
        QTRY_VERIFY_WITH_TIMEOUT(Idle(), kHashTimeoutMs);
        window_->fileTable().AddEntry(Path("not hashed yet.txt"));  // missing: never hashed
        window_->worker().RefreshList();
        window_->UpdateInfoWin();
        const QList<TFileData> entries = window_->fileTable().Entries();
        const QStringList lines =
            Block(entries[0]) + QStringList{QString()} + Block(entries[1]) + QStringList{QString()};
        QCOMPARE(window_->infoWin()->Lines(), lines);
        // The line separator is beyond the code page: the file is UTF-16,
        // and it ends with the empty line's CR LF after the last block's.
        const QByteArray saved = SaveAll(Path("info.txt"));
        QCOMPARE(saved, Utf16Lines(lines));
        QVERIFY(saved.endsWith(QByteArray("\r\0\n\0\r\0\n\0", 8)));

        // Without it the file is ANSI, the no-break space its byte A0.
        window_->datLst()->SetRowSelected(0, true);
        const QByteArray ansi = SaveAll(Path("one.txt"));
        QVERIFY(ansi.startsWith("ed2k://|file|" + dir_.path().toLatin1() +
                                "/no\xA0"
                                "break.txt|1|"));
        QCOMPARE(ansi.count("\r\n"), 4);
    }

    void AddFilesOffersWhatTheTypesMasksMatch() {
        const QString folder = Path("pick");
        for (const char* name : {"noext", "a.txt", "b.AVI", "c.mkv", ".hidden.avi"}) {
            WriteFile(folder + u'/' + QLatin1StringView(name), name);
        }
        TAddFilesDialog dialog;
        dialog.SetFileTypes({{QStringLiteral("All Files (*.*)"), QStringLiteral("*.*")},
                             {QStringLiteral("Videos (AVI,MKV)"), QStringLiteral("*.avi;*.mkv")},
                             {QStringLiteral("Everything"), QStringLiteral("*")}},
                            2);
        dialog.setFilter(dialog.filter() | QDir::Hidden);
        dialog.setDirectory(folder);
        dialog.show();
        // Each filter is named as the table names it, once.
        auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(types != nullptr);
        QStringList shown;
        for (int i = 0; i < types->count(); ++i) {
            shown << types->itemText(i);
        }
        QCOMPARE(shown, QStringList({"All Files (*.*)", "Videos (AVI,MKV)", "Everything"}));
        QCOMPARE(dialog.ChosenType(), 1);
        QTRY_COMPARE(Offered(dialog), QStringList({".hidden.avi", "b.AVI", "c.mkv"}));
        types->setCurrentIndex(0);
        emit types->activated(0);  // as the user's choice does
        emit types->textActivated(types->itemText(0));
        QTRY_COMPARE(Offered(dialog), QStringList({".hidden.avi", "a.txt", "b.AVI", "c.mkv"}));
        types->setCurrentIndex(2);
        emit types->activated(2);
        emit types->textActivated(types->itemText(2));
        QTRY_COMPARE(Offered(dialog),
                     QStringList({".hidden.avi", "a.txt", "b.AVI", "c.mkv", "noext"}));
    }

    // A mask list that fails part way (on the first file its first mask
    // misses): nothing of the folder is added, whichever way it came.
    void AFolderWhoseMaskFailsAddsNothing() {
        WriteFile(Path("Linkmint.ini"),
                  "[Options]\r\nDefaultType=1\r\n\r\n[File Types]\r\nText|*.txt;[a-\r\n");
        const QString folder = Path("mixed");
        for (int i = 0; i < 20; ++i) {
            WriteFile(folder + QStringLiteral("/%1.txt").arg(i), "t");
        }
        WriteFile(folder + QStringLiteral("/other.bin"), "b");
        const QString loose = WriteFile(Path("loose.txt"), "l");
        Start({folder, loose});
        QTRY_VERIFY_WITH_TIMEOUT(Idle(), kHashTimeoutMs);
        QCOMPARE(window_->boxes,
                 QStringList{QStringLiteral("Error: '[a-' is an invalid mask at (4)")});
        QCOMPARE(window_->fileTable().FileCount(), 1);
        QCOMPARE(window_->fileTable().Entries()[0].FileName, loose);

        // Dropped.
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(folder)});
        QWidget* target = window_->datLst()->viewport();
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QVERIFY(drop.isAccepted());
        QCOMPARE(window_->boxes.size(), 2);
        QCOMPARE(window_->fileTable().FileCount(), 1);
    }

    void LastAddFolderKeepsItsSlash() {
        Start({});
        QTRY_COMPARE(window_->StartupPhase(), 0);
        const QString file = WriteFile(Path("sub/picked.txt"), "p");
        window_->addFilesDialogHook = [file] { return QStringList{file}; };
        Action("mnuAddFiles")->trigger();
        QCOMPARE(window_->settings().Snapshot().lastFilePath, Path("sub/"));
        QTRY_VERIFY_WITH_TIMEOUT(Idle(), kHashTimeoutMs);
        window_->close();
        QVERIFY(Read(Path("Linkmint.ini"))
                    .contains("\r\nLastFilePath=" + Path("sub/").toUtf8() + "\r\n"));
    }

    void SaveDialogRefusesAMissingFolder() {
        QStringList reports;
        TSavDlg dialog(nullptr, [&](const QString& text) { reports << text; });
        dialog.setDirectory(dir_.path());
        dialog.show();
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name != nullptr);
        name->setText(Path("missing/links.ed2k"));
        dialog.accept();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(
            reports,
            QStringList{
                QStringLiteral("Error: The folder \"%1\" does not exist.").arg(Path("missing"))});
        name->setText(Path("links.ed2k"));
        dialog.accept();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(reports.size(), 1);
    }

    // The designed 521 x 340 is the area below the menu bar.
    void DesignedSizeIsTheAreaBelowTheMenuBar() {
        Start({});
        QTRY_COMPARE(window_->StartupPhase(), 0);
        QCOMPARE(window_->width(), 521);
        QCOMPARE(window_->height() - window_->menuBar()->height(), 340);
    }

    // Counts of any length fit their panels, and the exit box its caption.
    void StatusPanelsAndTheExitBoxFitTheirTexts() {
        Start({});
        QTRY_COMPARE(window_->StartupPhase(), 0);
        TStatBar* bar = window_->statBar();
        const QFontMetrics metrics = bar->fontMetrics();
        for (const QString& text :
             {QStringLiteral("2501 files"), QStringLiteral("1234567 files")}) {
            bar->SetPanelText(0, text);
            QVERIFY2(bar->PanelWidth(0) >= metrics.horizontalAdvance(text) + 4, qPrintable(text));
        }
        const QString working = QStringLiteral("Working: 1234567 files remaining");
        bar->SetPanelText(1, working);
        QVERIFY(bar->PanelWidth(1) >= metrics.horizontalAdvance(working) + 4);
        QVERIFY(bar->PanelRect(1).left() > bar->PanelRect(0).right());
        QVERIFY(bar->PanelRect(2).left() > bar->PanelRect(1).right());

        window_->settings().Set(&SettingsValues::onCompletion, OnCompletion::CopyToClipboard);
        auto* exitBox = window_->findChild<QWidget*>(QStringLiteral("XitOnDone"));
        QTRY_VERIFY(exitBox->isVisible());
        QVERIFY(exitBox->width() >= exitBox->sizeHint().width());
        QVERIFY(exitBox->width() >= 104);
    }

    void OnlyTheLeftButtonOnTheStatusBarOpensAddFiles() {
        Start({});
        QTRY_COMPARE(window_->StartupPhase(), 0);
        int opened = 0;
        window_->addFilesDialogHook = [&opened] {
            ++opened;
            return QStringList();
        };
        for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton}) {
            QTest::mouseClick(window_->statBar(), button, {}, QPoint(10, 10));
        }
        QCOMPARE(opened, 1);
    }

    void InfoPaneScrollsOnlyWhenItsLinesDoNotFit() {
        QStringList files;
        for (int i = 0; i < 3; ++i) {
            files << WriteFile(Path(QStringLiteral("f%1.txt").arg(i)), QByteArray::number(i));
        }
        Start(files);
        QTRY_VERIFY_WITH_TIMEOUT(Idle(), kHashTimeoutMs);
        window_->UpdateInfoWin();
        TInfoWin* pane = window_->infoWin();
        QCOMPARE(pane->Lines().size(), 14);  // three blocks and two empty lines
        // Wide enough, and just high enough for every line as the pane lays
        // them out, frame and margins included.
        window_->resize(1400, window_->height());
        const int needed = 14 * pane->LineSpacing() + pane->FrameAndMargins();
        pane->setFixedHeight(needed);
        QTRY_COMPARE(pane->height(), needed);
        pane->UpdateInfoScrollBars();
        QCOMPARE(pane->CurrentScrollBars(), TInfoWin::ScrollBars::None);
        pane->setFixedHeight(needed - pane->LineSpacing());
        QTRY_COMPARE(pane->height(), needed - pane->LineSpacing());
        pane->UpdateInfoScrollBars();
        QCOMPARE(pane->CurrentScrollBars(), TInfoWin::ScrollBars::Vertical);
    }
};

QTEST_MAIN(SaveAndAddTest)
#include "save_and_add_test.moc"
