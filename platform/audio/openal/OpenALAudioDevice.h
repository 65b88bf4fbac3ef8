#pragma once

#include "platform/audio/AudioDevice.h"
#include "platform/audio/openal/OpenALSample.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <array>
#include <memory>

namespace zelka {

// The audio device on OpenAL Soft: one device and context, a source per channel made on
// demand, and samples in OpenAL buffers. Opening never fails the game: without an output
// device the failure is printed once and every call has no effect.
class OpenALAudioDevice final : public AudioDevice {
public:
    // Opens the default output, then "Generic Hardware", then "Generic Software", and
    // prints "opening openal device" (and the failure line, if any) to standard output.
    OpenALAudioDevice();
    // Deletes sources and queued buffers and closes the device. Samples that outlive it
    // make no AL call afterwards; their buffers went with the device.
    ~OpenALAudioDevice() override;
    OpenALAudioDevice(const OpenALAudioDevice&) = delete;
    OpenALAudioDevice& operator=(const OpenALAudioDevice&) = delete;

    // True when a context is current: sound can be heard.
    bool IsOpen() const { return context_ != nullptr; }

    // For tests: buffers discarded but not yet deleted (a source still holds them), and
    // whether a channel's source is audible right now (playing, not paused or ended).
    int PendingDiscards() const { return static_cast<int>(discarded_->buffers.size()); }
    bool IsSourcePlaying(int channel) const;

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

private:
    struct Channel {
        ALuint source = 0;    // 0 until one is obtained
        Ref<Sample> sample;   // held while the channel is playing or paused
        int flags = 0;
        int state = kChannelStopped;
    };

    void Open();
    ALuint SourceFor(int channel);
    ALint SourceState(ALuint source) const;
    void MarkStopped(Channel& channel);
    static bool IsChannel(int channel) { return channel >= 0 && channel < kAudioChannelCount; }

    ALCdevice* device_ = nullptr;
    ALCcontext* context_ = nullptr;
    std::array<Channel, kAudioChannelCount> channels_{};
    std::shared_ptr<OpenALDiscardQueue> discarded_ = std::make_shared<OpenALDiscardQueue>();
};

}  // namespace zelka
