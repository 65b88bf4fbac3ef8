#include "tools/assetgen/Synth.h"

#include <algorithm>
#include <cmath>

namespace zelka::assets {

namespace {
constexpr double kTwoPi = 6.283185307179586;
}

float Semi(float semitones) { return std::pow(2.0f, semitones / 12.0f); }
float MidiHz(float note) { return 440.0f * Semi(note - 69.0f); }

float Oscillate(Osc osc, double phase, float duty, uint32_t& noiseState, float& noiseHeld, double& lastCycle)
{
    const double f = phase - std::floor(phase);
    switch (osc) {
    case Osc::Square: return f < duty ? 1.0f : -1.0f;
    case Osc::Pulse12: return f < 0.125 ? 1.0f : -1.0f;
    case Osc::Triangle: return float(f < 0.5 ? 4 * f - 1 : 3 - 4 * f);
    case Osc::Saw: return float(2 * f - 1);
    case Osc::Sine: return float(std::sin(kTwoPi * f));
    case Osc::Noise: {
        // A new random level every half cycle: the "frequency" sets the noise colour.
        const double half = std::floor(phase * 2);
        if (half != lastCycle) {
            lastCycle = half;
            noiseState = noiseState * 1664525u + 1013904223u;
            noiseHeld = float(noiseState >> 8) / float(1 << 23) - 1.0f;
        }
        return noiseHeld;
    }
    }
    return 0;
}

SoundBuffer::SoundBuffer(float seconds) : w_(size_t(std::max(0.0f, seconds) * kSampleRate), 0.0f) {}

void SoundBuffer::Add(const Tone& t, float start)
{
    const size_t first = size_t(std::max(0.0f, start) * kSampleRate);
    const size_t count = size_t(t.Length() * kSampleRate);
    if (first + count > w_.size()) w_.resize(first + count, 0.0f);
    double phase = 0;
    uint32_t noise = t.seed * 2654435761u + 12345u;
    float held = 0;
    double last = -1;
    const float len = t.Length();
    const float end = t.freqEnd > 0 ? t.freqEnd : t.freq;
    for (size_t i = 0; i < count; ++i) {
        const float time = float(i) / kSampleRate;
        float env;
        if (time < t.attack) env = time / t.attack;
        else if (time < t.attack + t.decay) env = 1 - (1 - t.sustain) * (time - t.attack) / t.decay;
        else if (time < t.attack + t.decay + t.hold) env = t.sustain;
        else env = t.sustain * std::max(0.0f, 1 - (time - t.attack - t.decay - t.hold) / t.release);
        float freq = t.freq * std::pow(end / t.freq, time / len);
        if (t.vibDepth > 0) freq *= Semi(t.vibDepth * std::sin(float(kTwoPi) * t.vibRate * time));
        if (!t.arp.empty()) freq *= Semi(float(t.arp[size_t(time / t.arpStep) % t.arp.size()]));
        phase += double(freq) / kSampleRate;
        w_[first + i] += t.volume * env * Oscillate(t.osc, phase, t.duty, noise, held, last);
    }
}

void SoundBuffer::Mix(const Wave& w, float start, float gain)
{
    const size_t first = size_t(std::max(0.0f, start) * kSampleRate);
    if (first + w.size() > w_.size()) w_.resize(first + w.size(), 0.0f);
    for (size_t i = 0; i < w.size(); ++i) w_[first + i] += w[i] * gain;
}

void SoundBuffer::LowPass(float cutoff)
{
    const float a = 1 - std::exp(float(-kTwoPi) * cutoff / kSampleRate);
    float y = 0;
    for (float& s : w_) s = y += a * (s - y);
}

Wave SoundBuffer::Finish(float peak, float fadeMs)
{
    float m = 0;
    for (float s : w_) m = std::max(m, std::fabs(s));
    const float g = m > peak ? peak / m : 1.0f;
    const size_t fade = std::min(w_.size(), size_t(fadeMs * kSampleRate / 1000));
    for (size_t i = 0; i < w_.size(); ++i) {
        w_[i] *= g;
        const size_t left = w_.size() - i;
        if (left <= fade) w_[i] *= float(left - 1) / float(fade);
    }
    return w_;
}

std::vector<uint8_t> EncodeWav(const Wave& w)
{
    std::vector<uint8_t> out;
    auto u32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i))); };
    auto u16 = [&](uint16_t v) { out.push_back(uint8_t(v)); out.push_back(uint8_t(v >> 8)); };
    auto tag = [&](const char* t) { for (int i = 0; i < 4; ++i) out.push_back(uint8_t(t[i])); };
    const uint32_t dataBytes = uint32_t(w.size() * 2);   // 16-bit mono: always even
    tag("RIFF");
    u32(4 + 8 + 16 + 8 + dataBytes);
    tag("WAVE");
    tag("fmt ");
    u32(16);
    u16(1);                    // PCM
    u16(1);                    // mono
    u32(kSampleRate);
    u32(kSampleRate * 2);      // bytes per second
    u16(2);                    // block align
    u16(16);                   // bits per sample
    tag("data");
    u32(dataBytes);
    for (float s : w) u16(uint16_t(int16_t(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f))));
    return out;
}

}  // namespace zelka::assets
