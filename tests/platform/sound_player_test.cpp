#include <gtest/gtest.h>

#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>

#include "sound_player.h"

namespace lm {
namespace {

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
    for (SystemSound sound : {SystemSound::Ok, SystemSound::Hand, SystemSound::Question,
                              SystemSound::Exclamation, SystemSound::Asterisk, SystemSound::Beep}) {
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

}  // namespace
}  // namespace lm
