#pragma once

#include "platform/audio/AudioDevice.h"

#include <array>

namespace zelka {

// Headless audio device: plays nothing but keeps every channel's state, so callers run
// unchanged and tests read back what they asked for. Samples are decoded (a bad file still
// fails to load) and their PCM dropped. Time never passes here: a sound ends only when a
// test calls FinishChannel.
class NullAudioDevice final : public AudioDevice {
public:

    // Implements AudioDevice.
    void Suspend() override;
    void Resume() override;
    Ref<Sample> LoadSample(std::string_view path) override;
    Ref<Sample> NewSample(const AudioData& data) override;
    int PlaySample(const Ref<Sample>& sample, int channel, int flags) override;
    void StopChannel(int channel) override;
    void PauseChannel(int channel) override;
    void ResumeChannel(int channel) override;
    int ChannelState(int channel) override;
    void SetVolume(int channel, float volume) override;
    void SetPan(int channel, float pan) override;
    void SetRate(int channel, float rate) override;
    int PlayMusic(std::string_view path, int flags) override;
    void StopMusic() override;
    void PauseMusic() override;
    void ResumeMusic() override;
    int MusicState() override;
    void SetMusicVolume(float volume) override;
    void FlushDiscarded() override;

    // For tests. Channels outside 0-32 read neutral values (0, null, 1 for volume and rate).
    // The sound on a playing or paused channel ends as if it had run out: the next
    // ChannelState reads stopped. Looping sounds end too (a test's choice).
    void FinishChannel(int channel);
    int Plays(int channel) const;                  // PlaySample calls that started a sound
    Ref<Sample> LastSample(int channel) const;     // the sample last played there
    int Flags(int channel) const;                  // flags of the last play
    float Volume(int channel) const;               // 1 until set
    float Pan(int channel) const;                  // 0 until set
    float Rate(int channel) const;                 // 1 until set
    bool IsSuspended() const { return suspended_; }
    // Audible now: playing, not ended, not suspended.
    bool IsSounding(int channel) const;
    int Flushes() const { return flushes_; }       // FlushDiscarded calls, direct or not
    int Loads() const { return loads_; }           // samples made by LoadSample/NewSample

private:
    struct Channel {
        int state = kChannelStopped;
        bool ended = false;   // the sound ran out; the state catches up on the next query
        Ref<Sample> sample;
        int flags = 0;
        int plays = 0;
        float volume = 1.0f;
        float pan = 0.0f;
        float rate = 1.0f;
    };

    Channel* Find(int channel);
    const Channel* Find(int channel) const;

    std::array<Channel, kAudioChannelCount> channels_{};
    bool suspended_ = false;
    int flushes_ = 0;
    int loads_ = 0;
};

}  // namespace zelka
