// SPDX-License-Identifier: MIT
// The window by keyboard and screen reader, at other fonts, and scrolled to
// the ends of its lines: mnemonics and shortcuts, the list's own menu,
// Delete, Tab out of the info pane, the focus rectangle, what Qt's
// accessibility tells of rows and status panels, rows as high as the font,
// and the overall progress panel.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

#include "cursor_hint.h"
#include "gui_test_support.h"
#include "image_list.h"
#include "info_win.h"
#include "save_dialog.h"
#include "stat_bar.h"
#include "tray_area.h"

using namespace lm;
using namespace lm::test;

namespace {

constexpr int kHashTimeoutMs = 60000;

// The caption as shown: a single "&" marks the mnemonic, "&&" is an "&".
QString Shown(const QString& text) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;
        }
        shown += text[i];
    }
    return shown;
}

// The mnemonic letter, lower case; empty without one.
QString Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'&') {
            if (text[i + 1] == u'&') {
                ++i;
                continue;
            }
            return text[i + 1].toLower();
        }
    }
    return {};
}

// A notification area that records what the icon would show.
class FakeTray : public TrayArea {
public:
    QStringList* tips;
    explicit FakeTray(QStringList* record) : tips(record) {}
    bool Available() const override { return true; }
    void ShowIcon(const QString& tip) override {
        shown_ = true;
        *tips << CutTip(tip);
    }
    void SetTip(const QString& tip) override { *tips << CutTip(tip); }
    void RemoveIcon() override { shown_ = false; }
    bool IconShown() const override { return shown_; }

private:
    bool shown_ = false;
};

}  // namespace

class AccessTest : public WindowTest {
    Q_OBJECT

private:
    QString Panel(int panel) const { return window_->statBar()->PanelText(panel); }
    void StartHashed(int files) {
        QStringList paths;
        for (int i = 0; i < files; ++i) {
            // The first with its CRC in the name (a green lamp), the others
            // without (grey).
            paths << WriteFile(Path(i == 0 ? QStringLiteral("f0 [3610A686].txt")
                                           : QStringLiteral("f%1.txt").arg(i)),
                               i == 0 ? QByteArray("hello") : QByteArray::number(i));
        }
        Start(paths);
        QTRY_VERIFY_WITH_TIMEOUT(Idle() && window_->datLst()->RowCount() == files, kHashTimeoutMs);
    }

private slots:
    void init() { QVERIFY(dir_.isValid()); }
    void cleanup() { window_.reset(); }

    // Every menu and item has a letter of its own (unique in its menu) and
    // shows the text it always had; the new commands have keys.
    void MenusHaveMnemonicsAndKeepTheirTexts() {
        Start({});
        QTRY_COMPARE(window_->StartupPhase(), 0);
        QStringList bar;
        QStringList barLetters;
        for (QAction* item : window_->menuBar()->actions()) {
            bar << Shown(item->text());
            barLetters << Mnemonic(item->text());
            if (QMenu* menu = item->menu()) {
                QStringList letters;
                for (QAction* entry : menu->actions()) {
                    if (entry->isSeparator()) {
                        continue;
                    }
                    const QString letter = Mnemonic(entry->text());
                    QVERIFY2(!letter.isEmpty(), qPrintable(entry->text()));
                    QVERIFY2(!letters.contains(letter), qPrintable(entry->text()));
                    letters << letter;
                }
            }
        }
        QCOMPARE(bar, QStringList({"File", "Edit", "Preferences", "Pause", "About"}));
        QVERIFY(!barLetters.contains(QString()));
        QCOMPARE(QSet<QString>(barLetters.begin(), barLetters.end()).size(), barLetters.size());
        const QList<std::pair<const char*, const char*>> captions = {
            {"mnuAddFiles", "Add Files"},
            {"mnuAddDir", "Add Directory"},
            {"mnuCheckLists", "Check Files Against List..."},
            {"mnuSaveED2K", "Save ED2K Link File"},
            {"mnuSaveAll", "Save All Information"},
            {"mnuExit", "Exit"},
            {"mnuCpyAll2Clip", "Copy All to Clipboard"},
            {"mnuCpyAllMagnet", "Copy All as Magnet Links"},
            {"mnuCpySel2Clip", "Copy Selected to Clipboard"},
            {"mnuRmvAll", "Remove All from List"},
            {"mnuRmvSel", "Remove Selected from List"},
            {"mnuSortList", "Sort List"},
        };
        for (const auto& [name, caption] : captions) {
            QCOMPARE(Shown(Action(name)->text()), QString::fromUtf8(caption));
        }
        QCOMPARE(Action("mnuCheckLists")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
        QCOMPARE(Action("mnuCpyAllMagnet")->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F6));
        // The Pause item keeps its letter when it reads Resume.
        window_->SetPauseControls(16, QStringLiteral("Resume (F12)"), QStringLiteral("Resume"));
        QCOMPARE(Shown(Action("mnuPause")->text()), QStringLiteral("Resume"));
        QVERIFY(!Mnemonic(Action("mnuPause")->text()).isEmpty());
        window_->SetPauseControls(15, QStringLiteral("Pause (F12)"), QStringLiteral("Pause"));
        QCOMPARE(Shown(Action("mnuPause")->text()), QStringLiteral("Pause"));
    }

