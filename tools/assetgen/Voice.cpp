// Spoken lines through the speech engine, shaped per speaker.

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "tools/assetgen/Audio.h"
#include "tools/assetgen/Synth.h"

namespace zelka::assets {

namespace {

constexpr float kVoicePeak = 0.95f;   // before the effect mix scales it by 0.9-0.95

enum class Post { None, Echo, Gravel, Deep, Ghost, Whisper };

struct Speaker {
    const char* voice;   // language + variant
    int pitch;           // 0..100, 50 normal
    int range;           // 0..100
    int rate;            // words per minute
    Post post;
};

// Roster order, then the announcer.
const Speaker kSpeakers[] = {
    {"en+f3", 62, 70, 170, Post::None},       // Mira
    {"en+m7", 18, 60, 145, Post::Gravel},     // Brakken
    {"en+whisperf", 40, 40, 160, Post::Whisper},  // Sable
    {"en+m1", 62, 75, 180, Post::None},       // Wren
    {"en+m2", 4, 20, 115, Post::Deep},        // Gravo
    {"en+f4", 95, 90, 190, Post::None},       // Nella
    {"en+f5", 72, 90, 150, Post::Ghost},      // Oska
};
const Speaker kAnnouncer = {"en+m3", 32, 55, 150, Post::Echo};

struct Line {
    int number;
    int speaker;   // roster id, or -1 for the announcer
    const char* text;
};

const Line kLines[] = {
    {100, 0, "Mira Voss!"}, {101, 0, "Let's dig in!"},
    {102, 1, "Cap'n Brakken!"}, {103, 1, "Yarr! Treasure!"},
    {104, 2, "Sable Shade."}, {105, 2, "Into the shadows."},
    {106, 3, "Wren Arrow!"}, {107, 3, "Right on target!"},
    {108, 4, "Gravo Knapp."}, {109, 4, "Dig. Deep."},
    {110, 5, "Nella Pip!"}, {111, 5, "Hee hee! Let's go!"},
    {112, 6, "Oska Veyl."}, {113, 6, "Booo!"},
    {200, -1, "The Lost Tombs!"}, {201, -1, "The Frozen Labyrinth!"},
    {202, -1, "The Grand Gallery!"}, {203, -1, "The Haunted Graveyard!"},
    {300, -1, "Choose your character!"},
    {302, -1, "Ready? Go!"},
    {303, -1, "Time up!"},
    {400, -1, "Epickaxe!"}, {401, -1, "Teleporter!"}, {402, -1, "Squeaky hammer!"},
    {403, -1, "It's a trap!"}, {404, -1, "Turbo sneakers!"}, {405, -1, "The ball and chain!"},
    {406, -1, "Hyper hand!"}, {407, -1, "Mighty shovel!"}, {408, -1, "Ice wand!"},
    {409, -1, "Roulette!"},
    {500, -1, "Pause."}, {501, -1, "Time out!"},
    {600, 0, "Too easy!"}, {601, 0, "Fortune favours the bold!"}, {602, 0, "Better luck next dig!"},
    {610, 1, "Yarr, the treasure be mine!"}, {611, 1, "Walk the plank, landlubber!"},
    {612, 1, "Har har! Outsailed ye!"},
    {620, 2, "You never saw me coming."}, {621, 2, "Silence is golden."}, {622, 2, "The shadows win again."},
    {630, 3, "Bullseye!"}, {631, 3, "Quick as an arrow!"}, {632, 3, "Nobody outruns me!"},
};

bool gReady = false;
Wave* gTarget = nullptr;

int Collect(short* samples, int count, espeak_EVENT*)
{
    if (samples && gTarget)
        for (int i = 0; i < count; ++i) gTarget->push_back(samples[i] / 32768.0f);
    return 0;
}

bool EnsureEngine()
{
    if (gReady) return true;
    const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (rate != kSampleRate) return false;
    espeak_SetSynthCallback(Collect);
    gReady = true;
    return true;
}

// Leading and trailing silence trimmed to a few milliseconds.
void Trim(Wave& w)
{
    const float gate = 0.01f;
    size_t a = 0, b = w.size();
    while (a < b && std::fabs(w[a]) < gate) ++a;
    while (b > a && std::fabs(w[b - 1]) < gate) --b;
    const size_t pad = kSampleRate / 200;
    a = a > pad ? a - pad : 0;
    b = std::min(w.size(), b + pad);
    w = Wave(w.begin() + long(a), w.begin() + long(b));
}

// A feedback echo `delayCs` hundredths of a second behind, the wave lengthened by `tails`
// delays of silence for it to ring out in.
void Echo(Wave& w, int delayCs, int tails, float gain)
{
    const size_t d = static_cast<size_t>(kSampleRate * delayCs / 100);
    w.resize(w.size() + static_cast<size_t>(tails) * d, 0.0f);
    for (size_t i = w.size(); i-- > d;) w[i] += gain * w[i - d];
}

void Shape(Wave& w, Post post)
{
    switch (post) {
    case Post::Echo:
        Echo(w, 9, 3, 0.28f);
        break;
    case Post::Gravel:
        for (float& s : w) s = std::tanh(2.2f * s) * 0.7f;
        break;
    case Post::Deep: {
        float y = 0;
        for (float& s : w) s = y += 0.35f * (s * 1.4f - y);
        break;
    }
    case Post::Ghost:
        for (size_t i = 0; i < w.size(); ++i) w[i] *= 0.75f + 0.25f * std::sin(6.2831853f * 7.0f * float(i) / kSampleRate);
        Echo(w, 14, 4, 0.4f);
        break;
    case Post::Whisper:
        Echo(w, 6, 2, 0.3f);
        break;
    case Post::None:
        break;
    }
}

Wave Speak(const Speaker& sp, const char* text)
{
    Wave w;
    if (!EnsureEngine()) return w;
    espeak_SetVoiceByName(sp.voice);
    espeak_SetParameter(espeakRATE, sp.rate, 0);
    espeak_SetParameter(espeakPITCH, sp.pitch, 0);
    espeak_SetParameter(espeakRANGE, sp.range, 0);
    espeak_SetParameter(espeakVOLUME, 100, 0);
    gTarget = &w;
    const std::string s = text;
    // The speech engine's breath noise draws from rand(), and so does the sound-server
    // client it starts on a fresh machine (to name its runtime folder): reseed before every
    // line so the same text always gives the same samples.
    std::srand(1);
    espeak_Synth(s.c_str(), s.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    espeak_Synchronize();
    gTarget = nullptr;
    Trim(w);
    Shape(w, sp.post);
    // Speech sits well below the synthesised effects: bring every line to one peak level.
    float peak = 0;
    for (float v : w) peak = std::max(peak, std::fabs(v));
    if (peak > 0)
        for (float& v : w) v *= kVoicePeak / peak;
    return w;
}

}  // namespace

Wave SpeakForEffect(int n)
{
    for (const Line& l : kLines)
        if (l.number == n) return Speak(l.speaker < 0 ? kAnnouncer : kSpeakers[l.speaker], l.text);
    return {};
}

void ShutdownSpeech()
{
    if (gReady) espeak_Terminate();
    gReady = false;
}

}  // namespace zelka::assets
