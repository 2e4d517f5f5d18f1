// SPDX-License-Identifier: MIT
// The file list and the information pane through a random session on the
// real window: entries added, hashed (with second rows), shown in batches,
// selected, sorted and removed, and the user reaching into the pane. The
// worker's part is played by the test on the table, so that every step is
// the same on every run. After each step the rows, their lamps and their
// selection, and the pane's lines and text extent, must be what a list and
// a pane made from scratch show for the table as it stands.
//
// LM_PANE_SEED replays another session (the seed is printed).

#include <QAbstractScrollArea>
#include <QAction>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <random>

#include "dat_lst.h"
#include "file_list_model.h"
#include "gui_test_support.h"
#include "info_pane_text.h"
#include "info_win.h"
#include "stress_session.h"

using namespace lm;
using namespace lm::test;

namespace {

QStringList Sorted(QStringList texts) {
    texts.sort();
    return texts;
}

}  // namespace

class InfoPaneTest : public WindowTest {
    Q_OBJECT

private:
    std::mt19937 random_;
    QStringList paths_;

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    QByteArray Hex(int digits) {
        QByteArray hex;
        for (int i = 0; i < digits; ++i) {
            hex += "0123456789ABCDEF"[Below(16)];
        }
        return hex;
    }
    TDatLst& List() const { return *window_->datLst(); }
    FileTable& Table() const { return window_->fileTable(); }
    TInfoWin& Pane() const { return *window_->infoWin(); }
    bool Trigger(const char* name) {
        QAction* action = window_->findChild<QAction*>(QLatin1StringView(name));
        if (!action->isEnabled()) {
            return false;
        }
        action->trigger();
        return true;
    }
    // What the worker's report of finished files leads to.
    void ShowWhatChanged() {
        Table().RefreshList(List());
        window_->UpdateInfoWin();
    }
    // The worker's part for the next queued file, with made-up results of
    // varied widths; a second row now and then.
    bool HashNext() {
        const std::optional<WorkClaim> claim = Table().ClaimNextQueued();
        if (!claim) {
            return false;
        }
        const QString name = claim->fileName.section(u'/', -1);
        HashResults results;
        results.link = QStringLiteral("ed2k://|file|%1|%2|%3|/")
                           .arg(name)
                           .arg(Below(100000))
                           .arg(QString::fromLatin1(Hex(32)) + QString(Below(40), u'W'));
        results.hashes = HashTexts(Hex(8), Hex(32), Hex(40));
        results.crcStatus = Below(4);
        if (Below(4) == 0) {
            results.hasSecondLink = true;
            results.secondLink = results.link + QStringLiteral("second");
        }
        return Table().StoreResults(*claim, results);
    }
    QAbstractScrollArea* PaneView() const {
        for (QAbstractScrollArea* area : Pane().findChildren<QAbstractScrollArea*>()) {
            if (area != Pane().TextBox()) {
                return area;
            }
        }
        return nullptr;
    }

    // The rows, lamps and selection against the table; the pane against a
    // list made from scratch and against a pane made anew for the table.
    void CheckRowsAndPane(const QString& where) {
        const QList<TFileData> entries = Table().Entries();
        QStringList texts;
        QList<int> lamps, rowLamps;
        QList<int> selected;
        for (int i = 0; i < entries.size(); ++i) {
            texts << (entries[i].Link.isEmpty() ? entries[i].FileName : entries[i].Link);
            lamps << entries[i].CRCStatus;
            if (entries[i].Selected) {
                selected << i;
            }
        }
        QCOMPARE(RowTexts(List()), texts);
        for (int row = 0; row < List().RowCount(); ++row) {
            rowLamps << List().model()->index(row, 0).data(TFileListModel::LampRole).toInt();
        }
        QVERIFY2(rowLamps == lamps, qPrintable(where));
        QVERIFY2(List().SelectedRows() == selected, qPrintable(where));
        if (Pane().EditedByUser()) {
            return;  // the user's text until the program writes the pane again
        }
        QVERIFY2(Pane().Lines() == PaneLinesFor(entries, selected), qPrintable(where));

        TInfoWin fresh;
        fresh.setFont(Pane().font());
        TInfoPaneText freshText(&fresh);
        if (selected.isEmpty()) {
            freshText.ShowAll(Table(), List().ListRows());
        } else {
            freshText.ShowRows(Table(), selected);
        }
        QCOMPARE(fresh.Lines(), Pane().Lines());
        QVERIFY2(fresh.TextExtent() == Pane().TextExtent(), qPrintable(where));
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        // Names with and without a CRC in them, a folder, and two that are
        // not there.
        for (const char* name :
             {"one.txt", "Two [1234ABCD].avi", "three.bin", "sub/four", "sub/five [00000000].mkv",
              "a", "B", "c.d.e", "long name with spaces.iso", "x"}) {
            paths_ << WriteFile(dir_.filePath(QString::fromUtf8(name)), "data");
        }
        paths_ << dir_.filePath("missing one") << dir_.filePath("sub/missing two");
    }

