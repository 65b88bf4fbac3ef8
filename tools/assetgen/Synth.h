#pragma once

// A small procedural sound synthesiser: oscillators with pitch sweeps, vibrato,
// arpeggios and ADSR envelopes, mixed into a float buffer.

#include <cstdint>
#include <vector>

#include "tools/assetgen/Audio.h"

namespace zelka::assets {

enum class Osc { Square, Triangle, Saw, Sine, Noise, Pulse12 };

struct Tone {
    Osc osc = Osc::Square;
    float freq = 440;         // Hz at the start
    float freqEnd = 0;        // Hz at the end (exponential sweep); 0 keeps freq
    float duty = 0.5f;        // square only, 0..1
    float attack = 0.005f;    // seconds
    float decay = 0.05f;
    float sustain = 0.6f;     // level 0..1
    float hold = 0.05f;       // seconds at the sustain level
    float release = 0.05f;
    float volume = 0.5f;
    float vibDepth = 0;       // semitones
    float vibRate = 6;        // Hz
    std::vector<int> arp;     // semitone offsets cycled every arpStep seconds
    float arpStep = 0.05f;
    uint32_t seed = 1;        // noise
    float Length() const { return attack + decay + hold + release; }
};

// A sound being built: tones are mixed at a start time in seconds.
class SoundBuffer {
public:
    explicit SoundBuffer(float seconds);
    void Add(const Tone& t, float start);
    // Mixes another wave in at start, scaled.
    void Mix(const Wave& w, float start, float gain = 1.0f);
    // One-pole low-pass at cutoff Hz over the whole buffer.
    void LowPass(float cutoff);
    // One-pole high-pass at cutoff Hz: takes out the offset a short noise burst can leave.
    void HighPass(float cutoff);
    // Scales so the peak is at most peak; fades the last fadeMs to silence.
    Wave Finish(float peak = 0.85f, float fadeMs = 4.0f);
    Wave& Raw() { return w_; }

private:
    Wave w_;
};

// One oscillator sample at phase (cycles, fractional part used); dt is the phase step per
// sample, which the square, pulse and saw use to round their edges against aliasing.
// Square and pulse are centred (no DC) whatever the duty, so their peaks are uneven.
float Oscillate(Osc osc, double phase, double dt, float duty, uint32_t& noiseState, float& noiseHeld,
                double& lastCycle);

// Loudness in dBFS: the loudest 50 ms window of the signal's power, bass below 100 Hz
// weighed down. Effects are levelled on it, so a short tick and a long rumble compare.
float Loudness(const Wave& w);
// Holds every sample within +-ceiling with smooth gain changes (no clipping).
void Limit(Wave& w, float ceiling);
// Scales w to targetDb of Loudness, limiting peaks to peak (with at most 6 dB of limiting,
// so a sound with a big transient ends up under the target rather than squashed).
void Level(Wave& w, float targetDb, float peak = 0.89f);
// A linear fade over the first ms milliseconds (a clip cut mid-wave otherwise clicks).
void FadeIn(Wave& w, float ms);

// Semitone ratio.
float Semi(float semitones);
// Frequency of a MIDI note.
float MidiHz(float note);

}  // namespace zelka::assets
