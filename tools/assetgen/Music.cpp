// The music composer: short looping chiptune tracks (square lead, triangle bass,
// pulse arpeggios, noise drums), rendered into a circular buffer so note tails wrap
// round to the start and the loop point joins without a click.

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "tools/assetgen/Audio.h"
#include "tools/assetgen/Synth.h"

namespace zelka::assets {

namespace {

constexpr int kOggSerial = 0x5A454C4B;   // fixed so every build writes the same bytes
constexpr float kVorbisQuality = 0.3f;
constexpr float kMusicRms = 0.158f;    // -16 dBFS
constexpr float kMusicPeak = 0.85f;

enum class Drums { March, Rock, Sparse, Waltzy, Spooky, Gentle };

struct TrackSpec {
    int number;
    int root;                  // MIDI note of the tonic (lead octave)
    std::vector<int> scale;    // semitone offsets of the 7 degrees
    int bpm;
    int bars;
    std::vector<int> chords;   // scale degree (0-based) of each bar's chord, cycled
    float leadDuty;
    Osc leadOsc;
    float leadVib;             // semitones
    bool arps;                 // pulse arpeggios of the chord
    Drums drums;
    uint32_t seed;
    int density;               // 0 sparse .. 2 busy melody
};

const std::vector<int> kMajor = {0, 2, 4, 5, 7, 9, 11};
const std::vector<int> kMinor = {0, 2, 3, 5, 7, 8, 10};
const std::vector<int> kHarmonic = {0, 1, 4, 5, 7, 8, 10};   // phrygian dominant
const std::vector<int> kDorian = {0, 2, 3, 5, 7, 9, 10};

const TrackSpec kTracks[] = {
    {0, 72, kMajor, 132, 16, {0, 4, 5, 3, 0, 4, 3, 4}, 0.5f, Osc::Square, 0.15f, true, Drums::Rock, 11, 2},
    {1, 77, kMajor, 124, 12, {0, 5, 1, 4}, 0.25f, Osc::Square, 0.1f, true, Drums::March, 23, 2},
    {2, 74, kHarmonic, 108, 12, {0, 0, 1, 0, 3, 1, 4, 0}, 0.25f, Osc::Square, 0.3f, false, Drums::Rock, 37, 1},
    {3, 76, kMinor, 100, 12, {0, 5, 2, 6}, 0.5f, Osc::Triangle, 0.2f, true, Drums::Sparse, 41, 1},
    {4, 70, kMajor, 136, 16, {0, 2, 3, 4, 0, 5, 3, 4}, 0.125f, Osc::Square, 0.12f, true, Drums::Waltzy, 53, 2},
    {5, 69, kMinor, 92, 10, {0, 3, 0, 4, 5}, 0.5f, Osc::Triangle, 0.45f, false, Drums::Spooky, 67, 0},
    {10, 67, kMajor, 116, 14, {0, 3, 5, 4, 0, 3, 4}, 0.5f, Osc::Square, 0.2f, true, Drums::Gentle, 79, 1},
};

struct Rng {
    uint32_t s;
    uint32_t Next() { s = s * 1664525u + 1013904223u; return s >> 8; }
    int Range(int n) { return int(Next() % uint32_t(n)); }
};

class Loop {
public:
    explicit Loop(size_t n) : w_(n, 0.0f) {}
    // Mixes a tone in at start seconds; what runs past the end continues at the start.
    void Add(const Tone& t, float start)
    {
        SoundBuffer b(0.0f);
        b.Add(t, 0.0f);
        const size_t at = size_t(start * kSampleRate);
        const Wave& s = b.Raw();
        for (size_t i = 0; i < s.size(); ++i) w_[(at + i) % w_.size()] += s[i];
    }
    Wave& Samples() { return w_; }

private:
    Wave w_;
};

Tone Note(Osc osc, float hz, float len, float vol, float duty = 0.5f)
{
    Tone t;
    t.osc = osc;
    t.freq = hz;
    t.duty = duty;
    t.attack = 0.006f;
    t.decay = std::min(0.08f, len * 0.3f);
    t.sustain = 0.7f;
    t.hold = std::max(0.0f, len - t.attack - t.decay - 0.02f);
    t.release = 0.06f;
    t.volume = vol;
    return t;
}

float DegreeHz(const TrackSpec& s, int degree, int octaveShift)
{
    const int oct = int(std::floor(degree / 7.0));
    const int d = degree - oct * 7;
    return MidiHz(float(s.root + s.scale[size_t(d)] + 12 * (oct + octaveShift)));
}

void AddDrums(Loop& loop, const TrackSpec& s, float beat, int bar, uint32_t seed)
{
    const float t0 = bar * 4 * beat;
    auto kick = [&](float at) {
        Tone t = Note(Osc::Sine, 150, 0.09f, 0.55f);
        t.freqEnd = 40;
        t.attack = 0.002f;
        loop.Add(t, t0 + at * beat);
    };
    auto snare = [&](float at, float vol) {
        Tone t = Note(Osc::Noise, 6000, 0.07f, vol);
        t.freqEnd = 2500;
        t.attack = 0.001f;
        t.seed = seed + uint32_t(bar * 16 + at * 4);
        loop.Add(t, t0 + at * beat);
    };
    auto hat = [&](float at, float vol) {
        Tone t = Note(Osc::Noise, 11000, 0.015f, vol);
        t.attack = 0.001f;
        t.release = 0.02f;
        t.seed = seed + 7 + uint32_t(bar * 16 + at * 4);
        loop.Add(t, t0 + at * beat);
    };
    switch (s.drums) {
    case Drums::Rock:
        kick(0); kick(2); kick(2.5f);
        snare(1, 0.3f); snare(3, 0.3f);
        for (int i = 0; i < 8; ++i) hat(i * 0.5f, 0.08f);
        break;
    case Drums::March:
        kick(0); kick(2);
        snare(1, 0.25f); snare(3, 0.25f); snare(3.5f, 0.12f);
        for (int i = 0; i < 4; ++i) hat(i + 0.5f, 0.08f);
        break;
    case Drums::Sparse:
        kick(0);
        if (bar % 2) snare(2, 0.15f);
        for (int i = 0; i < 4; ++i) hat(i + 0.5f, 0.05f);
        break;
    case Drums::Waltzy:
        kick(0); kick(2);
        snare(1, 0.18f); snare(3, 0.18f);
        for (int i = 0; i < 8; ++i) hat(i * 0.5f, i % 2 ? 0.07f : 0.04f);
        break;
    case Drums::Spooky:
        kick(0);
        if (bar % 2 == 1) kick(2.5f);
        snare(3, 0.12f);
        hat(1.5f, 0.05f);
        break;
    case Drums::Gentle:
        kick(0); kick(2.5f);
        snare(2, 0.18f);
        for (int i = 0; i < 8; ++i) hat(i * 0.5f, 0.05f);
        break;
    }
}

// Rhythms of one bar in eighths (each entry a note length; negative = rest).
const std::vector<std::vector<int>> kRhythms[3] = {
    {{4, 4}, {6, 2}, {2, -2, 4}, {8}},
    {{2, 2, 4}, {3, 1, 4}, {2, 2, 2, 2}, {4, 2, 2}, {6, 2}},
    {{2, 1, 1, 2, 2}, {1, 1, 2, 2, 2}, {2, 2, 1, 1, 2}, {3, 1, 2, 2}, {2, 2, 2, 2}},
};

Wave Compose(const TrackSpec& s)
{
    const float beat = 60.0f / float(s.bpm);
    const float eighth = beat / 2;
    const size_t length = size_t(std::lround(s.bars * 4 * beat * kSampleRate));
    Loop loop(length);
    Rng rng{s.seed};
    const auto& rhythms = kRhythms[s.density];
    // A four-bar phrase: motif, answer, contrast, motif again.
    const int motif[4] = {rng.Range(int(rhythms.size())), rng.Range(int(rhythms.size())),
                          rng.Range(int(rhythms.size())), 0};
    int degree = 0;
    for (int bar = 0; bar < s.bars; ++bar) {
        const int chord = s.chords[size_t(bar) % s.chords.size()];
        const float t0 = bar * 4 * beat;
        // Bass: root and fifth in a walking pattern, an octave below the lead twice.
        for (int i = 0; i < 4; ++i) {
            const int deg = chord + (i == 2 ? 4 : 0) + (i == 3 && s.drums != Drums::Spooky ? 7 : 0);
            loop.Add(Note(Osc::Triangle, DegreeHz(s, deg, -2), beat * 0.9f, 0.32f), t0 + i * beat);
        }
        if (s.arps) {
            const int tones[4] = {0, 2, 4, 7};
            for (int i = 0; i < 16; ++i) {
                const float hz = DegreeHz(s, chord + tones[i % 4], -1 + (i / 8) % 2);
                loop.Add(Note(Osc::Pulse12, hz, beat / 4 * 0.8f, 0.05f), t0 + i * beat / 4);
            }
        }
        // Lead: chord tone on the downbeat, stepwise after, resolving at the loop end.
        const auto& rhythm = rhythms[size_t(motif[bar % 4])];
        float at = 0;
        bool first = true;
        for (int len : rhythm) {
            if (len < 0) { at += float(-len); continue; }
            if (first) {
                const int target = chord + 2 * rng.Range(3);
                while (degree - target > 3) degree -= 7;
                while (target - degree > 3) degree += 7;
                degree = target + 7 * int(std::floor((degree - target + 3) / 7.0));
                first = false;
            } else {
                const int step = rng.Range(5) - 2;
                degree += step == 0 ? 1 : step;
            }
            degree = std::clamp(degree, -2, 9);
            if (bar == s.bars - 1 && at + float(len) >= 8) degree = 4;   // the dominant leads back in
            Tone t = Note(s.leadOsc, DegreeHz(s, degree, 0), eighth * float(len) * 0.92f, 0.2f, s.leadDuty);
            t.vibDepth = s.leadVib;
            t.vibRate = 5.5f;
            loop.Add(t, t0 + at * eighth);
            at += float(len);
        }
        AddDrums(loop, s, beat, bar, s.seed);
    }
    // Soften the square edges; run the filter round the loop twice so it is circular too.
    Wave& w = loop.Samples();
    const float a = 1 - std::exp(-6.2831853f * 4500.0f / kSampleRate);
    float y = 0;
    for (int pass = 0; pass < 2; ++pass)
        for (float& v : w) {
            y += a * (v - y);
            if (pass == 1) v = y;
        }
    // On pass 0 the samples were left as they were, so y carries the loop's end state in.
    // Every track at the same average power, with headroom for the encoder's overshoot.
    double power = 0;
    float peak = 0;
    for (float v : w) {
        power += double(v) * v;
        peak = std::max(peak, std::fabs(v));
    }
    const float rms = float(std::sqrt(power / double(std::max<size_t>(1, w.size()))));
    // Up to 4 dB of peaks go into the limiter, which runs over three copies of the loop so
    // the middle one, kept, sees the loop's own end before its start and stays seamless.
    const float g = peak > 0 ? std::min(kMusicRms / rms, 1.6f * kMusicPeak / peak) : 1.0f;
    Wave three;
    three.reserve(w.size() * 3);
    for (int k = 0; k < 3; ++k)
        for (float v : w) three.push_back(v * g);
    Limit(three, kMusicPeak);
    std::copy(three.begin() + std::ptrdiff_t(w.size()), three.begin() + std::ptrdiff_t(2 * w.size()), w.begin());
    return w;
}

std::vector<uint8_t> EncodeOgg(const Wave& w)
{
    std::vector<uint8_t> out;
    vorbis_info vi;
    vorbis_info_init(&vi);
    vorbis_encode_init_vbr(&vi, 1, kSampleRate, kVorbisQuality);
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, kOggSerial);
    ogg_page og;
    ogg_packet op, oc, ocode;
    auto page = [&] {
        out.insert(out.end(), og.header, og.header + og.header_len);
        out.insert(out.end(), og.body, og.body + og.body_len);
    };
    vorbis_analysis_headerout(&vd, &vc, &op, &oc, &ocode);
    ogg_stream_packetin(&os, &op);
    ogg_stream_packetin(&os, &oc);
    ogg_stream_packetin(&os, &ocode);
    while (ogg_stream_flush(&os, &og)) page();
    auto drain = [&] {
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            while (vorbis_bitrate_flushpacket(&vd, &op)) {
                ogg_stream_packetin(&os, &op);
                while (ogg_stream_pageout(&os, &og)) page();
            }
        }
    };
    constexpr size_t kChunk = 4096;
    for (size_t i = 0; i < w.size(); i += kChunk) {
        const size_t n = std::min(kChunk, w.size() - i);
        float** buf = vorbis_analysis_buffer(&vd, int(n));
        std::memcpy(buf[0], w.data() + i, n * sizeof(float));
        vorbis_analysis_wrote(&vd, int(n));
        drain();
    }
    vorbis_analysis_wrote(&vd, 0);
    drain();
    while (ogg_stream_flush(&os, &og)) page();
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return out;
}

}  // namespace

Wave ComposeMusic(int n)
{
    for (const TrackSpec& s : kTracks)
        if (s.number == n) return Compose(s);
    return {};
}

std::vector<uint8_t> MakeMusic(int n) { return EncodeOgg(ComposeMusic(n)); }

}  // namespace zelka::assets
