// SPDX-License-Identifier: MIT
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

#include "cursor_hint.h"
#include "dat_lst.h"
#include "dir_listing.h"
#include "gui_test_support.h"
#include "info_win.h"
#include "stat_bar.h"
#include "tray_area.h"

using namespace lm;
using namespace lm::test;

namespace {

constexpr int kHashTimeoutMs = 60000;
const QString kIdle = QStringLiteral("Idle: click here to add files");

QString Block(const TFileData& entry) {
    return entry.Link + QStringLiteral("\nCRC32: ") + QString::fromLatin1(entry.CRC32()) +
           QStringLiteral("\nMD5: ") + QString::fromLatin1(entry.MD5()) +
           QStringLiteral("\nSHA1: ") + QString::fromLatin1(entry.SHA1());
}

void SendMove(QWidget* viewport, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
}

// Records what the window asks of the sound player. A file "plays" until
// stopped, or for `pollsLeft` more questions.
struct RecordingSound : SoundPlayer {
    QStringList* calls;
    mutable int pollsLeft = -1;
    mutable bool playing = false;

    explicit RecordingSound(QStringList* record) : calls(record) {}
    void PlaySystemSound(SystemSound sound) override { *calls << SoundEventId(sound); }
    void PlayFile(const QString& path) override {
        *calls << "play " + path;
        playing = true;
    }
    void Stop() override {
        *calls << "stop";
        playing = false;
    }
    bool Playing() const override {
        if (playing && pollsLeft >= 0 && pollsLeft-- == 0) {
            playing = false;
        }
        return playing;
    }
};

// A notification area that may or may not exist.
struct FakeTray : TrayArea {
    bool available = true;
    bool shown = false;
    QString tip;

    bool Available() const override { return available; }
    void ShowIcon(const QString& text) override {
        shown = true;
        tip = text.left(kMaxTipLength);
    }
    void SetTip(const QString& text) override { tip = text.left(kMaxTipLength); }
    void RemoveIcon() override { shown = false; }
    bool IconShown() const override { return shown; }
};

}  // namespace

class MainWindowTest : public WindowTest {
    Q_OBJECT

private:
    bool Started() const { return window_->StartupPhase() == 0; }
    bool Enabled(const char* mnu, const char* btn = nullptr) const {
        const bool menu = Action(mnu)->isEnabled();
        if (btn != nullptr && Action(btn)->isEnabled() != menu) {
            qWarning("%s and %s differ", mnu, btn);
        }
        return menu;
    }
    QString Panel(int panel) const { return window_->statBar()->PanelText(panel); }
    bool Idle() const {
        return !window_->worker().WorkerActive && Panel(1) == kIdle &&
               window_->fileTable().FilesRemaining() == 0;
    }
    QString PaneText() const { return window_->infoWin()->Text(); }
    QList<TFileData> Entries() const { return window_->fileTable().Entries(); }
    QStringList RowTexts() const {
        QStringList rows;
        for (int i = 0; i < window_->datLst()->RowCount(); ++i) {
            rows << window_->datLst()->RowText(i);
        }
        return rows;
    }
    void Select(const QList<int>& rows) {
        TDatLst* list = window_->datLst();
        list->clearSelection();
        for (int row : rows) {
            list->SetRowSelected(row, true);
        }
    }
    // Hashes `names` (small files made here) through the command line.
    void HashThree() {
        const QStringList files = {
            WriteFile(Path("one [1234ABCD].txt"), "one"),
            WriteFile(Path("two.txt"), QByteArray(5000, 'b')),
            WriteFile(Path("three.bin"), QByteArray()),
        };
        Start(files);
        QTRY_VERIFY_WITH_TIMEOUT(Started() && Idle() && Entries().size() == 4, kHashTimeoutMs);
    }

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() { window_.reset(); }

