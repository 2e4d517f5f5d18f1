// SPDX-License-Identifier: MIT
// The rows of the file list as the window keeps them: what each row shows
// until the table tells it otherwise, the widths of the texts, and the
// numbers an info pane that grows goes by.

#include <gtest/gtest.h>

#include "clipboard_text.h"
#include "file_table.h"
#include "list_rows.h"
#include "row_sink.h"

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace lm {
namespace {

// The list's part: what the table tells goes to the rows.
class RowsSink : public RowSink {
public:
    explicit RowsSink(TListRows& rows) : rows_(rows) {}
    int RowCount() const override { return rows_.Count(); }
    void InsertRows(int first, int count) override { rows_.Insert(first, count); }
    void RemoveRows(int first, int count) override { rows_.Remove(first, count); }
    void ResetRows(int count) override { rows_.Reset(count); }
    void RowsChanged(int first, int last) override { rows_.Changed(first, last); }
    void SetRowsSelected(int, int, bool) override {}
    void BeginBatch() override {}
    void EndBatch() override {}

private:
    TListRows& rows_;
};

class ListRowsTest : public ::testing::Test {
protected:
    void Put(const QString& name, int state, const QString& link = {}) {
        TFileData entry;
        entry.FileName = name;
        entry.State = state;
        entry.Link = link;
        table_.Restore(entry);
    }
    void Refresh() { table_.RefreshList(sink_); }
    // Hashes the next queued file, with a second row when `second` is set.
    void Hash(const QString& link, const QString& second = {}) {
        const auto claim = table_.ClaimNextQueued();
        ASSERT_TRUE(claim);
        HashResults results{
            link, HashTexts("01234567", {}, {}), crcNotFound, !second.isEmpty(), second, 0};
        ASSERT_TRUE(table_.StoreResults(*claim, results));
    }
    QStringList Links(const std::vector<ListedFile>& files) const {
        QStringList links;
        for (const ListedFile& file : files) {
            links << file.data.Link;
        }
        return links;
    }

    FileTable table_;
    QStringList measured_;
    TListRows rows_{table_, [this](const QString& text) {
                        measured_ << text;
                        return static_cast<int>(text.size()) * 6;
                    }};
    RowsSink sink_{rows_};
};

// Rows mirrored before the worker inserted a second row show what they
// showed, through swaps, sorts and removals, until the next mirroring.
TEST_F(ListRowsTest, RowsKeepTheirTextsAndLampsUntilTheListCatchesUp) {
    for (const char* name : {"/d/c", "/d/a", "/d/b"}) {
        Put(name, fsQueued);
    }
    table_.QueueUnfinished();
    Refresh();
    Hash("c1", "c2");  // c1 c2 a b; rows c a b
    EXPECT_EQ(rows_.Texts(), QStringList({"/d/c", "/d/a", "/d/b"}));
    EXPECT_EQ(rows_.CrcStatus(0), int(crcNoHash));
    EXPECT_EQ(rows_.CrcStatus(3), -1);

    table_.SetSelected(1, true);  // c2, which no row shows
    table_.SelectRows({false, true, false});
    ASSERT_TRUE(table_.SwapEntries(1, 3));  // c1 b a c2
    table_.SortEntries();                   // a b c1 c2
    ASSERT_TRUE(table_.RemoveEntry(0));     // b c1 c2
    EXPECT_EQ(rows_.Texts(), QStringList({"/d/c", "/d/a", "/d/b"}));

    Refresh();
    EXPECT_EQ(rows_.Texts(), QStringList({"/d/b", "c1", "c2"}));
    EXPECT_EQ(rows_.CrcStatus(1), int(crcNotFound));
    EXPECT_EQ(rows_.Text(2), "c2");
}

// Each text is measured once: a link as it arrives, the rest when the
// widest is asked for; a sort keeps the widths, a new font or new texts
// do not.
TEST_F(ListRowsTest, TextsAreMeasuredOnceUntilTheyOrTheFontChange) {
    Put("/p/one", fsQueued);
    Put("/p/two", fsHashed, "ed2k-two-long");
    table_.QueueUnfinished();
    Refresh();
    EXPECT_TRUE(measured_.isEmpty());
    EXPECT_EQ(rows_.WidestText(), 13 * 6);
    EXPECT_EQ(rows_.WidestText(), 13 * 6);
    EXPECT_EQ(measured_.size(), 2);

    Hash("ed2k-one-even-longer", "ed2k-one-second");
    Refresh();
    EXPECT_EQ(measured_.mid(2), QStringList({"ed2k-one-even-longer"}));
    EXPECT_EQ(rows_.WidestText(), 20 * 6);
    EXPECT_EQ(measured_.mid(3), QStringList({"ed2k-one-second"}));

    table_.SortByPath(false);
    Refresh();
    EXPECT_EQ(rows_.Texts(),
              QStringList({"ed2k-one-even-longer", "ed2k-one-second", "ed2k-two-long"}));
    EXPECT_EQ(rows_.WidestText(), 20 * 6);
    EXPECT_EQ(measured_.size(), 4) << "the widths went with their entries";

    table_.EditEach([](TFileData& entry) { entry.Link = entry.Link.toUpper(); });
    Refresh();
    EXPECT_EQ(rows_.WidestText(), 20 * 6);
    EXPECT_EQ(measured_.mid(4),
              QStringList({"ED2K-ONE-EVEN-LONGER", "ED2K-ONE-SECOND", "ED2K-TWO-LONG"}));
    rows_.ForgetWidths();
    EXPECT_EQ(rows_.WidestText(), 20 * 6);
    EXPECT_EQ(measured_.size(), 10);

    table_.RemoveAll();
    Refresh();
    EXPECT_EQ(rows_.WidestText(), 0);
}

// Rows are numbered as they first show a link; an entry keeps its number
// through a sort, so a pane that asks what is new since gets only what is.
TEST_F(ListRowsTest, ShownSinceGivesTheRowsThatShowedLinksSince) {
    Put("/q/b", fsQueued);
    Put("/q/a", fsHashed, "La");
    Put("/q/c", fsQueued);
    table_.QueueUnfinished();
    Refresh();
    TListRows::ShownFiles shown = rows_.ShownSince(0, 0, -1);
    EXPECT_EQ(Links(shown.files), QStringList({"La"}));
    EXPECT_EQ(std::tuple(shown.lastShown, shown.listedCount, shown.anchorRow),
              std::tuple(std::uint64_t{1}, 3, -1));
    const std::uint64_t a = shown.files.front().id;

    Hash("Lb");  // not shown before the rows hear of it
    EXPECT_TRUE(rows_.ShownSince(1, a, 1).files.empty());
    Refresh();
    Hash("Lc", "Lc2");
    Refresh();
    shown = rows_.ShownSince(1, a, 0);  // the hint is wrong: looked for
    EXPECT_EQ(Links(shown.files), QStringList({"Lb", "Lc", "Lc2"}));
    EXPECT_EQ(std::tuple(shown.files[0].row, shown.files[2].row, shown.anchorRow),
              std::tuple(0, 3, 1));
    EXPECT_EQ(std::tuple(shown.lastShown, shown.generation),
              std::tuple(std::uint64_t{4}, table_.Generation()));

    table_.SortByPath(false);
    Refresh();
    shown = rows_.ShownSince(4, a, 1);
    EXPECT_TRUE(shown.files.empty()) << "a sort shows nothing new";
    EXPECT_EQ(std::tuple(shown.lastShown, shown.anchorRow), std::tuple(std::uint64_t{4}, 0));
    EXPECT_EQ(rows_.ShownSince(3, a, 0).files.size(), 1u);
    EXPECT_EQ(rows_.ShownSince(4, 99, 0).anchorRow, -1);
}

// Copy All's text, made row by row in UTF-8, is what the clipboard gets for
// the whole text at once: through the code page (a character it does not
// hold becomes "?", what it holds stays) unless any character lies beyond
// U+00FF, and then every row goes as it is.
TEST_F(ListRowsTest, TheClipboardGetsTheRowsAsItGetsTheirWholeText) {
    const auto joined = [this] { return rows_.Texts().join("\r\n") + "\r\n"; };
    Put("/d/plain.avi", fsIdle);
    Put(QString::fromUtf16(u"/d/caf\u00e9 \u0080.avi"), fsIdle);  // kept, and "?"
    Refresh();
    const QByteArray ansi = ClipboardUtf8(rows_);
    EXPECT_EQ(ansi, ClipboardText(joined()).toUtf8());
    EXPECT_EQ(ansi, QString::fromUtf16(u"/d/plain.avi\r\n/d/caf\u00e9 ?.avi\r\n").toUtf8());

    Put(QString::fromUtf16(u"/d/\u20ac.avi"), fsIdle);
    Refresh();
    const QByteArray unicode = ClipboardUtf8(rows_);
    EXPECT_EQ(unicode, ClipboardText(joined()).toUtf8());
    EXPECT_EQ(unicode, joined().toUtf8());

    Put({}, fsIdle);  // an empty row is an empty line
    Refresh();
    EXPECT_EQ(ClipboardUtf8(rows_), joined().toUtf8());
}

}  // namespace
}  // namespace lm
