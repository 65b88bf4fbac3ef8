#include "platform/audio/AudioModule.h"

#include "platform/files/DataPath.h"

#include <utility>

namespace zelka::audio {
namespace {

Ref<AudioDevice>& Device()
{
    static Ref<AudioDevice>& device = *new Ref<AudioDevice>;  // never destroyed: see App.cpp
    return device;
}

}  // namespace

void SetAudioDevice(Ref<AudioDevice> device) { Device() = std::move(device); }

const Ref<AudioDevice>& GetAudioDevice() { return Device(); }

Ref<Sound> LoadSound(std::string_view path)
{
    if (Device() == nullptr) {
        return nullptr;
    }
    Ref<Sample> sample = Device()->LoadSample(data::FixDataPath(path));
    return sample != nullptr ? std::make_shared<Sound>(std::move(sample)) : nullptr;
}

void PlaySound(const Ref<Sound>& sound, int channel, int flags)
{
    if (Device() != nullptr && sound != nullptr && sound->GetSample() != nullptr) {
        (void)Device()->PlaySample(sound->GetSample(), channel, flags);
    }
}

void StopChannel(int channel)
{
    if (Device() != nullptr) {
        Device()->StopChannel(channel);
    }
}

int ChannelState(int channel)
{
    return Device() != nullptr ? Device()->ChannelState(channel) : kChannelStopped;
}

void SetChannelVolume(int channel, float volume)
{
    if (Device() != nullptr) {
        Device()->SetVolume(channel, volume);
    }
}

void SetChannelPan(int channel, float pan)
{
    if (Device() != nullptr) {
        Device()->SetPan(channel, pan);
    }
}

void SetChannelRate(int channel, float rate)
{
    if (Device() != nullptr) {
        Device()->SetRate(channel, rate);
    }
}

int PlayMusic(std::string_view path, int flags)
{
    return Device() != nullptr ? Device()->PlayMusic(data::FixDataPath(path), flags) : kAudioFailed;
}

void StopMusic()
{
    if (Device() != nullptr) {
        Device()->StopMusic();
    }
}

int MusicState() { return Device() != nullptr ? Device()->MusicState() : kChannelStopped; }

void SetMusicVolume(float volume)
{
    if (Device() != nullptr) {
        Device()->SetMusicVolume(volume);
    }
}

}  // namespace zelka::audio