    // The list's own menu, by the mouse and by Shift+F10, acts on the
    // selected rows; Delete removes them while the list has the focus, not
    // while the info pane has it.
    void ListMenuAndDeleteActOnTheSelection() {
        StartHashed(3);
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        TDatLst* list = window_->datLst();
        QMenu* menu = window_->listMenu();
        QStringList items;
        for (QAction* action : menu->actions()) {
            items << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
        }
        QCOMPARE(items, QStringList({"mnuCpySel2Clip", "mnuCpySelMagnet", "-", "mnuRmvSel", "-",
                                     "mnuCheckLists"}));
        // Nothing selected: nothing of it acts but the check.
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(30, 5),
                                list->viewport()->mapToGlobal(QPoint(30, 5)));
        QApplication::sendEvent(list->viewport(), &click);
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(!Action("mnuCpySel2Clip")->isEnabled() && !Action("mnuRmvSel")->isEnabled());
        QVERIFY(Action("mnuCheckLists")->isEnabled());
        menu->hide();

        list->setFocus();
        list->SetRowSelected(1, true);
        list->setCurrentIndex(list->model()->index(1, 0));
        QTRY_VERIFY(Action("mnuCpySelMagnet")->isEnabled());
        QTest::keyClick(list, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(menu->isVisible());
        // Opened at the current row, not where the pointer happens to be.
        const QRect row = list->visualRect(list->currentIndex());
        QVERIFY(qAbs(menu->pos().y() - list->viewport()->mapToGlobal(row.bottomLeft()).y()) <= 2);
        menu->hide();
        QGuiApplication::clipboard()->clear();
        Action("mnuCpySelMagnet")->trigger();
        const QString magnet = QGuiApplication::clipboard()->text();
        QVERIFY(magnet.startsWith(u"magnet:?xt=urn:ed2k:"));
        QVERIFY2(magnet.contains(u"%2Ff1.txt&xt="), qPrintable(magnet));  // the second row
        QVERIFY(!magnet.endsWith(u"\r\n"));  // one link alone, as Copy Selected

        // Delete in the info pane's text deletes text, not rows.
        window_->infoWin()->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(window_->infoWin()->TextBox()->hasFocus());
        QTest::keyClick(window_->infoWin()->TextBox(), Qt::Key_Delete);
        QCOMPARE(list->RowCount(), 3);
        const QString gone = list->RowText(1);
        list->setFocus();
        QTRY_VERIFY(list->hasFocus());
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(list->RowCount(), 2);
        QVERIFY(!RowTexts(*list).contains(gone));
        QCOMPARE(Panel(0), QStringLiteral("2 files"));
    }

