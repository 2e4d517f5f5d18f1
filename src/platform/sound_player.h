// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace lm {

// The system's alert sounds, as the preferences list them.
enum class SystemSound { Ok, Hand, Question, Exclamation, Asterisk, Beep };

// Plays the completion alert. Every call fails quietly: without a sound
// server (or a sound theme) nothing is heard and nothing waits.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    virtual void PlaySystemSound(SystemSound sound) = 0;
    // Starts playing a sound file; Playing() is true until it has played
    // out, was stopped, or could not be played.
    virtual void PlayFile(const QString& path) = 0;
    virtual void Stop() = 0;
    // Safe from any thread.
    virtual bool Playing() const = 0;
};

// The sound events of the freedesktop sound theme, through libcanberra.
std::unique_ptr<SoundPlayer> MakeSystemSoundPlayer();

// The freedesktop sound theme's event for `sound`: one that the theme has.
const char* SoundEventId(SystemSound sound);

// The folders that sound themes are looked up in: $XDG_DATA_HOME (or
// ~/.local/share), then each folder of $XDG_DATA_DIRS (or /usr/local/share
// and /usr/share), each followed by "/sounds".
QStringList SoundThemeFolders();

// The event to play for `sound`: SoundEventId's, or "bell" when no folder
// of `themeFolders` has a file for it (freedesktop/stereo/<id>.oga, .ogg or
// .wav).
const char* PlayableEventId(SystemSound sound, const QStringList& themeFolders);

}  // namespace lm
