// The game's sound effects, one recipe per effect number.

#include <cmath>

#include "tools/assetgen/Audio.h"
#include "tools/assetgen/Synth.h"

namespace zelka::assets {

namespace {

// A tone that rises in attack seconds, holds, then falls in release seconds.
Tone T(Osc osc, float f0, float f1, float attack, float hold, float release, float vol, float duty = 0.5f)
{
    Tone t;
    t.osc = osc;
    t.freq = f0;
    t.freqEnd = f1;
    t.attack = attack;
    t.decay = 0.0001f;
    t.sustain = 1.0f;
    t.hold = hold;
    t.release = release;
    t.volume = vol;
    t.duty = duty;
    return t;
}

Tone Arp(Osc osc, float f, std::vector<int> steps, float step, float len, float vol, float duty = 0.5f)
{
    Tone t = T(osc, f, 0, 0.003f, len - 0.05f, 0.05f, vol, duty);
    t.arp = std::move(steps);
    t.arpStep = step;
    return t;
}

Tone Vib(Tone t, float depth, float rate)
{
    t.vibDepth = depth;
    t.vibRate = rate;
    return t;
}

Tone Seeded(Tone t, uint32_t seed)
{
    t.seed = seed;
    return t;
}

// A note of the scale: MIDI number.
float N(int midi) { return MidiHz(float(midi)); }

Wave Chime(bool longer)
{
    SoundBuffer b(0.2f);
    const int notes[] = {72, 76, 79, 84};
    for (int i = 0; i < 4; ++i) {
        b.Add(T(Osc::Square, N(notes[i]), 0, 0.002f, 0.02f, longer ? 0.12f : 0.06f, 0.22f, 0.25f), i * 0.03f);
        b.Add(T(Osc::Triangle, N(notes[i] + 12), 0, 0.002f, 0.02f, 0.08f, 0.2f), i * 0.03f);
    }
    if (longer) b.Add(T(Osc::Triangle, N(88), 0, 0.002f, 0.05f, 0.3f, 0.25f), 0.13f);
    return b.Finish();
}

// Effect 3: one coin tick, exactly 120 ms and silent at both ends, so it loops cleanly.
Wave ScoreTick()
{
    const size_t len = kSampleRate * 120 / 1000;
    SoundBuffer b(0.12f);
    b.Add(T(Osc::Square, N(95), 0, 0.001f, 0.012f, 0.004f, 0.25f, 0.25f), 0.0f);
    b.Add(T(Osc::Square, N(100), 0, 0.001f, 0.01f, 0.05f, 0.22f, 0.25f), 0.017f);
    Wave w = b.Raw();
    w.resize(len, 0.0f);
    return w;
}

Wave Recipe(int n)
{
    switch (n) {
    case 0: {
        SoundBuffer b(0.08f);
        b.Add(T(Osc::Square, N(81), 0, 0.002f, 0.03f, 0.005f, 0.3f, 0.5f), 0);
        b.Add(T(Osc::Square, N(74), 0, 0.002f, 0.03f, 0.01f, 0.3f, 0.5f), 0.038f);
        return b.Finish();
    }
    case 1: return Chime(false);
    case 2: {
        SoundBuffer b(0.06f);
        b.Add(T(Osc::Noise, 9000, 0, 0.001f, 0.004f, 0.006f, 0.35f), 0);
        b.Add(T(Osc::Square, 300, 900, 0.002f, 0.03f, 0.015f, 0.15f, 0.25f), 0.008f);
        return b.Finish();
    }
    case 3: return ScoreTick();
    case 4: {
        SoundBuffer b(0.15f);
        b.Add(T(Osc::Sine, 180, 45, 0.002f, 0.04f, 0.09f, 0.9f), 0);
        b.Add(T(Osc::Noise, 4000, 500, 0.001f, 0.006f, 0.03f, 0.35f), 0);
        b.Add(T(Osc::Square, N(72), N(84), 0.002f, 0.02f, 0.03f, 0.12f, 0.25f), 0);
        return b.Finish();
    }
    case 5: {
        SoundBuffer b(1.0f);
        b.Add(T(Osc::Square, N(55), N(54), 0.01f, 0.16f, 0.04f, 0.3f, 0.4f), 0);
        b.Add(T(Osc::Square, N(53), N(52), 0.01f, 0.16f, 0.04f, 0.3f, 0.4f), 0.22f);
        b.Add(Vib(T(Osc::Square, N(51), N(44), 0.01f, 0.35f, 0.15f, 0.3f, 0.4f), 0.5f, 7), 0.44f);
        b.LowPass(3000);
        return b.Finish();
    }
    case 6: {
        SoundBuffer b(0.35f);
        b.Add(T(Osc::Noise, 6000, 2000, 0.001f, 0.01f, 0.04f, 0.3f), 0);
        b.Add(Arp(Osc::Triangle, N(84), {0, 4, 7, 12, 16, 19, 24}, 0.03f, 0.3f, 0.35f), 0.02f);
        b.Add(Arp(Osc::Pulse12, N(96), {0, 7, 12, 7}, 0.02f, 0.25f, 0.08f), 0.06f);
        return b.Finish();
    }
    case 7: {
        SoundBuffer b(0.6f);
        b.Add(T(Osc::Square, N(83), 0, 0.002f, 0.06f, 0.01f, 0.3f, 0.5f), 0);
        b.Add(T(Osc::Square, N(88), 0, 0.002f, 0.2f, 0.25f, 0.3f, 0.5f), 0.07f);
        b.Add(Arp(Osc::Triangle, N(76), {0, 4, 7, 12, 16, 19, 24, 28}, 0.035f, 0.45f, 0.3f), 0.1f);
        b.Add(T(Osc::Pulse12, N(100), 0, 0.002f, 0.02f, 0.2f, 0.1f), 0.3f);
        return b.Finish();
    }
    case 8: {
        SoundBuffer b(0.8f);
        b.Add(Vib(T(Osc::Triangle, 900, 500, 0.01f, 0.55f, 0.2f, 0.5f), 3.0f, 9), 0);
        b.Add(Vib(T(Osc::Square, 1800, 1000, 0.01f, 0.55f, 0.2f, 0.08f, 0.25f), 3.0f, 9), 0);
        return b.Finish();
    }
    case 10: {
        SoundBuffer b(0.45f);
        b.Add(Vib(T(Osc::Square, 180, 1600, 0.02f, 0.3f, 0.08f, 0.25f, 0.25f), 0.6f, 18), 0);
        b.Add(T(Osc::Triangle, 360, 3200, 0.02f, 0.3f, 0.08f, 0.25f), 0);
        b.LowPass(5000);
        return b.Finish();
    }
    case 11: {
        SoundBuffer b(0.45f);
        b.Add(Vib(T(Osc::Square, 1600, 200, 0.005f, 0.25f, 0.05f, 0.25f, 0.25f), 0.6f, 18), 0);
        b.Add(T(Osc::Sine, 220, 60, 0.002f, 0.03f, 0.08f, 0.8f), 0.3f);
        b.Add(T(Osc::Noise, 3000, 800, 0.001f, 0.01f, 0.05f, 0.3f), 0.3f);
        b.LowPass(5000);
        return b.Finish();
    }
    case 12: {
        SoundBuffer b(0.8f);
        b.Add(Seeded(T(Osc::Noise, 260, 90, 0.02f, 0.3f, 0.4f, 0.6f), 12), 0);
        b.Add(T(Osc::Sine, 80, 38, 0.005f, 0.15f, 0.4f, 0.8f), 0);
        b.LowPass(900);
        return b.Finish();
    }
    case 13: {
        SoundBuffer b(0.25f);
        for (int i = 0; i < 2; ++i) {
            b.Add(T(Osc::Square, 110, 0, 0.003f, 0.075f, 0.01f, 0.3f, 0.5f), i * 0.11f);
            b.Add(T(Osc::Saw, 117, 0, 0.003f, 0.075f, 0.01f, 0.25f), i * 0.11f);
        }
        b.LowPass(2500);
        return b.Finish();
    }
    case 14: {
        SoundBuffer b(0.3f);
        b.Add(Seeded(T(Osc::Noise, 800, 9000, 0.12f, 0.03f, 0.12f, 0.5f), 14), 0);
        b.Add(T(Osc::Sine, 300, 900, 0.1f, 0.05f, 0.1f, 0.2f), 0);
        b.LowPass(6000);
        return b.Finish();
    }
    case 15: {
        SoundBuffer b(0.8f);
        const int notes[] = {60, 64, 67, 72};
        for (int i = 0; i < 4; ++i) b.Add(T(Osc::Square, N(notes[i]), 0, 0.003f, 0.06f, 0.01f, 0.25f, 0.5f), i * 0.075f);
        b.Add(Vib(T(Osc::Square, N(76), 0, 0.003f, 0.25f, 0.15f, 0.25f, 0.5f), 0.3f, 6), 0.3f);
        b.Add(T(Osc::Triangle, N(48), 0, 0.003f, 0.5f, 0.1f, 0.4f), 0);
        b.Add(T(Osc::Triangle, N(55), 0, 0.003f, 0.25f, 0.15f, 0.3f), 0.3f);
        return b.Finish();
    }
    case 16: {
        SoundBuffer b(0.04f);
        b.Add(T(Osc::Triangle, 1400, 1200, 0.001f, 0.01f, 0.02f, 0.45f), 0);
        return b.Finish();
    }
    case 17: {
        SoundBuffer b(0.7f);
        const int notes[] = {67, 72, 76, 79};
        for (int i = 0; i < 4; ++i) b.Add(T(Osc::Square, N(notes[i]), 0, 0.003f, 0.05f, 0.01f, 0.25f, 0.25f), i * 0.06f);
        b.Add(Vib(T(Osc::Square, N(84), 0, 0.003f, 0.2f, 0.15f, 0.25f, 0.25f), 0.3f, 7), 0.24f);
        b.Add(Arp(Osc::Triangle, N(60), {0, 4, 7}, 0.03f, 0.55f, 0.3f), 0.0f);
        return b.Finish();
    }
    case 18: {
        SoundBuffer b(0.3f);
        b.Add(Vib(T(Osc::Sine, 700, 2600, 0.01f, 0.2f, 0.05f, 0.5f), 0.5f, 25), 0);
        b.Add(T(Osc::Square, 350, 1300, 0.01f, 0.2f, 0.05f, 0.08f, 0.25f), 0);
        return b.Finish();
    }
    case 20: {
        SoundBuffer b(0.5f);
        for (int i = 0; i < 3; ++i)
            b.Add(Seeded(T(Osc::Noise, 1800, 600, 0.02f, 0.06f, 0.05f, 0.45f), 20 + i), i * 0.14f);
        b.Add(T(Osc::Square, 140, 90, 0.005f, 0.05f, 0.05f, 0.15f, 0.3f), 0);
        b.LowPass(4000);
        return b.Finish();
    }
    case 21: {
        SoundBuffer b(0.3f);
        b.Add(Seeded(T(Osc::Noise, 1200, 400, 0.002f, 0.05f, 0.1f, 0.5f), 21), 0);
        b.Add(T(Osc::Square, 200, 700, 0.003f, 0.06f, 0.04f, 0.2f, 0.5f), 0.02f);
        b.LowPass(3500);
        return b.Finish();
    }
    case 22: {
        SoundBuffer b(0.8f);
        b.Add(Vib(Arp(Osc::Pulse12, N(79), {0, 7, 12, 19, 24, 19, 12, 7}, 0.025f, 0.6f, 0.18f), 0.2f, 12), 0);
        b.Add(Vib(Arp(Osc::Square, N(91.0f), {0, 12, 7, 19}, 0.03f, 0.6f, 0.1f, 0.25f), 0.3f, 9), 0.05f);
        b.Add(T(Osc::Triangle, N(67), N(79), 0.01f, 0.4f, 0.2f, 0.3f), 0);
        return b.Finish();
    }
    case 23: {
        SoundBuffer b(0.9f);
        b.Add(Seeded(T(Osc::Noise, 2500, 300, 0.002f, 0.05f, 0.45f, 0.7f), 23), 0);
        b.Add(T(Osc::Sine, 140, 40, 0.002f, 0.05f, 0.2f, 0.7f), 0);
        const float bits[] = {0.18f, 0.27f, 0.34f, 0.45f, 0.56f};
        for (int i = 0; i < 5; ++i)
            b.Add(Seeded(T(Osc::Noise, 3000 - i * 300, 1000, 0.001f, 0.01f, 0.05f, 0.3f), 230 + i), bits[i]);
        b.LowPass(5000);
        return b.Finish();
    }
    case 24: {
        SoundBuffer b(0.06f);
        b.Add(T(Osc::Square, 2000, 1800, 0.0005f, 0.006f, 0.01f, 0.35f, 0.5f), 0);
        b.Add(Seeded(T(Osc::Noise, 10000, 0, 0.0005f, 0.002f, 0.006f, 0.3f), 24), 0);
        b.Add(T(Osc::Triangle, 1000, 0, 0.001f, 0.01f, 0.03f, 0.3f), 0);
        return b.Finish();
    }
    case 25: {
        SoundBuffer b(0.45f);
        b.Add(T(Osc::Triangle, 700, 220, 0.001f, 0.04f, 0.08f, 0.6f), 0);
        b.Add(Seeded(T(Osc::Noise, 5000, 1000, 0.001f, 0.005f, 0.02f, 0.35f), 25), 0);
        b.Add(Vib(T(Osc::Sine, 330, 300, 0.01f, 0.15f, 0.15f, 0.3f), 2.5f, 14), 0.08f);
        return b.Finish();
    }
    case 26: {
        SoundBuffer b(0.6f);
        b.Add(T(Osc::Sine, 120, 32, 0.002f, 0.08f, 0.3f, 0.9f), 0);
        b.Add(Seeded(T(Osc::Noise, 900, 150, 0.001f, 0.03f, 0.2f, 0.5f), 26), 0);
        b.LowPass(1500);
        return b.Finish();
    }
    case 27: {
        SoundBuffer b(0.5f);
        b.Add(Seeded(T(Osc::Noise, 9000, 4000, 0.001f, 0.01f, 0.03f, 0.35f), 27), 0);
        const int tinkles[] = {96, 100, 103, 98, 105};
        for (int i = 0; i < 5; ++i)
            b.Add(T(Osc::Triangle, N(tinkles[i]), 0, 0.001f, 0.01f, 0.12f, 0.25f), 0.02f + i * 0.05f);
        return b.Finish();
    }
    case 28: {
        SoundBuffer b(0.7f);
        b.Add(T(Osc::Triangle, N(96), 0, 0.001f, 0.05f, 0.5f, 0.45f), 0);
        b.Add(T(Osc::Square, N(84), 0, 0.001f, 0.03f, 0.3f, 0.1f, 0.25f), 0);
        b.Add(T(Osc::Triangle, N(100), 0, 0.001f, 0.05f, 0.4f, 0.35f), 0.09f);
        return b.Finish();
    }
    case 304: return Chime(true);
    default:
        return {};
    }
}

// A short fanfare under "ready, go".
void ReadyGoFanfare(SoundBuffer& b, float at)
{
    const int notes[] = {72, 76, 79};
    for (int i = 0; i < 3; ++i) b.Add(T(Osc::Square, N(notes[i]), 0, 0.003f, 0.05f, 0.01f, 0.2f, 0.5f), at + i * 0.07f);
    b.Add(Vib(T(Osc::Square, N(84), 0, 0.003f, 0.3f, 0.2f, 0.22f, 0.5f), 0.25f, 6), at + 0.21f);
    b.Add(T(Osc::Triangle, N(48), 0, 0.003f, 0.45f, 0.2f, 0.35f), at);
}

// Stand-in for a spoken line when the speech engine is unavailable: a babble of
// vowel-like syllables, so the effect still says "someone talks" instead of nothing.
Wave Babble(int n)
{
    SoundBuffer b(0.0f);
    const int syllables = 3 + n % 4;
    const float pitch = 110.0f + float(n % 10) * 18.0f;
    for (int i = 0; i < syllables; ++i) {
        Tone t = T(Osc::Saw, pitch * Semi(float((i * 5 + n) % 7) - 3), 0, 0.015f, 0.07f, 0.03f, 0.35f);
        t.vibDepth = 0.4f;
        t.vibRate = 9;
        b.Add(t, i * 0.13f);
    }
    b.LowPass(1400);
    return b.Finish();
}

// Loudness targets (see Level): one level for the set, a few dB under it for the small
// interface sounds that repeat while menus are browsed or the clock runs out.
constexpr float kEffectDb = -9.0f;
constexpr float kQuietDb = -13.0f;

float TargetDb(int n)
{
    switch (n) {
    case 0: case 2: case 3: case 16: case 24: return kQuietDb;
    default: return kEffectDb;
    }
}

}  // namespace

std::vector<uint8_t> MakeSfx(int n, const Wave& voice)
{
    if (n == 3) {
        // Level only: no fades, so both ends stay at the silence the loop joins on.
        Wave w = ScoreTick();
        Level(w, TargetDb(3));
        return EncodeWav(w);
    }
    Wave spoken = voice;
    FadeIn(spoken, 3.0f);   // speech clips may start mid-wave
    const float v = float(spoken.size()) / kSampleRate;
    SoundBuffer b(0.0f);
    switch (n) {
    case 302:
        b.Mix(spoken, 0.0f, 0.9f);
        ReadyGoFanfare(b, std::max(0.0f, v - 0.25f));
        break;
    case 303: {
        // Referee whistle, then the call.
        b.Add(Vib(T(Osc::Sine, 2900, 0, 0.01f, 0.5f, 0.05f, 0.45f), 0.6f, 30), 0);
        b.Add(Vib(T(Osc::Sine, 3500, 0, 0.01f, 0.5f, 0.05f, 0.15f), 0.6f, 30), 0);
        b.Mix(spoken, 0.6f, 0.9f);
        break;
    }
    case 500:
    case 501: {
        const bool up = n == 501;
        b.Add(T(Osc::Triangle, N(up ? 72 : 79), 0, 0.003f, 0.06f, 0.08f, 0.35f), 0);
        b.Add(T(Osc::Triangle, N(up ? 79 : 72), 0, 0.003f, 0.06f, 0.15f, 0.35f), 0.09f);
        b.Add(T(Osc::Square, N(up ? 60 : 67), 0, 0.003f, 0.05f, 0.1f, 0.1f, 0.25f), 0);
        b.Mix(spoken, 0.3f, 0.9f);
        break;
    }
    default:
        if (!voice.empty()) b.Mix(spoken, 0.0f, 0.95f);
        else b.Mix(Recipe(n), 0.0f);
        break;
    }
    if (b.Raw().empty()) b.Mix(Babble(n), 0.0f);
    b.HighPass(20.0f);
    Wave w = b.Finish(1e9f);   // fades the tail; the level comes next
    Level(w, TargetDb(n));
    return EncodeWav(w);
}

}  // namespace zelka::assets
