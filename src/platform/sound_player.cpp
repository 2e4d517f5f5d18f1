// SPDX-License-Identifier: MIT
#include "sound_player.h"

#include <QDir>
#include <QFileInfo>

#include <canberra.h>

#include <atomic>
#include <cstdint>

namespace lm {

namespace {

bool FreedesktopThemeHas(const char* eventId, const QStringList& themeFolders) {
    const QString name = QString::fromLatin1(eventId);
    for (const QString& folder : themeFolders) {
        const QString stem = folder + QStringLiteral("/freedesktop/stereo/") + name;
        for (const char* suffix : {".oga", ".ogg", ".wav"}) {
            if (QFileInfo(stem + QLatin1StringView(suffix)).isFile()) {
                return true;
            }
        }
    }
    return false;
}

class CanberraSoundPlayer : public SoundPlayer {
public:
    CanberraSoundPlayer() {
        if (ca_context_create(&context_) != CA_SUCCESS) {
            context_ = nullptr;
            return;
        }
        ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "Linkmint",
                                CA_PROP_APPLICATION_ID, "linkmint", nullptr);
    }
    ~CanberraSoundPlayer() override {
        if (context_ != nullptr) {
            // Cancels what still plays.
            ca_context_destroy(context_);
        }
    }
    CanberraSoundPlayer(const CanberraSoundPlayer&) = delete;
    CanberraSoundPlayer& operator=(const CanberraSoundPlayer&) = delete;

    void PlaySystemSound(SystemSound sound) override {
        if (context_ != nullptr) {
            ca_context_play(context_, 0, CA_PROP_EVENT_ID,
                            PlayableEventId(sound, SoundThemeFolders()), nullptr);
        }
    }

    void PlayFile(const QString& path) override {
        if (context_ == nullptr || path.isEmpty()) {
            return;
        }
        ca_proplist* properties = nullptr;
        if (ca_proplist_create(&properties) != CA_SUCCESS) {
            return;
        }
        ca_proplist_sets(properties, CA_PROP_MEDIA_FILENAME, path.toLocal8Bit().constData());
        ca_proplist_sets(properties, CA_PROP_CANBERRA_CACHE_CONTROL, "never");
        playing_ = true;
        if (ca_context_play_full(context_, kFileId, properties, &Finished, this) != CA_SUCCESS) {
            playing_ = false;
        }
        ca_proplist_destroy(properties);
    }

    void Stop() override {
        if (context_ != nullptr) {
            ca_context_cancel(context_, kFileId);
        }
        playing_ = false;
    }

    bool Playing() const override { return playing_; }

private:
    static constexpr std::uint32_t kFileId = 1;

    // Runs on libcanberra's own thread.
    static void Finished(ca_context* /*context*/, std::uint32_t /*id*/, int /*error*/,
                         void* player) {
        static_cast<CanberraSoundPlayer*>(player)->playing_ = false;
    }

    ca_context* context_ = nullptr;
    std::atomic<bool> playing_{false};
};

}  // namespace

const char* SoundEventId(SystemSound sound) {
    switch (sound) {
        case SystemSound::Hand:
            return "dialog-error";
        case SystemSound::Question:
            // The theme has no "dialog-question"; this is its question sound.
            return "window-question";
        case SystemSound::Exclamation:
            return "dialog-warning";
        case SystemSound::Beep:
            return "bell";
        case SystemSound::Ok:
        case SystemSound::Asterisk:
            break;
    }
    return "dialog-information";
}

QStringList SoundThemeFolders() {
    QStringList folders;
    QString home = qEnvironmentVariable("XDG_DATA_HOME");
    if (home.isEmpty()) {
        home = QDir::homePath() + QStringLiteral("/.local/share");
    }
    folders.append(home + QStringLiteral("/sounds"));
    QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dirs.isEmpty()) {
        dirs = QStringLiteral("/usr/local/share:/usr/share");
    }
    for (const QString& dir : dirs.split(u':', Qt::SkipEmptyParts)) {
        folders.append(dir + QStringLiteral("/sounds"));
    }
    return folders;
}

const char* PlayableEventId(SystemSound sound, const QStringList& themeFolders) {
    const char* id = SoundEventId(sound);
    return FreedesktopThemeHas(id, themeFolders) ? id : "bell";
}

std::unique_ptr<SoundPlayer> MakeSystemSoundPlayer() {
    return std::make_unique<CanberraSoundPlayer>();
}

}  // namespace lm
