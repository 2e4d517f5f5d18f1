// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "dialogs_gui_tests.h"
#include "fake_dialog_host.h"
#include "hint_window_ex.h"
#include "prefs_dialog.h"
#include "recase_link.h"
#include "sel_dir_dialog.h"
#include "shell_integration.h"
#include "stored_link.h"

namespace lm::test {

namespace {

// Records what "Run From Explorer" asks for and fails on request.
class FakeShell : public ShellIntegration {
public:
    QStringList calls;
    QStringList failWith;
    bool registered = false;
    QStringList Register() override {
        calls.append(QStringLiteral("register"));
        registered = true;
        return failWith;
    }
    QStringList Unregister() override {
        calls.append(QStringLiteral("unregister"));
        registered = false;
        return failWith;
    }
    bool IsRegistered() const override { return registered; }
};

QStringList Names(const QComboBox* list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i) {
        names.append(list->itemText(i));
    }
    return names;
}

QString Marker(const QTableWidget* grid, int tableRow) {
    return grid->item(tableRow, 0) != nullptr ? grid->item(tableRow, 0)->text() : QString();
}

}  // namespace

class PrefsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void fileTypeTable();
    void singleTypeIsNeverDeletable();
    void deletingATypeLeavesNoEditorOpen();
    void draggingAMarkerPastTheEnds();
    void recasingHashes();
    void recaseLinkKeepsNames();
    void linkOptionsRerenderStoredLinks();
    void immediateEffects();
    void runFromExplorer();
    void customSoundAndItsHint();
    void defaultDirectory();
    void escapeAndTheCloseBox();
    void screenshot();
};

void PrefsDialogTest::fileTypeTable() {
    Settings settings;
    FakeDialogHost host;
    TfrmPrefs prefs(settings, host, nullptr, nullptr);
    QTableWidget* grid = prefs.FileTypesLst;

    // The first-run table: "All Files" is the default.
    QCOMPARE(grid->rowCount(), 2);
    QCOMPARE(Names(prefs.DefFilTyp),
             QStringList({"All Files (*.*)", "Videos (AVI,OGM,MKV,WMV,ASF,MPG,MP4,MOV)"}));
    QCOMPARE(prefs.DefFilTyp->currentIndex(), 0);
    QCOMPARE(Marker(grid, 0), QStringLiteral("*"));
    QCOMPARE(Marker(grid, 1), QString());

    // An added row is empty; typing a name renames the list item only.
    prefs.AddFileType->click();
    QCOMPARE(grid->rowCount(), 3);
    QCOMPARE(prefs.DefFilTyp->count(), 3);
    QCOMPARE(grid->item(2, 1)->text(), QString());
    QCOMPARE(grid->item(2, 2)->text(), QString());
    grid->item(2, 1)->setText(QStringLiteral("Music"));
    grid->item(2, 2)->setText(QStringLiteral("*.mp3;*.ogg"));
    QCOMPARE(prefs.DefFilTyp->itemText(2), QStringLiteral("Music"));
    QCOMPARE(prefs.DefFilTyp->currentIndex(), 0);
    QCOMPARE(settings.Snapshot().fileTypes.at(2),
             (FileType{QStringLiteral("Music"), QStringLiteral("*.mp3;*.ogg")}));

    // Moving the default row keeps it the default, in the new order.
    prefs.FileTypesLstRowMoved(1, 3);
    QCOMPARE(Names(prefs.DefFilTyp),
             QStringList({"Videos (AVI,OGM,MKV,WMV,ASF,MPG,MP4,MOV)", "Music", "All Files (*.*)"}));
    QCOMPARE(prefs.DefFilTyp->currentIndex(), 2);
    QCOMPARE(Marker(grid, 2), QStringLiteral("*"));
    QCOMPARE(Marker(grid, 0), QString());
    QCOMPARE(settings.Snapshot().defaultType, 3);
    QCOMPARE(settings.Snapshot().fileTypes.at(0).masks,
             QStringLiteral("*.avi;*.ogm;*.mkv;*.wmv;*.asf;*.mpg;*.mpeg;*.mp4;*.mov"));

    // Moving another row past the default leaves the default where it went.
    prefs.FileTypesLstRowMoved(2, 1);
    QCOMPARE(Names(prefs.DefFilTyp).at(0), QStringLiteral("Music"));
    QCOMPARE(prefs.DefFilTyp->currentText(), QStringLiteral("All Files (*.*)"));

    // Deleting a type that is not the default keeps the default and its "*".
    prefs.FileTypesLstSelectCell(0, 1);  // "Music"
    QCOMPARE(prefs.SelFileTypeRow(), 1);
    QVERIFY(prefs.DelFileType->isEnabled());
    prefs.DelFileType->click();
    QCOMPARE(prefs.SelFileTypeRow(), -1);
    QVERIFY(!prefs.DelFileType->isEnabled());
    QCOMPARE(grid->rowCount(), 2);
    QCOMPARE(prefs.DefFilTyp->currentText(), QStringLiteral("All Files (*.*)"));
    QCOMPARE(Marker(grid, 1), QStringLiteral("*"));

    // Deleting the default makes the first remaining type the default.
    prefs.FileTypesLstSelectCell(1, 2);
    prefs.DelFileType->click();
    QCOMPARE(grid->rowCount(), 1);
    QCOMPARE(prefs.DefFilTyp->currentIndex(), 0);
    QCOMPARE(Marker(grid, 0), QStringLiteral("*"));
    QCOMPARE(settings.Snapshot().defaultType, 1);
    QCOMPARE(settings.Snapshot().fileTypes.size(), 1);

    // Choosing another default in the list moves the "*".
    prefs.AddFileType->click();
    prefs.DefFilTyp->setCurrentIndex(1);
    emit prefs.DefFilTyp->activated(1);
    QCOMPARE(Marker(grid, 0), QString());
    QCOMPARE(Marker(grid, 1), QStringLiteral("*"));
    QCOMPARE(settings.Snapshot().defaultType, 2);

    // A table loaded from the INI file replaces the shown one.
    SettingsValues loaded = settings.Snapshot();
    loaded.fileTypes = {{QStringLiteral("A"), QStringLiteral("*.a")},
                        {QStringLiteral("B"), QStringLiteral("*.b")}};
    loaded.defaultType = 2;
    prefs.FileTypesLstSelectCell(0, 1);
    settings.Replace(loaded);
    QCOMPARE(Names(prefs.DefFilTyp), QStringList({"A", "B"}));
    QCOMPARE(prefs.SelFileTypeRow(), -1);
    QVERIFY(!prefs.DelFileType->isEnabled());
    QCOMPARE(Marker(grid, 1), QStringLiteral("*"));
}

