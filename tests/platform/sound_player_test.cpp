// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "sound_player.h"

namespace lm {
namespace {

constexpr SystemSound kAllSounds[] = {SystemSound::Ok,       SystemSound::Hand,
                                      SystemSound::Question, SystemSound::Exclamation,
                                      SystemSound::Asterisk, SystemSound::Beep};

// Whatever the machine offers (here usually no sound server at all), every
// call returns, and a stopped file is no longer playing.
TEST(SoundPlayerTest, CallsReturnAndStopEndsPlaying) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString wav = dir.filePath("silence.wav");
    QFile file(wav);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // One second of 8-bit mono silence at 8 kHz.
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + 8000);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(8000) << quint16(1)
        << quint16(8);
    out.writeRawData("data", 4);
    out << quint32(8000);
    out.writeRawData(QByteArray(8000, char(0x80)).constData(), 8000);
    file.close();

    std::unique_ptr<SoundPlayer> player = MakeSystemSoundPlayer();
    for (SystemSound sound : kAllSounds) {
        player->PlaySystemSound(sound);
    }
    player->PlayFile(dir.filePath("missing.wav"));
    player->Stop();
    EXPECT_FALSE(player->Playing());
    player->PlayFile(wav);
    player->Stop();
    EXPECT_FALSE(player->Playing());
    player->PlayFile(wav);  // destroyed while it may still play
}

// Each type names an event of the freedesktop theme as Debian installs it
// (sound-theme-freedesktop), so that it is heard and not silently missing.
TEST(SoundPlayerTest, EveryTypeHasASoundInTheInstalledTheme) {
    const QString stereo = QStringLiteral("/usr/share/sounds/freedesktop/stereo/");
    ASSERT_TRUE(QFileInfo(stereo + "bell.oga").isFile())
        << "the freedesktop sound theme is missing (scripts/install-deps)";
    for (SystemSound sound : kAllSounds) {
        const QString id = QString::fromLatin1(SoundEventId(sound));
        EXPECT_TRUE(QFileInfo(stereo + id + ".oga").isFile()) << id.toStdString();
        EXPECT_STREQ(PlayableEventId(sound, {QStringLiteral("/usr/share/sounds")}),
                     SoundEventId(sound));
    }
    EXPECT_TRUE(SoundThemeFolders().contains(QStringLiteral("/usr/share/sounds")));
}

// A theme without the type's file rings the bell instead; .ogg and .wav
// files count too, in any of the folders.
TEST(SoundPlayerTest, MissingEventFallsBackToTheBell) {
    QTemporaryDir first;
    QTemporaryDir second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    const auto put = [](const QTemporaryDir& dir, const QString& file) {
        const QString stereo = dir.filePath("freedesktop/stereo");
        ASSERT_TRUE(QDir().mkpath(stereo));
        QFile f(stereo + u'/' + file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    };
    put(first, QStringLiteral("bell.oga"));
    put(second, QStringLiteral("dialog-error.wav"));
    put(second, QStringLiteral("dialog-warning.ogg"));
    const QStringList folders = {first.path(), second.path()};
    EXPECT_STREQ(PlayableEventId(SystemSound::Hand, folders), "dialog-error");
    EXPECT_STREQ(PlayableEventId(SystemSound::Exclamation, folders), "dialog-warning");
    EXPECT_STREQ(PlayableEventId(SystemSound::Question, folders), "bell");
    EXPECT_STREQ(PlayableEventId(SystemSound::Ok, {first.path()}), "bell");
    EXPECT_STREQ(PlayableEventId(SystemSound::Asterisk, {}), "bell");
}

}  // namespace
}  // namespace lm
