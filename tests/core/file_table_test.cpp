#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "core_test_support.h"
#include "file_table.h"
#include "settings.h"

namespace lm {
namespace {

using test::RecordingRows;

class FileTableTest : public ::testing::Test {
protected:
    QString Make(const QString& relative, qint64 size = 10) {
        const QString path = dir_.filePath(relative);
        test::WriteFile(path, size);
        return path;
    }

    QTemporaryDir dir_;
    Settings settings_;
    FileTable table_{&settings_};
};

TEST_F(FileTableTest, AddEntryQueuesExistingFilesAndKeepsMissingOnesIdle) {
    const QString present = Make("a.bin", 1234);
    const QString missing = dir_.filePath("gone.bin");
    settings_.Set(&SettingsValues::preselectFiles, true);

    table_.AddEntry(present);
    table_.AddEntry(missing);
    table_.AddEntry(present);  // no duplicate check

    ASSERT_EQ(table_.FileCount(), 3);
    EXPECT_EQ(table_.FilesRemaining(), 3);  // the missing file counts too
    const QList<TFileData> entries = table_.Entries();
    EXPECT_EQ(entries[0].State, fsQueued);
    EXPECT_EQ(entries[0].FileSize, 1234);
    EXPECT_EQ(entries[0].CRCStatus, crcNoHash);
    EXPECT_TRUE(entries[0].Selected);
    EXPECT_TRUE(entries[0].Link.isEmpty());
    EXPECT_EQ(entries[1].State, fsIdle);
    EXPECT_EQ(entries[1].FileSize, 0);
    EXPECT_EQ(entries[1].FileName, missing);
    EXPECT_EQ(entries[2], entries[0]);
}

TEST_F(FileTableTest, AddEntryQueuesAnUnreadableFileWithUnknownSize) {
    const QString locked = Make("locked.bin", 50);
    QFile::setPermissions(locked, QFileDevice::WriteOwner);
    QFile probe(locked);
    if (probe.open(QIODevice::ReadOnly)) {
        GTEST_SKIP() << "running with rights that read any file";
    }
    table_.AddEntry(locked);
    const TFileData entry = *table_.Entry(0);
    EXPECT_EQ(entry.State, fsQueued);
    EXPECT_EQ(entry.FileSize, -1);
}

TEST_F(FileTableTest, SortOrdersByLowerCasedNameWithoutPathAndIsStable) {
    QDir(dir_.path()).mkpath("x");
    QDir(dir_.path()).mkpath("y");
    const QString bInX = Make("x/b.avi");
    const QString aInY = Make("y/A.avi");
    const QString cFirst = Make("x/c.avi");
    const QString cSecond = Make("y/c.avi");
    for (const QString& path : {bInX, cFirst, aInY, cSecond}) {
        table_.AddEntry(path);
    }
    TFileData hashed;
    hashed.FileName = dir_.filePath("0.avi");
    hashed.State = fsHashed;
    table_.Restore(hashed);

    table_.SortEntries();

    QStringList order;
    for (const TFileData& entry : table_.Entries()) {
        order << entry.FileName;
    }
    EXPECT_EQ(order, QStringList({hashed.FileName, aInY, bInX, cFirst, cSecond}));
}

TEST_F(FileTableTest, RemovalKeepsOrderAndCountsOnlyUnfinishedEntries) {
    TFileData entry;
    for (int state : {fsQueued, fsHashed, fsIdle, fsQueued}) {
        entry.FileName = QStringLiteral("/f%1").arg(table_.FileCount());
        entry.State = state;
        entry.Selected = state == fsIdle || state == fsHashed;
        table_.Restore(entry);
    }
    EXPECT_EQ(table_.QueueUnfinished(), 3);  // f0, f2, f3

    EXPECT_TRUE(table_.RemoveEntry(0));  // queued
    EXPECT_EQ(table_.FilesRemaining(), 2);
    EXPECT_FALSE(table_.RemoveEntry(7));
    // f1 (hashed) and f2 (queued again) are selected.
    EXPECT_EQ(table_.RemoveSelected(), 2);
    ASSERT_EQ(table_.FileCount(), 1);
    EXPECT_EQ(table_.Entry(0)->FileName, "/f3");
    EXPECT_EQ(table_.FilesRemaining(), 1);

    table_.RemoveAll();
    EXPECT_EQ(table_.FileCount(), 0);
    EXPECT_EQ(table_.FilesRemaining(), 0);
}

TEST_F(FileTableTest, PauseAndResumeRules) {
    TFileData entry;
    for (int state : {fsIdle, fsQueued, fsWorking, fsHashed}) {
        entry.FileName = QStringLiteral("/s%1").arg(state);
        entry.State = state;
        table_.Restore(entry);
    }
    table_.PauseUnfinished();
    QList<int> states;
    for (const TFileData& e : table_.Entries()) {
        states << e.State;
    }
    EXPECT_EQ(states, QList<int>({fsIdle, fsIdle, fsIdle, fsHashed}));

    EXPECT_EQ(table_.QueueUnfinished(), 3);
    EXPECT_EQ(table_.FilesRemaining(), 3);
    states.clear();
    for (const TFileData& e : table_.Entries()) {
        states << e.State;
    }
    EXPECT_EQ(states, QList<int>({fsQueued, fsQueued, fsQueued, fsHashed}));
}

TEST_F(FileTableTest, RefreshListMirrorsTextsSelectionAndDropsSurplusRows) {
    RecordingRows rows;
    EXPECT_FALSE(table_.RefreshList(rows));  // empty table
    TFileData entry;
    entry.FileName = "/one";
    table_.Restore(entry);
    entry.FileName = "/two";
    entry.Link = "ed2k://|file|two|1|00|/";
    entry.Selected = true;
    table_.Restore(entry);
    entry.FileName = "/three";
    entry.Link.clear();
    entry.Selected = false;
    table_.Restore(entry);
    rows.current = -1;

    EXPECT_TRUE(table_.RefreshList(rows));
    EXPECT_EQ(rows.rows, QStringList({"/one", "ed2k://|file|two|1|00|/", "/three"}));
    EXPECT_EQ(rows.selected, QList<bool>({false, true, false}));

    rows.current = 2;
    rows.rewrites = 0;
    table_.RemoveEntry(0);
    EXPECT_TRUE(table_.RefreshList(rows));
    EXPECT_EQ(rows.rows, QStringList({"ed2k://|file|two|1|00|/", "/three"}));
    EXPECT_EQ(rows.rewrites, 2);
    EXPECT_EQ(rows.current, 2) << "the focused row index is left alone";

    rows.rewrites = 0;
    EXPECT_TRUE(table_.RefreshList(rows));
    EXPECT_EQ(rows.rewrites, 0) << "unchanged rows are not rewritten";

    table_.RemoveAll();
    EXPECT_FALSE(table_.RefreshList(rows));
    EXPECT_TRUE(rows.rows.isEmpty());
}

TEST_F(FileTableTest, SerialFormRoundTripsAndRejectsDamagedLines) {
    TFileData hashed;
    hashed.Link = "ed2k://|file|clip [1A2B3C4D].avi|5|31D6CFE0D16AE931B73C59D7E0C089C0|/";
    hashed.FileName = "/videos/clip [1A2B3C4D].avi";
    hashed.State = fsHashed;
    hashed.CRCStatus = crcMismatch;
    hashed.CRC32 = "0000ABCD";
    hashed.MD5 = QByteArray(32, 'a');
    hashed.SHA1 = QByteArray(40, 'F');
    hashed.Selected = true;
    hashed.FileSize = 5'000'000'000;
    TFileData fresh;
    fresh.FileName = "/new file";
    fresh.FileSize = -1;

    QStringList lines = FileTable::SerialLines(hashed) + FileTable::SerialLines(fresh);
    ASSERT_EQ(lines.size(), 18);
    EXPECT_EQ(lines.mid(9), QStringList({"NoHash", "/new file", "", "", "", "State=0",
                                         "CRCStatus=13", "FileSize=-1", "Selected=0"}));
    EXPECT_EQ(FileTable::FromSerialLines(lines, 0), hashed);
    EXPECT_EQ(FileTable::FromSerialLines(lines, 9), fresh);

    EXPECT_FALSE(FileTable::FromSerialLines(lines, 10));  // runs past the end
    for (auto [line, text] : std::initializer_list<std::pair<int, const char*>>{{5, "State=7"},
                                                                                {5, "State="},
                                                                                {6, "CRCStatus=x"},
                                                                                {7, "FileSize=12a"},
                                                                                {8, "Selected=yes"},
                                                                                {2, "0000ABCG"},
                                                                                {3, "abc"}}) {
        QStringList damaged = lines;
        damaged[line] = QString::fromLatin1(text);
        EXPECT_FALSE(FileTable::FromSerialLines(damaged, 0)) << text;
    }
}

TEST_F(FileTableTest, ResultsLandOnTheClaimedEntryWhereverItMoved) {
    for (const char* name : {"/d/zeta", "/d/alpha", "/d/zeta", "/d/mid"}) {
        TFileData entry;
        entry.FileName = QString::fromLatin1(name);
        entry.State = fsQueued;
        entry.Selected = QByteArray(name) == "/d/zeta";
        table_.Restore(entry);
    }
    table_.QueueUnfinished();
    const auto claim = table_.ClaimNextQueued();  // the first /d/zeta
    ASSERT_TRUE(claim);
    EXPECT_EQ(claim->index, 0);

    table_.SortEntries();   // alpha, mid, zeta(working), zeta(queued)
    table_.RemoveEntry(0);  // mid, zeta(working), zeta(queued)
    HashResults results;
    results.link = "L1";
    results.crc32 = "01234567";
    results.crcStatus = crcNotFound;
    results.hasSecondLink = true;
    results.secondLink = "L2";
    results.secondFileSize = 9'728'000;
    ASSERT_TRUE(table_.StoreResults(*claim, results));

    const QList<TFileData> entries = table_.Entries();
    ASSERT_EQ(entries.size(), 4);
    EXPECT_EQ(entries[1].Link, "L1");
    EXPECT_EQ(entries[1].State, fsHashed);
    EXPECT_EQ(entries[2].Link, "L2") << "the second link stands directly below";
    EXPECT_EQ(entries[2].State, fsHashed);
    EXPECT_EQ(entries[2].CRC32, "01234567");
    EXPECT_TRUE(entries[2].Selected);
    EXPECT_EQ(entries[2].FileSize, 9'728'000);
    EXPECT_EQ(entries[3].State, fsQueued) << "the duplicate path is still to do";
    EXPECT_TRUE(entries[3].Link.isEmpty());
    EXPECT_EQ(table_.FilesRemaining(), 2);  // mid and the second zeta

    // A claimed entry removed while its file was read gets nothing, and
    // counts as done only once.
    const auto next = table_.ClaimNextQueued();
    ASSERT_TRUE(next);
    EXPECT_EQ(next->fileName, "/d/mid");
    ASSERT_TRUE(table_.RemoveEntry(next->index));
    EXPECT_EQ(table_.FilesRemaining(), 1);
    EXPECT_FALSE(table_.StoreResults(*next, results));
    EXPECT_FALSE(table_.ReleaseUnopened(*next));
    EXPECT_EQ(table_.FilesRemaining(), 1);
    EXPECT_EQ(table_.FileCount(), 3);
}

}  // namespace
}  // namespace lm