void PrefsDialogTest::singleTypeIsNeverDeletable() {
    Settings settings;
    SettingsValues v;
    v.fileTypes = {{QStringLiteral("All"), QStringLiteral("*")}};
    settings.Replace(v);
    FakeDialogHost host;
    TfrmPrefs prefs(settings, host, nullptr, nullptr);
    prefs.show();
    QVERIFY(QTest::qWaitForWindowExposed(&prefs));

    for (int column = 0; column < 3; ++column) {
        prefs.FileTypesLstSelectCell(0, column);
        const QRect cell = prefs.FileTypesLst->visualItemRect(prefs.FileTypesLst->item(0, column));
        QTest::mouseClick(prefs.FileTypesLst->viewport(), Qt::LeftButton, {}, cell.center());
    }
    QVERIFY(!prefs.DelFileType->isEnabled());
    QCOMPARE(prefs.SelFileTypeRow(), -1);
    prefs.DelFileTypeClick();  // even called directly
    QCOMPARE(prefs.FileTypesLst->rowCount(), 1);

    // A click on a cell chooses its row once there are two types...
    prefs.AddFileType->click();
    const QRect cell = prefs.FileTypesLst->visualItemRect(prefs.FileTypesLst->item(1, 1));
    QTest::mouseClick(prefs.FileTypesLst->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(prefs.SelFileTypeRow(), 2);
    QVERIFY(prefs.DelFileType->isEnabled());

    // ... and dragging the marker cell moves the row.
    const QRect from = prefs.FileTypesLst->visualItemRect(prefs.FileTypesLst->item(0, 0));
    const QRect to = prefs.FileTypesLst->visualItemRect(prefs.FileTypesLst->item(1, 0));
    QTest::mousePress(prefs.FileTypesLst->viewport(), Qt::LeftButton, {}, from.center());
    QTest::mouseRelease(prefs.FileTypesLst->viewport(), Qt::LeftButton, {}, to.center());
    QCOMPARE(prefs.DefFilTyp->itemText(1), QStringLiteral("All"));
    QCOMPARE(prefs.DefFilTyp->currentIndex(), 1);
}

namespace {

// Settings with the types "A", "B" and "C", "A" the default.
void UseThreeTypes(Settings& settings) {
    SettingsValues v = settings.Snapshot();
    v.fileTypes = {{QStringLiteral("A"), QStringLiteral("*.a")},
                   {QStringLiteral("B"), QStringLiteral("*.b")},
                   {QStringLiteral("C"), QStringLiteral("*.c")}};
    v.defaultType = 1;
    settings.Replace(v);
}

QPoint CellCenter(const QTableWidget* grid, int tableRow, int column) {
    return grid->visualItemRect(grid->item(tableRow, column)).center();
}

// The table's open cell editor, or null.
QLineEdit* OpenEditor(const QTableWidget* grid) {
    for (QLineEdit* editor : grid->viewport()->findChildren<QLineEdit*>()) {
        if (editor->isVisible()) {
            return editor;
        }
    }
    return nullptr;
}

}  // namespace

void PrefsDialogTest::deletingATypeLeavesNoEditorOpen() {
    Settings settings;
    UseThreeTypes(settings);
    FakeDialogHost host;
    TfrmPrefs prefs(settings, host, nullptr, nullptr);
    prefs.show();
    prefs.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&prefs));
    QTableWidget* grid = prefs.FileTypesLst;

    // A click on a name opens its editor and chooses the row...
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCenter(grid, 0, 1));
    QCOMPARE(prefs.SelFileTypeRow(), 1);
    QVERIFY(OpenEditor(grid) != nullptr);

    // ... and deleting it leaves the next row's name alone: no editor holds
    // it selected for the next key to replace.
    QTest::mouseClick(prefs.DelFileType, Qt::LeftButton);
    QCOMPARE(grid->rowCount(), 2);
    QCOMPARE(OpenEditor(grid), nullptr);
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClicks(focus != nullptr ? focus : &prefs, QStringLiteral("x"));
    QVERIFY(prefs.close());
    QCOMPARE(Names(prefs.DefFilTyp), QStringList({"B", "C"}));
    QCOMPARE(settings.Snapshot().fileTypes.at(0).name, QStringLiteral("B"));
}

