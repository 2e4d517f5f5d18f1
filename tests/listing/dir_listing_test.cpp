// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "dir_listing.h"
#include "mask.h"

namespace lm {
namespace {

class DirListingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp_.isValid());
        root_ = tmp_.path() + "/top";
    }

    void Touch(const QString& relative) {
        const QString path = root_ + u'/' + relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }

    QStringList List(const QString& masks, bool recurse, bool fullPath = true,
                     const QString& dir = {}) {
        QStringList list;
        ListDirFiles(dir.isNull() ? root_ : dir, masks, list, recurse, fullPath);
        return list;
    }

    QTemporaryDir tmp_;
    QString root_;
};

TEST_F(DirListingTest, MatchesMasksAndTakesEachFileOnce) {
    Touch("a.avi");
    Touch("B.AVI");
    Touch(".hidden.avi");
    Touch("noext");
    Touch("c.txt");
    Touch("sub.avi/inner.avi");  // a directory is never itself added

    QStringList flat = List("*.avi;*.AVI", false);
    flat.sort();
    EXPECT_EQ(flat, QStringList({root_ + "/.hidden.avi", root_ + "/B.AVI", root_ + "/a.avi"}));

    QStringList bare = List("*", false, false);
    bare.sort();
    EXPECT_EQ(bare, QStringList({".hidden.avi", "B.AVI", "a.avi", "c.txt", "noext"}));

    QStringList dotted = List("*.*", false, false);
    EXPECT_FALSE(dotted.contains("noext"));
    EXPECT_EQ(dotted.size(), 4);

    // A trailing "/" is never doubled; nothing matches an empty mask text.
    EXPECT_EQ(List("*.txt", false, true, root_ + u'/'), QStringList({root_ + "/c.txt"}));
    EXPECT_TRUE(List("", true).isEmpty());
    EXPECT_TRUE(List(";", true).isEmpty());
    EXPECT_TRUE(List(" *.txt", true).isEmpty());

    // The list is appended to, never cleared.
    QStringList list = {"kept"};
    ListDirFiles(root_, "*.txt", list, false, false);
    EXPECT_EQ(list, QStringList({"kept", "c.txt"}));
}

TEST_F(DirListingTest, RecursionIsDepthFirstAndPreOrder) {
    Touch("x1.avi");
    Touch("x2.avi");
    Touch("s1/y1.avi");
    Touch("s1/deep/z1.avi");
    Touch("s1/deep/z2.avi");
    Touch("s1/y2.avi");
    Touch("s2/w1.avi");

    EXPECT_EQ(List("*.avi", false).size(), 2);
    const QStringList all = List("*.avi", true);
    ASSERT_EQ(all.size(), 7);
    // Each directory's files, its subdirectories' included, form one block.
    for (const QString& dir : {root_ + "/s1/", root_ + "/s1/deep/", root_ + "/s2/"}) {
        qsizetype first = -1;
        qsizetype last = -1;
        for (qsizetype i = 0; i < all.size(); ++i) {
            if (all[i].startsWith(dir)) {
                first = first < 0 ? i : first;
                last = i;
            }
        }
        for (qsizetype i = first; i <= last; ++i) {
            EXPECT_TRUE(all[i].startsWith(dir)) << all.join(' ').toStdString();
        }
    }
}

