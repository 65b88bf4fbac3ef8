#pragma once

#include "platform/audio/AudioDevice.h"
#include "platform/audio/Sound.h"
#include "platform/core/Ref.h"

#include <string_view>

namespace zelka::audio {

// The device every function below uses; set once at start (null clears it, for tests).
// Without a device every call does nothing and queries answer neutrally.
void SetAudioDevice(Ref<AudioDevice> device);
[[nodiscard]] const Ref<AudioDevice>& GetAudioDevice();

// A sound from a data path ("sfx/01.wav" means the data folder's file, see
// data::FixDataPath). Null when it cannot be loaded or there is no device.
[[nodiscard]] Ref<Sound> LoadSound(std::string_view path);

// Plays `sound` on `channel` (0-32), looping when `flags` is nonzero. Nothing for a null
// or discarded sound.
void PlaySound(const Ref<Sound>& sound, int channel, int flags);

void StopChannel(int channel);
[[nodiscard]] int ChannelState(int channel);   // kChannelStopped without a device
void SetChannelVolume(int channel, float volume);
void SetChannelPan(int channel, float pan);
void SetChannelRate(int channel, float rate);

// The data path's track, decoded whole, on the music channel. kAudioOk or kAudioFailed.
[[nodiscard]] int PlayMusic(std::string_view path, int flags);
void StopMusic();
[[nodiscard]] int MusicState();
void SetMusicVolume(float volume);

}  // namespace zelka::audio