void PrefsDialogTest::draggingAMarkerPastTheEnds() {
    Settings settings;
    UseThreeTypes(settings);
    FakeDialogHost host;
    TfrmPrefs prefs(settings, host, nullptr, nullptr);
    prefs.show();
    QVERIFY(QTest::qWaitForWindowExposed(&prefs));
    QTableWidget* grid = prefs.FileTypesLst;
    QWidget* viewport = grid->viewport();
    const int x = CellCenter(grid, 0, 0).x();

    // Above the first row: the row goes first.
    QTest::mousePress(viewport, Qt::LeftButton, {}, CellCenter(grid, 1, 0));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(x, -4));
    QCOMPARE(Names(prefs.DefFilTyp), QStringList({"B", "A", "C"}));
    QCOMPARE(prefs.DefFilTyp->currentText(), QStringLiteral("A"));
    QCOMPARE(Marker(grid, 1), QStringLiteral("*"));

    // Below the last row (the table is taller than its rows): it goes last.
    const int below = grid->rowViewportPosition(2) + grid->rowHeight(2) + 4;
    QVERIFY(below < viewport->height());
    QTest::mousePress(viewport, Qt::LeftButton, {}, CellCenter(grid, 1, 0));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(x, below));
    QCOMPARE(Names(prefs.DefFilTyp), QStringList({"B", "C", "A"}));
    QCOMPARE(settings.Snapshot().defaultType, 3);
    QCOMPARE(Marker(grid, 2), QStringLiteral("*"));
}

