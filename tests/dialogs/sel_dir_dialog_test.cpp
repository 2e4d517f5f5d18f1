// SPDX-License-Identifier: MIT
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "dialogs_gui_tests.h"
#include "dir_listing.h"
#include "fake_dialog_host.h"
#include "sel_dir_dialog.h"

namespace lm::test {

namespace {

void Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

QStringList Items(const QListView* list) {
    QStringList items;
    for (int i = 0; i < list->model()->rowCount(); ++i) {
        items.append(list->model()->index(i, 0).data().toString());
    }
    return items;
}

// Settings with "Text" (*.txt) as the chosen type.
void UseTextType(Settings& settings, const QString& masks = QStringLiteral("*.txt")) {
    SettingsValues v = settings.Snapshot();
    v.fileTypes = {{QStringLiteral("All Files (*.*)"), QStringLiteral("*.*")},
                   {QStringLiteral("Text"), masks}};
    v.defaultType = 2;
    settings.Replace(v);
}

// Runs `action` once, from inside the count's event processing, as soon as
// FileLst holds `count` names: what a click during a count does.
void WhenListed(QListView* list, int count, std::function<void()> action) {
    auto fired = std::make_shared<bool>(false);
    auto check = [list, count, fired, action] {
        if (!*fired && list->model()->rowCount() >= count) {
            *fired = true;
            QTimer::singleShot(0, list, action);
        }
    };
    QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, list, check);
    QObject::connect(list->model(), &QAbstractItemModel::modelReset, list, check);
}

}  // namespace

class SelDirDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void countsHiddenFilesAndEveryOccurrence();
    void countFilesButtonCancelsRunningCount();
    void directoryChangeRecountsWhenAuto();
    void invalidMaskEndsLikeACancel();
    void openDirectoryAddsMatchesAndStartsHashing();
    void openDirectoryWithoutMatchesStillStartsHashing();
    void cancelAndCloseBoxRestoreStatus();
    void fileTypesFollowTheTable();
    void opensOnTheChosenDirectory();
    void screenshot();

private:
    QTemporaryDir tmp_;
};

void SelDirDialogTest::init() {
    QVERIFY(tmp_.isValid());
}

void SelDirDialogTest::countsHiddenFilesAndEveryOccurrence() {
    const QString root = tmp_.filePath(QStringLiteral("tree"));
    Touch(root + QStringLiteral("/a.txt"));
    Touch(root + QStringLiteral("/B.txt"));
    Touch(root + QStringLiteral("/.hidden.txt"));
    Touch(root + QStringLiteral("/picture.png"));
    Touch(root + QStringLiteral("/.sub/a.txt"));
    Touch(root + QStringLiteral("/sub/c.TXT"));

    Settings settings;
    UseTextType(settings);
    FakeDialogHost host;
    TfrmSelDir dialog(settings, host);
    dialog.show();
    QCOMPARE(dialog.FileTypes->currentText(), QStringLiteral("Text"));
    dialog.SelectDirectory(root);
    QCOMPARE(dialog.DirName->text(), root);
    QCOMPARE(dialog.FileNoLbl->text(), QStringLiteral("Number of files: ?"));

    dialog.CountFiles->click();
    QCOMPARE(Items(dialog.FileLst), QStringList({".hidden.txt", "a.txt", "B.txt"}));
    QCOMPARE(dialog.FileNoLbl->text(), QStringLiteral("Number of files: 3"));
    QCOMPARE(dialog.CountFiles->text(), QStringLiteral("Count Files"));

    dialog.RecurseDirs->click();
    QVERIFY(settings.Snapshot().recurseDirectories);
    QCOMPARE(dialog.FileNoLbl->text(), QStringLiteral("Number of files: 3"));  // not Auto
    dialog.CountFiles->click();
    QCOMPARE(Items(dialog.FileLst),
             QStringList({".hidden.txt", "a.txt", "a.txt", "B.txt", "c.TXT"}));
    QCOMPARE(dialog.FileNoLbl->text(), QStringLiteral("Number of files: 5"));

    // Ticking Auto counts at once; so does a change of type.
    dialog.RecurseDirs->click();
    dialog.AutoCnt->click();
    QVERIFY(settings.Snapshot().autoCountDirectories);
    QCOMPARE(dialog.FileNoLbl->text(), QStringLiteral("Number of files: 3"));
    dialog.FileTypes->setCurrentIndex(0);
    QCOMPARE(dialog.FileNoLbl->text(), QStringLiteral("Number of files: 4"));

    // A directory that is not there lists nothing.
    dialog.DirLstChange(tmp_.filePath(QStringLiteral("nowhere")));
    QCOMPARE(dialog.FileNoLbl->text(), QStringLiteral("Number of files: 0"));
}