    // Tab moves on from the info pane and types nothing; the list shows
    // where the keyboard is.
    void TabLeavesThePaneAndTheListShowsItsFocus() {
        StartHashed(2);
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        TInfoWin* pane = window_->infoWin();
        pane->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(pane->TextBox()->hasFocus());
        const QString before = pane->Text();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_VERIFY(!pane->isAncestorOf(QApplication::focusWidget()));
        QCOMPARE(pane->Text(), before);
        QVERIFY(!pane->Text().contains(u'\t'));

        TDatLst* list = window_->datLst();
        list->setFocus();
        list->setCurrentIndex(list->model()->index(0, 0));
        list->clearSelection();
        QTRY_VERIFY(list->hasFocus());
        const QRect row = list->visualRect(list->currentIndex());
        const QImage focused = list->viewport()->grab(row).toImage();
        window_->infoWin()->setFocus();
        QTRY_VERIFY(!list->hasFocus());
        const QImage unfocused = list->viewport()->grab(row).toImage();
        QVERIFY2(focused != unfocused, "no focus rectangle on the current row");
    }

    // A screen reader gets each row's text and its lamp's verdict, and the
    // status bar's panels.
    void ScreenReadersGetVerdictsAndPanels() {
        const QString unhashed = Path("never there.txt");
        StartHashed(2);
        window_->fileTable().AddEntry(unhashed);  // missing: stays yellow
        window_->worker().RefreshList();
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(window_->datLst());
        QVERIFY(list != nullptr);
        QStringList descriptions;
        QStringList names;
        const int rows = window_->datLst()->RowCount();
        for (int i = 0; i < list->childCount(); ++i) {
            QAccessibleInterface* cell = list->child(i);
            if (cell != nullptr && cell->role() != QAccessible::ColumnHeader &&
                cell->role() != QAccessible::RowHeader) {
                names << cell->text(QAccessible::Name);
                descriptions << cell->text(QAccessible::Description);
            }
        }
        QCOMPARE(names.size(), rows);
        QCOMPARE(names, RowTexts(*window_->datLst()));
        QCOMPARE(descriptions,
                 QStringList({"Found correct CRC in filename.", "No CRC found in filename.",
                              "No hash generated for this file yet."}));

        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(window_->statBar());
        QVERIFY(bar != nullptr);
        QCOMPARE(bar->role(), QAccessible::StatusBar);
        QCOMPARE(bar->childCount(), 3);
        window_->UpdateInfoWin();
        QCOMPARE(bar->child(0)->text(QAccessible::Name), QStringLiteral("3 files"));
        // The worker is done; the panel says so at the window's next drain.
        QTRY_COMPARE(bar->child(1)->text(QAccessible::Name),
                     QStringLiteral("Idle: click here to add files"));
        QCOMPARE(bar->child(2)->text(QAccessible::Name), QString());
        QVERIFY(bar->child(0)->rect().intersects(bar->rect()));
        QCOMPARE(bar->indexOfChild(bar->child(1)), 1);
        window_->settings().Set(&SettingsValues::overallProgress, true);
        QCOMPARE(bar->childCount(), 4);
        QVERIFY(bar->text(QAccessible::Name).startsWith(u"3 files, Idle"));
    }

    // Rows as high as a large font; the lamp's hint still finds its row.
    void RowsFollowTheFont() {
        StartHashed(3);
        TDatLst* list = window_->datLst();
        QCOMPARE(list->RowHeight(), TDatLst::RowHeightFor(list->fontMetrics()));
        QFont large = list->font();
        large.setPointSize(24);
        list->setFont(large);
        const int height = list->RowHeight();
        QVERIFY(height >= QFontMetrics(large).height() + 2);
        QVERIFY(height > TDatLst::kRowHeight);
        QTRY_COMPARE(list->visualRect(list->model()->index(2, 0)).top(), 2 * height);
        QCOMPARE(list->visualRect(list->model()->index(2, 0)).height(), height);
        // The lamp of the third row, low in the row.
        const QPoint lamp(5, 2 * height + height - 3);
        QMouseEvent move(QEvent::MouseMove, lamp, list->viewport()->mapToGlobal(lamp), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &move);
        QTRY_COMPARE(window_->cursorHint().HintText(), QStringLiteral("No CRC found in filename."));
    }