void PrefsDialogTest::recasingHashes() {
    Settings settings;
    FakeDialogHost host;
    TfrmPrefs prefs(settings, host, nullptr, nullptr);

    // Nothing listed: nothing to do.
    prefs.LowercaseHashes->click();
    QCOMPARE(host.editCalls, 0);
    prefs.LowercaseHashes->click();

    TFileData hashed;
    hashed.FileName = QStringLiteral("/data/My Movie.AVI");
    hashed.Link =
        QStringLiteral("ed2k://|file|My Movie.AVI|1234|0123456789ABCDEF0123456789ABCDEF|/");
    hashed.Hashes = HashTexts("DEADBEEF", "0123456789ABCDEF0123456789ABCDEF",
                              "ABCDEF0123456789ABCDEF0123456789ABCDEF01");
    hashed.State = fsHashed;
    TFileData waiting;
    waiting.FileName = QStringLiteral("/data/NOT YET.TXT");
    waiting.State = fsQueued;
    host.entries = {hashed, waiting};
    host.rows = {hashed.Link, waiting.FileName};

    prefs.LowercaseHashes->click();
    QCOMPARE(host.editCalls, 1);
    QCOMPARE(host.entries[0].Link,
             QStringLiteral("ed2k://|file|My Movie.AVI|1234|0123456789abcdef0123456789abcdef|/"));
    QCOMPARE(host.entries[0].CRC32(), QByteArray("deadbeef"));
    QCOMPARE(host.entries[0].MD5(), QByteArray("0123456789abcdef0123456789abcdef"));
    QCOMPARE(host.entries[0].SHA1(), QByteArray("abcdef0123456789abcdef0123456789abcdef01"));
    QCOMPARE(host.entries[0].FileName, hashed.FileName);
    QCOMPARE(host.rows[0], host.entries[0].Link);
    QCOMPARE(host.entries[1], waiting);
    QCOMPARE(host.rows[1], waiting.FileName);
    QCOMPARE(host.updateInfoWinCalls, 1);

    // The INI load sets the box the same way and re-cases back.
    settings.Set(&SettingsValues::lowercaseHashes, false);
    QVERIFY(!prefs.LowercaseHashes->isChecked());
    QCOMPARE(host.entries[0], hashed);
    QCOMPARE(host.updateInfoWinCalls, 2);
}

void PrefsDialogTest::recaseLinkKeepsNames() {
    const QString upper = QStringLiteral("0123456789ABCDEF0123456789ABCDEF");
    const QString lower = upper.toLower();
    QCOMPARE(RecaseLink("ed2k://|file|Ab|1|" + upper + u'|', true),
             "ed2k://|file|Ab|1|" + lower + u'|');
    QCOMPARE(RecaseLink("ed2k://|file|Ab|1|" + lower + "|/", false),
             "ed2k://|file|Ab|1|" + upper + "|/");
    // Not a link: unchanged.
    QCOMPARE(RecaseLink(QStringLiteral("A|B|C"), true), QStringLiteral("A|B|C"));
    QCOMPARE(RecaseLink(QStringLiteral("ed2k://|file|Ab|1|ABCDEF|"), true),
             QStringLiteral("ed2k://|file|Ab|1|ABCDEF|"));
    QCOMPARE(RecaseLink(QString(), true), QString());
    // A name holding bars keeps its case; only the hash turns.
    QCOMPARE(RecaseLink("ed2k://|file|A|B|C.TXT|10|" + upper + "|/", true),
             "ed2k://|file|A|B|C.TXT|10|" + lower + "|/");
    // Another client's fields keep theirs too.
    const QString sources = QStringLiteral("|/|sources,Host.Example:4662|/");
    QCOMPARE(RecaseLink("ed2k://|file|A.TXT|10|" + upper + sources, true),
             "ed2k://|file|A.TXT|10|" + lower + sources);
}