void SelDirDialogTest::countFilesButtonCancelsRunningCount() {
    const QString root = tmp_.filePath(QStringLiteral("many"));
    for (int i = 0; i < 60; ++i) {
        Touch(root + QStringLiteral("/file%1.txt").arg(i, 2, 10, QLatin1Char('0')));
    }
    Settings settings;
    UseTextType(settings);
    FakeDialogHost host;
    TfrmSelDir dialog(settings, host);
    dialog.SelectDirectory(root);

    bool sawCancelCaption = false;
    WhenListed(dialog.FileLst, 5, [&] {
        sawCancelCaption = dialog.CountFiles->text() == QLatin1StringView("Cancel");
        dialog.CountFiles->click();
    });
    dialog.CountFiles->click();
    QVERIFY(sawCancelCaption);
    QCOMPARE(dialog.FileNoLbl->text(), QStringLiteral("Number of files: ?"));
    QCOMPARE(dialog.CountFiles->text(), QStringLiteral("Count Files"));
    QVERIFY(dialog.FileLst->model()->rowCount() >= 5);
    QVERIFY(dialog.FileLst->model()->rowCount() < 60);  // the names found so far stay

    dialog.CountFiles->click();  // and the next count runs to the end
    QCOMPARE(dialog.FileNoLbl->text(), QStringLiteral("Number of files: 60"));
}

void SelDirDialogTest::directoryChangeRecountsWhenAuto() {
    const QString big = tmp_.filePath(QStringLiteral("big"));
    const QString small = tmp_.filePath(QStringLiteral("small"));
    for (int i = 0; i < 40; ++i) {
        Touch(big + QStringLiteral("/f%1.txt").arg(i));
    }
    for (int i = 0; i < 3; ++i) {
        Touch(small + QStringLiteral("/s%1.txt").arg(i));
    }
    Settings settings;
    UseTextType(settings);
    settings.Set(&SettingsValues::autoCountDirectories, true);
    FakeDialogHost host;
    TfrmSelDir dialog(settings, host);
    QVERIFY(dialog.AutoCnt->isChecked());

    // Hidden, a new directory waits for the showing to be counted.
    dialog.SelectDirectory(small);
    QCOMPARE(dialog.FileNoLbl->text(), QStringLiteral("Number of files: ?"));
    dialog.show();
    QCoreApplication::processEvents();
    QCOMPARE(dialog.FileNoLbl->text(), QStringLiteral("Number of files: 3"));

    WhenListed(dialog.FileLst, 5, [&] { dialog.SelectDirectory(small); });
    dialog.SelectDirectory(big);  // counts at once, and is moved on meanwhile
    QCOMPARE(dialog.DirName->text(), small);
    QCOMPARE(Items(dialog.FileLst), QStringList({"s0.txt", "s1.txt", "s2.txt"}));
    QCOMPARE(dialog.FileNoLbl->text(), QStringLiteral("Number of files: 3"));
    QCOMPARE(dialog.CountFiles->text(), QStringLiteral("Count Files"));
}

void SelDirDialogTest::invalidMaskEndsLikeACancel() {
    const QString root = tmp_.filePath(QStringLiteral("masks"));
    Touch(root + QStringLiteral("/a.txt"));
    Settings settings;
    UseTextType(settings, QStringLiteral("[a"));
    FakeDialogHost host;
    TfrmSelDir dialog(settings, host);
    dialog.SelectDirectory(root);
    dialog.CountFiles->click();
    QCOMPARE(host.errors.size(), 1);
    QVERIFY(host.errors[0].contains(QStringLiteral("invalid mask")));
    QCOMPARE(dialog.FileNoLbl->text(), QStringLiteral("Number of files: ?"));
    QCOMPARE(dialog.CountFiles->text(), QStringLiteral("Count Files"));

    dialog.OKBtn->click();
    QCOMPARE(host.errors.size(), 2);
    QCOMPARE(host.startHashingCalls, 0);
    QVERIFY(host.added.isEmpty());
}

void SelDirDialogTest::openDirectoryAddsMatchesAndStartsHashing() {
    const QString root = tmp_.filePath(QStringLiteral("open"));
    Touch(root + QStringLiteral("/z.txt"));
    Touch(root + QStringLiteral("/a.txt"));
    Touch(root + QStringLiteral("/sub/m.txt"));
    Touch(root + QStringLiteral("/skip.bin"));
    Settings settings;
    UseTextType(settings);
    settings.Set(&SettingsValues::recurseDirectories, true);
    settings.Set(&SettingsValues::presortFiles, true);
    FakeDialogHost host;
    TfrmSelDir dialog(settings, host);
    dialog.SelectDirectory(root);
    dialog.show();

    dialog.OKBtn->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QStringList added = host.added;
    added.sort();
    QCOMPARE(added, QStringList({root + "/a.txt", root + "/sub/m.txt", root + "/z.txt"}));
    QCOMPARE(host.sortCalls, 1);
    QCOMPARE(host.startHashingCalls, 1);
    QCOMPARE(settings.Snapshot().lastFilePath, root);
}