    // The end of every row's text can be scrolled to, the lamp column taken
    // into account, also when rows come in while the vertical bar shows.
    void ListScrollsToEveryTextsEnd() {
        QStringList files;
        for (int i = 0; i < 30; ++i) {
            files << WriteFile(Path(QStringLiteral("s%1.txt").arg(i, 2, 10, QChar(u'0'))), "s");
        }
        Start(files);
        QTRY_VERIFY_WITH_TIMEOUT(Idle() && window_->datLst()->RowCount() == 30, kHashTimeoutMs);
        TDatLst* list = window_->datLst();
        list->resize(300, 200);
        QTRY_VERIFY(list->verticalScrollBar()->isVisible());
        auto reach = [list] {
            return list->horizontalScrollBar()->maximum() + list->viewport()->width();
        };
        auto widest = [list] {
            int widest = 0;
            for (const QString& text : RowTexts(*list)) {
                widest = std::max(widest, list->TextWidth(text));
            }
            return TDatLst::kTextLeft + widest;
        };
        QTRY_VERIFY2(reach() >= widest(), qPrintable(QString::number(reach())));
        // A longer one while the vertical bar shows: the extent follows at once.
        const QString longer = WriteFile(Path(QString(80, u'l') + QStringLiteral(".txt")), "l");
        window_->fileTable().AddEntry(longer);
        window_->StartHashing();
        QTRY_VERIFY_WITH_TIMEOUT(Idle() && list->RowCount() == 31, kHashTimeoutMs);
        QTRY_VERIFY2(reach() >= widest(), qPrintable(QString::number(reach())));
        list->horizontalScrollBar()->setValue(list->horizontalScrollBar()->maximum());
        // The last pixel of the longest text is in sight.
        QVERIFY(list->horizontalScrollBar()->value() + list->viewport()->width() >= widest());
    }

    // The info pane gets a bar whenever a line is wider than the room it
    // has, hash lines included, and the view scrolls to the line's end.
    void InfoPaneReachesEveryLinesEnd() {
        StartHashed(1);
        TInfoWin* pane = window_->infoWin();
        window_->UpdateInfoWin();
        const QFontMetrics metrics = pane->fontMetrics();
        const QString sha1 = pane->Lines().value(3);
        QVERIFY(sha1.startsWith(u"SHA1: "));
        QVERIFY(pane->WidestLine() >= metrics.horizontalAdvance(sha1));
        // Just too narrow for the widest line.
        const int width = pane->WidestLine() + pane->FrameAndMargins() - 5;
        pane->setFixedWidth(width);
        QTRY_COMPARE(pane->width(), width);
        pane->UpdateInfoScrollBars();
        const auto bars = pane->CurrentScrollBars();
        QVERIFY(bars == TInfoWin::ScrollBars::Horizontal || bars == TInfoWin::ScrollBars::Both);
        // Wide enough: no bar across.
        pane->setFixedWidth(pane->WidestLine() + pane->FrameAndMargins() + 40);
        QTRY_COMPARE(pane->width(), pane->WidestLine() + pane->FrameAndMargins() + 40);
        pane->UpdateInfoScrollBars();
        QVERIFY(pane->CurrentScrollBars() == TInfoWin::ScrollBars::None ||
                pane->CurrentScrollBars() == TInfoWin::ScrollBars::Vertical);
    }

