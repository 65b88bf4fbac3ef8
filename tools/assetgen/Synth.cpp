#include "tools/assetgen/Synth.h"

#include <algorithm>
#include <cmath>
#include <deque>

namespace zelka::assets {

namespace {
constexpr double kTwoPi = 6.283185307179586;
}

float Semi(float semitones) { return std::pow(2.0f, semitones / 12.0f); }
float MidiHz(float note) { return 440.0f * Semi(note - 69.0f); }

namespace {

// Band-limiting correction for a unit step at phase 0 (polyBLEP): rounds the edge over
// one sample either side, which removes most of the aliasing a naive edge folds back
// below 11 kHz at this sample rate. t is the phase in 0..1, dt the step per sample.
double Blep(double t, double dt)
{
    if (dt <= 0) return 0;
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1;
    }
    if (t > 1 - dt) {
        t = (t - 1) / dt;
        return t * t + t + t + 1;
    }
    return 0;
}

// A pulse of the given duty, band-limited, with its mean (2 duty - 1) taken out: an
// unbalanced pulse otherwise pushes the whole sound off centre.
float Pulse(double f, double dt, double duty)
{
    double v = f < duty ? 1.0 : -1.0;
    double g = f + (1 - duty);
    g -= std::floor(g);
    v += Blep(f, dt) - Blep(g, dt);
    return float(v - (2 * duty - 1));
}

}  // namespace

float Oscillate(Osc osc, double phase, double dt, float duty, uint32_t& noiseState, float& noiseHeld,
                double& lastCycle)
{
    const double f = phase - std::floor(phase);
    switch (osc) {
    case Osc::Square: return Pulse(f, dt, duty);
    case Osc::Pulse12: return Pulse(f, dt, 0.125);
    case Osc::Triangle: return float(f < 0.5 ? 4 * f - 1 : 3 - 4 * f);
    case Osc::Saw: return float(2 * f - 1 - Blep(f, dt));
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
        const double dt = double(freq) / kSampleRate;
        phase += dt;
        w_[first + i] += t.volume * env * Oscillate(t.osc, phase, dt, t.duty, noise, held, last);
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

void SoundBuffer::HighPass(float cutoff)
{
    const float a = std::exp(float(-kTwoPi) * cutoff / kSampleRate);
    float prevIn = 0, prevOut = 0;
    for (float& s : w_) {
        prevOut = a * (prevOut + s - prevIn);
        prevIn = s;
        s = prevOut;
    }
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

float Loudness(const Wave& w)
{
    // First-order high-pass at 100 Hz: deep rumble sounds quieter than its power says.
    const float a = std::exp(float(-kTwoPi) * 100.0f / kSampleRate);
    Wave hp(w.size());
    float prevIn = 0, prevOut = 0;
    for (size_t i = 0; i < w.size(); ++i) {
        prevOut = a * (prevOut + w[i] - prevIn);
        prevIn = w[i];
        hp[i] = prevOut;
    }
    const size_t win = kSampleRate / 20, hop = win / 4;
    double best = 0;
    for (size_t at = 0; at < hp.size(); at += hop) {
        const size_t end = std::min(hp.size(), at + win);
        double sum = 0;
        for (size_t i = at; i < end; ++i) sum += double(hp[i]) * hp[i];
        best = std::max(best, sum / double(win));   // a short sound counts as padded with silence
        if (end == hp.size()) break;
    }
    return best > 0 ? float(10 * std::log10(best)) : -200.0f;
}

void Limit(Wave& w, float ceiling)
{
    // Look-ahead limiter: the gain each sample needs, the least of it within +-5 ms, a
    // 5 ms moving average (never above the need at a peak, as the window fits inside the
    // minimum's), and a 60 ms recovery. Smooth gain changes keep the ticks out.
    const size_t n = w.size(), reach = kSampleRate / 200;
    std::vector<float> need(n), least(n), gain(n);
    bool any = false;
    for (size_t i = 0; i < n; ++i) {
        const float a = std::fabs(w[i]);
        need[i] = a > ceiling ? ceiling / a : 1.0f;
        any |= a > ceiling;
    }
    if (!any) return;
    // Sliding minimum over [i - reach, i + reach] with a deque of rising candidates.
    std::deque<size_t> q;
    size_t next = 0;
    for (size_t i = 0; i < n; ++i) {
        for (; next < n && next <= i + reach; ++next) {
            while (!q.empty() && need[q.back()] >= need[next]) q.pop_back();
            q.push_back(next);
        }
        while (q.front() + reach < i) q.pop_front();
        least[i] = need[q.front()];
    }
    const size_t half = reach / 2;
    double sum = 0;
    size_t count = 0, lo = 0, hi = 0;   // running box [lo, hi)
    for (size_t i = 0; i < n; ++i) {
        const size_t a = i >= half ? i - half : 0, b = std::min(n, i + half + 1);
        while (hi < b) sum += least[hi++], ++count;
        while (lo < a) sum -= least[lo++], --count;
        gain[i] = float(sum / double(count));
    }
    const float recover = 1.0f / (0.06f * kSampleRate);
    float g = gain[0];
    for (size_t i = 0; i < n; ++i) {
        g = std::min(gain[i], g + recover);
        w[i] = std::clamp(w[i] * g, -ceiling, ceiling);   // the clamp only catches rounding
    }
}

void Level(Wave& w, float targetDb, float peak)
{
    float m = 0;
    for (float s : w) m = std::max(m, std::fabs(s));
    if (m <= 0) return;
    // At most 6 dB goes into the limiter: speech and hits have peaks far above their body.
    const float g = std::min(std::pow(10.0f, (targetDb - Loudness(w)) / 20), 2 * peak / m);
    for (float& s : w) s *= g;
    Limit(w, peak);
}

void FadeIn(Wave& w, float ms)
{
    const size_t n = std::min(w.size(), size_t(ms * kSampleRate / 1000));
    for (size_t i = 0; i < n; ++i) w[i] *= float(i) / float(n);
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
