// Checks the generated data set in data/ against the generator's own manifest, through
// the game's container, image, sound and font loaders.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <map>
#include <numeric>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/crypt/FileCrypt.h"
#include "engine/text/Font.h"
#include "platform/audio/AudioDecoders.h"
#include "platform/core/Text.h"
#include "platform/graphics/GraphicsDevice.h"
#include "tools/assetgen/Manifest.h"

namespace zelka {
namespace {

using assets::AssetEntry;
using assets::AssetKind;

std::string DataPath(const std::string& rel) { return "data/" + rel; }

std::vector<uint8_t> ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The image inside an enciphered .imx file; fails the calling test when it does not decode.
ImageData DecodeImx(const std::string& path)
{
    ImageData img;
    auto png = FileCrypt::DecryptFileToMem(DataPath(path));
    EXPECT_TRUE(png.has_value()) << path << " does not decipher";
    EXPECT_TRUE(png && DecodeImageData(*png, img)) << path << " does not decode";
    return img;
}

struct Box {
    int x, y, w, h;
};

// Pixels of the box (the whole image by default) whose RGBA bytes pass `test`.
template <typename Test>
int CountPixels(const ImageData& img, Test test, Box box = {})
{
    if (box.w == 0) box = {0, 0, img.width, img.height};
    int count = 0;
    for (int y = box.y; y < box.y + box.h; ++y)
        for (int x = box.x; x < box.x + box.w; ++x) count += test(&img.pixels[(size_t(y) * img.width + x) * 4]);
    return count;
}

bool Inked(const uint8_t* rgba) { return rgba[3] != 0; }

std::vector<int16_t> Samples16(const AudioData& a)
{
    std::vector<int16_t> s(a.samples.size() / 2);
    for (size_t i = 0; i < s.size(); ++i) s[i] = int16_t(a.samples[2 * i] | (a.samples[2 * i + 1] << 8));
    return s;
}

TEST(AssetSet, EveryManifestFileExistsOnce)
{
    std::set<std::string> paths;
    for (const AssetEntry& e : assets::Manifest()) {
        EXPECT_TRUE(paths.insert(e.path).second) << "listed twice: " << e.path;
        EXPECT_TRUE(std::ifstream(DataPath(e.path), std::ios::binary).good()) << "missing: " << e.path;
    }
}

TEST(AssetSet, ImagesAreInkedPngsOfTheManifestSize)
{
    // A blank cell in a sequence makes the sprite blink out for a frame. The cells meant to
    // be empty are the item sheet's blank tile and its unused ones, the unused first cell
    // of Gravo's sheet, and the lightmap's fully lit tile.
    const std::map<std::string, std::set<int>> blankByDesign = {
        {"items.imx", {4, 11, 12, 13}}, {"gc0/sprite.imx", {0}}, {"lightmap.imx", {5}}};
    for (const AssetEntry& e : assets::Manifest()) {
        if (e.kind != AssetKind::EncImage && e.kind != AssetKind::PlainPng) continue;
        SCOPED_TRACE(e.path);
        ImageData img;
        if (e.kind == AssetKind::EncImage) {
            img = DecodeImx(e.path);
        } else {
            const std::vector<uint8_t> png = ReadAll(DataPath(e.path));
            // The framework loader never deciphers this one: it must be a plain PNG.
            EXPECT_FALSE(FileCrypt::Decipher(png).has_value());
            ASSERT_TRUE(DecodeImageData(png, img));
        }
        ASSERT_EQ(std::tuple(img.width, img.height, img.depth), std::tuple(e.width, e.height, 4));
        EXPECT_GT(CountPixels(img, Inked), 0);
        if (e.kind != AssetKind::EncImage || e.tileW <= 0) continue;   // the plain font has blank glyphs
        const int cols = img.width / e.tileW;
        ASSERT_GE(cols * (img.height / e.tileH), e.minTiles);
        const auto blank = blankByDesign.find(e.path);
        for (int t = 0; t < e.minTiles; ++t) {
            if (blank != blankByDesign.end() && blank->second.count(t)) continue;
            const Box tile{(t % cols) * e.tileW, (t / cols) * e.tileH, e.tileW, e.tileH};
            EXPECT_GT(CountPixels(img, Inked, tile), 0) << "tile " << t << " is blank";
        }
    }
}

TEST(AssetSet, BackdropsAndTheHowToPlayPageSuitHowTheyAreDrawn)
{
    // Full-screen backdrops are drawn over nothing: a see-through pixel shows the clear colour.
    for (const char* path : {"title_bg.imx", "results_bg.imx"}) {
        EXPECT_EQ(CountPixels(DecodeImx(path), [](const uint8_t* p) { return p[3] != 255; }), 0) << path;
    }
    // The how-to-play screen writes its texts straight onto this image, in grey, blue, green
    // and red: under every label box the page must stay dark, with no picture in the way.
    const Box labels[] = {
        {20, 8, 240, 36},    {80, 50, 170, 20},   {274, 50, 175, 20},  {56, 213, 160, 22},  {332, 138, 200, 14},
        {88, 148, 90, 56},   {180, 148, 90, 56},  {56, 236, 122, 42},  {180, 236, 200, 14}, {180, 250, 90, 28},
        {332, 162, 138, 28}, {472, 162, 104, 28}, {336, 250, 238, 48},
    };
    const ImageData img = DecodeImx("htp.imx");
    ASSERT_EQ(std::pair(img.width, img.height), std::pair(592, 308));
    for (const Box& b : labels) {
        const int bright =
            CountPixels(img, [](const uint8_t* p) { return (p[0] * 299 + p[1] * 587 + p[2] * 114) / 1000 > 80; }, b);
        EXPECT_LE(bright * 50, b.w * b.h) << bright << " bright pixels under the text at " << b.x << "," << b.y;
    }
}

// Pictures that the screens write text on: where the text lands (ink and a small margin,
// from the label boxes the screens place) there is neither a rim, an ornament nor an icon.
TEST(AssetSet, FramesLeaveTheTextTheScreensPutOnThemClear)
{
    const auto bright = [](const uint8_t* p) { return p[3] != 0 && (p[0] * 299 + p[1] * 587 + p[2] * 114) / 1000 > 80; };
    const auto clear = [&](const char* path, std::initializer_list<Box> boxes) {
        const ImageData img = DecodeImx(path);
        for (const Box& b : boxes) {
            ASSERT_TRUE(b.x >= 0 && b.y >= 0 && b.x + b.w <= img.width && b.y + b.h <= img.height) << path;
            EXPECT_EQ(CountPixels(img, bright, b), 0) << path << ": something bright under the text at " << b.x << ","
                                                      << b.y;
        }
    };
    // Top bar: the clock ("00:00" to "03:30" shrunk into 110 x 32), the names, the scores and
    // the race's "GOAL" captions.
    clear("topbar.imx", {{263, 3, 112, 24}, {80, 4, 82, 9}, {478, 4, 82, 9}, {268, 44, 44, 14}, {328, 44, 44, 14},
                         {276, 33, 28, 10}, {336, 33, 28, 10}});
    // Character select: "WINS n" at both top corners and player two's "PRESS ANY KEY".
    clear("charselover.imx", {{18, 6, 112, 18}, {508, 6, 114, 18}, {433, 6, 202, 18}});
    // Lock card: the wrapped text beside the icon runs from 95 left to 143 right of the centre.
    const ImageData card = DecodeImx("msgbox.imx");
    clear("msgbox.imx", {{card.width / 2 - 95, 10, 238, 44}});

    // The speech bubble is mirrored toward player one and drawn as is for player two, who
    // stands on the right: its tail (everything below the body) points right.
    const ImageData bubble = DecodeImx("chardialog.imx");
    const Box below{0, 82, bubble.width, bubble.height - 82};
    const int left = CountPixels(bubble, Inked, {0, below.y, bubble.width / 2, below.h});
    EXPECT_EQ(left, 0);
    EXPECT_GT(CountPixels(bubble, Inked, below), 0);
}

// Loudest 50 ms of a clip in dBFS (power of 16-bit samples), a short clip counted whole.
double LoudestWindowDb(const std::vector<int16_t>& s, int rate)
{
    const size_t win = size_t(rate / 20);
    double best = 0;
    for (size_t at = 0; at < s.size(); at += win / 4) {
        double sum = 0;
        const size_t end = std::min(s.size(), at + win);
        for (size_t i = at; i < end; ++i) sum += double(s[i]) * s[i];
        best = std::max(best, sum / double(std::min(win, s.size())) / (32768.0 * 32768.0));
        if (end == s.size()) break;
    }
    return 10 * std::log10(std::max(best, 1e-12));
}

TEST(AssetSet, EffectsAreCleanEvenlyLoudWavsTheGameLoaderAccepts)
{
    // A listening pass by numbers: no clip touches full scale, none sits off centre (an
    // unbalanced pulse wave does), none starts or ends on a jump, and the loudest and the
    // quietest effect are within a player's comfortable range of each other.
    double loudest = -200, quietest = 0;
    std::string loudestName, quietestName;
    for (const AssetEntry& e : assets::Manifest()) {
        if (e.kind != AssetKind::Sfx) continue;
        SCOPED_TRACE(e.path);
        auto wav = FileCrypt::DecryptFileToMem(DataPath(e.path));
        ASSERT_TRUE(wav.has_value());
        // "fmt " must be the first chunk and every chunk size even (pad bytes are not skipped).
        ASSERT_GE(wav->size(), 44u);
        EXPECT_EQ(std::string(wav->begin() + 12, wav->begin() + 16), "fmt ");
        size_t at = 12;
        while (at + 8 <= wav->size()) {
            const uint32_t size =
                (*wav)[at + 4] | ((*wav)[at + 5] << 8) | ((*wav)[at + 6] << 16) | ((*wav)[at + 7] << 24);
            EXPECT_EQ(size % 2, 0u);
            at += 8 + size;
        }
        EXPECT_EQ(at, wav->size());
        auto audio = audio::LoadWAV_mem(wav->data(), wav->size());
        ASSERT_TRUE(audio.has_value());
        EXPECT_EQ(std::tuple(audio->channels, audio->bytesPerSample, audio->rate), std::tuple(1, 2, 22050));
        EXPECT_TRUE(audio->length > 22050 / 50 && audio->length < 22050 * 5) << audio->length;   // 20 ms to 5 s
        const std::vector<int16_t> s = Samples16(*audio);
        ASSERT_FALSE(s.empty());
        const auto [low, high] = std::minmax_element(s.begin(), s.end());
        const int peak = std::max(-int(*low), int(*high));
        EXPECT_GT(peak, 3000) << "silent";
        EXPECT_LT(peak, 32000) << "clipped or at the edge of clipping";
        EXPECT_LT(std::fabs(std::accumulate(s.begin(), s.end(), 0.0) / double(s.size())), 0.01 * 32768) << "off centre";
        EXPECT_LE(std::abs(s.front()), 200) << "starts with a click";
        EXPECT_LE(std::abs(s.back()), 200) << "ends with a click";
        if (e.path == "sfx/03.aux") {   // the score tick, played as a loop
            EXPECT_NEAR(audio->length, 22050 * 120 / 1000, 2);
            EXPECT_LE(std::abs(s.back() - s.front()), 200);
        }
        const double db = LoudestWindowDb(s, audio->rate);
        if (db > loudest) loudest = db, loudestName = e.path;
        if (db < quietest) quietest = db, quietestName = e.path;
    }
    EXPECT_LE(loudest - quietest, 9.0) << loudestName << " against " << quietestName;
    EXPECT_GT(quietest, -16.0) << quietestName << " is hard to hear next to the music";
}

TEST(AssetSet, MusicTracksAreCentredEquallyLoudLoopsOfTwentyToFortySeconds)
{
    // About 3 % of full scale: a loop cut in the middle of a note jumps far more.
    constexpr int kMaxJump = 1000;
    int tracks = 0;
    double loudest = -200, quietest = 0;
    for (const AssetEntry& e : assets::Manifest()) {
        if (e.kind != AssetKind::Music) continue;
        SCOPED_TRACE(e.path);
        auto ogg = FileCrypt::DecryptFileToMem(DataPath(e.path));
        ASSERT_TRUE(ogg.has_value());
        auto a = audio::LoadOGG_mem(ogg->data(), ogg->size());
        ASSERT_TRUE(a.has_value());
        ++tracks;
        EXPECT_EQ(a->channels, 1);
        const double seconds = double(a->length) / a->rate;
        EXPECT_TRUE(seconds >= 20.0 && seconds <= 40.0) << seconds;
        const std::vector<int16_t> s = Samples16(*a);
        ASSERT_GT(s.size(), 2u);
        EXPECT_LE(std::abs(int(s.back()) - int(s.front())), kMaxJump) << "the loop point jumps";
        const double mean = std::accumulate(s.begin(), s.end(), 0.0) / double(s.size());
        EXPECT_LT(std::fabs(mean), 0.005 * 32768) << "off centre";
        const double power = std::inner_product(s.begin(), s.end(), s.begin(), 0.0) / double(s.size());
        const double db = 10 * std::log10(power / (32768.0 * 32768.0));
        loudest = std::max(loudest, db);
        quietest = std::min(quietest, db);
    }
    EXPECT_EQ(tracks, static_cast<int>(assets::MusicNumbers().size()));
    // Switching stages must not jump in level: every track within 1.5 dB of the others.
    EXPECT_LE(loudest - quietest, 1.5);
}

// Reads a font description with the game's own parser. Its "page" line is checked here
// and left out of the parse, which would otherwise load the page through a graphics device.
void CheckFont(const std::string& file, int minLineHeight, int maxLineHeight)
{
    SCOPED_TRACE(file);
    const std::vector<uint8_t> raw = ReadAll(DataPath(file));
    ASSERT_FALSE(raw.empty());
    std::string text(raw.begin(), raw.end());
    EXPECT_EQ(text.find("  "), std::string::npos) << "single spaces only";
    EXPECT_EQ(text.find('\t'), std::string::npos);
    EXPECT_EQ(text.find("\nkerning "), std::string::npos);
    // The page is named .png and read from the enciphered .imx beside it.
    const size_t pageLine = text.find("\npage ");
    ASSERT_NE(pageLine, std::string::npos);
    const size_t fileAt = text.find("file=\"", pageLine) + 6;
    const std::string page = text.substr(fileAt, text.find('"', fileAt) - fileAt);
    ASSERT_GE(page.size(), 5u);
    EXPECT_EQ(page.substr(page.size() - 4), ".png");
    text.erase(pageLine + 1, text.find('\n', pageLine + 1) - pageLine);

    Font font;
    font.ParseFontDescription_(FromUtf8(text));
    const int lineHeight = font.GetLineHeight();
    EXPECT_TRUE(lineHeight >= minLineHeight && lineHeight <= maxLineHeight) << lineHeight;
    const ImageData img = DecodeImx(page.substr(0, page.size() - 4) + ".imx");
    EXPECT_EQ(std::pair(img.width, img.height),
              std::pair(font.GetCommonInfo().scaleWidth, font.GetCommonInfo().scaleHeight));

    std::vector<int> codes;
    for (int c = 32; c <= 126; ++c) codes.push_back(c);
    for (int c : {0x2020, 0x2039, 0x2021, 0x203A}) codes.push_back(c);   // up, left, down, right arrows
    std::vector<std::array<int, 4>> rects;
    for (int code : codes) {
        SCOPED_TRACE(code);
        const CharInfo* c = font.GetGlyph(static_cast<char32_t>(code));
        ASSERT_NE(c, nullptr) << "glyph missing";
        EXPECT_TRUE(c->xAdvance > 0 && c->page == 0);
        if (code == ' ') continue;
        EXPECT_TRUE(c->width > 0 && c->yOffset >= 0 && c->yOffset + c->height <= lineHeight)
            << c->width << " wide at " << c->yOffset << ", " << c->height << " high";
        ASSERT_TRUE(c->x + c->width <= img.width && c->y + c->height <= img.height) << "outside the page";
        rects.push_back({c->x, c->y, c->width, c->height});
        // White ink on clear: every pixel is clear or white.
        const Box glyph{c->x, c->y, c->width, c->height};
        EXPECT_GT(CountPixels(img, Inked, glyph), 0);
        const auto tinted = [](const uint8_t* p) { return p[3] != 0 && (p[0] & p[1] & p[2]) != 255; };
        EXPECT_EQ(CountPixels(img, tinted, glyph), 0);
    }
    // Recolouring repaints whole glyph rectangles: they keep at least a 1-px gap.
    for (size_t i = 0; i < rects.size(); ++i)
        for (size_t j = i + 1; j < rects.size(); ++j) {
            const auto& a = rects[i];
            const auto& b = rects[j];
            const bool apart = a[0] + a[2] < b[0] || b[0] + b[2] < a[0] || a[1] + a[3] < b[1] || b[1] + b[3] < a[1];
            EXPECT_TRUE(apart) << "glyph rectangles " << i << " and " << j << " touch";
        }
}

TEST(AssetSet, FontsParseWithEveryGlyphInsideTheLineHeight)
{
    CheckFont("press_start_k.fnt", assets::kStdFontLineHeight, assets::kStdFontLineHeight);
    CheckFont("upheaval.fnt", 1, assets::kSecFontMaxLineHeight);
}

}  // namespace
}  // namespace zelka
