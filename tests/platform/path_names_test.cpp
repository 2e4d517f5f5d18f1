// SPDX-License-Identifier: MIT
// Paths are bytes: the mapping to the program's text and back, what the user
// is shown, and the ways paths come in (file URLs, a file dialog's names).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QUrl>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "path_bytes.h"
#include "path_names.h"
#include "temp_dir.h"

namespace lm {
namespace {

struct Vector {
    const char* what;
    std::string bytes;
    std::u16string text;     // the program's text for the bytes
    std::u16string display;  // what the user is shown
};

// One table: every kind of byte string a name can be, with the text each
// maps to and what is shown of it.
const Vector kVectors[] = {
    {"empty", "", u"", u""},
    {"ASCII", "plain.txt", u"plain.txt", u"plain.txt"},
    {"UTF-8 two bytes", "caf\xC3\xA9", u"caf\u00e9", u"caf\u00e9"},
    {"UTF-8 four bytes", "\xF0\x9F\x98\x80", u"\U0001F600", u"\U0001F600"},
    {"Latin-1 e acute", "caf\xE9.txt", u"caf\xDCE9.txt", u"caf\uFFFD.txt"},
    {"cut sequence", "euro\xE2\x82.txt", u"euro\xDCE2\xDC82.txt", u"euro\uFFFD\uFFFD.txt"},
    {"cut at the end", "end\xE2\x82", u"end\xDCE2\xDC82", u"end\uFFFD\uFFFD"},
    {"FF", "\xFF.bin", u"\xDCFF.bin", u"\uFFFD.bin"},
    {"encoded surrogate", "\xED\xA0\x80", u"\xDCED\xDCA0\xDC80", u"\uFFFD\uFFFD\uFFFD"},
    {"overlong slash", "\xC0\xAF", u"\xDCC0\xDCAF", u"\uFFFD\uFFFD"},
    {"above U+10FFFF", "\xF4\x90\x80\x80", u"\xDCF4\xDC90\xDC80\xDC80",
     u"\uFFFD\uFFFD\uFFFD\uFFFD"},
    {"lone continuation", "a\x80z", u"a\xDC80z", u"a\uFFFDz"},
    // A pair whose low half lies in the escape range is still one character.
    {"U+10080", "\xF0\x90\x82\x80", u"\U00010080", u"\U00010080"},
    {"NUL inside", std::string("a\0b", 3), std::u16string(u"a\0b", 3), std::u16string(u"a\0b", 3)},
};

TEST(PathBytes, EveryKindOfNameMapsBothWays) {
    for (const Vector& v : kVectors) {
        SCOPED_TRACE(v.what);
        EXPECT_EQ(PathTextFromBytes(v.bytes), v.text);
        EXPECT_EQ(PathBytesFromText(v.text), v.bytes);
        EXPECT_EQ(PathDisplayText(v.text), v.display);
        EXPECT_EQ(HasEscapedBytes(v.text), v.text != v.display);
    }
    // Every byte value alone, and every pair of them, comes back unchanged.
    for (int a = 0; a < 256; ++a) {
        for (int b = 0; b < 256; ++b) {
            const std::string bytes{static_cast<char>(a), static_cast<char>(b)};
            ASSERT_EQ(PathBytesFromText(PathTextFromBytes(bytes)), bytes) << a << ' ' << b;
        }
    }
    // Text that never came from bytes: a lone surrogate outside the escapes.
    EXPECT_EQ(PathBytesFromText(u"a\xD800z"), "a\xEF\xBF\xBDz");
    EXPECT_EQ(PathDisplayText(u"a\xD800z"), u"a\uFFFDz");
}

class PathNamesTest : public ::testing::Test {
protected:
    // A file made by its raw name; returns the program's text of its path.
    QString MakeFile(const std::string& name, const std::string& content = "x") {
        const std::string path = dir_.Path().string() + '/' + name;
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        EXPECT_GE(fd, 0) << name;
        EXPECT_EQ(::write(fd, content.data(), content.size()), ssize_t(content.size()));
        ::close(fd);
        return PathFromBytes(QByteArray::fromStdString(path));
    }
    TempDir dir_;
};

TEST_F(PathNamesTest, FilesWithAnyNameAreFoundByTheirText) {
    const std::string folder = "dir\xE9";
    ASSERT_EQ(::mkdir((dir_.Path().string() + '/' + folder).c_str(), 0755), 0);
    for (const std::string& name : {std::string("caf\xE9.txt"), std::string("cut\xE2\x82.txt"),
                                    std::string("\xFF"), folder + "/inside\xE9.txt"}) {
        const QString path = MakeFile(name);
        EXPECT_EQ(KindOfPath(path), PathKind::File) << name;
        // Qt's own reading of the name is another file, one that is not there.
        EXPECT_FALSE(QFile::exists(path)) << name;
        EXPECT_EQ(PathToBytes(path), QByteArray::fromStdString(dir_.Path().string() + '/' + name));
        // Through a file URL, as a drop carries it, and back.
        const QUrl url = FileUrlForPath(path);
        EXPECT_TRUE(url.isValid()) << name;
        EXPECT_EQ(PathFromFileUrl(url), path) << url.toEncoded().toStdString();
        EXPECT_EQ(PathFromFileUrl(QUrl::fromEncoded(url.toEncoded())), path);
    }
    EXPECT_EQ(
        KindOfPath(PathFromBytes(QByteArray::fromStdString(dir_.Path().string() + '/' + folder))),
        PathKind::Directory);
    EXPECT_EQ(KindOfPath(QStringLiteral("/no/such/file")), PathKind::Missing);
    EXPECT_EQ(PathFromFileUrl(QUrl(QStringLiteral("https://example.org/a"))), QString());
}

// A file dialog reads names through Qt, a byte that is not UTF-8 as U+FFFD:
// the name it returns is found again by its bytes.
TEST_F(PathNamesTest, NamesFromAFileDialogFindTheirFiles) {
    ASSERT_EQ(::mkdir((dir_.Path().string() + "/sub\xFF").c_str(), 0755), 0);
    const QString real = MakeFile("sub\xFF/caf\xE9.txt");
    const QString shown = QString::fromUtf8(PathToBytes(real));  // as Qt reads it
    ASSERT_NE(shown, real);
    ASSERT_TRUE(shown.contains(QChar(0xFFFD)));
    EXPECT_EQ(PathFromDialog(shown), real);
    // Names that are fine stay as they are; one not there is left alone.
    const QString plain = MakeFile("plain.txt");
    EXPECT_EQ(PathFromDialog(plain), plain);
    const QString missing =
        QString::fromStdString(dir_.Path().string()) + QStringLiteral("/gone\uFFFD");
    EXPECT_EQ(PathFromDialog(missing), missing);
    EXPECT_EQ(DisplayPath(real), shown);
}

}  // namespace
}  // namespace lm
