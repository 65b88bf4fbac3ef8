#pragma once

#include "platform/audio/AudioData.h"
#include "platform/audio/Sample.h"
#include "platform/core/Ref.h"

#include <string_view>

namespace zelka {

inline constexpr int kAudioChannelCount = 33;   // playback channels 0-32
inline constexpr int kSoundChannelCount = 32;   // channels 0-31 play sound effects
inline constexpr int kMusicChannel = 32;        // the one music channel

// Channel states as ChannelState and MusicState report them.
inline constexpr int kChannelStopped = 0;
inline constexpr int kChannelPlaying = 1;
inline constexpr int kChannelPaused = 2;

// Play flags: nonzero loops the sample.
inline constexpr int kPlayOnce = 0;
inline constexpr int kPlayLoop = 1;

// Results of PlaySample and PlayMusic.
inline constexpr int kAudioOk = 0;
inline constexpr int kAudioFailed = -1;

// The audio device: 33 channels, 0-31 for sounds and 32 for music, and the samples they
// play. One device per process, created at start; every call runs on the main thread.
//
// A device that could not open any output still works: every call is accepted and has no
// effect, queries answer "stopped". Channel arguments outside 0-32 are ignored (queries
// answer kChannelStopped, PlaySample refuses with kAudioFailed).
class AudioDevice {
public:
    virtual ~AudioDevice() = default;

    // Pauses every playing channel when the game loses focus; its state stays
    // kChannelPlaying. Resume plays exactly those again. Channels paused by PauseChannel
    // stay paused across both.
    virtual void Suspend() = 0;
    virtual void Resume() = 0;

    // Decodes a whole .wav or .ogg file (extension compared without case; "kestro:" paths
    // resolved as every file path is) into a new sample. Null when the file cannot be
    // opened or decoded, or the extension is neither. Deletes the buffers of discarded
    // samples that no channel holds any more first.
    [[nodiscard]] virtual Ref<Sample> LoadSample(std::string_view path) = 0;

    // A new sample holding already decoded audio (deciphered sounds are decoded in memory).
    // Null if the data has no playable format (see HasPlayableFormat). Flushes discarded
    // buffers first, as LoadSample.
    [[nodiscard]] virtual Ref<Sample> NewSample(const AudioData& data) = 0;

    // Stops whatever plays on `channel` and plays `sample` there from the start, looping
    // when `flags` is nonzero. kAudioOk, or kAudioFailed for a channel outside 0-32, a
    // null or discarded sample, or when no voice is free (nothing plays then).
    virtual int PlaySample(const Ref<Sample>& sample, int channel, int flags) = 0;

    // Any state -> stopped.
    virtual void StopChannel(int channel) = 0;
    // Playing -> paused (or stopped, if the sound has already ended).
    virtual void PauseChannel(int channel) = 0;
    // Paused -> playing.
    virtual void ResumeChannel(int channel) = 0;
    // kChannelStopped, kChannelPlaying or kChannelPaused. A one-shot sound that has ended
    // reads kChannelStopped from then on.
    [[nodiscard]] virtual int ChannelState(int channel) = 0;

    // Linear gain, 1 = as recorded.
    virtual void SetVolume(int channel, float volume) = 0;
    // Pan as an angle in radians: 0 centre, negative left; the game passes -1 to 1.
    virtual void SetPan(int channel, float pan) = 0;
    // Playback speed factor, 1 = as recorded (also shifts the pitch).
    virtual void SetRate(int channel, float rate) = 0;

    // Stops the music, decodes the whole file and loops it on channel 32 when `flags` is
    // nonzero. kAudioOk, or kAudioFailed when the file cannot be loaded (silence then).
    virtual int PlayMusic(std::string_view path, int flags) = 0;
    // The channel operations on channel 32.
    virtual void StopMusic() = 0;
    virtual void PauseMusic() = 0;
    virtual void ResumeMusic() = 0;
    [[nodiscard]] virtual int MusicState() = 0;
    virtual void SetMusicVolume(float volume) = 0;

    // Deletes the buffers of discarded samples once no channel holds them; the rest wait
    // for a later flush. LoadSample, NewSample and PlaySample call it themselves.
    virtual void FlushDiscarded() = 0;
};

}  // namespace zelka
