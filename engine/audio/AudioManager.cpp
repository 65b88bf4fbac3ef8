#include "engine/audio/AudioManager.h"

#include "engine/core/MathUtil.h"
#include "platform/audio/AudioModule.h"

#include <array>
#include <cstdio>
#include <map>

namespace zelka {
namespace {

struct AudioState {
    std::map<String, Ref<SFX>> sfxMap;   // by key, in key order
    std::array<PlaybackInfo, kMaxSFXChannels> sfxChanInfo;
    BasicPlaybackInfo musicInfo;
    int maxSFXChannel = 1;
    int lastSFXChannel = 0;   // the free-channel search starts after it; never changes
    bool initialised = false;
};

AudioState& State()
{
    // Never destroyed: an exit() from a library runs static destructors in any order.
    static AudioState& state = *new AudioState;
    return state;
}

bool IsManagedChannel(int channel)
{
    return channel >= 0 && channel < State().maxSFXChannel;
}

bool IsChannel(int channel)
{
    return channel >= 0 && channel < kMaxSFXChannels;
}

float ClampVolume(float v) { return math::Clamp(v, 0.0f, 1.0f); }

// The channel's own tween reset to a plain linear from -> to run over ms, not started.
void ReshapeOwnTween(BasicPlaybackInfo& info, int ms, float from, float to)
{
    Tween& own = *info.ownVolumeTween;
    own.SetValues(from, to);
    own.SetDuration(ms);
    own.SetLoop(false);
    own.SetYoyo(false);
    own.Rewind(true);
}

// Name cleared and device channel stopped, for any channel 0..31.
void StopChannel(int channel)
{
    State().sfxChanInfo[channel].soundName.clear();
    audio::StopChannel(channel);
}

void WriteMusicVolume()
{
    const BasicPlaybackInfo& m = State().musicInfo;
    audio::SetMusicVolume(m.volume * m.maxVolume);
}

void WriteChannelVolume(int channel)
{
    const PlaybackInfo& c = State().sfxChanInfo[channel];
    audio::SetChannelVolume(channel, c.volume * c.maxVolume);
}

const char* TrueFalse(bool flag) { return flag ? "True" : "False"; }

void PrintLine(const String& text)
{
    std::puts(ToUtf8(text).c_str());
    std::fflush(stdout);
}

void UpdateMusic(int ms)
{
    BasicPlaybackInfo& m = State().musicInfo;
    if (m.soundName.empty()) {
        return;
    }
    if (audio::MusicState() == kChannelStopped) {
        m.soundName.clear();
        return;
    }
    if (m.volumeTween->IsPlaying()) {
        m.volumeTween->Update(ms);
    }
    const float value = AudioManager::muted ? 0.0f : m.volumeTween->GetValue();
    if (value != m.volume) {
        AudioManager::SetBGMVol(value);
    }
}

void UpdateEffectChannel(int channel, int ms)
{
    PlaybackInfo& c = State().sfxChanInfo[channel];
    if (audio::ChannelState(channel) == kChannelStopped) {
        c.soundName.clear();
        return;
    }
    for (const Ref<Tween>& tween : {c.rateTween, c.panTween, c.volumeTween}) {
        if (tween && tween->IsPlaying()) {
            tween->Update(ms);
        }
    }
    if (c.rateTween && c.rateTween->GetValue() != c.rate) {
        AudioManager::SetSFXChannelRate(channel, c.rateTween->GetValue());
    }
    if (c.panTween && c.panTween->GetValue() != c.pan) {
        AudioManager::SetSFXChannelPan(channel, c.panTween->GetValue());
    }
    const float volume = AudioManager::muted ? 0.0f : c.volumeTween->GetValue();
    if (volume != c.volume) {
        AudioManager::SetSFXChannelVol(channel, volume);
    }
}

}  // namespace

BasicPlaybackInfo::BasicPlaybackInfo()
    : ownVolumeTween(Tween::New(LinearEase::New(), 1.0f, 1.0f, kOwnVolumeTweenMs, false, false)),
      volumeTween(ownVolumeTween)
{
}

void BasicPlaybackInfo::Reset()
{
    soundName.clear();
    volume = 1.0f;
    loop = false;
    volumeTween = ownVolumeTween;
}

void PlaybackInfo::Reset()
{
    BasicPlaybackInfo::Reset();
    rate = 1.0f;
    pan = 0.0f;
}

void AudioManager::Init()
{
    AudioState& s = State();
    if (s.initialised) {
        return;
    }
    s.initialised = true;
    for (PlaybackInfo& c : s.sfxChanInfo) {
        c = PlaybackInfo();
    }
    s.musicInfo = BasicPlaybackInfo();
    s.maxSFXChannel = 1;
    SetSFXChannels(kDefaultSFXChannels);
    muted = false;
}

void AudioManager::ResetState()
{
    State() = AudioState();
    muted = false;
    encryptionEnabled = false;
}

void AudioManager::SetSFXChannels(int n)
{
    AudioState& s = State();
    n = math::Clamp(n, 1, kMaxSFXChannels);
    for (int channel = n; channel < s.maxSFXChannel; ++channel) {
        StopChannel(channel);
    }
    s.maxSFXChannel = n;
}

int AudioManager::GetSFXChannels() { return State().maxSFXChannel; }

int AudioManager::GetFreeSFXChannel()
{
    const AudioState& s = State();
    const int count = s.maxSFXChannel;
    if (count < kDefaultSFXChannels) {
        return -1;
    }
    for (int i = 1; i < count; ++i) {
        const int channel = (s.lastSFXChannel + i) % count;
        if (s.sfxChanInfo[channel].soundName.empty()) {
            return channel;
        }
    }
    for (int i = 1; i < count; ++i) {
        const int channel = (s.lastSFXChannel + i) % count;
        if (!s.sfxChanInfo[channel].loop) {
            return channel;
        }
    }
    return -1;
}

int AudioManager::PlaySFX(const String& key, int channel, bool loop, const Ref<Tween>& tween,
                          float pan, float rate)
{
    AudioState& s = State();
    const auto it = s.sfxMap.find(key);
    if (it == s.sfxMap.end() || !it->second->sound || !it->second->sound->GetSample()) {
        return -1;
    }
    if (channel < 0) {
        channel = GetFreeSFXChannel();
    }
    // The channel table has 32 entries: a caller's channel beyond it must not be written.
    if (!IsChannel(channel)) {
        return -1;
    }
    PlaybackInfo& c = s.sfxChanInfo[channel];
    if (IsManagedChannel(channel)) {
        if (tween) {
            SetSFXChannelVolTween2(channel, tween, true);
        } else {
            SetSFXChannelVolTween(channel, kOwnVolumeTweenMs, 1.0f, 1.0f);
        }
        c.rateTween = nullptr;
        c.panTween = nullptr;
        SetSFXChannelPan(channel, pan);
        SetSFXChannelRate(channel, rate);
    }
    c.soundName = key;
    c.loop = loop;
    audio::PlaySound(it->second->sound, channel, loop ? kPlayLoop : kPlayOnce);
    return channel;
}

int AudioManager::PlaySFX2(const String& key, int channel, bool loop, int ms, float from,
                           float to, float pan, float rate)
{
    if (channel < 0) {
        channel = GetFreeSFXChannel();
    }
    if (!IsChannel(channel)) {
        return -1;
    }
    BasicPlaybackInfo& c = State().sfxChanInfo[channel];
    ReshapeOwnTween(c, ms, from, to);
    return PlaySFX(key, channel, loop, c.ownVolumeTween, pan, rate);
}

void AudioManager::StopSFXChannel(int channel)
{
    if (IsManagedChannel(channel)) {
        StopChannel(channel);
    }
}

void AudioManager::SetSFXChannelVol(int channel, float volume)
{
    if (!IsManagedChannel(channel)) {
        return;
    }
    State().sfxChanInfo[channel].volume = muted ? 0.0f : ClampVolume(volume);
    WriteChannelVolume(channel);
}

void AudioManager::SetSFXChannelMaxVol(int channel, float maxVolume)
{
    if (!IsManagedChannel(channel)) {
        return;
    }
    State().sfxChanInfo[channel].maxVolume = ClampVolume(maxVolume);
    WriteChannelVolume(channel);
}

void AudioManager::SetSFXChannelRate(int channel, float rate)
{
    if (!IsManagedChannel(channel)) {
        return;
    }
    rate = math::Clamp(rate, kMinSFXRate, kMaxSFXRate);
    State().sfxChanInfo[channel].rate = rate;
    audio::SetChannelRate(channel, rate);
}

void AudioManager::SetSFXChannelPan(int channel, float pan)
{
    if (!IsManagedChannel(channel)) {
        return;
    }
    pan = math::Clamp(pan, kMinSFXPan, kMaxSFXPan);
    State().sfxChanInfo[channel].pan = pan;
    audio::SetChannelPan(channel, pan);
}

void AudioManager::SetSFXChannelVolTween(int channel, int ms, float from, float to)
{
    if (!IsManagedChannel(channel)) {
        return;
    }
    PlaybackInfo& c = State().sfxChanInfo[channel];
    ReshapeOwnTween(c, ms, from, to);
    c.ownVolumeTween->Start();
    c.volumeTween = c.ownVolumeTween;
    SetSFXChannelVol(channel, from);
}

void AudioManager::SetSFXChannelVolTween2(int channel, const Ref<Tween>& tween, bool start)
{
    if (!IsManagedChannel(channel)) {
        return;
    }
    if (!tween) {
        SetSFXChannelVolTween(channel, kBGMFullVolumeTweenMs, 1.0f, 1.0f);
        return;
    }
    PlaybackInfo& c = State().sfxChanInfo[channel];
    c.volumeTween = tween;
    if (start) {
        tween->Start();
    }
    SetSFXChannelVol(channel, tween->GetValue());
}

const PlaybackInfo* AudioManager::GetSFXChannelInfo(int channel)
{
    return IsChannel(channel) ? &State().sfxChanInfo[channel] : nullptr;
}

void AudioManager::SetBGMVol(float volume)
{
    State().musicInfo.volume = muted ? 0.0f : ClampVolume(volume);
    WriteMusicVolume();
}

float AudioManager::GetBGMVol() { return State().musicInfo.volume; }

void AudioManager::SetBGMMaxVol(float maxVolume)
{
    State().musicInfo.maxVolume = ClampVolume(maxVolume);
    WriteMusicVolume();
}

void AudioManager::SetBGMVolTween(int ms, float from, float to)
{
    BasicPlaybackInfo& m = State().musicInfo;
    ReshapeOwnTween(m, ms, from, to);
    m.ownVolumeTween->Start();
    m.volumeTween = m.ownVolumeTween;
    SetBGMVol(from);
}

void AudioManager::SetBGMVolTween2(const Ref<Tween>& tween, bool start)
{
    if (!tween) {
        SetBGMVolTween(kBGMFullVolumeTweenMs, 1.0f, 1.0f);
        return;
    }
    State().musicInfo.volumeTween = tween;
    if (start) {
        tween->Start();
    }
    SetBGMVol(tween->GetValue());
}

void AudioManager::PlayBGM(const String& name, bool loop, const Ref<Tween>& tween)
{
    SetBGMVolTween2(tween, true);
    BasicPlaybackInfo& m = State().musicInfo;
    m.soundName = name;
    m.loop = loop;
    (void)audiomanager::PlayMusicExt(name, loop);
}

void AudioManager::PlayBGM2(const String& name, bool loop, int ms, float from, float to)
{
    BasicPlaybackInfo& m = State().musicInfo;
    ReshapeOwnTween(m, ms, from, to);
    PlayBGM(name, loop, m.ownVolumeTween);
}

void AudioManager::StopBGM()
{
    audio::StopMusic();
    State().musicInfo.soundName.clear();
}

String AudioManager::GetBGMCurrentlyPlaying() { return State().musicInfo.soundName; }

const BasicPlaybackInfo& AudioManager::GetBGMInfo() { return State().musicInfo; }

bool AudioManager::PreloadSFX(const String& path, const String& key, bool persistent)
{
    AudioState& s = State();
    const auto it = s.sfxMap.find(key);
    if (it != s.sfxMap.end()) {
        const SFX& known = *it->second;
        if (known.path != path) {
            PrintLine(U"AudioManager::PreloadSFX WARNING!: Source mismatch for '" + key
                      + U"'. Requested:'" + path + U"' Existent: '" + known.path + U"'");
        }
        if (known.persistent != persistent) {
            PrintLine(U"AudioManager::PreloadSFX WARNING!: Persistence mismatch for '" + key
                      + U"'. Requested:'" + FromLatin1(TrueFalse(persistent)) + U"' Existent: '"
                      + FromLatin1(TrueFalse(known.persistent)) + U"'");
        }
        return true;
    }
    Ref<SFX> sfx = SFX::New(path, persistent);
    if (!sfx) {
        PrintLine(U"AudioManager::PreloadSFX ERROR: Failed to load '" + path + U"' as '" + key
                  + U"'");
        return false;
    }
    s.sfxMap.emplace(key, std::move(sfx));
    return true;
}

void AudioManager::UnloadDiscardableSFX()
{
    AudioState& s = State();
    for (auto it = s.sfxMap.begin(); it != s.sfxMap.end();) {
        if (it->second->persistent) {
            ++it;
            continue;
        }
        // A looping effect would otherwise keep sounding, its buffer held by the source,
        // into the next stage. One-shots play out; the device frees their buffers after.
        for (int channel = 0; channel < kMaxSFXChannels; ++channel) {
            const PlaybackInfo& c = s.sfxChanInfo[channel];
            if (c.loop && c.soundName == it->first) {
                StopChannel(channel);
            }
        }
        it->second->Deallocate();
        it = s.sfxMap.erase(it);
    }
}

bool AudioManager::IsSFXLoaded(const String& key) { return State().sfxMap.count(key) != 0; }

void AudioManager::FrameUpdate(int ms)
{
    UpdateMusic(ms);
    for (int channel = 0; channel < State().maxSFXChannel; ++channel) {
        if (!State().sfxChanInfo[channel].soundName.empty()) {
            UpdateEffectChannel(channel, ms);
        }
    }
}

Ref<SFX> SFX::New(const String& path, bool persistent)
{
    Ref<Sound> sound = AudioManager::encryptionEnabled
        ? audiomanager::LoadSoundEnc(audiomanager::EncryptedAudioFileName_(path))
        : audio::LoadSound(ToUtf8(path));
    if (!sound || !sound->GetSample()) {
        return nullptr;
    }
    Ref<SFX> sfx = std::make_shared<SFX>();
    sfx->sound = std::move(sound);
    sfx->path = path;
    sfx->persistent = persistent;
    return sfx;
}

void SFX::Deallocate()
{
    if (persistent || !sound) {
        return;
    }
    sound->Discard();
    sound = nullptr;
}

}  // namespace zelka