void PrefsDialogTest::linkOptionsRerenderStoredLinks() {
    Settings settings;
    FakeDialogHost host;
    TfrmPrefs prefs(settings, host, nullptr, nullptr);
    prefs.show();
    QVERIFY(QTest::qWaitForWindowExposed(&prefs));

    // Both boxes come last in the options column, above the completion group.
    QCOMPARE(prefs.AichHash->text(), QStringLiteral("Add AICH hash"));
    QCOMPARE(prefs.PartHashes->text(), QStringLiteral("Add part hashes"));
    QVERIFY(!prefs.AichHash->isChecked());
    QVERIFY(!prefs.PartHashes->isChecked());
    const QWidget* group = prefs.findChild<QGroupBox*>(QStringLiteral("OnCompletionGroup"));
    QVERIFY(group != nullptr);
    QCOMPARE(prefs.AichHash->x(), prefs.KeepOnXit->x());
    QCOMPARE(prefs.PartHashes->x(), prefs.KeepOnXit->x());
    QVERIFY(prefs.KeepOnXit->y() < prefs.AichHash->y());
    QVERIFY(prefs.AichHash->y() < prefs.PartHashes->y());
    QVERIFY(prefs.PartHashes->y() < group->y());

    // Nothing listed: only the settings change.
    prefs.AichHash->click();
    QVERIFY(settings.Snapshot().aichHash);
    prefs.AichHash->click();
    prefs.PartHashes->click();
    prefs.PartHashes->click();
    QCOMPARE(host.rerenderCalls, 0);
    QCOMPARE(settings.Snapshot(), SettingsValues{});

    // A file of three parts, hashed, with what its pass kept; and one waiting.
    KeptDigests kept;
    QCryptographicHash md4(QCryptographicHash::Md4);
    for (std::uint8_t i = 1; i <= 3; ++i) {
        Digest16 chunk;
        chunk.fill(i);
        kept.chunkDigests.push_back(chunk);
        md4.addData(QByteArrayView(reinterpret_cast<const char*>(chunk.data()), 16));
    }
    kept.aich = Digest20{};
    kept.aich->fill(0x42);
    const QString hash = QString::fromLatin1(md4.result().toHex().toUpper());
    const QString parts = QStringLiteral(
        "|p=01010101010101010101010101010101:02020202020202020202020202020202:"
        "03030303030303030303030303030303");
    const QString aich = QStringLiteral("|h=IJBEEQSCIJBEEQSCIJBEEQSCIJBEEQSC");
    const QString start = "ed2k://|file|Big File.BIN|19456005|" + hash;
    TFileData hashed;
    hashed.FileName = QStringLiteral("/data/Big File.BIN");
    hashed.Link = start + "|/";
    hashed.State = fsHashed;
    TFileData waiting;
    waiting.FileName = QStringLiteral("/data/later.bin");
    waiting.State = fsQueued;
    host.entries = {hashed, waiting};
    host.rows = {hashed.Link, waiting.FileName};
    host.rerender = [&](TFileData& entry) {
        entry.Link =
            RerenderLink(entry.Link, entry.FileName == hashed.FileName ? kept : KeptDigests{},
                         settings.Snapshot());
    };

    prefs.PartHashes->click();
    QCOMPARE(host.rerenderCalls, 1);
    QCOMPARE(host.updateInfoWinCalls, 1);
    QCOMPARE(host.entries[0].Link, start + parts + "|/");
    QCOMPARE(host.rows[0], host.entries[0].Link);
    QCOMPARE(host.entries[1], waiting);
    QCOMPARE(host.rows[1], waiting.FileName);
    prefs.AichHash->click();
    QCOMPARE(host.rerenderCalls, 2);
    QCOMPARE(host.entries[0].Link, start + parts + aich + "|/");

    // Re-casing such a link and back gives it unchanged.
    prefs.LowercaseHashes->click();
    QCOMPARE(host.entries[0].Link,
             (start + parts + aich)
                     .toLower()
                     .replace(QStringLiteral("big file.bin"), QStringLiteral("Big File.BIN")) +
                 "|/");
    prefs.LowercaseHashes->click();
    QCOMPARE(host.entries[0].Link, start + parts + aich + "|/");
    QCOMPARE(host.rerenderCalls, 2);

    // A load that turns both off at once re-renders once; other options
    // never re-render.
    SettingsValues loaded = settings.Snapshot();
    loaded.aichHash = false;
    loaded.partHashes = false;
    settings.Replace(loaded);
    QVERIFY(!prefs.AichHash->isChecked());
    QVERIFY(!prefs.PartHashes->isChecked());
    QCOMPARE(host.rerenderCalls, 3);
    QCOMPARE(host.entries[0], hashed);
    prefs.StripPaths->click();
    prefs.TrailingSlash->click();
    QCOMPARE(host.rerenderCalls, 3);
}

