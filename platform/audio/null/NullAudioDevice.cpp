#include "platform/audio/null/NullAudioDevice.h"

#include "platform/audio/AudioDecoders.h"

namespace zelka {
namespace {

class NullSample final : public Sample {
public:
    explicit NullSample(const AudioData& data)
        : Sample(data.length, data.channels, data.bytesPerSample, data.rate)
    {
    }
    void Discard() override { discarded_ = true; }
    bool IsDiscarded() const override { return discarded_; }

private:
    bool discarded_ = false;
};

}  // namespace

NullAudioDevice::Channel* NullAudioDevice::Find(int channel)
{
    if (channel < 0 || channel >= kAudioChannelCount) {
        return nullptr;
    }
    return &channels_[channel];
}

const NullAudioDevice::Channel* NullAudioDevice::Find(int channel) const
{
    return const_cast<NullAudioDevice*>(this)->Find(channel);
}

void NullAudioDevice::Suspend() { suspended_ = true; }

void NullAudioDevice::Resume() { suspended_ = false; }

Ref<Sample> NullAudioDevice::LoadSample(std::string_view path)
{
    FlushDiscarded();
    std::optional<AudioData> data = audio::LoadAudioData(path);
    if (!data || !HasPlayableFormat(*data)) {
        return nullptr;
    }
    ++loads_;
    return std::make_shared<NullSample>(*data);
}

Ref<Sample> NullAudioDevice::NewSample(const AudioData& data)
{
    FlushDiscarded();
    if (!HasPlayableFormat(data)) {
        return nullptr;
    }
    ++loads_;
    return std::make_shared<NullSample>(data);
}

int NullAudioDevice::PlaySample(const Ref<Sample>& sample, int channel, int flags)
{
    FlushDiscarded();
    Channel* c = Find(channel);
    if (c == nullptr || sample == nullptr || sample->IsDiscarded()) {
        return kAudioFailed;
    }
    c->state = kChannelPlaying;
    c->ended = false;
    c->sample = sample;
    c->flags = flags;
    ++c->plays;
    return kAudioOk;
}

void NullAudioDevice::StopChannel(int channel)
{
    if (Channel* c = Find(channel)) {
        c->state = kChannelStopped;
    }
}

void NullAudioDevice::PauseChannel(int channel)
{
    Channel* c = Find(channel);
    if (c == nullptr || c->state != kChannelPlaying) {
        return;
    }
    c->state = c->ended ? kChannelStopped : kChannelPaused;
}

void NullAudioDevice::ResumeChannel(int channel)
{
    Channel* c = Find(channel);
    if (c != nullptr && c->state == kChannelPaused) {
        c->state = kChannelPlaying;
    }
}

int NullAudioDevice::ChannelState(int channel)
{
    Channel* c = Find(channel);
    if (c == nullptr) {
        return kChannelStopped;
    }
    if (c->state == kChannelPlaying && c->ended) {
        c->state = kChannelStopped;
    }
    return c->state;
}

void NullAudioDevice::SetVolume(int channel, float volume)
{
    if (Channel* c = Find(channel)) {
        c->volume = volume;
    }
}

void NullAudioDevice::SetPan(int channel, float pan)
{
    if (Channel* c = Find(channel)) {
        c->pan = pan;
    }
}

void NullAudioDevice::SetRate(int channel, float rate)
{
    if (Channel* c = Find(channel)) {
        c->rate = rate;
    }
}

int NullAudioDevice::PlayMusic(std::string_view path, int flags)
{
    StopMusic();
    Ref<Sample> sample = LoadSample(path);
    if (sample == nullptr) {
        return kAudioFailed;
    }
    return PlaySample(sample, kMusicChannel, flags);
}

void NullAudioDevice::StopMusic() { StopChannel(kMusicChannel); }

void NullAudioDevice::PauseMusic() { PauseChannel(kMusicChannel); }

void NullAudioDevice::ResumeMusic() { ResumeChannel(kMusicChannel); }

int NullAudioDevice::MusicState() { return ChannelState(kMusicChannel); }

void NullAudioDevice::SetMusicVolume(float volume) { SetVolume(kMusicChannel, volume); }

void NullAudioDevice::FlushDiscarded() { ++flushes_; }

void NullAudioDevice::FinishChannel(int channel)
{
    Channel* c = Find(channel);
    if (c != nullptr && c->state != kChannelStopped) {
        c->ended = true;
    }
}

int NullAudioDevice::Plays(int channel) const
{
    const Channel* c = Find(channel);
    return c != nullptr ? c->plays : 0;
}

Ref<Sample> NullAudioDevice::LastSample(int channel) const
{
    const Channel* c = Find(channel);
    return c != nullptr ? c->sample : nullptr;
}

int NullAudioDevice::Flags(int channel) const
{
    const Channel* c = Find(channel);
    return c != nullptr ? c->flags : 0;
}

float NullAudioDevice::Volume(int channel) const
{
    const Channel* c = Find(channel);
    return c != nullptr ? c->volume : 1.0f;
}

float NullAudioDevice::Pan(int channel) const
{
    const Channel* c = Find(channel);
    return c != nullptr ? c->pan : 0.0f;
}

float NullAudioDevice::Rate(int channel) const
{
    const Channel* c = Find(channel);
    return c != nullptr ? c->rate : 1.0f;
}

bool NullAudioDevice::IsSounding(int channel) const
{
    const Channel* c = Find(channel);
    return c != nullptr && c->state == kChannelPlaying && !c->ended && !suspended_;
}

}  // namespace zelka
