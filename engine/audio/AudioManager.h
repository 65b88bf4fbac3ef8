#pragma once

#include "engine/core/Interfaces.h"
#include "engine/core/Object.h"
#include "engine/tween/Tween.h"
#include "platform/audio/Sound.h"
#include "platform/core/Ref.h"
#include "platform/core/Text.h"


namespace zelka {

inline constexpr int kMaxSFXChannels = 32;        // effect channels 0-31 (device channels alike)
inline constexpr int kDefaultSFXChannels = 2;     // in use after AudioManager::Init
inline constexpr float kMinSFXRate = 0.5f;        // playback speed factor range
inline constexpr float kMaxSFXRate = 2.0f;
inline constexpr float kMinSFXPan = -1.0f;        // full left .. full right
inline constexpr float kMaxSFXPan = 1.0f;
inline constexpr int kOwnVolumeTweenMs = 100;     // the idle "full volume" tween of a channel
inline constexpr int kBGMFullVolumeTweenMs = 500; // music started without a tween: 1 -> 1

// Formats AudioFormatFromEncryptedPath_ tells apart.
inline constexpr int kAudioFormatNone = -1;
inline constexpr int kAudioFormatWav = 0;         // ".aux"
inline constexpr int kAudioFormatOgg = 1;         // ".auy"

// The music channel's state. Volumes are 0..1; the device gets volume x maxVolume.
class BasicPlaybackInfo : public Object {
public:
    BasicPlaybackInfo();

    // Idle: no name, volume 1, no loop, the own tween current again.
    virtual void Reset();

    float maxVolume = 1.0f;    // the user's setting
    float volume = 1.0f;       // the current level
    String soundName;          // empty while idle
    bool loop = false;
    Ref<Tween> ownVolumeTween; // linear, 100 ms, 1 -> 1 until reused
    Ref<Tween> volumeTween;    // the own one or one a caller gave
};

// An effect channel's state: the music's plus rate (0.5..2) and pan (-1..1).
class PlaybackInfo : public BasicPlaybackInfo {
public:
    void Reset() override;

    float rate = 1.0f;
    float pan = 0.0f;
    Ref<Tween> rateTween;      // none unless a caller sets one
    Ref<Tween> panTween;
};

// A preloaded effect: its sound (null once released), where it came from and whether it
// survives the end of a stage.
class SFX : public Object, public Resource {
public:
    // Loads the effect (enciphered when AudioManager::encryptionEnabled). Null when it
    // cannot be loaded or decoded into a layout the device plays.
    [[nodiscard]] static Ref<SFX> New(const String& path, bool persistent);

    // Releases the sample unless persistent. The device deletes its buffer only once no
    // channel plays it.
    void Deallocate() override;

    Ref<Sound> sound;
    String path;
    bool persistent = false;
};

// Named effects on up to 32 channels and one music track (device channel 32), each with a
// user maximum and a tweened level. All calls run on the main thread; the game ticks it
// once per update (FrameUpdate).
class AudioManager {
public:
    AudioManager() = delete;

    // Once only: every channel idle at volume 1 and maximum 1, 2 effect channels, unmuted.
    static void Init();
    // For tests: forgets every effect and channel state and the Init flag (no device call).
    static void ResetState();

    // n clamped to 1..32. Channels cut off are stopped.
    static void SetSFXChannels(int n);
    [[nodiscard]] static int GetSFXChannels();
    // A channel other than the search start (channel 0): first an idle one, else one not
    // looping. -1 when none, or with fewer than 2 channels in use.
    [[nodiscard]] static int GetFreeSFXChannel();

    // Plays a preloaded effect; a negative channel asks for a free one. Returns the channel,
    // or -1 when the key is unknown, no channel is free or the channel is not below 32.
    // A null tween means full volume at once. Channels at or above the count in use play
    // without volume, pan or rate changes.
    static int PlaySFX(const String& key, int channel, bool loop, const Ref<Tween>& tween,
                       float pan, float rate);
    // The same with the channel's own volume tween set to from -> to over ms.
    static int PlaySFX2(const String& key, int channel, bool loop, int ms, float from, float to,
                        float pan, float rate);
    static void StopSFXChannel(int channel);

    // Each ignores channels outside 0..count-1. Volumes are clamped to 0..1.
    static void SetSFXChannelVol(int channel, float volume);
    static void SetSFXChannelMaxVol(int channel, float maxVolume);
    static void SetSFXChannelRate(int channel, float rate);
    static void SetSFXChannelPan(int channel, float pan);
    static void SetSFXChannelVolTween(int channel, int ms, float from, float to);
    static void SetSFXChannelVolTween2(int channel, const Ref<Tween>& tween, bool start);
    // Channel state for callers and tests; null outside 0..31.
    [[nodiscard]] static const PlaybackInfo* GetSFXChannelInfo(int channel);

    static void SetBGMVol(float volume);
    [[nodiscard]] static float GetBGMVol();
    static void SetBGMMaxVol(float maxVolume);
    static void SetBGMVolTween(int ms, float from, float to);
    static void SetBGMVolTween2(const Ref<Tween>& tween, bool start);
    // Starts the named track (a data path such as "bgm/03.ogg"); a null tween means full
    // volume at once.
    static void PlayBGM(const String& name, bool loop, const Ref<Tween>& tween);
    static void PlayBGM2(const String& name, bool loop, int ms, float from, float to);
    static void StopBGM();
    [[nodiscard]] static String GetBGMCurrentlyPlaying();
    [[nodiscard]] static const BasicPlaybackInfo& GetBGMInfo();

    // Loads the effect at `path` under `key` once. A key already known keeps its first
    // sound and flag (a differing path or flag prints a warning) and gives true. False,
    // with the error line printed, when the file cannot be loaded.
    static bool PreloadSFX(const String& path, const String& key, bool persistent);
    // Releases every effect not marked persistent (end of a stage). Channels looping one
    // of them are stopped first.
    static void UnloadDiscardableSFX();
    [[nodiscard]] static bool IsSFXLoaded(const String& key);

    // Advances the volume, rate and pan tweens of busy channels by ms and marks channels
    // whose sound has ended idle.
    static void FrameUpdate(int ms);

    static inline bool muted = false;               // device volumes 0 while set
    static inline bool encryptionEnabled = false;   // read .aux/.auy through the asset cipher
};

namespace audiomanager {

// "x.wav" -> "x.aux", "x.ogg" -> "x.auy"; any other extension is only lower-cased.
[[nodiscard]] String EncryptedAudioFileName_(const String& path);
// kAudioFormatWav for ".aux", kAudioFormatOgg for ".auy", else kAudioFormatNone.
[[nodiscard]] int AudioFormatFromEncryptedPath_(const String& path);
// Deciphers and decodes a whole .aux/.auy data file into a device sample. Null when the
// file cannot be read or deciphered, the extension is neither, decoding fails or the
// device cannot play the decoded layout.
[[nodiscard]] Ref<Sound> LoadSoundEnc(const String& path);
// Stops the music, then loads the track as LoadSoundEnc and plays it on the music
// channel. 0, or -1 on failure (silence then).
int PlayMusicEnc(const String& path, bool loop);
// The track at a plain data path: enciphered when AudioManager::encryptionEnabled.
int PlayMusicExt(const String& path, bool loop);

}  // namespace audiomanager

}  // namespace zelka