void PrefsDialogTest::immediateEffects() {
    Settings settings;
    FakeDialogHost host;
    TfrmPrefs prefs(settings, host, nullptr, nullptr);

    // Initial values.
    QVERIFY(prefs.ShowInfoWin->isChecked());
    QVERIFY(prefs.TrailingSlash->isChecked());
    QVERIFY(!prefs.StripPaths->isChecked());
    QVERIFY(prefs.GoIdle->isChecked());
    QCOMPARE(prefs.ThrdPri->currentText(), QStringLiteral("Lower"));
    QCOMPARE(prefs.BeepType->currentText(), QStringLiteral("none"));
    QCOMPARE(prefs.DragDropAll->text(), QStringLiteral("Use *.* For Drag && Drop"));

    prefs.ShowInfoWin->click();
    QCOMPARE(host.infoWinVisible, QList<bool>({false}));
    QVERIFY(!settings.Snapshot().showInfoWin);

    prefs.Copy2Clip->click();
    prefs.CopyNExit->click();
    prefs.CopySel2Clip->click();
    prefs.GoIdle->click();
    QCOMPARE(host.exitWhenDoneVisible, QList<bool>({true, false, true, false}));
    QCOMPARE(settings.Snapshot().onCompletion, OnCompletion::GoIdle);

    prefs.ThrdPri->setCurrentIndex(4);
    emit prefs.ThrdPri->activated(4);
    QCOMPARE(host.priorities, QList<ThreadPriority>({ThreadPriority::Higher}));

    // Boxes without an immediate effect only change the setting.
    prefs.StripPaths->click();
    prefs.KeepOnXit->click();
    QVERIFY(settings.Snapshot().stripPath);
    QVERIFY(settings.Snapshot().keepFilesOnExit);

    // A loaded value shows in its control and acts as a click would.
    settings.Set(&SettingsValues::onCompletion, OnCompletion::CopyToClipboard);
    QVERIFY(prefs.Copy2Clip->isChecked());
    QCOMPARE(host.exitWhenDoneVisible.last(), true);
    prefs.PlaySnd->click();
    QCOMPARE(host.playCalls, 1);
}

void PrefsDialogTest::runFromExplorer() {
    Settings settings;
    FakeDialogHost host;
    FakeShell shell;
    TfrmPrefs prefs(settings, host, nullptr, &shell);

    prefs.RunFromExplorer->click();
    QCOMPARE(shell.calls, QStringList({"register"}));
    QVERIFY(prefs.IsContextMenuRegistered());
    prefs.RunFromExplorer->click();
    QCOMPARE(shell.calls, QStringList({"register", "unregister"}));
    QVERIFY(host.errors.isEmpty());

    // Failures are shown one by one; the box keeps the user's choice.
    shell.failWith = {QStringLiteral("Error: one"), QStringLiteral("Error: two")};
    prefs.RunFromExplorer->click();
    QCOMPARE(host.errors, shell.failWith);
    QVERIFY(prefs.RunFromExplorer->isChecked());

    // At start the load sets the box from the desktop and registers anew.
    Settings fresh;
    FakeShell installed;
    installed.registered = true;
    TfrmPrefs again(fresh, host, nullptr, &installed);
    fresh.Set(&SettingsValues::runFromExplorer, again.IsContextMenuRegistered());
    QVERIFY(again.RunFromExplorer->isChecked());
    QCOMPARE(installed.calls, QStringList({"register"}));
}

