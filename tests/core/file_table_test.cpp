// SPDX-License-Identifier: MIT
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "core_test_support.h"
#include "file_table.h"
#include "settings.h"

namespace lm {
namespace {

class FileTableTest : public ::testing::Test {
protected:
    void Put(const QString& name, int state, bool selected = false, const QString& link = {}) {
        TFileData entry;
        entry.FileName = name;
        entry.State = state;
        entry.Selected = selected;
        entry.Link = link;
        table_.Restore(entry);
    }
    QStringList Names() const {
        QStringList names;
        for (const TFileData& entry : table_.Entries()) {
            names << entry.FileName;
        }
        return names;
    }

    QTemporaryDir dir_;
    Settings settings_;
    FileTable table_{&settings_};
};

TEST_F(FileTableTest, AddEntryQueuesExistingFilesAndCountsMissingOnes) {
    const QString present = dir_.filePath("a.bin");
    test::WriteFile(present, 1234);
    settings_.Set(&SettingsValues::preselectFiles, true);
    table_.AddEntry(present);
    table_.AddEntry(dir_.filePath("gone.bin"));
    table_.AddEntry(present);  // no duplicate check

    EXPECT_EQ(table_.FilesRemaining(), 3);
    const QList<TFileData> e = table_.Entries();
    ASSERT_EQ(e.size(), 3);
    EXPECT_EQ(std::tuple(e[0].State, e[0].FileSize, e[0].CRCStatus, e[0].Selected),
              std::tuple(int{fsQueued}, qint64{1234}, int{crcNoHash}, true));
    EXPECT_EQ(std::tuple(e[1].State, e[1].FileSize), std::tuple(int{fsIdle}, qint64{0}));
    EXPECT_EQ(e[2], e[0]);
}

TEST_F(FileTableTest, SortUsesTheLowerCasedNameWithoutPathAndKeepsTies) {
    for (const char* name : {"/x/b.avi", "/x/c.avi", "/y/A.avi", "/y/c.avi", "/z/0.avi"}) {
        Put(name, fsQueued);
    }
    // A leading U+FEFF is part of the name, not a byte-order mark to drop.
    const QString marked = QStringLiteral("/w/") + QChar(0xFEFF) + QStringLiteral("a.avi");
    Put(marked, fsQueued);
    table_.SortEntries();
    EXPECT_EQ(Names(),
              QStringList({"/z/0.avi", "/y/A.avi", "/x/b.avi", "/x/c.avi", "/y/c.avi", marked}));
}

TEST_F(FileTableTest, RemovalPauseAndResumeKeepTheRemainingCount) {
    Put("/f0", fsQueued);
    Put("/f1", fsHashed, true);
    Put("/f2", fsIdle, true);
    Put("/f3", fsWorking);
    Put("/f4", fsQueued);
    EXPECT_EQ(table_.QueueUnfinished(), 3);  // the working entry is left alone

    table_.PauseUnfinished();
    QList<int> states;
    for (const TFileData& entry : table_.Entries()) {
        states << entry.State;
    }
    EXPECT_EQ(states, QList<int>({fsIdle, fsHashed, fsIdle, fsIdle, fsIdle}));
    EXPECT_EQ(table_.QueueUnfinished(), 4);

    EXPECT_TRUE(table_.RemoveEntry(0));  // queued: one less to go
    EXPECT_FALSE(table_.RemoveEntry(9));
    EXPECT_EQ(table_.RemoveSelected(), 2);  // f1 (hashed) and f2 (queued)
    EXPECT_EQ(Names(), QStringList({"/f3", "/f4"}));
    EXPECT_EQ(table_.FilesRemaining(), 2);
    table_.RemoveAll();
    EXPECT_EQ(table_.FilesRemaining(), 0);
}

// The rows hear only of what changed: rows that appear, go and change text,
// and the new rows' selection; nothing for rows left as they were.
TEST_F(FileTableTest, RefreshListTellsTheRowsWhatChanged) {
    test::RecordingRows rows;
    rows.table = &table_;
    Put("/one", fsQueued);
    Put("/two", fsHashed, true, "ed2k://|file|two|1|00|/");
    Put("/three", fsIdle);
    EXPECT_EQ(table_.ListedCount(), 0);  // no row shows them yet
    EXPECT_TRUE(table_.RefreshList(rows));
    EXPECT_EQ(rows.rows, QStringList({"/one", "ed2k://|file|two|1|00|/", "/three"}));
    EXPECT_EQ(rows.selected, QList<bool>({false, true, false}));
    EXPECT_EQ(rows.rewrites, 0);

    table_.RemoveEntry(0);
    EXPECT_TRUE(table_.RefreshList(rows));
    EXPECT_EQ(rows.rows, QStringList({"ed2k://|file|two|1|00|/", "/three"}));
    EXPECT_EQ(rows.selected, QList<bool>({true, false}));
    EXPECT_EQ(rows.rewrites, 0) << "rows that stay keep their text";

    // A file hashed: its row alone is told, once.
    Put("/four", fsQueued);
    table_.QueueUnfinished();
    table_.RefreshList(rows);
    const auto claim = table_.ClaimNextQueued();  // three
    ASSERT_TRUE(claim);
    HashResults results;
    results.link = "L3";
    results.hashes = HashTexts("01234567", {}, {});
    results.crcStatus = crcNotFound;
    ASSERT_TRUE(table_.StoreResults(*claim, results));
    EXPECT_EQ(rows.rows[1], "/three");  // until the rows are told
    EXPECT_TRUE(table_.RefreshList(rows));
    EXPECT_EQ(rows.rows, QStringList({"ed2k://|file|two|1|00|/", "L3", "/four"}));
    EXPECT_EQ(rows.rewrites, 1);
    EXPECT_TRUE(table_.RefreshList(rows));
    EXPECT_EQ(rows.rewrites, 1) << "nothing changed, nothing told";

    // A sort shows every row anew, the selection from the entries.
    table_.SortByPath(false);
    EXPECT_TRUE(table_.RefreshList(rows));
    EXPECT_EQ(rows.rows, QStringList({"/four", "L3", "ed2k://|file|two|1|00|/"}));
    EXPECT_EQ(rows.selected, QList<bool>({false, false, true}));

    table_.RemoveAll();
    EXPECT_FALSE(table_.RefreshList(rows));
    EXPECT_TRUE(rows.rows.isEmpty());
}

// Sorting the list is what passes that exchange neighbours whose first key
// is greater end with: stable, by the lower-cased path or name.
TEST_F(FileTableTest, SortByPathKeepsTiesAndFollowsStripPath) {
    for (const char* name : {"/b/a.txt", "/a/b.txt", "/c/B.txt", "/a/_x.avi", "/z/a.avi"}) {
        Put(name, fsQueued);
    }
    table_.SortByPath(false);
    EXPECT_EQ(Names(), QStringList({"/a/_x.avi", "/a/b.txt", "/b/a.txt", "/c/B.txt", "/z/a.avi"}));
    table_.SortByPath(true);
    EXPECT_EQ(Names(), QStringList({"/a/_x.avi", "/z/a.avi", "/b/a.txt", "/a/b.txt", "/c/B.txt"}));
}

TEST_F(FileTableTest, SerialFormRoundTripsAndRejectsDamage) {
    TFileData hashed{"ed2k://|file|c.avi|5|31D6CFE0D16AE931B73C59D7E0C089C0|/",
                     "/v/c.avi",
                     fsHashed,
                     crcMismatch,
                     HashTexts("0000ABCD", QByteArray(32, 'a'), QByteArray(40, 'F')),
                     true,
                     5'000'000'000};
    TFileData fresh;
    fresh.FileName = "/new file";
    fresh.FileSize = -1;
    const QStringList lines = FileTable::SerialLines(hashed) + FileTable::SerialLines(fresh);
    EXPECT_EQ(lines.mid(9), QStringList({"NoHash", "/new file", "", "", "", "State=0",
                                         "CRCStatus=13", "FileSize=-1", "Selected=0"}));
    EXPECT_EQ(FileTable::FromSerialLines(lines, 0), hashed);
    EXPECT_EQ(FileTable::FromSerialLines(lines, 9), fresh);
    EXPECT_FALSE(FileTable::FromSerialLines(lines, 10));
    for (auto [line, text] : {std::pair{5, "State=7"},
                              {6, "CRCStatus="},
                              {7, "FileSize=1a"},
                              {8, "Selected=yes"},
                              {2, "0000ABCG"},
                              {3, "abc"}}) {
        QStringList damaged = lines;
        damaged[line] = text;
        EXPECT_FALSE(FileTable::FromSerialLines(damaged, 0)) << text;
    }
}

TEST_F(FileTableTest, ResultsLandOnTheClaimedEntryWhereverItMoved) {
    Put("/d/zeta", fsQueued, true);
    Put("/d/alpha", fsQueued);
    Put("/d/zeta", fsQueued);
    Put("/d/mid", fsQueued);
    table_.QueueUnfinished();
    const auto claim = table_.ClaimNextQueued();
    ASSERT_TRUE(claim && claim->index == 0);
    table_.SortEntries();   // alpha, mid, zeta (working), zeta
    table_.RemoveEntry(0);  // mid, zeta (working), zeta

    HashResults results{"L1", HashTexts("01234567", {}, {}), crcNotFound, true, "L2", 9'728'000};
    ASSERT_TRUE(table_.StoreResults(*claim, results));
    const QList<TFileData> e = table_.Entries();
    ASSERT_EQ(e.size(), 4);
    EXPECT_EQ(std::tuple(e[1].Link, e[1].State), std::tuple(QString("L1"), int{fsHashed}));
    EXPECT_EQ(
        std::tuple(e[2].Link, e[2].State, e[2].CRC32(), e[2].Selected, e[2].FileSize),
        std::tuple(QString("L2"), int{fsHashed}, QByteArray("01234567"), true, qint64{9'728'000}));
    EXPECT_EQ(std::tuple(e[3].Link, e[3].State), std::tuple(QString(), int{fsQueued}));
    EXPECT_EQ(table_.FilesRemaining(), 2);

    // An entry removed while its file was read gets nothing and counts once.
    const auto next = table_.ClaimNextQueued();  // mid
    ASSERT_TRUE(next && table_.RemoveEntry(next->index));
    EXPECT_FALSE(table_.StoreResults(*next, results));
    EXPECT_FALSE(table_.ReleaseUnopened(*next));
    EXPECT_EQ(table_.FilesRemaining(), 1);
}

// The worker's look down the queue for files to hash ahead goes on where
// its last look stopped while the table keeps its order (entries appended,
// results stored), and must start again once the order changed: a second
// row put in, a sort, a removal.
TEST_F(FileTableTest, TheQueueIsLookedDownFromWhereTheLastLookStopped) {
    const auto names = [](const std::vector<QueuedFile>& files) {
        QStringList out;
        for (const QueuedFile& file : files) {
            out << file.fileName;
        }
        return out;
    };
    for (const char* name : {"/a", "/b", "/c", "/d", "/e"}) {
        Put(name, fsQueued);
    }
    Put("/done", fsHashed, false, "L");
    Put("/f", fsQueued);
    const auto claim = table_.ClaimNextQueued();  // a
    ASSERT_TRUE(claim);

    QueueMark mark;
    EXPECT_FALSE(table_.QueuedAfter(mark, 2)) << "no look yet";
    EXPECT_EQ(names(table_.NextQueued(2, mark)), QStringList({"/b", "/c"}));
    auto more = table_.QueuedAfter(mark, 2);
    ASSERT_TRUE(more);
    EXPECT_EQ(names(*more), QStringList({"/d", "/e"}));
    more = table_.QueuedAfter(mark, 2);
    ASSERT_TRUE(more);
    EXPECT_EQ(names(*more), QStringList({"/f"})) << "a hashed entry is passed over";
    ASSERT_TRUE(table_.AddFileIfThere("/g", RegularFileProbe{true, true, 5}));
    more = table_.QueuedAfter(mark, 2);
    ASSERT_TRUE(more);
    EXPECT_EQ(names(*more), QStringList({"/g"})) << "appended: after the others";
    more = table_.QueuedAfter(mark, 2);
    ASSERT_TRUE(more && more->empty());

    // a's second row goes in behind it, before the mark.
    HashResults results{"L1", HashTexts("01234567", {}, {}), crcNotFound, true, "L2", 9'728'000};
    ASSERT_TRUE(table_.StoreResults(*claim, results));
    EXPECT_FALSE(table_.QueuedAfter(mark, 2));
    EXPECT_EQ(names(table_.NextQueued(8, mark)), QStringList({"/b", "/c", "/d", "/e", "/f", "/g"}));
    table_.SortByPath(false);
    EXPECT_FALSE(table_.QueuedAfter(mark, 2)) << "sorted";
    table_.NextQueued(1, mark);
    table_.RemoveEntry(table_.FileCount() - 1);
    EXPECT_FALSE(table_.QueuedAfter(mark, 2)) << "removed";

    // A long run of entries that are not queued is looked down a piece at
    // a time, each look going on from the last.
    table_.RemoveAll();
    for (int i = 0; i < 20; ++i) {
        Put(QStringLiteral("/hashed%1").arg(i), fsHashed, false, "L");
    }
    Put("/last", fsQueued);
    EXPECT_TRUE(table_.NextQueued(1, mark).empty());
    int looks = 0;
    for (; looks < 5; ++looks) {
        more = table_.QueuedAfter(mark, 1);
        ASSERT_TRUE(more);
        if (!more->empty()) {
            EXPECT_EQ(names(*more), QStringList({"/last"}));
            break;
        }
    }
    EXPECT_EQ(looks, 1) << "8 entries a look: 0-7, 8-15, then 16-20";
}

// Rows mirrored before the worker inserted a second row still mean the
// entries they show, through swaps, sorts and removals, until the next
// mirroring.
TEST_F(FileTableTest, RowsMeanTheEntriesTheyShowUntilTheListCatchesUp) {
    for (const char* name : {"/d/c", "/d/a", "/d/b"}) {
        Put(name, fsQueued);
    }
    table_.QueueUnfinished();
    test::RecordingRows rows;
    rows.table = &table_;
    table_.RefreshList(rows);
    auto listedNames = [this] {
        QStringList names;
        for (const TFileData& entry : table_.ListedEntries()) {
            names << (entry.Link.isEmpty() ? entry.FileName : entry.Link);
        }
        return names;
    };
    const auto claim = table_.ClaimNextQueued();  // c
    HashResults results{"c1", HashTexts("01234567", {}, {}), crcNotFound, true, "c2", 0};
    ASSERT_TRUE(table_.StoreResults(*claim, results));  // c1 c2 a b; rows c a b
    EXPECT_EQ(listedNames(), QStringList({"c1", "/d/a", "/d/b"}));
    EXPECT_EQ(table_.ListedEntry(1)->FileName, "/d/a");
    EXPECT_FALSE(table_.ListedEntry(3));

    table_.SetSelected(1, true);  // c2, which no row shows
    table_.SelectRows({false, true, false});
    EXPECT_EQ(Names(), QStringList({"/d/c", "/d/c", "/d/a", "/d/b"}));
    QList<bool> selected;
    for (const TFileData& entry : table_.Entries()) {
        selected << entry.Selected;
    }
    EXPECT_EQ(selected, QList<bool>({false, false, true, false}));

    ASSERT_TRUE(table_.SwapEntries(1, 3));  // c1 b a c2
    EXPECT_EQ(listedNames(), QStringList({"c1", "/d/b", "/d/a"}));
    table_.SortEntries();  // a b c1 c2
    EXPECT_EQ(listedNames(), QStringList({"/d/a", "/d/b", "c1"}));
    ASSERT_TRUE(table_.RemoveEntry(0));  // b c1 c2
    EXPECT_EQ(listedNames(), QStringList({"/d/b", "c1"}));
    EXPECT_EQ(table_.ListedEntry(1)->Link, "c1");

    table_.RefreshList(rows);
    EXPECT_EQ(listedNames(), QStringList({"/d/b", "c1", "c2"}));
    EXPECT_EQ(listedNames(), rows.rows);
}

}  // namespace
}  // namespace lm