TEST_F(DirListingTest, MissingDirectoriesAndOddEntriesAreSilent) {
    EXPECT_TRUE(List("*", true, true, tmp_.path() + "/missing").isEmpty());
    EXPECT_TRUE(List("*", true, true, "").isEmpty());
    Touch("real.bin");
    ASSERT_EQ(mkfifo(QFile::encodeName(root_ + "/pipe.bin").constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(root_ + "/nowhere", root_ + "/dangling.bin"));
    ASSERT_TRUE(QFile::link(root_ + "/real.bin", root_ + "/alias.bin"));
    QStringList names = List("*.bin", true, false);
    names.sort();
    EXPECT_EQ(names, QStringList({"alias.bin", "real.bin"}));
}

TEST_F(DirListingTest, UnreadableDirectoryIsSkipped) {
    Touch("open/a.txt");
    Touch("closed/b.txt");
    for (const QString& dir : {tmp_.path(), root_, root_ + "/open"}) {
        ASSERT_EQ(chmod(QFile::encodeName(dir).constData(), 0755), 0);
    }
    ASSERT_EQ(chmod(QFile::encodeName(root_ + "/closed").constData(), 0), 0);
    const auto check = [&] { return List("*", true) == QStringList({root_ + "/open/a.txt"}); };
    if (geteuid() != 0) {
        EXPECT_TRUE(check());
    } else {
        // Root reads every directory whatever its mode: list as "nobody".
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const bool dropped = setgid(65534) == 0 && setuid(65534) == 0;
            _exit(dropped ? (check() ? 0 : 1) : 2);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
    chmod(QFile::encodeName(root_ + "/closed").constData(), 0700);
}

TEST_F(DirListingTest, LinkCyclesEnd) {
    Touch("a/file.txt");
    ASSERT_TRUE(QFile::link(root_, root_ + "/a/up"));
    ASSERT_TRUE(QFile::link(root_ + "/a", root_ + "/a/self"));
    const QStringList list = List("*", true);
    EXPECT_EQ(list.size(), 1);
    EXPECT_TRUE(list.value(0).endsWith("/file.txt"));
}

// A folder reached through a link is walked under that name too, even when
// the link comes first; only a link back up into the walk is not followed.
TEST_F(DirListingTest, LinkedFoldersListTheirFilesUnderEveryName) {
    Touch("real/inner.txt");
    Touch("real/deeper/leaf.txt");
    const QString outside = tmp_.path() + "/outside";
    ASSERT_TRUE(QDir().mkpath(outside));
    QFile far(outside + "/far.txt");
    ASSERT_TRUE(far.open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::link(root_, root_ + "/real/up"));          // back to its parent
    ASSERT_TRUE(QFile::link(root_ + "/real", root_ + "/alias"));  // a sibling, either order
    ASSERT_TRUE(QFile::link(root_ + "/real", root_ + "/0first"));
    ASSERT_TRUE(QFile::link(outside, root_ + "/out"));   // a folder elsewhere
    ASSERT_TRUE(QFile::link(root_, outside + "/back"));  // and from there back in

    QStringList list = List("*.txt", true);
    list.sort();
    const QStringList expected = {
        root_ + "/0first/deeper/leaf.txt",
        root_ + "/0first/inner.txt",
        root_ + "/alias/deeper/leaf.txt",
        root_ + "/alias/inner.txt",
        root_ + "/out/far.txt",
        root_ + "/real/deeper/leaf.txt",
        root_ + "/real/inner.txt",
    };
    EXPECT_EQ(list, expected);
    // Bare names, as the select-directory count shows them: every occurrence.
    EXPECT_EQ(List("*.txt", true, false).size(), expected.size());
    EXPECT_EQ(List("*.txt", false).size(), 0);
}

TEST_F(DirListingTest, InvalidMaskReachesTheCaller) {
    Touch("only.txt");
    QStringList list;
    EXPECT_THROW(ListDirFiles(root_, "*.avi;[x", list, true, true), EMaskException);
    // A mask that is never reached is never compiled.
    EXPECT_EQ(List("*.txt;[x", true, false), QStringList({"only.txt"}));
}

// Adding a folder takes all of its matching files or, when a mask fails,
// none: never the files met before the bad mask.
TEST_F(DirListingTest, FilesToAddAreCompleteOrNone) {
    for (int i = 0; i < 20; ++i) {
        Touch(QStringLiteral("a%1.txt").arg(i));
    }
    Touch("sub/b.txt");
    FilesToAdd found = ListFilesToAdd(root_, "*.txt", true);
    EXPECT_TRUE(found.maskError.isEmpty());
    EXPECT_EQ(found.paths.size(), 21);
    EXPECT_TRUE(found.paths.contains(root_ + "/sub/b.txt"));
    EXPECT_EQ(ListFilesToAdd(root_, "*.txt", false).paths.size(), 20);

    // Every name but one is taken by the first mask; that one reaches "[x".
    Touch("sub/odd.bin");
    for (bool recurse : {true, false}) {
        found = ListFilesToAdd(root_, "*.txt;[x", recurse);
        EXPECT_EQ(found.maskError, recurse ? "'[x' is an invalid mask at (3)" : QString());
        EXPECT_EQ(found.paths.size(), recurse ? 0 : 20);
    }
    // A listing cancelled before it began still lists everything.
    CancelListing = true;
    EXPECT_EQ(ListFilesToAdd(root_, "*.txt", true).paths.size(), 21);
}

TEST_F(DirListingTest, CancelWaitsForTheSubdirectoryBeingWalked) {
    for (int i = 0; i < 5; ++i) {
        Touch(QStringLiteral("p/%1.dat").arg(i));
        Touch(QStringLiteral("q/%1.dat").arg(i));
    }
    CancelListing = true;  // a stale cancel is cleared by the next listing
    QStringList list;
    int events = 0;
    ListDirFiles(root_, "*.dat", list, true, true, [&] {
        ++events;
        CancelListing = true;
    });
    EXPECT_EQ(events, 5);
    ASSERT_EQ(list.size(), 5);
    const QString dir = QFileInfo(list[0]).path();
    for (const QString& path : list) {
        EXPECT_EQ(QFileInfo(path).path(), dir);
    }
    EXPECT_TRUE(CancelListing.load());
}

}  // namespace
}  // namespace lm