    // The whole job's progress in a fourth panel and the tray tip's second
    // line while hashing, only with the option on; the other panels' texts
    // stay as they are.
    void OverallProgressWhileHashing() {
        QCOMPARE(TOverallProgress::TextFor(0, 5'000'000'000, 200),
                 QStringLiteral("0 MB of 5000 MB"));
        QCOMPARE(TOverallProgress::TextFor(1'500'000'000, 4'500'000'000, 10'000),
                 QStringLiteral("1500 MB of 4500 MB, 150 MB/s, 0:20 left"));
        QCOMPARE(TOverallProgress::TextFor(25'000'000, 30'000'000'000, 10'000),
                 QStringLiteral("25 MB of 30000 MB, 2.5 MB/s, 3:19:50 left"));

        QStringList tips;
        const QString big = SparseFile(Path("big.bin"), qint64(3) << 30);
        Make({big});
        window_->SetTrayArea(std::make_unique<FakeTray>(&tips));
        window_->settings().Set(&SettingsValues::minimizeToTray, true);
        window_->show();
        QTRY_VERIFY_WITH_TIMEOUT(window_->worker().ChunksDone() > 0, kHashTimeoutMs);
        QCOMPARE(window_->statBar()->PanelCount(), 3);  // off: as it always was
        window_->settings().Set(&SettingsValues::overallProgress, true);
        QCOMPARE(window_->statBar()->PanelCount(), 4);
        const QRegularExpression shape(
            QStringLiteral("^\\d+ MB of 3221 MB(, [\\d.]+ MB/s, (\\d+:)?\\d+:\\d\\d left)?$"));
        QTRY_VERIFY_WITH_TIMEOUT(shape.match(Panel(3)).hasMatch() && Panel(3).contains(u"left"),
                                 kHashTimeoutMs);
        QVERIFY(Panel(1).startsWith(u"Working: 1 file remaining"));
        window_->showMinimized();
        QTRY_VERIFY(!tips.isEmpty());
        QTRY_VERIFY(tips.last().contains(u'\n'));
        const QStringList lines = tips.last().split(u'\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].endsWith(u" to go - Linkmint"));
        QVERIFY(shape.match(lines[1]).hasMatch());
        window_->mnuPauseClick();
        QTRY_VERIFY_WITH_TIMEOUT(!window_->worker().WorkerActive, kHashTimeoutMs);
        QTRY_COMPARE(Panel(3), QString());
        window_->settings().Set(&SettingsValues::overallProgress, false);
        QCOMPARE(window_->statBar()->PanelCount(), 3);
    }

    // Save All Information as "Text Files (*.txt)" with a bare name saves
    // NAME.txt; the links' type and all files keep ".ed2k".
    void SaveDialogTakesTheChosenTypesExtension() {
        QCOMPARE(TSavDlg::SuffixForFilter(QStringLiteral("Text Files (*.txt)")),
                 QStringLiteral("txt"));
        QCOMPARE(TSavDlg::SuffixForFilter(QStringLiteral("ED2K Links (*.ed2k)")),
                 QStringLiteral("ed2k"));
        QCOMPARE(TSavDlg::SuffixForFilter(QStringLiteral("All files (*.*)")),
                 QStringLiteral("ed2k"));
        for (const auto& [filter, expected] :
             {std::pair(1, "info.ed2k"), std::pair(2, "info.txt"), std::pair(3, "info.ed2k")}) {
            TSavDlg dialog(nullptr, {});
            dialog.setDirectory(dir_.path());
            dialog.selectNameFilter(dialog.nameFilters().value(filter - 1));
            dialog.selectFile(QStringLiteral("info"));
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            dialog.accept();
            QCOMPARE(dialog.selectedFiles().value(0), Path(QString::fromUtf8(expected)));
        }
        // A name with its own extension keeps it.
        TSavDlg dialog(nullptr, {});
        dialog.setDirectory(dir_.path());
        dialog.selectNameFilter(dialog.nameFilters().value(1));
        dialog.selectFile(QStringLiteral("info.log"));
        dialog.accept();
        QCOMPARE(dialog.selectedFiles().value(0), Path(QStringLiteral("info.log")));
    }
};

QTEST_MAIN(AccessTest)
#include "access_test.moc"
