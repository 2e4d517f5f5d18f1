#include "sound_player.h"

#include <canberra.h>

#include <atomic>
#include <cstdint>

namespace lm {

namespace {

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
            ca_context_play(context_, 0, CA_PROP_EVENT_ID, SoundEventId(sound), nullptr);
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
            return "dialog-question";
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

std::unique_ptr<SoundPlayer> MakeSystemSoundPlayer() {
    return std::make_unique<CanberraSoundPlayer>();
}

}  // namespace lm
