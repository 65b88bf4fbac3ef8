#include "engine/audio/SoundManager.h"

#include "engine/audio/AudioManager.h"
#include "engine/core/MathUtil.h"

#include <string>
#include <utility>

namespace zelka {
namespace {

// Stage identifiers of the application and their tracks.
constexpr int kStageMatch = 1;
constexpr int kStageCharacterSelect = 2;
constexpr int kStageTitle = 3;
constexpr int kStageResults = 4;
constexpr int kStageCredits = 6;
constexpr int kFirstWorldTrack = 2;          // world w plays track w + 2
constexpr int kTrackCharacterSelect = 1;     // also the match's track without a world
constexpr int kTrackTitle = 0;
constexpr int kTrackCredits = 10;
constexpr int kLastPaddedNumber = 9;         // numbers up to 9 get a leading zero

struct SoundState {
    bool initialised = false;
    std::function<void(const SoundManager::Request&)> spy;
};

SoundState& State()
{
    // Never destroyed: an exit() from a library runs static destructors in any order.
    static SoundState& state = *new SoundState;
    return state;
}

String Key(int n) { return FromLatin1(std::to_string(n)); }

}  // namespace

void SoundManager::Init()
{
    if (State().initialised) {
        return;
    }
    State().initialised = true;
    AudioManager::SetSFXChannels(kSoundManagerChannels);
}

void SoundManager::ResetState() { State() = SoundState(); }

void SoundManager::SetSpy(std::function<void(const Request&)> spy) { State().spy = std::move(spy); }

String SoundManager::FileNumber(int n)
{
    if (n < 0) {
        return String();
    }
    return (n <= kLastPaddedNumber ? U"0" : U"") + Key(n);
}

String SoundManager::SFXFileName(int n) { return n < 0 ? String() : U"sfx/" + FileNumber(n) + U".wav"; }

String SoundManager::BGMFileName(int n) { return n < 0 ? String() : U"bgm/" + FileNumber(n) + U".ogg"; }

bool SoundManager::PreloadSFX(int n)
{
    if (State().spy) {
        State().spy(Request{true, n, -1, false});
    }
    // A negative number would name "sfx/0-1.wav".
    if (n < 0) {
        return false;
    }
    return AudioManager::PreloadSFX(SFXFileName(n), Key(n), false);
}

int SoundManager::PlaySFX(int n, int channel, bool loop)
{
    if (State().spy) {
        State().spy(Request{false, n, channel, loop});
    }
    if (n < 0) {
        return -1;
    }
    return AudioManager::PlaySFX(Key(n), channel, loop, nullptr, 0.0f, 1.0f);
}

void SoundManager::PlayBGM(int n)
{
    if (n < 0) {
        return;
    }
    const String name = BGMFileName(n);
    if (AudioManager::GetBGMCurrentlyPlaying() == name && AudioManager::GetBGMVol() > 0.0f) {
        return;
    }
    AudioManager::PlayBGM(name, true, nullptr);
}

void SoundManager::FadeOutBGM(float to, int ms)
{
    AudioManager::SetBGMVolTween(ms, AudioManager::GetBGMVol(), to);
}

void SoundManager::StopBGM() { AudioManager::StopBGM(); }

int SoundManager::GetBGMForGameStage(int stageId, int worldId)
{
    switch (stageId) {
    case kStageMatch:
        return worldId >= 0 ? worldId + kFirstWorldTrack : kTrackCharacterSelect;
    case kStageCharacterSelect:
        return kTrackCharacterSelect;
    case kStageTitle:
        return kTrackTitle;
    case kStageResults:
        return kBGMKeepPlaying;
    case kStageCredits:
        return kTrackCredits;
    default:
        return kBGMNone;
    }
}

}  // namespace zelka
