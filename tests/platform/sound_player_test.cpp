#include <gtest/gtest.h>

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
    // A RIFF/WAVE header with 8000 silent 8-bit samples.
    QByteArray wav("RIFF");
    auto le32 = [&wav](quint32 v) {
        for (int i = 0; i < 4; ++i)
            wav += char((v >> (8 * i)) & 0xFF);
    };
    auto le16 = [&wav](quint16 v) {
        wav += char(v & 0xFF);
        wav += char(v >> 8);
    };
    le32(36 + 8000);
    wav += "WAVEfmt ";
    le32(16);
    le16(1);
    le16(1);
    le32(8000);
    le32(8000);
    le16(1);
    le16(8);
    wav += "data";
    le32(8000);
    wav += QByteArray(8000, char(0x80));
    const QString path = dir.filePath("silence.wav");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(wav);
    file.close();

    std::unique_ptr<SoundPlayer> player = MakeSystemSoundPlayer();
    for (SystemSound sound : {SystemSound::Ok, SystemSound::Hand, SystemSound::Question,
                              SystemSound::Exclamation, SystemSound::Asterisk, SystemSound::Beep}) {
        player->PlaySystemSound(sound);
    }
    player->PlayFile(dir.filePath("missing.wav"));
    player->Stop();
    EXPECT_FALSE(player->Playing());
    player->PlayFile(path);
    player->Stop();
    EXPECT_FALSE(player->Playing());
    player->PlayFile(path);  // destroyed while it may still play
}

}  // namespace
}  // namespace lm
