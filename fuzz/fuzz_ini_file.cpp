// SPDX-License-Identifier: MIT
// Linkmint.ini from arbitrary bytes. Whatever the load makes of them, saving
// that and loading the saved bytes must give the same settings and kept
// entries (up to what the file cannot express), and saving again must give
// the same bytes.

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "ansi_codepage.h"
#include "ini_file.h"

namespace {

using namespace lm;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "settings file: %s\n", what);
    std::abort();
}

struct Loaded {
    SettingsValues values;
    QList<TFileData> files;
};

Loaded Load(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    Settings settings;
    IniLoadContext context;
    context.workArea = QSize(1280, 1024);
    Loaded loaded;
    loaded.files = LoadIniContents(settings, buffer, context);
    loaded.values = settings.Snapshot();
    return loaded;
}

QString ThroughAnsi(const QString& text) {
    return FromAnsi(ToAnsi(text));
}

// What a save and a load keep of `loaded`, the file written in ANSI or not.
Loaded Expressible(Loaded loaded, bool ansi) {
    SettingsValues& v = loaded.values;
    if (v.notifySound != 7) {
        v.customSoundPath.clear();  // only the custom item's path is stored
    }
    if (v.defaultType < 1 || v.defaultType > v.fileTypes.size()) {
        v.defaultType = 0;  // no default row, however it was written
    }
    if (ansi) {
        // The last-used folders do not decide the encoding.
        v.lastFilePath = ThroughAnsi(v.lastFilePath);
        v.lastSoundPath = ThroughAnsi(v.lastSoundPath);
        v.lastSavePath = ThroughAnsi(v.lastSavePath);
    }
    if (!v.keepFilesOnExit) {
        loaded.files.clear();
    }
    return loaded;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Loaded first = Load(bytes);
    const QByteArray saved = IniFileContents(first.values, first.files);
    const bool ansi = !saved.startsWith("\xFF\xFE");

    const Loaded second = Load(saved);
    const Loaded expected = Expressible(first, ansi);
    const Loaded got = Expressible(second, ansi);
    if (got.values != expected.values) {
        Fail("the settings change when saved and loaded again");
    }
    if (got.files.size() != expected.files.size()) {
        Fail("kept entries are lost or gained when saved and loaded again");
    }
    for (qsizetype i = 0; i < got.files.size(); ++i) {
        if (!(got.files[i] == expected.files[i])) {
            Fail("a kept entry changes when saved and loaded again");
        }
    }
    if (IniFileContents(second.values, second.files) != saved) {
        Fail("saving what was loaded from a save gives other bytes");
    }
    return 0;
}
