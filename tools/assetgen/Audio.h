#pragma once

// Sound builders: effects (WAV) and music (Ogg Vorbis), all mono 16-bit at kSampleRate.

#include <cstdint>
#include <string>
#include <vector>

namespace zelka::assets {

inline constexpr int kSampleRate = 22050;

// Float samples in -1..1.
using Wave = std::vector<float>;

// The spoken clip for an effect number, or empty when the effect has no words.
// Not thread-safe (the speech engine is one global instance).
Wave SpeakForEffect(int n);
void ShutdownSpeech();

// The effect's WAV file; voice is what SpeakForEffect returned for it.
std::vector<uint8_t> MakeSfx(int n, const Wave& voice);

// The music track's Ogg Vorbis file.
std::vector<uint8_t> MakeMusic(int n);
// The raw loop the Ogg file encodes (for tests of the composer and the contact sheet).
Wave ComposeMusic(int n);

// 16-bit PCM mono RIFF/WAVE: "fmt " first, even chunk sizes.
std::vector<uint8_t> EncodeWav(const Wave& w);

}  // namespace zelka::assets
