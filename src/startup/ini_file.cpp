// SPDX-License-Identifier: MIT
#include "ini_file.h"

#include <QFile>

#include <array>
#include <cerrno>
#include <cstdio>
#include <limits>
#include <optional>

#include "ansi_codepage.h"
#include "file_replace.h"
#include "ini_line_reader.h"
#include "path_names.h"
#include "regular_file.h"

namespace lm {

namespace {

const QString kNoHash = QStringLiteral("NoHash");
constexpr char kTempSuffix[] = ".tmp";

QString WithSlash(const QString& dir) {
    return dir.endsWith(u'/') ? dir : dir + u'/';
}

// ---------------------------------------------------------------- parsing

// True when `line` starts with `key`, ASCII letters compared without case.
bool StartsWithKey(const QString& line, QStringView key) {
    if (line.size() < key.size()) {
        return false;
    }
    for (qsizetype i = 0; i < key.size(); ++i) {
        char16_t a = line[i].unicode();
        char16_t b = key[i].unicode();
        if (a >= u'a' && a <= u'z') {
            a = static_cast<char16_t>(a - 32);
        }
        if (b >= u'a' && b <= u'z') {
            b = static_cast<char16_t>(b - 32);
        }
        if (a != b) {
            return false;
        }
    }
    return true;
}

bool IsKeyLine(const QString& line, QStringView key) {
    return line.size() > key.size() && line[key.size()] == u'=' && StartsWithKey(line, key);
}

// The text after the first "=", without leading and trailing characters of
// code 32 or below; empty when the line has no "=".
QString ValueOf(const QString& line) {
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0) {
        return {};
    }
    qsizetype begin = eq + 1;
    qsizetype end = line.size();
    while (begin < end && line[begin].unicode() <= 32) {
        ++begin;
    }
    while (end > begin && line[end - 1].unicode() <= 32) {
        --end;
    }
    return line.mid(begin, end - begin);
}

bool ParseBool(const QString& value, bool fallback) {
    if (value == u"1" || value.compare(u"true", Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (value == u"0" || value.compare(u"false", Qt::CaseInsensitive) == 0) {
        return false;
    }
    return fallback;
}

// A signed decimal number within [min, max], read from the value's 8-bit text.
std::optional<qint64> ParseDecimal(const QString& value, qint64 min, qint64 max) {
    const QByteArray text = ToAnsi(value);
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    // Accumulate as a negative number so that the minimum fits.
    qint64 n = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        const int digit = text[i] - '0';
        if (n < (std::numeric_limits<qint64>::min() + digit) / 10) {
            return std::nullopt;
        }
        n = n * 10 - digit;
    }
    if (!negative) {
        if (n == std::numeric_limits<qint64>::min()) {
            return std::nullopt;
        }
        n = -n;
    }
    if (n < min || n > max) {
        return std::nullopt;
    }
    return n;
}

std::optional<int> ParseInt(const QString& value) {
    const auto n =
        ParseDecimal(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    return n ? std::optional<int>(static_cast<int>(*n)) : std::nullopt;
}

int IntOr(const QString& value, int fallback) {
    return ParseInt(value).value_or(fallback);
}

qint64 SizeOr(const QString& value, qint64 fallback) {
    return ParseDecimal(value, std::numeric_limits<qint64>::min(),
                        std::numeric_limits<qint64>::max())
        .value_or(fallback);
}

// ---------------------------------------------------------------- load

enum class Section { None, Options, FileTypes, Display, FilePaths, HashedFiles, Extras };

struct BoolKey {
    const char16_t* key;
    bool SettingsValues::*field;
    bool fallback;
};

const std::array<BoolKey, 10> kBoolKeys = {{
    {u"StripPath", &SettingsValues::stripPath, false},
    {u"ShowInfoWin", &SettingsValues::showInfoWin, true},
    {u"LowercaseHashes", &SettingsValues::lowercaseHashes, false},
    {u"TrailingSlash", &SettingsValues::trailingSlash, true},
    {u"MinimizeToTray", &SettingsValues::minimizeToTray, false},
    {u"DirDragDropAll", &SettingsValues::dirDragDropAll, false},
    {u"PresortFiles", &SettingsValues::presortFiles, true},
    {u"PreselectFiles", &SettingsValues::preselectFiles, true},
    {u"RecurseDirectories", &SettingsValues::recurseDirectories, false},
    {u"AutoCountDirectories", &SettingsValues::autoCountDirectories, false},
}};

const std::array<BoolKey, 3> kExtrasKeys = {{
    {u"AichHash", &SettingsValues::aichHash, false},
    {u"PartHashes", &SettingsValues::partHashes, false},
    {u"OverallProgress", &SettingsValues::overallProgress, false},
}};

class IniLoader {
public:
    IniLoader(Settings& settings, const IniLoadContext& context)
        : settings_(settings), context_(context) {}

    QList<TFileData> Run(IniLineReader& reader) {
        QString line;
        while (reader.ReadLine(line)) {
            if (line.isEmpty()) {
                continue;
            }
            if (line.startsWith(u'[')) {
                Header(line);
                continue;
            }
            switch (section_) {
                case Section::None:
                    break;
                case Section::Options:
                    Option(line);
                    break;
                case Section::FileTypes:
                    FileTypeLine(line);
                    break;
                case Section::Display:
                    Display(line);
                    break;
                case Section::FilePaths:
                    FilePath(line);
                    break;
                case Section::HashedFiles:
                    kept_.append(Record(line, reader));
                    break;
                case Section::Extras:
                    Extra(line);
                    break;
            }
        }
        return kept_;
    }

    void Finish() {
        if (!typeLineRead_) {
            ApplyFirstRunFileTypes(settings_);
            return;
        }
        settings_.Set(&SettingsValues::fileTypes, types_);
        settings_.Set(&SettingsValues::defaultType, defaultType_ >= 0 ? defaultType_ : 1);
    }

    static void ApplyFirstRunFileTypes(Settings& settings) {
        settings.Set(&SettingsValues::fileTypes, SettingsValues{}.fileTypes);
        settings.Set(&SettingsValues::defaultType, 1);
    }

private:
    void Header(const QString& line) {
        static const std::array<std::pair<const char16_t*, Section>, 6> kSections = {{
            {u"[Options]", Section::Options},
            {u"[File Types]", Section::FileTypes},
            {u"[Display]", Section::Display},
            {u"[File Paths]", Section::FilePaths},
            {u"[Hashed Files]", Section::HashedFiles},
            {u"[Extras]", Section::Extras},
        }};
        for (const auto& [name, section] : kSections) {
            if (line == QStringView(name)) {
                section_ = section;
                return;
            }
        }
    }

    void Option(const QString& line) {
        for (const BoolKey& key : kBoolKeys) {
            if (IsKeyLine(line, key.key)) {
                settings_.Set(key.field, ParseBool(ValueOf(line), key.fallback));
                return;
            }
        }
        const QString value = ValueOf(line);
        if (IsKeyLine(line, u"NotifySound")) {
            const std::optional<int> index = ParseInt(value);
            if (index && *index >= 0 && *index <= 6) {
                settings_.Set(&SettingsValues::notifySound, *index);
            } else if (!index || *index == -1) {
                // A custom sound file. Like the sound box, a second path
                // would be added after the first, which stays selected.
                if (!customSoundAdded_) {
                    customSoundAdded_ = true;
                    settings_.Set(&SettingsValues::customSoundPath, value);
                }
                settings_.Set(&SettingsValues::notifySound, 7);
            }
        } else if (IsKeyLine(line, u"DefaultDirectory")) {
            settings_.Set(&SettingsValues::defaultDirectory, value);
            if (!value.isEmpty()) {
                settings_.Set(&SettingsValues::lastFilePath, value);
            }
        } else if (IsKeyLine(line, u"DefaultType")) {
            defaultType_ = IntOr(value, -1);
        } else if (IsKeyLine(line, u"ThreadPriority")) {
            int priority = IntOr(value, 2);
            if (priority < 0 || priority > 4) {
                priority = 2;
            }
            settings_.Set(&SettingsValues::threadPriority, static_cast<ThreadPriority>(priority));
        } else if (IsKeyLine(line, u"OnCompletion")) {
            OnCompletion action = OnCompletion::GoIdle;
            if (value == u"CopyToClipboard") {
                action = OnCompletion::CopyToClipboard;
            } else if (value == u"CopySelectedToClipboard") {
                action = OnCompletion::CopySelectedToClipboard;
            } else if (value == u"CopyToClip&Exit") {
                action = OnCompletion::CopyToClipAndExit;
            }
            settings_.Set(&SettingsValues::onCompletion, action);
        } else if (IsKeyLine(line, u"KeepFilesOnExit")) {
            settings_.Set(&SettingsValues::keepFilesOnExit, ParseBool(value, false));
        }
    }

    void Extra(const QString& line) {
        for (const BoolKey& key : kExtrasKeys) {
            if (IsKeyLine(line, key.key)) {
                settings_.Set(key.field, ParseBool(ValueOf(line), key.fallback));
                return;
            }
        }
    }

    void FileTypeLine(const QString& line) {
        typeLineRead_ = true;
        const qsizetype bar = line.indexOf(u'|');
        if (bar < 0) {
            types_.append({QString(), line});
        } else {
            types_.append({line.left(bar), line.mid(bar + 1)});
        }
    }

    void Display(const QString& line) {
        const QSize area = context_.workArea;
        const QString value = ValueOf(line);
        if (StartsWithKey(line, u"MainWinTop")) {
            settings_.Set(&SettingsValues::mainWinTop, IntOr(value, -4));
        } else if (StartsWithKey(line, u"MainWinLeft")) {
            settings_.Set(&SettingsValues::mainWinLeft, IntOr(value, -4));
        } else if (StartsWithKey(line, u"MainWinWidth")) {
            settings_.Set(&SettingsValues::mainWinWidth, IntOr(value, area.width() + 8));
        } else if (StartsWithKey(line, u"MainWinHeight")) {
            settings_.Set(&SettingsValues::mainWinHeight, IntOr(value, area.height() + 8));
        } else if (StartsWithKey(line, u"InfoWinHeight")) {
            // Carries the window's height too, and comes last, so it wins.
            settings_.Set(&SettingsValues::mainWinHeight, IntOr(value, 139));
        }
    }

    void FilePath(const QString& line) {
        const QString value = ValueOf(line);
        if (IsKeyLine(line, u"LastFilePath")) {
            // A default directory, applied before, wins.
            if (settings_.Snapshot().lastFilePath.isEmpty()) {
                settings_.Set(&SettingsValues::lastFilePath, value);
            }
        } else if (IsKeyLine(line, u"LastSoundPath")) {
            settings_.Set(&SettingsValues::lastSoundPath, value);
        } else if (IsKeyLine(line, u"LastSavePath")) {
            settings_.Set(&SettingsValues::lastSavePath, value);
        }
    }

    // Nine lines by position; lines missing at the end of the file read as
    // empty and so give each field's fallback.
    static TFileData Record(const QString& first, IniLineReader& reader) {
        std::array<QString, 9> lines;
        lines[0] = first;
        for (size_t i = 1; i < lines.size(); ++i) {
            reader.ReadLine(lines[i]);
        }
        TFileData entry;
        entry.Link = lines[0] == kNoHash ? QString() : lines[0];
        entry.FileName = lines[1];
        entry.Hashes = HashTexts(ToAnsi(lines[2]), ToAnsi(lines[3]), ToAnsi(lines[4]));
        // A state or check result out of range cannot come from us; it
        // would index past the list's pictures, so it takes the fallback.
        entry.State = IntOr(ValueOf(lines[5]), fsIdle);
        if (entry.State < fsIdle || entry.State > fsHashed) {
            entry.State = fsIdle;
        }
        entry.CRCStatus = IntOr(ValueOf(lines[6]), crcNoHash);
        if (entry.CRCStatus < crcNotFound || entry.CRCStatus > crcMismatch) {
            entry.CRCStatus = crcNoHash;
        }
        entry.FileSize = SizeOr(ValueOf(lines[7]), 0);
        entry.Selected = ParseBool(ValueOf(lines[8]), false);
        return entry;
    }

    Settings& settings_;
    const IniLoadContext& context_;
    Section section_ = Section::None;
    bool typeLineRead_ = false;
    QList<FileType> types_;
    int defaultType_ = -1;
    bool customSoundAdded_ = false;
    QList<TFileData> kept_;
};

// ---------------------------------------------------------------- save

// Lines are stored on one line each; a CR inside a value would cut it in two
// and let the rest pass for a line of its own, so it becomes "?".
QString OneLine(QString text) {
    text.replace(u'\r', u'?');
    return text;
}

bool KeptEntryFits(const TFileData& entry) {
    return !entry.Link.contains(u'\r') && !entry.FileName.contains(u'\r');
}

const char* OnCompletionWord(OnCompletion action) {
    switch (action) {
        case OnCompletion::CopyToClipboard:
            return "CopyToClipboard";
        case OnCompletion::CopySelectedToClipboard:
            return "CopySelectedToClipboard";
        case OnCompletion::GoIdle:
            return "GoIdle";
        case OnCompletion::CopyToClipAndExit:
            break;
    }
    return "CopyToClip&Exit";
}

bool KeepsFiles(const SettingsValues& v, const QList<TFileData>& files) {
    return v.keepFilesOnExit && !files.isEmpty();
}

bool NeedsUtf16(const SettingsValues& v, const QList<TFileData>& files) {
    if (v.notifySound == 7 && NeedsWideChars(v.customSoundPath)) {
        return true;
    }
    if (KeepsFiles(v, files)) {
        for (const TFileData& entry : files) {
            if (NeedsWideChars(entry.Link) || NeedsWideChars(entry.FileName)) {
                return true;
            }
        }
    }
    for (const FileType& type : v.fileTypes) {
        if (NeedsWideChars(type.name) || NeedsWideChars(type.masks)) {
            return true;
        }
    }
    return NeedsWideChars(v.defaultDirectory);
}

QStringList IniLines(const SettingsValues& v, const QList<TFileData>& files) {
    const auto flag = [](const char* key, bool on) {
        return QString::fromLatin1(key) + QLatin1String(on ? "=1" : "=0");
    };
    const auto number = [](const char* key, qint64 n) {
        return QString::fromLatin1(key) + u'=' + QString::number(n);
    };
    const int typeCount = static_cast<int>(v.fileTypes.size());
    const int defaultType = v.defaultType >= 1 && v.defaultType <= typeCount ? v.defaultType : 0;

    QStringList lines;
    lines << QStringLiteral("[Display]") << number("MainWinTop", v.mainWinTop)
          << number("MainWinLeft", v.mainWinLeft) << number("MainWinWidth", v.mainWinWidth)
          << number("MainWinHeight", v.mainWinHeight) << number("InfoWinHeight", v.mainWinHeight);

    lines << QString() << QStringLiteral("[Options]") << flag("StripPath", v.stripPath)
          << flag("ShowInfoWin", v.showInfoWin) << flag("LowercaseHashes", v.lowercaseHashes)
          << flag("TrailingSlash", v.trailingSlash) << flag("MinimizeToTray", v.minimizeToTray)
          << flag("DirDragDropAll", v.dirDragDropAll) << flag("PresortFiles", v.presortFiles)
          << flag("PreselectFiles", v.preselectFiles);
    lines << (v.notifySound == 7 ? QStringLiteral("NotifySound=") + OneLine(v.customSoundPath)
                                 : number("NotifySound", v.notifySound));
    lines << QStringLiteral("DefaultDirectory=") + OneLine(v.defaultDirectory)
          << flag("RecurseDirectories", v.recurseDirectories)
          << flag("AutoCountDirectories", v.autoCountDirectories)
          << number("DefaultType", defaultType)
          << number("ThreadPriority", static_cast<int>(v.threadPriority))
          << QStringLiteral("OnCompletion=") + QString::fromLatin1(OnCompletionWord(v.onCompletion))
          << flag("KeepFilesOnExit", v.keepFilesOnExit);

    lines << QString() << QStringLiteral("[File Types]");
    for (const FileType& type : v.fileTypes) {
        lines << OneLine(type.name + u'|' + type.masks);
    }

    lines << QString() << QStringLiteral("[File Paths]");
    const std::array<std::pair<const char*, const QString*>, 3> paths = {{
        {"LastFilePath=", &v.lastFilePath},
        {"LastSoundPath=", &v.lastSoundPath},
        {"LastSavePath=", &v.lastSavePath},
    }};
    for (const auto& [key, path] : paths) {
        if (!path->isEmpty()) {
            lines << QString::fromLatin1(key) + OneLine(*path);
        }
    }

    // Only when it holds something, and before the kept list: a version that
    // does not know the header stays in [File Paths], whose keys these are
    // not, whereas after [Hashed Files] it would take them for a record.
    if (v.aichHash || v.partHashes || v.overallProgress) {
        lines << QString() << QStringLiteral("[Extras]") << flag("AichHash", v.aichHash)
              << flag("PartHashes", v.partHashes);
        // Only while on: the section stays as it was for the link options.
        if (v.overallProgress) {
            lines << flag("OverallProgress", true);
        }
    }

    if (KeepsFiles(v, files)) {
        lines << QString() << QStringLiteral("[Hashed Files]");
        for (const TFileData& entry : files) {
            if (!KeptEntryFits(entry)) {
                continue;  // a name with a CR cannot be stored line by line
            }
            lines << (entry.Link.isEmpty() ? kNoHash : entry.Link) << entry.FileName
                  << FromAnsi(entry.CRC32()) << FromAnsi(entry.MD5()) << FromAnsi(entry.SHA1())
                  << number("State", entry.State) << number("CRCStatus", entry.CRCStatus)
                  << number("FileSize", entry.FileSize) << flag("Selected", entry.Selected);
        }
    }
    return lines;
}

}  // namespace

QList<TFileData> LoadIniFile(Settings& settings, const QString& programDir,
                             const IniLoadContext& context) {
    settings.Set(&SettingsValues::runFromExplorer,
                 context.isContextMenuRegistered ? context.isContextMenuRegistered() : false);

    const QString path = WithSlash(programDir) + QLatin1String(kIniFileName);
    if (KindOfPath(path) == PathKind::Missing) {
        IniLoader::ApplyFirstRunFileTypes(settings);
        return {};
    }
    // Only a regular file of a sane size is read: a FIFO would block the
    // start for good and a link to a device would never end. Anything else,
    // like a file that cannot be opened, stays unreadable and reads as an
    // empty one.
    QFile file;
    const int fd = OpenRegularFileForReading(path, kMaxIniFileBytes);
    if (fd >= 0) {
        static_cast<void>(file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
    }
    return LoadIniContents(settings, file, context);
}

QList<TFileData> LoadIniContents(Settings& settings, QIODevice& device,
                                 const IniLoadContext& context) {
    IniLoader loader(settings, context);
    QList<TFileData> kept;
    if (device.isReadable()) {
        IniLineReader reader(device, kMaxIniFileBytes);
        kept = loader.Run(reader);
    }
    loader.Finish();
    return kept;
}

QByteArray IniFileContents(const SettingsValues& values, const QList<TFileData>& files) {
    const QStringList lines = IniLines(values, files);
    QByteArray out;
    if (NeedsUtf16(values, files)) {
        out.append("\xFF\xFE", 2);
        for (const QString& line : lines) {
            for (const QChar ch : line) {
                out.append(static_cast<char>(ch.unicode() & 0xFF));
                out.append(static_cast<char>(ch.unicode() >> 8));
            }
            out.append("\r\0\n\0", 4);
        }
    } else {
        for (const QString& line : lines) {
            out.append(ToAnsi(line));
            out.append("\r\n", 2);
        }
    }
    return out;
}

bool SaveIniFile(const SettingsValues& values, const QList<TFileData>& files,
                 const QString& programDir) {
    // A Linkmint.ini that is a link is saved through it: the file it points
    // at is replaced, from a temporary file beside that one, and the link
    // stays. ReplaceByRename never replaces what is not a regular file.
    const QByteArray iniPath = PathToBytes(WithSlash(programDir) + QLatin1String(kIniFileName));
    const std::optional<QByteArray> target = FinalLinkTarget(iniPath);
    // For Linkmint.ini itself the temporary file is Linkmint.ini.tmp.
    return target &&
           ReplaceByRename(*target, IniFileContents(values, files), *target + kTempSuffix) == 0;
}

}  // namespace lm