    void RowsAndPaneFollowTheTableThroughARandomSession() {
        const auto seed = static_cast<std::uint32_t>(
            EnvNumber("LM_PANE_SEED", QRandomGenerator::global()->generate()));
        qInfo("pane seed %u (LM_PANE_SEED replays it)", seed);
        random_.seed(seed);
        Make({})->resize(700, 500);
        window_->show();
        QTRY_VERIFY(window_->StartupPhase() == 0);

        QStringList history;
        for (int step = 0; step < 600; ++step) {
            const int pick = Below(100);
            bool written = true;  // the window wrote the pane in this step
            if (pick < 25) {
                for (int n = 1 + Below(3); n > 0; --n) {
                    Table().AddEntry(paths_[Below(static_cast<int>(paths_.size()))]);
                }
                history << QStringLiteral("add");
                ShowWhatChanged();
            } else if (pick < 50) {
                // One file or a few before the list catches up.
                const int files = 1 + Below(3);
                for (int n = 0; n < files; ++n) {
                    HashNext();
                }
                history << QStringLiteral("hash %1").arg(files);
                if (Below(3) == 0) {
                    written = false;
                } else {
                    ShowWhatChanged();
                }
            } else if (pick < 62) {
                ShowWhatChanged();
                List().clearSelection();
                const int rows = List().RowCount();
                for (int n = rows == 0 ? 0 : Below(4); n > 0; --n) {
                    List().SetRowSelected(Below(rows), true);
                }
                history << QStringLiteral("select %1").arg(List().SelectedCount());
                window_->UpdateInfoWin();
            } else if (pick < 66) {
                Table().RefreshList(List());
                List().clearSelection();
                history << QStringLiteral("unselect");
                window_->UpdateInfoWin();
            } else if (pick < 73) {
                // Sort shows what changed first; it then moves the rows.
                Table().RefreshList(List());
                const QStringList before = Sorted(RowTexts(List()));
                QStringList selectedBefore;
                for (int row : List().SelectedRows()) {
                    selectedBefore << List().RowText(row);
                }
                history << QStringLiteral("sort");
                written = Trigger("mnuSortList");
                if (written) {
                    QCOMPARE(Sorted(RowTexts(List())), before);
                    QStringList selectedAfter;
                    for (int row : List().SelectedRows()) {
                        selectedAfter << List().RowText(row);
                    }
                    QCOMPARE(Sorted(selectedAfter), Sorted(selectedBefore));
                }
            } else if (pick < 80) {
                history << QStringLiteral("remove selected");
                written = Trigger("mnuRmvSel");
            } else if (pick < 82) {
                history << QStringLiteral("remove all");
                written = Trigger("mnuRmvAll");
            } else if (pick < 92) {
                // A click into the pane: the same lines, now in a text box.
                QAbstractScrollArea* view = PaneView();
                QVERIFY(view != nullptr);
                history << QStringLiteral("click pane");
                written = false;
                if (view->isVisible()) {
                    const QStringList lines = Pane().Lines();
                    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
                    QVERIFY(Pane().InTextBox());
                    QCOMPARE(Pane().Lines(), lines);
                    QVERIFY(!Pane().EditedByUser());
                }
            } else {
                history << QStringLiteral("type");
                written = false;
                if (Pane().InTextBox()) {
                    QTest::keyClick(Pane().TextBox(), Qt::Key_Z);
                    QVERIFY(Pane().EditedByUser());
                }
            }
            if (written) {
                CheckRowsAndPane(QStringLiteral("seed %1, step %2: %3")
                                     .arg(seed)
                                     .arg(step)
                                     .arg(history.mid(std::max(0, step - 8)).join(u", ")));
                if (QTest::currentTestFailed()) {
                    return;
                }
            }
        }
        QCOMPARE(window_->boxes, QStringList());
    }

    // The pane scrolls to the end of a block's widest line, a hash line
    // where the link is short, whether the texts are digits of whole
    // digests (measured only when they could be the widest) or texts kept
    // as given (always measured). The link is nearly as wide as the SHA1
    // line: a bound that fell short would leave that line unmeasured.
    void HashLinesCanBeScrolledToTheirEnds() {
        const auto widestOf = [](const QByteArray& crc) {
            FileTable table;
            TFileData entry;
            entry.FileName = QStringLiteral("/x");
            entry.State = fsHashed;
            entry.Link = QString(38, u'd');
            entry.Hashes = HashTexts(crc, QByteArray(32, 'f'), QByteArray(40, 'd'));
            table.Restore(entry);
            TDatLst list(table);
            table.RefreshList(list);
            TInfoWin pane;
            TInfoPaneText text(&pane);
            text.ShowRows(table, {0});
            return pane.WidestLine();
        };
        // A CRC one digit short keeps all three as given; the SHA1 line,
        // the widest, is the same.
        QCOMPARE(widestOf("0123abcd"), widestOf("0123abc"));
        QVERIFY(widestOf("0123abc") > 0);
    }

    void cleanup() { window_.reset(); }
};

QTEST_MAIN(InfoPaneTest)
#include "info_pane_test.moc"