void PrefsDialogTest::customSoundAndItsHint() {
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("ding.wav"));
    const QString second = dir.filePath(QStringLiteral("dong.mid"));
    for (const QString& path : {first, second}) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    Settings settings;
    FakeDialogHost host;
    TfrmPrefs prefs(settings, host, nullptr, nullptr);
    prefs.show();

    prefs.SetCustomSound(dir.filePath(QStringLiteral("missing.wav")));
    QCOMPARE(prefs.BeepType->count(), 7);

    prefs.SetCustomSound(first);
    prefs.SetCustomSound(second);
    QCOMPARE(prefs.BeepType->count(), 8);
    QCOMPARE(prefs.BeepType->currentIndex(), 7);
    QCOMPARE(prefs.BeepType->itemText(7), second);
    QCOMPARE(settings.Snapshot().notifySound, 7);
    QCOMPARE(settings.Snapshot().lastSoundPath, dir.path());

    // Hovering shows the full path; the timer hides it again.
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), prefs.BeepType->mapToGlobal(QPointF(5, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(prefs.BeepType, &move);
    QVERIFY(prefs.SoundHintWin != nullptr);
    QCOMPARE(prefs.SoundHintWin->HintText(), second);
    QVERIFY(prefs.SoundHintWin->isVisible());
    QVERIFY(prefs.Timer1.isActive());
    QCOMPARE(prefs.Timer1.interval(), 2500);
    prefs.Timer1Timer();
    QVERIFY(!prefs.SoundHintWin->isVisible());
    QVERIFY(prefs.SoundHintWin->HintText().isEmpty());
    QVERIFY(!prefs.Timer1.isActive());

    // With a system sound chosen there is nothing to explain.
    prefs.BeepType->setCurrentIndex(2);
    emit prefs.BeepType->activated(2);
    QCoreApplication::sendEvent(prefs.BeepType, &move);
    QVERIFY(!prefs.SoundHintWin->isVisible());
    QCOMPARE(settings.Snapshot().notifySound, 2);
}

void PrefsDialogTest::defaultDirectory() {
    QTemporaryDir dir;
    Settings settings;
    FakeDialogHost host;
    TfrmSelDir selDir(settings, host);
    TfrmPrefs prefs(settings, host, &selDir, nullptr);
    prefs.show();

    // An existing directory takes effect at once.
    prefs.DefaultDir->setText(dir.path());
    QCOMPARE(host.openDialogDirs, QStringList({dir.path()}));
    QCOMPARE(selDir.DirName->text(), dir.path());

    // A missing one: OK shows the message and the dialog stays, unsaved;
    // the close box shows it too, stays, and saves.
    const QString missing = dir.filePath(QStringLiteral("gone"));
    prefs.DefaultDir->setText(missing);
    QCOMPARE(host.openDialogDirs.size(), 1);
    prefs.btnOK->click();
    QCOMPARE(host.errors, QStringList({TfrmPrefs::DefaultDirError()}));
    QCOMPARE(TfrmPrefs::DefaultDirError(),
             QStringLiteral("Error: Default Directory path does not exist.\r\nPlease choose a "
                            "real directory or leave it blank."));
    QVERIFY(prefs.isVisible());
    QCOMPARE(host.saveCalls, 0);
    QVERIFY(!prefs.close());  // the close box
    QVERIFY(prefs.isVisible());
    QCOMPARE(host.errors.size(), 2);
    QCOMPARE(host.saveCalls, 1);
    QCOMPARE(settings.Snapshot().defaultDirectory, missing);

    prefs.DefaultDir->clear();
    prefs.btnOK->click();
    QVERIFY(!prefs.isVisible());
    QCOMPARE(prefs.result(), int(QDialog::Accepted));
    QCOMPARE(host.saveCalls, 2);
    QCOMPARE(host.errors.size(), 2);
}

void PrefsDialogTest::escapeAndTheCloseBox() {
    Settings settings;
    FakeDialogHost host;
    TfrmPrefs prefs(settings, host, nullptr, nullptr);
    prefs.show();
    prefs.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&prefs));

    // Esc neither closes nor saves, wherever the focus is.
    QTest::keyClick(&prefs, Qt::Key_Escape);
    prefs.StripPaths->setFocus();
    QTest::keyClick(prefs.StripPaths, Qt::Key_Escape);
    QVERIFY(prefs.isVisible());
    QCOMPARE(host.saveCalls, 0);
    QVERIFY(host.errors.isEmpty());

    // The close box while a name is being typed: the name is saved.
    QStringList saved;
    host.onSave = [&] {
        for (const FileType& type : settings.Snapshot().fileTypes) {
            saved.append(type.name);
        }
    };
    QTableWidget* grid = prefs.FileTypesLst;
    grid->setCurrentCell(1, 1);
    QLineEdit* editor = OpenEditor(grid);
    QVERIFY(editor != nullptr);
    QCOMPARE(QApplication::focusWidget(), editor);
    QTest::keyClicks(editor, QStringLiteral("Films"));
    QVERIFY(prefs.close());
    QCOMPARE(host.saveCalls, 1);
    QCOMPARE(saved, QStringList({"All Files (*.*)", "Films"}));
    QCOMPARE(prefs.DefFilTyp->itemText(1), QStringLiteral("Films"));
}

void PrefsDialogTest::screenshot() {
    Settings settings;
    FakeDialogHost host;
    TfrmPrefs prefs(settings, host, nullptr, nullptr);
    prefs.show();
    QVERIFY(QTest::qWaitForWindowExposed(&prefs));
    QVERIFY(SaveScreenshot(&prefs, QStringLiteral("preferences")));
}

int RunPrefsDialogTests(int argc, char** argv) {
    PrefsDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace lm::test

#include "prefs_dialog_test.moc"
