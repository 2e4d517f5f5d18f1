// SPDX-License-Identifier: MIT
#pragma once

#include <QIODevice>
#include <QList>
#include <QSize>
#include <QString>

#include <functional>

#include "file_data.h"
#include "settings.h"

namespace lm {

inline constexpr char kIniFileName[] = "Linkmint.ini";
inline constexpr char kIniTempFileName[] = "Linkmint.ini.tmp";
// The largest Linkmint.ini read: far above a kept list of a million files
// (about 100 MB), and a bound on a file that never ends.
inline constexpr qint64 kMaxIniFileBytes = qint64{1} << 30;

// What the load needs from the desktop.
struct IniLoadContext {
    // The desktop minus its panels; an unreadable window width or height
    // falls back to this plus 8, placing the frame just outside it.
    QSize workArea{1024, 768};
    // Whether the file-manager integration is installed; sets
    // `runFromExplorer`. Unset means no.
    std::function<bool()> isContextMenuRegistered;
};

// Reads Linkmint.ini from `programDir` into `settings`, one value at a time
// through Settings::Set, so that every change has the same effect as a
// user's click. Returns the kept file entries of [Hashed Files], in file
// order and whatever their fields hold (the caller decides what to queue).
//
// A missing file is the first run: only the file-type table is set up. A
// Linkmint.ini that cannot be read, is no regular file (a FIFO, a link to a
// device) or is larger than kMaxIniFileBytes reads as an empty file, and
// the load never waits on it. Unreadable values take each key's fallback;
// nothing is ever reported.
// After the load, a `defaultType` outside 1..fileTypes.size() means that no
// row is the default (the file named row 0 or one beyond the table).
QList<TFileData> LoadIniFile(Settings& settings, const QString& programDir,
                             const IniLoadContext& context = {});

// The part of LoadIniFile after the file has been found: reads the file's
// bytes from `device` (not readable: as if empty) into `settings` and
// returns the kept entries. Leaves `runFromExplorer` alone.
QList<TFileData> LoadIniContents(Settings& settings, QIODevice& device,
                                 const IniLoadContext& context = {});

// Writes the whole of Linkmint.ini to `programDir` from `values` and, when
// `keepFilesOnExit` is on, `files` (a consistent copy of the file table).
// The file is written as Linkmint.ini.tmp, flushed to disk and closed, and
// only then renamed over Linkmint.ini, whose permissions it takes over; on
// any failure the old file stays as it was and false is returned. When
// Linkmint.ini is a link, the file it points at is replaced the same way
// (its temporary file beside it) and the link stays; what is not a regular
// file is never replaced. The program itself reports nothing.
bool SaveIniFile(const SettingsValues& values, const QList<TFileData>& files,
                 const QString& programDir);

// The file's bytes, as SaveIniFile writes them. The [Extras] section comes
// only when one of its options is on, after [File Paths] and before
// [Hashed Files]: a version that does not know its header takes its lines
// for [File Paths] lines it does not know either, and ignores them.
QByteArray IniFileContents(const SettingsValues& values, const QList<TFileData>& files);

}  // namespace lm
