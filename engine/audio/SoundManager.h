#pragma once

#include "platform/core/Text.h"

#include <functional>

namespace zelka {

// Effect channels as the game uses them (5 in use after SoundManager::Init).
inline constexpr int kSoundManagerChannels = 5;
inline constexpr int kSfxChannelGeneral = 0;
inline constexpr int kSfxChannelPlayer1 = 1;    // player n's effects play on channel n
inline constexpr int kSfxChannelPlayer2 = 2;
inline constexpr int kSfxChannelVoice = 3;      // announcements and voices
inline constexpr int kSfxChannelClock = 4;      // the match clock's tick

// Effects of the engine's own widgets.
inline constexpr int kSfxPanelClose = 0;        // also menu cancel
inline constexpr int kSfxPanelOpen = 14;

// Music: the results screen keeps the music going, other stages without a track get none.
inline constexpr int kBGMKeepPlaying = -1;
inline constexpr int kBGMNone = -99;
inline constexpr int kBGMFadeMs = 500;          // a fade when stages change

// The game's sound effects and music tracks by number: effect n is "sfx/NN.wav" (preloaded
// under the key n, for one stage), track n is "bgm/NN.ogg"; with enciphering on they are
// read as .aux and .auy. A negative number plays and loads nothing.
class SoundManager {
public:
    SoundManager() = delete;

    // Once: 5 effect channels.
    static void Init();
    // For tests: Init may run again.
    static void ResetState();

    // False when the effect cannot be loaded (the audio manager prints why).
    static bool PreloadSFX(int n);
    // The channel played on, or -1 (unknown effect, negative number or channel).
    static int PlaySFX(int n, int channel, bool loop);
    // Starts track n looping at full volume, unless it already plays above volume 0.
    static void PlayBGM(int n);
    // The music volume runs from where it is to `to` over ms.
    static void FadeOutBGM(float to, int ms);
    static void StopBGM();
    // The track for a stage identifier: kBGMKeepPlaying, kBGMNone or a track number.
    // worldId is the chosen world, negative when none.
    [[nodiscard]] static int GetBGMForGameStage(int stageId, int worldId);

    // "07", "12", "303": the number with a leading zero below 10. "" when negative.
    [[nodiscard]] static String FileNumber(int n);
    [[nodiscard]] static String SFXFileName(int n);   // "sfx/07.wav"
    [[nodiscard]] static String BGMFileName(int n);   // "bgm/07.ogg"

    // Test seam: sees every effect request (preload: channel -1) before it is served.
    struct Request {
        bool preload = false;
        int number = 0;
        int channel = -1;
        bool loop = false;
    };
    static void SetSpy(std::function<void(const Request&)> spy);
};

}  // namespace zelka
