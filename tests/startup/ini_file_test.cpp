// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <random>

#include "ansi_codepage.h"
#include "ini_file.h"
#include "ini_line_reader.h"

namespace lm {
namespace {

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(tmp_.isValid()); }

    QString Dir() const { return tmp_.path() + u'/'; }
    QString IniPath() const { return Dir() + "Linkmint.ini"; }

    QByteArray ReadIni() const {
        QFile f(IniPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void WriteIni(const QByteArray& bytes) const {
        QFile f(IniPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    // Loads `bytes` as the INI file on top of `start`.
    QList<TFileData> Load(const QByteArray& bytes, SettingsValues& out,
                          const SettingsValues& start = {}) {
        WriteIni(bytes);
        Settings settings;
        settings.Replace(start);
        IniLoadContext context;
        context.workArea = QSize(1000, 700);
        QList<TFileData> kept = LoadIniFile(settings, Dir(), context);
        out = settings.Snapshot();
        return kept;
    }

    QTemporaryDir tmp_;
};

QByteArray Utf16File(const QString& text) {
    QByteArray out("\xFF\xFE", 2);
    for (const QChar ch : text) {
        out.append(static_cast<char>(ch.unicode() & 0xFF));
        out.append(static_cast<char>(ch.unicode() >> 8));
    }
    return out;
}

TFileData Entry(const QString& link, const QString& path, int state, int crcStatus,
                std::int64_t size, bool selected, const QByteArray& crc = {},
                const QByteArray& md5 = {}, const QByteArray& sha1 = {}) {
    TFileData e;
    e.Link = link;
    e.FileName = path;
    e.State = state;
    e.CRCStatus = crcStatus;
    e.FileSize = size;
    e.Selected = selected;
    e.Hashes = HashTexts(crc, md5, sha1);
    return e;
}

TEST_F(IniFileTest, FirstRunSaveIsByteExact) {
    Settings settings;
    int changes = 0;
    QObject::connect(&settings, &Settings::changed, [&] { ++changes; });
    EXPECT_TRUE(LoadIniFile(settings, Dir()).isEmpty());
    EXPECT_EQ(settings.Snapshot(), SettingsValues{});
    ASSERT_TRUE(SaveIniFile(settings.Snapshot(), {Entry("x", "/y", 0, 13, 0, false)}, Dir()));

    const QByteArray expected =
        "[Display]\r\nMainWinTop=109\r\nMainWinLeft=211\r\nMainWinWidth=0\r\n"
        "MainWinHeight=0\r\nInfoWinHeight=0\r\n"
        "\r\n[Options]\r\nStripPath=0\r\nShowInfoWin=1\r\nLowercaseHashes=0\r\n"
        "TrailingSlash=1\r\nMinimizeToTray=0\r\nDirDragDropAll=0\r\nPresortFiles=0\r\n"
        "PreselectFiles=0\r\nNotifySound=0\r\nDefaultDirectory=\r\nRecurseDirectories=0\r\n"
        "AutoCountDirectories=0\r\nDefaultType=1\r\nThreadPriority=2\r\n"
        "OnCompletion=GoIdle\r\nKeepFilesOnExit=0\r\n"
        "\r\n[File Types]\r\nAll Files (*.*)|*.*\r\n"
        "Videos (AVI,OGM,MKV,WMV,ASF,MPG,MP4,MOV)|"
        "*.avi;*.ogm;*.mkv;*.wmv;*.asf;*.mpg;*.mpeg;*.mp4;*.mov\r\n"
        "\r\n[File Paths]\r\n";
    EXPECT_EQ(ReadIni(), expected);
    EXPECT_FALSE(QFile::exists(Dir() + "Linkmint.ini.tmp"));
}

SettingsValues EveryKeyChanged() {
    SettingsValues v;
    v.mainWinTop = -12;
    v.mainWinLeft = 40;
    v.mainWinWidth = 800;
    v.mainWinHeight = 612;
    v.stripPath = true;
    v.showInfoWin = false;
    v.lowercaseHashes = true;
    v.trailingSlash = false;
    v.minimizeToTray = true;
    v.dirDragDropAll = true;
    v.presortFiles = true;
    v.preselectFiles = true;
    v.notifySound = 7;
    v.customSoundPath = "/usr/share/sounds/done=1.wav";
    v.defaultDirectory = "/srv/media";
    v.lastFilePath = "/srv/media";  // a default directory replaces it on load
    v.recurseDirectories = true;
    v.autoCountDirectories = true;
    v.defaultType = 3;
    v.threadPriority = ThreadPriority::Higher;
    v.onCompletion = OnCompletion::CopySelectedToClipboard;
    v.keepFilesOnExit = true;
    v.fileTypes = {{"Audio", "*.mp3;*.ogg"}, {"", "*.bin"}, {"Iso images", "*.iso"}};
    v.lastSoundPath = "/usr/share/sounds";
    v.lastSavePath = "/home/u/links";
    return v;
}

TEST_F(IniFileTest, EveryKeyAndKeptEntrySurviveARoundTrip) {
    const SettingsValues saved = EveryKeyChanged();
    const QList<TFileData> files = {
        Entry("ed2k://|file|a.avi|4294967297|0123456789ABCDEF0123456789ABCDEF|/", "/data/a.avi",
              fsHashed, crcMatches, 4294967297LL, true, "1A2B3C4D",
              "00112233445566778899AABBCCDDEEFF", "0123456789abcdef0123456789abcdef01234567"),
        Entry("", "/data/never hashed.mkv", fsQueued, crcNoHash, 0, false),
        Entry("", "/data/gone", fsIdle, crcNotFound, -1, false),
    };
    for (const OnCompletion action :
         {OnCompletion::GoIdle, OnCompletion::CopyToClipboard,
          OnCompletion::CopySelectedToClipboard, OnCompletion::CopyToClipAndExit}) {
        SettingsValues values = saved;
        values.onCompletion = action;
        ASSERT_TRUE(SaveIniFile(values, files, Dir()));
        const QByteArray first = ReadIni();
        EXPECT_TRUE(
            first.contains("\r\nNoHash\r\n/data/never hashed.mkv\r\n\r\n\r\n\r\n"
                           "State=1\r\nCRCStatus=13\r\nFileSize=0\r\nSelected=0\r\n"));

        SettingsValues loaded;
        const QList<TFileData> kept = Load(first, loaded);
        EXPECT_EQ(loaded, values);
        EXPECT_EQ(kept, files);

        ASSERT_TRUE(SaveIniFile(loaded, kept, Dir()));
        EXPECT_EQ(ReadIni(), first);
    }
}

// The bytes of a save with both extras off and `section` put where the
// [Extras] section goes: before the kept list, else at the end.
QByteArray WithSection(const QByteArray& off, const QString& section) {
    const bool utf16 = off.startsWith("\xFF\xFE");
    const auto encoded = [utf16](const QString& text) {
        return utf16 ? Utf16File(text).mid(2) : text.toLatin1();
    };
    const qsizetype kept = off.indexOf(encoded("\r\n[Hashed Files]\r\n"));
    QByteArray bytes = off;
    return kept < 0 ? bytes.append(encoded(section)) : bytes.insert(kept, encoded(section));
}

TEST_F(IniFileTest, ExtrasSectionOnlyWhenOnBeforeTheKeptListAndRoundTrips) {
    const QList<TFileData> files = {
        Entry("ed2k://|file|a.bin|3|A448017AAF21D8525FC10AE87AA6729D|/", "/data/a.bin", fsHashed,
              crcNotFound, 3, true, "352441C2", "900150983CD24FB0D6963F7D28E17F72",
              "A9993E364706816ABA3E25717850C26C9CD0D89D"),
        Entry("", "/data/b.bin", fsQueued, crcNoHash, 0, false),
    };
    const QString wide = QString::fromUtf8("/films/\u0416\u0443\u043A.mkv");
    struct Case {
        bool keep;
        bool widePath;
    };
    for (const Case c : {Case{false, false}, Case{true, false}, Case{true, true}}) {
        SettingsValues values = EveryKeyChanged();
        values.keepFilesOnExit = c.keep;
        values.defaultDirectory = c.widePath ? wide : QString("/srv/media");
        values.lastFilePath = values.defaultDirectory;  // which the load makes it
        const QByteArray off = IniFileContents(values, files);
        EXPECT_FALSE(off.contains("Extras"));
        EXPECT_EQ(off.startsWith("\xFF\xFE"), c.widePath);

        for (const auto& [aich, parts] :
             {std::pair(true, false), std::pair(false, true), std::pair(true, true)}) {
            values.aichHash = aich;
            values.partHashes = parts;
            const QString section = QString("\r\n[Extras]\r\nAichHash=%1\r\nPartHashes=%2\r\n")
                                        .arg(aich ? 1 : 0)
                                        .arg(parts ? 1 : 0);
            const QByteArray expected = WithSection(off, section);
            ASSERT_TRUE(SaveIniFile(values, files, Dir()));
            const QByteArray on = ReadIni();
            EXPECT_EQ(on, expected) << c.keep << c.widePath << aich << parts;

            SettingsValues loaded;
            const QList<TFileData> kept = Load(on, loaded);
            EXPECT_EQ(loaded, values);
            EXPECT_EQ(kept, c.keep ? files : QList<TFileData>());
            ASSERT_TRUE(SaveIniFile(loaded, kept, Dir()));
            EXPECT_EQ(ReadIni(), on);

            // A version that does not know [Extras] treats the header as no
            // change of section, so its lines fall into [File Paths]. The
            // loader here is that version's with one header more: under a
            // header it does not know either, it reads what that version
            // reads. Every other setting and the whole kept list survive.
            QByteArray old = on;
            const QByteArray header = c.widePath ? Utf16File("[Extras]").mid(2) : "[Extras]";
            const QByteArray unknown = c.widePath ? Utf16File("[Extra?]").mid(2) : "[Extra?]";
            ASSERT_EQ(old.count(header), 1);
            old.replace(header, unknown);
            SettingsValues older;
            EXPECT_EQ(Load(old, older), c.keep ? files : QList<TFileData>());
            SettingsValues withoutExtras = values;
            withoutExtras.aichHash = false;
            withoutExtras.partHashes = false;
            EXPECT_EQ(older, withoutExtras);
        }
        // Both off again: the file is what it was before either was on.
        values.aichHash = false;
        values.partHashes = false;
        ASSERT_TRUE(SaveIniFile(values, files, Dir()));
        EXPECT_EQ(ReadIni(), off);
    }
}

TEST_F(IniFileTest, ExtrasKeysAreReadLikeOptions) {
    SettingsValues v;
    Load("[Extras]\r\naichHASH=TRUE\r\nPartHashes= 1 \r\n", v);
    EXPECT_TRUE(v.aichHash);
    EXPECT_TRUE(v.partHashes);

    // An unreadable value falls back to off; a line with blanks before its
    // key is no key line and leaves the value alone.
    SettingsValues on;
    on.aichHash = true;
    on.partHashes = true;
    Load("[Extras]\r\nAichHash=yes\r\n PartHashes=1\r\n", v, on);
    EXPECT_FALSE(v.aichHash);
    EXPECT_TRUE(v.partHashes);

    // The keys belong to [Extras] only, and the header is matched as written.
    Load("[Options]\r\nAichHash=1\r\n[extras]\r\nPartHashes=1\r\n", v);
    EXPECT_FALSE(v.aichHash);
    EXPECT_FALSE(v.partHashes);

    // Anywhere in the file, even after the kept list, the section is read as
    // such and ends the list.
    const QList<TFileData> kept = Load(
        "[Hashed Files]\r\nNoHash\r\n/a\r\n\r\n\r\n\r\nState=0\r\nCRCStatus=13\r\n"
        "FileSize=0\r\nSelected=0\r\n[Extras]\r\nPartHashes=1\r\n",
        v);
    EXPECT_EQ(kept, QList<TFileData>({Entry("", "/a", fsIdle, crcNoHash, 0, false)}));
    EXPECT_TRUE(v.partHashes);
}

TEST_F(IniFileTest, KeptListIsWrittenOnlyWhenAskedForAndRestoredRegardless) {
    SettingsValues values;
    const QList<TFileData> files = {Entry("", "/a", fsQueued, crcNoHash, 5, true)};
    ASSERT_TRUE(SaveIniFile(values, files, Dir()));
    EXPECT_FALSE(ReadIni().contains("[Hashed Files]"));
    values.keepFilesOnExit = true;
    ASSERT_TRUE(SaveIniFile(values, {}, Dir()));
    EXPECT_FALSE(ReadIni().contains("[Hashed Files]"));
    ASSERT_TRUE(SaveIniFile(values, files, Dir()));
    EXPECT_TRUE(
        ReadIni().endsWith("\r\n\r\n[Hashed Files]\r\nNoHash\r\n/a\r\n\r\n\r\n\r\n"
                           "State=1\r\nCRCStatus=13\r\nFileSize=5\r\nSelected=1\r\n"));

    // The load restores a list whatever KeepFilesOnExit says.
    SettingsValues loaded;
    const QList<TFileData> kept = Load(
        "[Options]\r\nKeepFilesOnExit=0\r\n[Hashed Files]\r\nNoHash\r\n/a\r\n\r\n\r\n\r\n"
        "State=1\r\nCRCStatus=13\r\nFileSize=5\r\nSelected=1\r\n",
        loaded);
    EXPECT_EQ(kept, files);
    EXPECT_FALSE(loaded.keepFilesOnExit);
}

TEST_F(IniFileTest, UnreadableValuesTakeEachKeysFallback) {
    SettingsValues start;  // the opposite of every fallback
    start.stripPath = true;
    start.showInfoWin = false;
    start.lowercaseHashes = true;
    start.trailingSlash = false;
    start.minimizeToTray = true;
    start.dirDragDropAll = true;
    start.presortFiles = false;
    start.preselectFiles = false;
    start.recurseDirectories = true;
    start.autoCountDirectories = true;
    start.keepFilesOnExit = true;
    start.threadPriority = ThreadPriority::Normal;
    start.onCompletion = OnCompletion::CopyToClipboard;
    start.notifySound = 4;

    const QByteArray file =
        "[Display]\r\nMainWinTop=top\r\nMainWinLeft=\r\nMainWinWidth=1e3\r\n"
        "MainWinHeight=99999999999\r\n"
        "[Options]\r\nStripPath=yes\r\nShowInfoWin=yes\r\nLowercaseHashes=yes\r\n"
        "TrailingSlash=yes\r\nMinimizeToTray=yes\r\nDirDragDropAll=yes\r\n"
        "PresortFiles=yes\r\nPreselectFiles=yes\r\nRecurseDirectories=on\r\n"
        "AutoCountDirectories=2\r\nKeepFilesOnExit=\r\nThreadPriority=low\r\n"
        "OnCompletion=copytoclipboard\r\nNotifySound=12\r\nDefaultType=first\r\n"
        "[File Types]\r\nA|*.a\r\nB|*.b\r\n";
    SettingsValues v;
    Load(file, v, start);
    EXPECT_EQ(v.mainWinTop, -4);
    EXPECT_EQ(v.mainWinLeft, -4);
    EXPECT_EQ(v.mainWinWidth, 1008);
    EXPECT_EQ(v.mainWinHeight, 708);
    EXPECT_FALSE(v.stripPath);
    EXPECT_TRUE(v.showInfoWin);
    EXPECT_FALSE(v.lowercaseHashes);
    EXPECT_TRUE(v.trailingSlash);
    EXPECT_FALSE(v.minimizeToTray);
    EXPECT_FALSE(v.dirDragDropAll);
    EXPECT_TRUE(v.presortFiles);  // "yes" turns these two on
    EXPECT_TRUE(v.preselectFiles);
    EXPECT_FALSE(v.recurseDirectories);
    EXPECT_FALSE(v.autoCountDirectories);
    EXPECT_FALSE(v.keepFilesOnExit);
    EXPECT_EQ(v.threadPriority, ThreadPriority::Lower);
    EXPECT_EQ(v.onCompletion, OnCompletion::GoIdle);
    EXPECT_EQ(v.notifySound, 4);  // 12 leaves the choice alone
    EXPECT_EQ(v.defaultType, 1);  // unreadable: as if absent

    // InfoWinHeight carries the height and wins; its own fallback is 139.
    Load("[Display]\r\nMainWinHeight=500\r\nInfoWinHeight=300\r\n", v);
    EXPECT_EQ(v.mainWinHeight, 300);
    Load("[Display]\r\nMainWinHeight=500\r\nInfoWinHeight=tall\r\n", v);
    EXPECT_EQ(v.mainWinHeight, 139);
    Load("[Options]\r\nThreadPriority=9\r\n", v, start);
    EXPECT_EQ(v.threadPriority, ThreadPriority::Lower);
}

TEST_F(IniFileTest, KeysValuesAndSectionsAreMatchedAsWritten) {
    SettingsValues v;
    Load(
        "StripPath=1\r\n"  // before any section: ignored
        "[Options]\r\nstripPATH=1\r\n  LowercaseHashes=1\r\nShowInfoWin= \t0 \r\n"
        "TrailingSlash=FALSE\r\nDefaultDirectory=/a=b/c \r\nMinimizeToTray\r\n"
        "[options]\r\nPresortFiles=TrUe\r\n[Unknown]\r\nPreselectFiles=1\r\n"
        "[Display]\r\nmainwintop=7\r\nMainWinLeftover=8\r\n"
        "[File Paths]\r\nLastFilePath=/ignored\r\nLastSoundPath=/s=1\r\nlastsavepath=/v\r\n",
        v);
    EXPECT_TRUE(v.stripPath);
    EXPECT_FALSE(v.lowercaseHashes);  // blanks before the key
    EXPECT_FALSE(v.showInfoWin);
    EXPECT_FALSE(v.trailingSlash);
    EXPECT_FALSE(v.minimizeToTray);
    EXPECT_EQ(v.defaultDirectory, "/a=b/c");
    EXPECT_TRUE(v.presortFiles);    // still [Options]
    EXPECT_TRUE(v.preselectFiles);  // likewise
    EXPECT_EQ(v.mainWinTop, 7);
    EXPECT_EQ(v.mainWinLeft, 8);          // [Display] keys are prefixes
    EXPECT_EQ(v.lastFilePath, "/a=b/c");  // the default directory wins
    EXPECT_EQ(v.lastSoundPath, "/s=1");
    EXPECT_EQ(v.lastSavePath, "/v");

    Load("[File Paths]\r\nLastFilePath=/files\r\n[Options]\r\nDefaultDirectory=\r\n", v);
    EXPECT_EQ(v.lastFilePath, "/files");
    EXPECT_EQ(v.defaultDirectory, "");
}

TEST_F(IniFileTest, NotifySoundIndexesAndCustomPaths) {
    SettingsValues v;
    Load("[Options]\r\nNotifySound=3\r\n", v);
    EXPECT_EQ(v.notifySound, 3);
    Load("[Options]\r\nNotifySound=/snd/ding.wav\r\n", v);
    EXPECT_EQ(v.notifySound, 7);
    EXPECT_EQ(v.customSoundPath, "/snd/ding.wav");
    Load("[Options]\r\nNotifySound=-1\r\n", v);
    EXPECT_EQ(v.notifySound, 7);
    EXPECT_EQ(v.customSoundPath, "-1");
    Load("[Options]\r\nNotifySound=/a.wav\r\nNotifySound=/b.wav\r\n", v);
    EXPECT_EQ(v.customSoundPath, "/a.wav");  // the first custom item stays chosen

    SettingsValues custom;
    custom.notifySound = 7;
    custom.customSoundPath = "5";  // reads back as an index
    ASSERT_TRUE(SaveIniFile(custom, {}, Dir()));
    Load(ReadIni(), v);
    EXPECT_EQ(v.notifySound, 5);
}

TEST_F(IniFileTest, FileTypeTableAndDefaultType) {
    SettingsValues v;
    Load("[File Types]\r\nPictures|*.png;*.jpg\r\n*.iso\r\nA|b|c\r\n[Options]\r\nDefaultType=2\r\n",
         v);
    const QList<FileType> expected = {{"Pictures", "*.png;*.jpg"}, {"", "*.iso"}, {"A", "b|c"}};
    EXPECT_EQ(v.fileTypes, expected);
    EXPECT_EQ(v.defaultType, 2);

    // Row 0 or one past the end: no default row; saved as 0.
    for (const char* type : {"0", "4"}) {
        Load("[Options]\r\nDefaultType=" + QByteArray(type) + "\r\n[File Types]\r\nA|*.a\r\n", v);
        EXPECT_EQ(v.defaultType, std::atoi(type));
        ASSERT_TRUE(SaveIniFile(v, {}, Dir()));
        EXPECT_TRUE(ReadIni().contains("\r\nDefaultType=0\r\n")) << type;
    }
    Load("[Options]\r\nDefaultType=-3\r\n[File Types]\r\nA|*.a\r\nB|*.b\r\n", v);
    EXPECT_EQ(v.defaultType, 1);

    // Without [File Types] lines the first-run table comes back, row 1 default.
    SettingsValues start;
    start.fileTypes = {{"Old", "*.old"}};
    Load("[Options]\r\nDefaultType=2\r\n[File Types]\r\n", v, start);
    EXPECT_EQ(v.fileTypes, SettingsValues{}.fileTypes);
    EXPECT_EQ(v.defaultType, 1);
}

TEST_F(IniFileTest, OneWidePathMakesTheWholeFileUtf16) {
    SettingsValues values;
    values.keepFilesOnExit = true;
    const QString wide = QString::fromUtf8("/films/\u0416\u0443\u043A.mkv");
    const QList<TFileData> files = {Entry("", wide, fsQueued, crcNoHash, 0, false)};
    ASSERT_TRUE(SaveIniFile(values, files, Dir()));
    const QByteArray bytes = ReadIni();
    ASSERT_TRUE(bytes.startsWith("\xFF\xFE"));
    EXPECT_EQ(bytes.size() % 2, 0);
    EXPECT_TRUE(bytes.startsWith(Utf16File("[Display]\r\nMainWinTop=109\r\n")));
    EXPECT_TRUE(
        bytes.endsWith(QByteArray("S\0e\0l\0e\0c\0t\0e\0d\0=\0"
                                  "0\0\r\0\n\0",
                                  24)));
    EXPECT_TRUE(bytes.contains(Utf16File(wide).mid(2)));

    SettingsValues loaded;
    EXPECT_EQ(Load(bytes, loaded), files);
    EXPECT_EQ(loaded, values);

    // Last-used paths are not examined: written as ANSI with "?".
    SettingsValues paths;
    paths.lastSavePath = wide;
    paths.lastFilePath = QString::fromUtf8("/caf\u00E9");
    ASSERT_TRUE(SaveIniFile(paths, {}, Dir()));
    const QByteArray ansi = ReadIni();
    EXPECT_FALSE(ansi.startsWith("\xFF\xFE"));
    EXPECT_TRUE(ansi.contains("\r\nLastFilePath=/caf\xE9\r\nLastSavePath=/films/???.mkv\r\n"));

    // Each examined string switches on its own.
    for (int which = 0; which < 4; ++which) {
        SettingsValues w;
        if (which == 0) {
            w.defaultDirectory = wide;
            w.lastFilePath = wide;
        } else if (which == 1) {
            w.fileTypes[1].name = wide;
        } else if (which == 2) {
            w.fileTypes[0].masks = wide;
        } else {
            w.notifySound = 7;
            w.customSoundPath = wide;
        }
        ASSERT_TRUE(SaveIniFile(w, {}, Dir()));
        EXPECT_TRUE(ReadIni().startsWith("\xFF\xFE")) << which;
        Load(ReadIni(), loaded);
        EXPECT_EQ(loaded, w) << which;
    }
}

TEST_F(IniFileTest, Utf16AndAnsiFilesLoadAlike) {
    const QString text = QString::fromUtf8(
        "[Display]\r\nMainWinTop=5\r\nMainWinHeight=480\r\n\r\n[Options]\r\nStripPath=1\r\n"
        "NotifySound=/s/\u00E9t\u00E9.wav\r\nDefaultDirectory=/"
        "d\r\nOnCompletion=CopyToClip&Exit\r\n"
        "[File Types]\r\nClips \u20AC|*.mov\r\n[File Paths]\r\nLastSavePath=/out\r\n"
        "[Hashed Files]\r\nNoHash\r\n/d/x\r\nAB\r\n\r\n\r\nState=3\r\nCRCStatus=14\r\n"
        "FileSize=77\r\nSelected=true");  // no line end at the very end
    SettingsValues fromAnsi;
    SettingsValues fromUtf16;
    const QList<TFileData> a = Load(ToAnsi(text), fromAnsi);
    const QList<TFileData> b = Load(Utf16File(text), fromUtf16);
    EXPECT_EQ(fromAnsi, fromUtf16);
    EXPECT_EQ(a, b);
    EXPECT_EQ(fromAnsi.customSoundPath, QString::fromUtf8("/s/\u00E9t\u00E9.wav"));
    EXPECT_EQ(fromAnsi.fileTypes.at(0).name, QString::fromUtf8("Clips \u20AC"));
    EXPECT_EQ(fromAnsi.onCompletion, OnCompletion::CopyToClipAndExit);
    ASSERT_EQ(a.size(), 1);
    EXPECT_EQ(a[0], Entry("", "/d/x", fsHashed, crcMismatch, 77, true, "AB"));
}

TEST_F(IniFileTest, RecordCutShortStillCountsWithFallbacks) {
    SettingsValues v;
    QList<TFileData> kept = Load(
        "[Hashed Files]\r\ned2k://|file|a|1|00|\r\n/a\r\n11\r\n22\r\n33\r\nState=3\r\nCRCStatus=12"
        "\r\nFileSize=1\r\nSelected=1\r\nNoHash\r\n/b\r\nCAFE",
        v);
    ASSERT_EQ(kept.size(), 2);
    EXPECT_EQ(kept[0],
              Entry("ed2k://|file|a|1|00|", "/a", fsHashed, crcMatches, 1, true, "11", "22", "33"));
    EXPECT_EQ(kept[1], Entry("", "/b", fsIdle, crcNoHash, 0, false, "CAFE"));

    // Lines 6 to 9 are read by position and only after their "=".
    kept = Load("[Hashed Files]\r\nL\r\nF\r\n\r\n\r\n\r\nX=2\r\n=12\r\nsize=-1\r\nSelected\r\n", v);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(kept[0], Entry("L", "F", fsWorking, crcMatches, -1, false));

    // Values that no save could have written take the fallbacks.
    kept = Load(
        "[Hashed Files]\r\nL\r\nF\r\n\r\n\r\n\r\nState=7\r\nCRCStatus=0\r\n"
        "FileSize=99999999999999999999\r\nSelected=2\r\n",
        v);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(kept[0], Entry("L", "F", fsIdle, crcNoHash, 0, false));
}

// The overall progress is kept in [Extras] while it is on, alone or with the
// link options, and leaves the file as it was when it goes off again.
TEST_F(IniFileTest, OverallProgressKeyOnlyWhileOn) {
    SettingsValues values = EveryKeyChanged();
    const QByteArray off = IniFileContents(values, {});
    for (const bool aich : {false, true}) {
        values.aichHash = aich;
        values.overallProgress = true;
        ASSERT_TRUE(SaveIniFile(values, {}, Dir()));
        const QByteArray on = ReadIni();
        const QString section =
            QString("\r\n[Extras]\r\nAichHash=%1\r\nPartHashes=0\r\nOverallProgress=1\r\n")
                .arg(aich ? 1 : 0);
        SettingsValues withoutProgress = values;
        withoutProgress.overallProgress = false;
        EXPECT_EQ(on, WithSection(off, section));
        SettingsValues loaded;
        Load(on, loaded);
        EXPECT_EQ(loaded, values);
        // With only the link option left on, the section is as it was.
        ASSERT_TRUE(SaveIniFile(withoutProgress, {}, Dir()));
        EXPECT_EQ(ReadIni(), aich ? IniFileContents(withoutProgress, {}) : off);
        EXPECT_EQ(ReadIni().contains("OverallProgress"), false);
    }
}

// A file edited on Linux may end its lines in LF alone: it reads as the same
// file with CR LF, in ANSI and in UTF-16, and the next save writes CR LF.
TEST_F(IniFileTest, LinuxLineEndsAreReadAndCrLfIsWritten) {
    const QList<TFileData> files = {
        Entry("ed2k://|file|a.bin|3|A448017AAF21D8525FC10AE87AA6729D|/", "/data/a.bin", fsHashed,
              crcNotFound, 3, true, "352441C2", "900150983CD24FB0D6963F7D28E17F72",
              "A9993E364706816ABA3E25717850C26C9CD0D89D"),
        Entry("", "/data/never hashed.bin", fsQueued, crcNoHash, 0, false),
    };
    for (const bool wide : {false, true}) {
        SettingsValues values = EveryKeyChanged();
        values.keepFilesOnExit = true;
        values.aichHash = true;
        values.defaultDirectory = wide ? QString::fromUtf8("/films/\u0416") : QString("/srv");
        values.lastFilePath = values.defaultDirectory;
        ASSERT_TRUE(SaveIniFile(values, files, Dir()));
        const QByteArray crlf = ReadIni();
        ASSERT_EQ(crlf.startsWith("\xFF\xFE"), wide);
        QByteArray lf = crlf;
        lf.replace(wide ? QByteArray("\r\0\n\0", 4) : QByteArray("\r\n"),
                   wide ? QByteArray("\n\0", 2) : QByteArray("\n"));
        ASSERT_FALSE(lf.contains('\r'));
        SettingsValues loaded;
        EXPECT_EQ(Load(lf, loaded), files) << wide;
        EXPECT_EQ(loaded, values) << wide;
        ASSERT_TRUE(SaveIniFile(loaded, files, Dir()));
        EXPECT_EQ(ReadIni(), crlf) << wide;
    }
    // Mixed: the first line end decides; a CR left before an LF is dropped,
    // and so is one inside a line, which no saved value could carry.
    SettingsValues v;
    Load("[Options]\nStripPath=1\r\nTrailingSlash=0\n", v);
    EXPECT_TRUE(v.stripPath);
    EXPECT_FALSE(v.trailingSlash);
    const QList<TFileData> kept = Load(
        "[Options]\nKeepFilesOnExit=1\n[Hashed Files]\nNoHash\n/data/a\rb.bin\n\n\n\n"
        "State=0\nCRCStatus=-1\nFileSize=-1\nSel\rected=1\r\n",
        v);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(kept[0].FileName, "/data/ab.bin");
    EXPECT_TRUE(kept[0].Selected);
    ASSERT_TRUE(SaveIniFile(v, kept, Dir()));
    EXPECT_EQ(Load(ReadIni(), v), kept);
}

TEST_F(IniFileTest, LineReaderRules) {
    SettingsValues v;
    // CR followed by any character ends a line; the character is dropped.
    Load("[Options]\rXStripPath=1\r\rTrailingSlash=0", v);
    EXPECT_TRUE(v.stripPath);
    EXPECT_FALSE(v.trailingSlash);
    // An LF alone does not end a line.
    Load("[Options]\r\nStripPath=0\nTrailingSlash=0\r\n", v);
    EXPECT_TRUE(v.trailingSlash);

    // Truncated UTF-16: the odd byte is dropped.
    QByteArray odd = Utf16File("[Options]\r\nStripPath=1");
    odd.append('\x31');
    Load(odd, v);
    EXPECT_TRUE(v.stripPath);

    // Lines longer than the reader keeps are cut, not fatal.
    QByteArray huge = "[File Types]\r\nBig|";
    huge.append(QByteArray(IniLineReader::kMaxLineLength + 100, 'x'));
    huge.append("\r\nSmall|*.s\r\n");
    Load(huge, v);
    ASSERT_EQ(v.fileTypes.size(), 2);
    EXPECT_EQ(v.fileTypes[0].masks.size(), IniLineReader::kMaxLineLength - 4);
    EXPECT_EQ(v.fileTypes[1], (FileType{"Small", "*.s"}));
}

TEST_F(IniFileTest, GarbageNeverCrashes) {
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> byte(0, 255);
    const QByteArray prefixes[] = {
        "", "\xFF\xFE", "[Hashed Files]\r\n", "[Options]\r\n", "[File Types]\r\n", "[Display]\r\n"};
    SettingsValues v;
    for (int round = 0; round < 60; ++round) {
        QByteArray bytes = prefixes[round % 6];
        const int length = (round * 37) % 3001;
        for (int i = 0; i < length; ++i) {
            // Plenty of CRs, "=" and brackets keep the parser busy.
            const int r = byte(random);
            bytes.append(r < 30 ? '\r' : r < 45 ? '=' : r < 55 ? '[' : static_cast<char>(r));
        }
        Load(bytes, v);
        EXPECT_LE(v.fileTypes.size(), length + 2);
    }
    for (const QByteArray& bytes :
         {QByteArray("\xFF"), QByteArray("\xFF\xFE\r"), QByteArray("\r"), QByteArray(5000, '\r'),
          QByteArray("[Hashed Files]\r\n["), QByteArray(1, '\0')}) {
        const QList<TFileData> kept = Load(bytes, v);
        EXPECT_LE(kept.size(), 1);
    }
    // A directory where the file should be: treated like an empty file.
    QFile::remove(IniPath());
    ASSERT_TRUE(QDir().mkdir(IniPath()));
    Settings settings;
    EXPECT_TRUE(LoadIniFile(settings, Dir()).isEmpty());
    EXPECT_EQ(settings.Snapshot(), SettingsValues{});
}

TEST_F(IniFileTest, FailedSaveLeavesTheOldFileAlone) {
    const QByteArray old = "[Options]\r\nStripPath=1\r\n";
    WriteIni(old);
    SettingsValues values;

    // The temporary file cannot be created.
    ASSERT_TRUE(QDir().mkdir(Dir() + "Linkmint.ini.tmp"));
    EXPECT_FALSE(SaveIniFile(values, {}, Dir()));
    EXPECT_EQ(ReadIni(), old);
    ASSERT_TRUE(QDir().rmdir(Dir() + "Linkmint.ini.tmp"));

    // A full disk: see the program-folder fault tests.

    // The program directory cannot exist: it lies under a regular file.
    EXPECT_FALSE(SaveIniFile(values, {}, IniPath() + "/sub/"));
    EXPECT_EQ(ReadIni(), old);

    // And a save that works replaces it.
    EXPECT_TRUE(SaveIniFile(values, {}, Dir()));
    EXPECT_TRUE(ReadIni().contains("StripPath=0"));
}

TEST_F(IniFileTest, LineBreaksInValuesCannotForgeLines) {
    SettingsValues values;
    values.keepFilesOnExit = true;
    values.defaultDirectory = "/tmp/x\r\nKeepFilesOnExit=0";
    values.lastSavePath = "/s\r[Options]";
    const QList<TFileData> files = {Entry("", "/bad\r\nname", fsQueued, crcNoHash, 0, false),
                                    Entry("", "/good", fsQueued, crcNoHash, 0, false)};
    ASSERT_TRUE(SaveIniFile(values, files, Dir()));
    SettingsValues loaded;
    const QList<TFileData> kept = Load(ReadIni(), loaded);
    EXPECT_TRUE(loaded.keepFilesOnExit);
    EXPECT_EQ(loaded.defaultDirectory, "/tmp/x?\nKeepFilesOnExit=0");
    EXPECT_EQ(loaded.lastSavePath, "/s?[Options]");
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(kept[0].FileName, "/good");
}

TEST_F(IniFileTest, LoadGoesThroughSettingsAndAsksForTheIntegration) {
    WriteIni("[Options]\r\nRecurseDirectories=1\r\n");
    Settings settings;
    int changes = 0;
    QObject::connect(&settings, &Settings::changed, [&] { ++changes; });
    IniLoadContext context;
    context.isContextMenuRegistered = [] { return true; };
    LoadIniFile(settings, Dir(), context);
    EXPECT_TRUE(settings.Snapshot().runFromExplorer);
    EXPECT_TRUE(settings.Snapshot().recurseDirectories);
    EXPECT_EQ(changes, 2);

    context.isContextMenuRegistered = [] { return false; };
    LoadIniFile(settings, Dir(), context);
    EXPECT_FALSE(settings.Snapshot().runFromExplorer);
}

}  // namespace
}  // namespace lm