void SelDirDialogTest::openDirectoryWithoutMatchesStillStartsHashing() {
    const QString root = tmp_.filePath(QStringLiteral("nomatch"));
    Touch(root + QStringLiteral("/picture.png"));
    Settings settings;
    UseTextType(settings);
    settings.Set(&SettingsValues::presortFiles, true);
    FakeDialogHost host;
    TfrmSelDir dialog(settings, host);
    dialog.SelectDirectory(root);
    dialog.OKBtnClick();
    QVERIFY(host.added.isEmpty());
    QCOMPARE(host.sortCalls, 0);
    QCOMPARE(host.startHashingCalls, 1);
}

void SelDirDialogTest::cancelAndCloseBoxRestoreStatus() {
    Settings settings;
    FakeDialogHost host;
    TfrmSelDir dialog(settings, host);

    dialog.show();
    dialog.CnclBtn->click();
    QVERIFY(!dialog.isVisible());
    QVERIFY(CancelListing);
    host.remaining = 1;
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    host.remaining = 7;
    dialog.show();
    dialog.close();  // the close box acts as Cancel
    host.paused = true;
    dialog.show();
    dialog.CnclBtn->click();
    QCOMPARE(host.statusTexts,
             QStringList({"1:Idle: click here to add files", "1:Working: 1 file remaining",
                          "1:Working: 7 files remaining", "1:Paused: 7 files remaining"}));
    QCOMPARE(host.startHashingCalls, 0);
}

void SelDirDialogTest::fileTypesFollowTheTable() {
    Settings settings;
    FakeDialogHost host;
    TfrmSelDir dialog(settings, host);
    QCOMPARE(dialog.FileTypes->count(), 2);
    QCOMPARE(dialog.FileTypes->currentIndex(), 0);
    dialog.FileTypes->setCurrentIndex(1);
    settings.Set(&SettingsValues::presortFiles, true);  // unrelated: the choice stays
    QCOMPARE(dialog.FileTypes->currentIndex(), 1);
    UseTextType(settings);
    QCOMPARE(dialog.FileTypes->itemText(1), QStringLiteral("Text"));
    QCOMPARE(dialog.FileTypes->currentIndex(), 1);  // the new default
    settings.Set(&SettingsValues::defaultType, 1);
    QCOMPARE(dialog.FileTypes->currentIndex(), 0);
}

void SelDirDialogTest::opensOnTheChosenDirectory() {
    // Sixty folders sort before the chosen one, which ends up far down.
    const QString parent = tmp_.filePath(QStringLiteral("reveal"));
    for (int i = 0; i < 60; ++i) {
        QVERIFY(QDir().mkpath(parent + QStringLiteral("/a%1").arg(i, 2, 10, QLatin1Char('0'))));
    }
    const QString chosen = parent + QStringLiteral("/zz");
    QVERIFY(QDir().mkpath(chosen + QStringLiteral("/inside")));
    Settings settings;
    FakeDialogHost host;
    TfrmSelDir dialog(settings, host);
    QTreeView* tree = dialog.DirLst;

    // With nothing chosen "/" shows its folders.
    dialog.show();
    const QModelIndex slash = dialog.DirModel->index(QDir::rootPath());
    QVERIFY(tree->isExpanded(slash));
    QTRY_VERIFY(dialog.DirModel->rowCount(slash) > 0);
    dialog.hide();

    // The chosen folder is selected, open, and in view once its parent has
    // been listed and sorted.
    dialog.SelectDirectory(chosen);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.DirModel->filePath(tree->currentIndex()), chosen);
    QTRY_COMPARE(dialog.DirModel->index(chosen).row(), 60);
    const QModelIndex index = dialog.DirModel->index(chosen);
    for (QModelIndex open = index; open.isValid(); open = open.parent()) {
        QVERIFY2(tree->isExpanded(open), qPrintable(dialog.DirModel->filePath(open)));
    }
    QTRY_VERIFY(
        tree->viewport()->rect().contains(tree->visualRect(dialog.DirModel->index(chosen))));
    QTRY_VERIFY(tree->viewport()->rect().contains(
        tree->visualRect(dialog.DirModel->index(chosen + QStringLiteral("/inside")))));
}

void SelDirDialogTest::screenshot() {
    const QString root = tmp_.filePath(QStringLiteral("shot"));
    Touch(root + QStringLiteral("/Episode 01.mkv"));
    Touch(root + QStringLiteral("/episode 02.mkv"));
    Touch(root + QStringLiteral("/notes.txt"));
    Settings settings;
    FakeDialogHost host;
    TfrmSelDir dialog(settings, host);
    dialog.RebuildFileTypes();
    dialog.SelectDirectory(root);
    dialog.CountFiles->click();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // Once the tree has been filled in around the chosen folder.
    QTRY_VERIFY(dialog.DirLst->viewport()->rect().contains(
        dialog.DirLst->visualRect(dialog.DirModel->index(root))));
    QVERIFY(SaveScreenshot(&dialog, QStringLiteral("select_directory")));
}

int RunSelDirDialogTests(int argc, char** argv) {
    SelDirDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace lm::test

#include "sel_dir_dialog_test.moc"