    void LayoutAndStateAtStart() {
        Start({});
        QTRY_VERIFY(Started());
        // The taskbar shows the window's title: it is the application title.
        QCOMPARE(window_->windowTitle(), QStringLiteral("Linkmint (idle)"));
        QCOMPARE(window_->ApplicationTitle(), QStringLiteral("Linkmint (idle)"));
        QStringList bar;
        for (QAction* item : window_->menuBar()->actions()) {
            bar << item->text().remove(u'&');  // as shown, without the mnemonic mark
        }
        QCOMPARE(bar, QStringList({"File", "Edit", "Preferences", "Pause", "About"}));
        QCOMPARE(Panel(0), QStringLiteral("0 files"));
        QCOMPARE(Panel(1), kIdle);
        QVERIFY(Enabled("mnuAddFiles", "btnAddFiles") && Enabled("mnuAddDir", "btnAddDir"));
        QVERIFY(Enabled("mnuPrefs") && Enabled("mnuAbout") && Enabled("mnuExit", "btnExit"));
        QVERIFY(!Enabled("mnuSaveED2K", "btnSaveHashes") && !Enabled("mnuSaveAll"));
        QVERIFY(!Enabled("mnuCpyAll2Clip", "btnCopyAll") &&
                !Enabled("mnuCpySel2Clip", "btnCopySel"));
        QVERIFY(!Enabled("mnuRmvAll", "btnRemoveAll") && !Enabled("mnuRmvSel", "btnRemoveSel"));
        QVERIFY(!Enabled("mnuSortList", "btnSort") && !Enabled("mnuPause", "btnPause"));
        QCOMPARE(Action("mnuPause")->shortcut(), QKeySequence(Qt::Key_F12));
        QCOMPARE(Action("mnuExit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        QCOMPARE(window_->findChild<QToolButton*>("btnSort")->toolTip(),
                 QStringLiteral("Sort (F10)"));
        QCOMPARE(Action("btnPause")->toolTip(), QStringLiteral("Pause (F12)"));
        // The exit box only shows with a copying completion action.
        auto* exitBox = window_->findChild<QCheckBox*>("XitOnDone");
        QVERIFY(!exitBox->isVisible());
        window_->settings().Set(&SettingsValues::onCompletion, OnCompletion::CopyToClipboard);
        QTRY_VERIFY(exitBox->isVisible());
        QWidget* sep = window_->findChild<QWidget*>("tbSep10");
        QCOMPARE(exitBox->geometry().left(), sep->geometry().right() + 1);
        // F12 with nothing hashing does nothing.
        QTest::keyClick(window_.get(), Qt::Key_F12);
        QCOMPARE(Action("mnuPause")->text().remove(u'&'), QStringLiteral("Pause"));
        QVERIFY(!window_->worker().Paused);
    }

    void CommandLineFilesAreHashedAndShown() {
        const QString missing = Path("not there.avi");
        const QStringList files = {
            WriteFile(Path("one [1234ABCD].txt"), "one"),
            WriteFile(Path("clip [3610A686].txt"), "hello"),
            WriteFile(Path("two.txt"), QByteArray(5000, 'b')),
        };
        Start(QStringList(files) << missing);
        QTRY_VERIFY_WITH_TIMEOUT(Started() && Idle() && Entries().size() == 3, kHashTimeoutMs);
        QCOMPARE(window_->boxes,
                 QStringList{QStringLiteral("Error: Could not find file \"%1\"").arg(missing)});
        QCOMPARE(window_->panel1.first(), QStringLiteral("Working: 3 files remaining"));
        QVERIFY(window_->panel1.contains(QStringLiteral("Working: 2 files remaining")));
        QVERIFY(window_->panel1.contains(QStringLiteral("Working: 1 file remaining")));
        QCOMPARE(window_->panel1.last(), kIdle);
        QCOMPARE(Panel(0), QStringLiteral("3 files"));
        const QList<TFileData> entries = Entries();
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(entries[i].FileName, files[i]);
            QCOMPARE(entries[i].State, int(fsHashed));
            QCOMPARE(window_->datLst()->RowText(i), entries[i].Link);
            QVERIFY(entries[i].Link.startsWith(QStringLiteral("ed2k://|file|")));
        }
        QCOMPARE(entries[0].CRCStatus, int(crcMismatch));
        QCOMPARE(entries[1].CRCStatus, int(crcMatches));
        QCOMPARE(entries[2].CRCStatus, int(crcNotFound));
        QCOMPARE(window_->ApplicationTitle(), QStringLiteral("Linkmint (idle)"));
        QCOMPARE(window_->windowTitle(), QStringLiteral("Linkmint (idle)"));
        // Hashed, nothing selected.
        QVERIFY(Enabled("mnuSaveED2K", "btnSaveHashes") && Enabled("mnuSaveAll"));
        QVERIFY(Enabled("mnuCpyAll2Clip", "btnCopyAll") && Enabled("mnuRmvAll", "btnRemoveAll"));
        QVERIFY(Enabled("mnuSortList", "btnSort"));
        QVERIFY(!Enabled("mnuCpySel2Clip", "btnCopySel") && !Enabled("mnuRmvSel", "btnRemoveSel"));
        QVERIFY(!Enabled("mnuPause", "btnPause"));
        // Copy All: every row with its CR LF.
        Action("mnuCpyAll2Clip")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 entries[0].Link + "\r\n" + entries[1].Link + "\r\n" + entries[2].Link + "\r\n");

        // The window with three hashed files, kept beside the test.
        Select({1});
        QTest::qWait(50);
        const QImage shot = window_->grab().toImage();
        QVERIFY(shot.save(QStringLiteral(LM_SCREENSHOT_DIR "/main_window.png")));
    }

    void DebugSwitchAndSecondActivation() {
        Start({QStringLiteral("/DEBUG"), QStringLiteral("-debug")});
        QTRY_VERIFY(Started());
        QCOMPARE(window_->boxes,
                 QStringList{QStringLiteral("Error: Could not find file \"-debug\"")});
        QVERIFY(window_->DebugLogging());
        QCOMPARE(window_->fileTable().FileCount(), 0);
        // Shown again later: the first activation does not run twice.
        window_->hide();
        window_->show();
        QTest::qWait(20);
        QCOMPARE(window_->boxes.size(), 1);
    }

    void InfoPaneFollowsTheSelection() {
        HashThree();
        // Four rows: the empty file has a second link.
        QList<TFileData> entries = Entries();
        window_->fileTable().AddEntry(Path("never added.txt"));
        window_->worker().RefreshList();
        window_->UpdateInfoWin();
        entries = Entries();
        QCOMPARE(entries.size(), 5);
        QCOMPARE(PaneText(), Block(entries[0]) + "\n\n" + Block(entries[1]) + "\n\n" +
                                 Block(entries[2]) + "\n\n" + Block(entries[3]) + "\n");
        QCOMPARE(Panel(0), QStringLiteral("5 files"));

        Select({0, 2});
        QCOMPARE(PaneText(), Block(entries[0]) + "\n\n" + Block(entries[2]));
        QCOMPARE(Panel(0), QStringLiteral("2 files"));
        QVERIFY(Enabled("mnuCpySel2Clip", "btnCopySel") && Enabled("mnuRmvSel", "btnRemoveSel"));
        QVERIFY(Entries()[2].Selected && !Entries()[1].Selected);
        Action("mnuCpySel2Clip")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 entries[0].Link + "\r\n" + entries[2].Link + "\r\n");

        Select({4});  // only the row that is not hashed
        QCOMPARE(PaneText(), QString());
        QCOMPARE(Panel(0), QStringLiteral("1 file"));
        QVERIFY(Enabled("mnuCpySel2Clip") && Enabled("mnuRmvSel"));
        Action("mnuCpySel2Clip")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), Path("never added.txt"));

        // A click below the last row clears the selection.
        QWidget* viewport = window_->datLst()->viewport();
        const QPoint below(40, 5 * TDatLst::kRowHeight + 6);
        QVERIFY(below.y() < viewport->height());
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, below);
        QCOMPARE(window_->datLst()->SelectedCount(), 0);
        QCOMPARE(Panel(0), QStringLiteral("5 files"));
        QVERIFY(!Enabled("mnuCpySel2Clip"));
        QVERIFY(PaneText().startsWith(Block(entries[0])));
    }

    void LampHintsExplainTheRowUnderTheCursor() {
        HashThree();
        window_->fileTable().AddEntry(Path("later.txt"));
        window_->worker().RefreshList();
        QWidget* viewport = window_->datLst()->viewport();
        SendMove(viewport, QPoint(5, 4 * TDatLst::kRowHeight + 3));
        QCOMPARE(window_->cursorHint().HintText(),
                 QStringLiteral("No hash generated for this file yet."));
        SendMove(viewport, QPoint(5, 3));
        QCOMPARE(window_->cursorHint().HintText(),
                 QStringLiteral("Found possible CRC in filename but it doesn't match."));
        SendMove(viewport, QPoint(40, 3));  // the text part
        QCOMPARE(window_->cursorHint().HintText(), QString());
        SendMove(viewport, QPoint(5, 5 * TDatLst::kRowHeight + 3));  // below the rows
        QCOMPARE(window_->cursorHint().HintText(), QString());
        QCOMPARE(Panel(0), QStringLiteral("5 files"));
    }

    void SortOrdersByKeyInBothModes() {
        Start({});
        QTRY_VERIFY(Started());
        window_->worker().Paused = true;  // nothing is hashed here
        const QStringList paths = {Path("b/a.txt"), Path("a/b.txt"), Path("c/A.TXT"),
                                   Path("d/_x.avi")};
        for (const QString& path : paths) {
            window_->fileTable().AddEntry(path);
        }
        window_->worker().RefreshList();
        Select({0});
        Action("mnuSortList")->trigger();
        QCOMPARE(RowTexts(), QStringList({paths[1], paths[0], paths[2], paths[3]}));
        // Rows and entries stay parallel, the selection goes with its entry.
        QCOMPARE(Entries()[1].FileName, paths[0]);
        QVERIFY(Entries()[1].Selected && window_->datLst()->SelectedRows().contains(1));

        window_->settings().Set(&SettingsValues::stripPath, true);
        Action("mnuSortList")->trigger();
        // a.txt and A.TXT have equal keys and keep their order.
        QCOMPARE(RowTexts(), QStringList({paths[3], paths[0], paths[2], paths[1]}));
        QCOMPARE(Entries()[0].FileName, paths[3]);
    }

    void PauseResumeAndRemoveWhileHashing() {
        const QString big = SparseFile(Path("big.bin"), qint64(4) << 30);
        const QString small = WriteFile(Path("small.txt"), "small");
        Start({big, small});
        QTRY_VERIFY_WITH_TIMEOUT(window_->worker().ChunksDone() > 0, kHashTimeoutMs);
        QVERIFY(Enabled("mnuPause", "btnPause"));

        Action("btnPause")->trigger();
        QCOMPARE(Action("mnuPause")->text().remove(u'&'), QStringLiteral("Resume"));
        QCOMPARE(Action("btnPause")->toolTip(), QStringLiteral("Resume (F12)"));
        QTRY_VERIFY_WITH_TIMEOUT(!window_->worker().WorkerActive, kHashTimeoutMs);
        QTRY_COMPARE(Panel(1), QStringLiteral("Paused: 2 files remaining"));
        QVERIFY(Enabled("mnuPause"));
        QCOMPARE(Entries()[0].State, int(fsIdle));

        Action("mnuPause")->trigger();
        QCOMPARE(Action("mnuPause")->text().remove(u'&'), QStringLiteral("Pause"));
        QCOMPARE(Panel(1), QStringLiteral("Working: 2 files remaining"));
        QTRY_VERIFY_WITH_TIMEOUT(window_->worker().ChunksDone() > 0, kHashTimeoutMs);

        // Removing the file in progress: the worker moves on to the next.
        Select({0});
        Action("mnuRmvSel")->trigger();
        QCOMPARE(RowTexts(), QStringList{small});
        QTRY_VERIFY_WITH_TIMEOUT(Idle(), kHashTimeoutMs);
        QCOMPARE(Entries().size(), 1);
        QCOMPARE(Entries()[0].FileName, small);
        QCOMPARE(Entries()[0].State, int(fsHashed));
        QVERIFY(!window_->worker().Paused);
        QCOMPARE(Action("mnuPause")->text().remove(u'&'), QStringLiteral("Pause"));

        // Removing the last row leaves nothing to act on.
        Select({0});
        Action("mnuRmvSel")->trigger();
        QCOMPARE(Panel(0), QStringLiteral("0 files"));
        QVERIFY(!Enabled("mnuRmvAll") && !Enabled("mnuSortList") && !Enabled("mnuCpyAll2Clip"));
        QVERIFY(!Enabled("mnuSaveED2K") && !Enabled("mnuRmvSel"));
        QCOMPARE(PaneText(), QString());
    }

    void RemoveAllWhileHashing() {
        const QString big = SparseFile(Path("big.bin"), qint64(4) << 30);
        Start({big, WriteFile(Path("small.txt"), "x")});
        QTRY_VERIFY_WITH_TIMEOUT(window_->worker().ChunksDone() > 0, kHashTimeoutMs);
        Action("mnuRmvAll")->trigger();
        QCOMPARE(window_->datLst()->RowCount(), 0);
        QCOMPARE(window_->datLst()->HorizontalExtent(), 0);
        QCOMPARE(Panel(0), QStringLiteral("0 files"));
        QTRY_VERIFY_WITH_TIMEOUT(Idle(), kHashTimeoutMs);
        QVERIFY(!window_->worker().Paused);
        QCOMPARE(Action("mnuPause")->text().remove(u'&'), QStringLiteral("Pause"));
    }

    void ProgressPanelPaintsTheBarAndName() {
        Start({});
        QTRY_VERIFY(Started());
        TStatBar* bar = window_->statBar();
        ProgressState progress{5, 10, QString()};
        bar->SetProgressSource([&progress] { return progress; });
        auto bluePixels = [bar] {
            const QImage image = bar->grab().toImage();
            const QRect panel = bar->PanelRect(2);
            int count = 0;
            // The bottom row of the panel, below any text.
            for (int x = 0; x < image.width(); ++x) {
                count += image.pixelColor(x, panel.bottom()) == QColor(0, 0, 255);
            }
            return count;
        };
        QCOMPARE(bar->PanelRect(2).width(), 200);
        QCOMPARE(bluePixels(), 100);
        progress = {1, 3, QString()};
        QCOMPARE(bluePixels(), 67);
        progress = {0, 3, QStringLiteral("R&D notes.avi")};
        QCOMPARE(bluePixels(), 0);
        // A click anywhere on it runs Add Files.
        int dialogs = 0;
        window_->addFilesDialogHook = [&dialogs] {
            ++dialogs;
            return QStringList();
        };
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->PanelRect(1).center());
        QCOMPARE(dialogs, 2);
        QCOMPARE(Panel(1), kIdle);
    }

    void LaterDeferredEventReplacesThePendingOne() {
        Start({});
        QTRY_VERIFY(Started());
        const int before = window_->refreshes;
        window_->worker().ArmEvent(evCloseProgram);
        window_->worker().ArmEvent(evRefreshInfo);
        QTRY_COMPARE(window_->refreshes, before + 1);
        QTest::qWait(150);
        QCOMPARE(window_->closeRequests, 0);
        QCOMPARE(window_->refreshes, before + 1);
    }

    void InfoScrollBarsFollowTheTextExtent() {
        using SB = TInfoWin::ScrollBars;
        QCOMPARE(TInfoWin::ScrollBarsFor({300, 139}, {425, 65}), SB::Horizontal);
        QCOMPARE(TInfoWin::ScrollBarsFor({300, 80}, {425, 65}), SB::Both);
        QCOMPARE(TInfoWin::ScrollBarsFor({300, 86}, {425, 65}), SB::Horizontal);
        QCOMPARE(TInfoWin::ScrollBarsFor({425, 65}, {425, 65}), SB::None);
        QCOMPARE(TInfoWin::ScrollBarsFor({500, 64}, {425, 65}), SB::Vertical);
    }

    void PreferencesRecaseTheListAndAboutOpens() {
        HashThree();
        bool sawPrefs = false;
        QTimer::singleShot(0, [&] {
            auto* prefs = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            sawPrefs = prefs != nullptr && prefs->objectName() == "frmPrefs";
            if (sawPrefs) {
                prefs->findChild<QCheckBox*>("LowercaseHashes")->click();
                prefs->findChild<QPushButton*>("btnOK")->click();
            }
        });
        Action("mnuPrefs")->trigger();
        QVERIFY(sawPrefs);
        // The hashes turn to lower case; the names keep theirs.
        QTRY_VERIFY(!PaneText().isEmpty());  // the pane follows a moment later
        const QStringList rows = RowTexts();
        QCOMPARE(rows.size(), 4);
        for (const QString& row : rows) {
            const QStringList parts = row.split(u'|');
            QCOMPARE(parts.size(), 6);
            QCOMPARE(parts[4], parts[4].toLower());
        }
        QVERIFY(rows.join(u'\n').contains("[1234ABCD]"));
        QVERIFY(Entries().first().MD5() == Entries().first().MD5().toLower());
        QVERIFY(QFile::exists(Path("Linkmint.ini")));  // the dialog saves on closing

        bool sawAbout = false;
        QTimer::singleShot(0, [&] {
            QWidget* about = QApplication::activeModalWidget();
            sawAbout = about != nullptr && about->objectName() == "frmAbout";
            if (about != nullptr) {
                about->close();
            }
        });
        Action("mnuAbout")->trigger();
        QVERIFY(sawAbout);
    }

    void SaveWritesTheRowsAndThePane() {
        Start({});
        QTRY_VERIFY(Started());
        struct Call {
            int filterIndex;
            QString directory, fileName;
        };
        QList<Call> calls;
        QString answer;
        window_->saveDialogHook = [&](int index, const QString& directory, const QString& name) {
            calls.append({index, directory, name});
            return answer;
        };
        // Nothing to save: no dialog.
        Action("mnuSaveED2K")->trigger();
        Action("mnuSaveAll")->trigger();
        QVERIFY(calls.isEmpty());

        HashThree();
        window_->saveDialogHook = [&](int index, const QString& directory, const QString& name) {
            calls.append({index, directory, name});
            return answer;
        };
        QTRY_VERIFY(!PaneText().isEmpty());  // the pane follows a moment later
        const QStringList rows = RowTexts();
        QByteArray expected;
        for (const QString& row : rows) {
            expected += row.toLatin1() + "\r\n";
        }
        answer = Path("out/links.ed2k");
        QDir().mkpath(Path("out"));
        Action("mnuSaveED2K")->trigger();
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls[0].filterIndex, 1);
        QCOMPARE(calls[0].fileName, QString());
        QFile links(answer);
        QVERIFY(links.open(QIODevice::ReadOnly));
        QCOMPARE(links.readAll(), expected);
        QCOMPARE(window_->settings().Snapshot().lastSavePath, Path("out/"));

        // The pane's lines; the name and directory are remembered.
        answer = Path("out/info.txt");
        Action("mnuSaveAll")->trigger();
        QCOMPARE(calls.size(), 2);
        QCOMPARE(calls[1].filterIndex, 2);
        QCOMPARE(calls[1].directory, Path("out/"));
        QCOMPARE(calls[1].fileName, QStringLiteral("links.ed2k"));
        QFile info(answer);
        QVERIFY(info.open(QIODevice::ReadOnly));
        QCOMPARE(info.readAll(), (PaneText() + u'\n').toLatin1().replace("\n", "\r\n"));

        // One row outside the code page: the whole file is UTF-16LE. Its
        // old content is replaced, not added to.
        const QString wide = Path(QStringLiteral("caf\u00e9 \u4e00.avi"));
        window_->fileTable().AddEntry(wide);
        window_->worker().RefreshList();
        answer = Path("out/links.ed2k");
        Action("mnuSaveED2K")->trigger();
        QByteArray utf16("\xFF\xFE");
        for (const QString& row : RowTexts()) {
            for (const QChar unit : row) {
                utf16 += char(unit.unicode() & 0xFF);
                utf16 += char(unit.unicode() >> 8);
            }
            utf16 += QByteArray("\r\0\n\0", 4);
        }
        links.close();
        QVERIFY(links.open(QIODevice::ReadOnly));
        QCOMPARE(links.readAll(), utf16);

        // A file that cannot be written (here a folder stands in its place)
        // is reported; cancel writes nothing.
        answer = Path("out");
        Action("mnuSaveED2K")->trigger();
        QCOMPARE(window_->boxes.size(), 1);
        QVERIFY(window_->boxes[0].startsWith(
            QStringLiteral("Error: Could not save \"%1\": ").arg(answer)));
        QVERIFY(QFileInfo(answer).isDir());
        answer.clear();
        Action("mnuSaveED2K")->trigger();
        QCOMPARE(calls.size(), 5);
        QCOMPARE(window_->boxes.size(), 1);
    }

    void CopyGoesThroughTheCodePage() {
        Start({});
        QTRY_VERIFY(Started());
        // U+0080 has no place in the code page; U+00E9 has.
        const QString ansi = Path(QStringLiteral("a\u0080\u00e9.avi"));
        window_->fileTable().AddEntry(ansi);
        window_->worker().RefreshList();
        QClipboard* clipboard = QGuiApplication::clipboard();
        // Nothing selected: the clipboard is left alone.
        clipboard->setText(QStringLiteral("before"));
        window_->mnuCpySel2ClipClick();
        QCOMPARE(clipboard->text(), QStringLiteral("before"));
        // One row: Copy All keeps its CR LF, Copy Selected drops it.
        window_->mnuCpyAll2ClipClick();
        QCOMPARE(clipboard->text(), Path(QStringLiteral("a?\u00e9.avi\r\n")));
        Select({0});
        window_->mnuCpySel2ClipClick();
        QCOMPARE(clipboard->text(), Path(QStringLiteral("a?\u00e9.avi")));
        // A character above U+00FF: everything goes on unchanged.
        window_->fileTable().AddEntry(Path(QStringLiteral("\u4e00.avi")));
        window_->worker().RefreshList();
        window_->mnuCpyAll2ClipClick();
        QCOMPARE(clipboard->text(), ansi + "\r\n" + Path(QStringLiteral("\u4e00.avi\r\n")));
        QVERIFY(window_->boxes.isEmpty());

        window_->clipboardHook = [](const QString&) { return false; };
        window_->mnuCpyAll2ClipClick();
        QCOMPARE(window_->boxes,
                 QStringList{QStringLiteral("Error: Could not put the links on the clipboard.")});
    }

    void DroppedFilesAndFoldersAreAdded() {
        Start({});
        QTRY_VERIFY(Started());
        window_->settings().Set(&SettingsValues::defaultType, 2);  // Videos
        const QString loose = WriteFile(Path("loose.txt"), "loose");
        const QString folder = Path("drop");
        WriteFile(folder + "/a.avi", "a");
        WriteFile(folder + "/notes.txt", "n");
        WriteFile(folder + "/sub/b.MKV", "b");
        WriteFile(folder + "/sub/c.doc", "c");
        QStringList listed;
        ListDirFiles(folder, window_->settings().Snapshot().fileTypes[1].masks, listed, true, true);
        QCOMPARE(listed.size(), 2);

        auto drop = [this](const QStringList& paths) {
            QMimeData data;
            QList<QUrl> urls;
            for (const QString& path : paths) {
                urls << QUrl::fromLocalFile(path);
            }
            data.setUrls(urls);
            // Onto the list: the window takes what its children do not.
            QWidget* target = window_->datLst()->viewport();
            const QPoint at(10, 10);
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &dropped);
            QVERIFY(dropped.isAccepted());
        };
        drop({loose, folder, loose, Path("not there.avi")});
        QCOMPARE(RowTexts(), QStringList({loose, listed[0], listed[1], loose}));
        QTRY_VERIFY_WITH_TIMEOUT(Idle(), kHashTimeoutMs);
        for (const TFileData& entry : Entries()) {
            QCOMPARE(entry.State, int(fsHashed));
        }

        // Paused: queued, not hashed.
        window_->mnuPauseClick();
        drop({folder});
        QCOMPARE(Panel(1), QStringLiteral("Paused: 2 files remaining"));
        QCOMPARE(window_->fileTable().FilesRemaining(), 2);
        QVERIFY(!window_->worker().WorkerActive);
    }

    void NotifySoundChoices() {
        Start({});
        QTRY_VERIFY(Started());
        QStringList calls;
        auto sound = std::make_unique<RecordingSound>(&calls);
        RecordingSound* player = sound.get();
        window_->SetSoundPlayer(std::move(sound));
        // The end of the queue sounds the chosen alert once.
        window_->settings().Set(&SettingsValues::notifySound, 6);
        window_->addFilesDialogHook = [this] { return QStringList{WriteFile(Path("x"), "x")}; };
        Action("mnuAddFiles")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(Idle(), kHashTimeoutMs);
        QTRY_COMPARE(calls, QStringList{"bell"});
        calls.clear();

        window_->settings().Set(&SettingsValues::customSoundPath, Path("done.wav"));
        for (int choice = 0; choice <= 7; ++choice) {
            window_->settings().Set(&SettingsValues::notifySound, choice);
            window_->PlayNotifySound();
        }
        window_->PlayNotifySound();  // the custom sound again: stops it
        QCOMPARE(calls, QStringList({"dialog-information", "dialog-error", "window-question",
                                     "dialog-warning", "dialog-information", "bell",
                                     "play " + Path("done.wav"), "stop"}));
        // Closing waits, hidden, for a playing sound.
        window_->PlayNotifySound();
        player->pollsLeft = 3;
        window_->close();
        QVERIFY(!window_->isVisible());
        QVERIFY(!player->playing);
        QVERIFY(QFile::exists(Path("Linkmint.ini")));
    }

    void MinimizeGoesToTheTrayWhenThereIsOne() {
        Start({});
        QTRY_VERIFY(Started());
        auto owned = std::make_unique<FakeTray>();
        FakeTray* tray = owned.get();
        window_->SetTrayArea(std::move(owned));
        // MinimizeToTray off: an ordinary minimize.
        window_->showMinimized();
        QTest::qWait(20);
        QVERIFY(window_->isVisible() && !tray->shown);
        window_->showNormal();

        window_->settings().Set(&SettingsValues::minimizeToTray, true);
        window_->showMinimized();
        QVERIFY(tray->shown);
        QCOMPARE(tray->tip, QStringLiteral("Linkmint (idle)"));
        QTRY_VERIFY(!window_->isVisible());
        window_->SetTrayTip(QString(80, u'x'));
        QCOMPARE(tray->tip, QString(63, u'x'));
        tray->leftClicked();
        QVERIFY(window_->isVisible() && !window_->isMinimized() && !tray->shown);

        // No notification area: minimized as usual.
        tray->available = false;
        window_->showMinimized();
        QTest::qWait(20);
        QVERIFY(window_->isVisible() && !tray->shown);
    }

    void CloseWaitsForTheWorker() {
        // Twenty chunks each: the worker is still busy when the window closes.
        const QString big = SparseFile(Path("big.bin"), 20 * 9728000);
        const QString second = SparseFile(Path("second.bin"), 20 * 9728000);
        Start({QStringLiteral("/debug"), big, second});
        QTRY_VERIFY(window_->worker().WorkerActive);
        window_->close();
        QVERIFY(!window_->worker().WorkerActive);
        for (const TFileData& entry : Entries()) {
            QVERIFY(entry.State == fsIdle || entry.State == fsHashed);
        }
        QVERIFY(Entries().last().State == fsIdle);
        QVERIFY(QFile::exists(Path("Linkmint.ini")));
        QFile log(Path(kDebugLogFileName));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray text = log.readAll();
        qsizetype at = 0;
        for (const char* line :
             {"CloseQuery start.", "Waiting for file loading to abort.", "CloseQuery complete.",
              "Close start.", "Turning off drag drop.", "Saving INI file.", "Close complete."}) {
            at = text.indexOf(QByteArray(line) + "\r\n", at);
            QVERIFY2(at >= 0, line);
        }
    }

    void AddFilesFromTheDialog() {
        Start({});
        QTRY_VERIFY(Started());
        window_->settings().Set(&SettingsValues::preselectFiles, true);
        const QStringList files = {WriteFile(Path("c.avi"), "c"),
                                   SparseFile(Path("a.avi"), 20 * 9728000),
                                   WriteFile(Path("b.avi"), "b")};
        QString shownWhileOpen;
        QStringList answer = files;
        window_->addFilesDialogHook = [&] {
            shownWhileOpen = Panel(1);
            return answer;
        };
        Action("mnuAddFiles")->trigger();
        QCOMPARE(shownWhileOpen, QStringLiteral("Please wait..."));
        // In order; a row shows its link as soon as its file is hashed.
        const QStringList rows = RowTexts();
        QVERIFY(rows.size() >= 3);
        for (int i = 0; i < 3; ++i) {
            QVERIFY2(rows[i] == files[i] || rows[i].startsWith("ed2k://|file|" + files[i] + u'|'),
                     qPrintable(rows[i]));
        }
        QCOMPARE(window_->datLst()->SelectedCount(), 3);
        // Cancelled while hashing: the working text stays.
        QTRY_VERIFY(window_->worker().WorkerActive);
        answer.clear();
        Action("mnuAddFiles")->trigger();
        QVERIFY(Panel(1).startsWith(QStringLiteral("Working: ")));
        QTRY_VERIFY_WITH_TIMEOUT(Idle(), kHashTimeoutMs);
        // Cancelled with nothing to hash: idle again.
        Action("mnuAddFiles")->trigger();
        QCOMPARE(shownWhileOpen, QStringLiteral("Please wait..."));
        QCOMPARE(Panel(1), kIdle);
    }

    void SettingsAreSavedOnClose() {
        Start({WriteFile(Path("keep.txt"), "keep")});
        QTRY_VERIFY_WITH_TIMEOUT(Started() && Idle(), kHashTimeoutMs);
        window_->close();
        QVERIFY(QFile::exists(Path("Linkmint.ini")));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
