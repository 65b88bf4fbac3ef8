// Checks the generated data set in data/ against the generator's own manifest, through
// the game's container, image and sound loaders.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/crypt/FileCrypt.h"
#include "platform/audio/AudioDecoders.h"
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

std::vector<int16_t> Samples16(const AudioData& a)
{
    std::vector<int16_t> s(a.samples.size() / 2);
    for (size_t i = 0; i < s.size(); ++i) s[i] = int16_t(a.samples[2 * i] | (a.samples[2 * i + 1] << 8));
    return s;
}

TEST(AssetSet, EveryManifestFileExists)
{
    EXPECT_EQ(assets::Manifest().size(), 190u);
    std::set<std::string> paths;
    for (const AssetEntry& e : assets::Manifest()) {
        EXPECT_TRUE(paths.insert(e.path).second) << "listed twice: " << e.path;
        std::ifstream in(DataPath(e.path), std::ios::binary);
        EXPECT_TRUE(in.good()) << "missing: " << e.path;
    }
}

TEST(AssetSet, ImagesDecipherToPngsOfTheManifestSize)
{
    for (const AssetEntry& e : assets::Manifest()) {
        if (e.kind != AssetKind::EncImage && e.kind != AssetKind::PlainPng) continue;
        SCOPED_TRACE(e.path);
        std::vector<uint8_t> png;
        if (e.kind == AssetKind::EncImage) {
            auto body = FileCrypt::DecryptFileToMem(DataPath(e.path));
            ASSERT_TRUE(body.has_value()) << "does not decipher";
            png = std::move(*body);
        } else {
            png = ReadAll(DataPath(e.path));
            // The framework loader never deciphers this one: it must be a plain PNG.
            EXPECT_FALSE(FileCrypt::Decipher(png).has_value());
        }
        ASSERT_GE(png.size(), 8u);
        EXPECT_EQ(png[1], 'P');
        ImageData img;
        ASSERT_TRUE(DecodeImageData(png, img));
        EXPECT_EQ(img.width, e.width);
        EXPECT_EQ(img.height, e.height);
        EXPECT_EQ(img.depth, 4);
        if (e.tileW > 0) {
            const int tiles = (img.width / e.tileW) * (img.height / e.tileH);
            EXPECT_GE(tiles, e.minTiles);
        }
        // Something is drawn: not every pixel is clear.
        bool ink = false;
        for (size_t i = 3; i < img.pixels.size() && !ink; i += 4) ink = img.pixels[i] != 0;
        EXPECT_TRUE(ink);
    }
}

TEST(AssetSet, EveryAnimationFrameIsDrawn)
{
    // A blank cell in a sequence makes the sprite blink out for a frame. The cells meant to
    // be empty are the item sheet's blank tile and its unused ones, the unused first cell
    // of Gravo's sheet, and the lightmap's fully lit tile.
    const std::map<std::string, std::set<int>> blankByDesign = {
        {"items.imx", {4, 11, 12, 13}}, {"gc0/sprite.imx", {0}}, {"lightmap.imx", {5}}};
    for (const AssetEntry& e : assets::Manifest()) {
        if (e.kind != AssetKind::EncImage || e.tileW <= 0) continue;
        SCOPED_TRACE(e.path);
        auto png = FileCrypt::DecryptFileToMem(DataPath(e.path));
        ASSERT_TRUE(png.has_value());
        ImageData img;
        ASSERT_TRUE(DecodeImageData(*png, img));
        const int cols = img.width / e.tileW;
        const auto blank = blankByDesign.find(e.path);
        for (int t = 0; t < e.minTiles; ++t) {
            if (blank != blankByDesign.end() && blank->second.count(t)) continue;
            const int x0 = (t % cols) * e.tileW, y0 = (t / cols) * e.tileH;
            int ink = 0;
            for (int y = y0; y < y0 + e.tileH; ++y)
                for (int x = x0; x < x0 + e.tileW; ++x) ink += img.pixels[(size_t(y) * img.width + x) * 4 + 3] != 0;
            EXPECT_GT(ink, 0) << "tile " << t << " is blank";
        }
    }
}

TEST(AssetSet, BackdropsHaveNoHoles)
{
    // Full-screen backdrops are drawn over nothing: a see-through pixel shows the clear colour.
    for (const char* path : {"title_bg.imx", "results_bg.imx"}) {
        SCOPED_TRACE(path);
        auto png = FileCrypt::DecryptFileToMem(DataPath(path));
        ASSERT_TRUE(png.has_value());
        ImageData img;
        ASSERT_TRUE(DecodeImageData(*png, img));
        int seeThrough = 0;
        for (size_t i = 3; i < img.pixels.size(); i += 4) seeThrough += img.pixels[i] != 255;
        EXPECT_EQ(seeThrough, 0);
    }
}

TEST(AssetSet, HowToPlayPageKeepsItsLabelsReadable)
{
    // The how-to-play screen writes its texts straight onto this image, in grey, blue, green
    // and red: under every label box the page must stay dark, with no picture in the way.
    struct Box { int x, y, w, h; };
    const Box labels[] = {
        {20, 8, 240, 36},    {80, 50, 170, 20},   {274, 50, 175, 20},  {56, 213, 160, 22},  {332, 138, 200, 14},
        {88, 148, 90, 56},   {180, 148, 90, 56},  {56, 236, 122, 42},  {180, 236, 200, 14}, {180, 250, 90, 28},
        {332, 162, 138, 28}, {472, 162, 104, 28}, {336, 250, 238, 48},
    };
    auto png = FileCrypt::DecryptFileToMem(DataPath("htp.imx"));
    ASSERT_TRUE(png.has_value());
    ImageData img;
    ASSERT_TRUE(DecodeImageData(*png, img));
    ASSERT_EQ(img.width, 592);
    ASSERT_EQ(img.height, 308);
    for (const Box& b : labels) {
        SCOPED_TRACE(testing::Message() << "box at " << b.x << "," << b.y);
        int bright = 0;
        for (int y = b.y; y < b.y + b.h; ++y)
            for (int x = b.x; x < b.x + b.w; ++x) {
                const uint8_t* p = &img.pixels[(size_t(y) * img.width + x) * 4];
                const int luma = (p[0] * 299 + p[1] * 587 + p[2] * 114) / 1000;
                bright += luma > 80;
            }
        EXPECT_LE(bright * 50, b.w * b.h) << bright << " bright pixels under the text";   // at most 2 %
    }
}

TEST(AssetSet, EffectsAreWavsTheGameLoaderAccepts)
{
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
            const uint32_t size = (*wav)[at + 4] | ((*wav)[at + 5] << 8) | ((*wav)[at + 6] << 16) | ((*wav)[at + 7] << 24);
            EXPECT_EQ(size % 2, 0u);
            at += 8 + size;
        }
        EXPECT_EQ(at, wav->size());
        auto audio = audio::LoadWAV_mem(wav->data(), wav->size());
        ASSERT_TRUE(audio.has_value());
        EXPECT_EQ(audio->channels, 1);
        EXPECT_EQ(audio->bytesPerSample, 2);
        EXPECT_EQ(audio->rate, 22050);
        EXPECT_GT(audio->length, 22050 / 50);   // at least 20 ms
        EXPECT_LT(audio->length, 22050 * 5);
        const std::vector<int16_t> s = Samples16(*audio);
        EXPECT_GT(*std::max_element(s.begin(), s.end()), 3000) << "silent";
    }
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

TEST(AssetSet, EffectsAreCentredUnclippedAndEvenlyLoud)
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
        auto audio = audio::LoadWAV_mem(wav->data(), wav->size());
        ASSERT_TRUE(audio.has_value());
        const std::vector<int16_t> s = Samples16(*audio);
        ASSERT_FALSE(s.empty());
        double sum = 0;
        int peak = 0;
        for (int16_t v : s) {
            sum += v;
            peak = std::max(peak, std::abs(int(v)));
        }
        EXPECT_LT(peak, 32000) << "clipped or at the edge of clipping";
        EXPECT_LT(std::fabs(sum / double(s.size())), 0.01 * 32768) << "off centre";
        EXPECT_LE(std::abs(s.front()), 200) << "starts with a click";
        EXPECT_LE(std::abs(s.back()), 200) << "ends with a click";
        const double db = LoudestWindowDb(s, audio->rate);
        if (db > loudest) loudest = db, loudestName = e.path;
        if (db < quietest) quietest = db, quietestName = e.path;
    }
    EXPECT_LE(loudest - quietest, 9.0) << loudestName << " against " << quietestName;
    EXPECT_GT(quietest, -16.0) << quietestName << " is hard to hear next to the music";
}

TEST(AssetSet, ScoreTickLoopsWithoutAClick)
{
    auto wav = FileCrypt::DecryptFileToMem(DataPath("sfx/03.aux"));
    ASSERT_TRUE(wav.has_value());
    auto audio = audio::LoadWAV_mem(wav->data(), wav->size());
    ASSERT_TRUE(audio.has_value());
    const std::vector<int16_t> s = Samples16(*audio);
    EXPECT_NEAR(audio->length, 22050 * 120 / 1000, 2);
    EXPECT_LE(std::abs(s.front()), 200);
    EXPECT_LE(std::abs(s.back()), 200);
    EXPECT_LE(std::abs(s.back() - s.front()), 200);
}

// Decodes every track once; the loop test and the format test share the result.
const std::map<std::string, AudioData>& Tracks()
{
    static const std::map<std::string, AudioData> tracks = [] {
        std::map<std::string, AudioData> m;
        for (const AssetEntry& e : assets::Manifest()) {
            if (e.kind != AssetKind::Music) continue;
            auto ogg = FileCrypt::DecryptFileToMem(DataPath(e.path));
            if (!ogg) continue;
            auto a = audio::LoadOGG_mem(ogg->data(), ogg->size());
            if (a) m[e.path] = std::move(*a);
        }
        return m;
    }();
    return tracks;
}

TEST(AssetSet, MusicDecodesAsLoopsOfTwentyToFortySeconds)
{
    for (const AssetEntry& e : assets::Manifest()) {
        if (e.kind != AssetKind::Music) continue;
        SCOPED_TRACE(e.path);
        auto it = Tracks().find(e.path);
        ASSERT_NE(it, Tracks().end()) << "does not decipher or decode";
        const AudioData& a = it->second;
        EXPECT_EQ(a.channels, 1);
        const double seconds = double(a.length) / a.rate;
        EXPECT_GE(seconds, 20.0);
        EXPECT_LE(seconds, 40.0);
    }
}

TEST(AssetSet, MusicLoopPointJoinsWithoutAJump)
{
    // About 3 % of full scale: a loop cut in the middle of a note jumps far more.
    constexpr int kMaxJump = 1000;
    ASSERT_EQ(Tracks().size(), assets::MusicNumbers().size());
    for (const auto& [path, a] : Tracks()) {
        SCOPED_TRACE(path);
        const std::vector<int16_t> s = Samples16(a);
        ASSERT_GT(s.size(), 2u);
        EXPECT_LE(std::abs(int(s.back()) - int(s.front())), kMaxJump);
    }
}

TEST(AssetSet, MusicTracksAreCentredAndEquallyLoud)
{
    // Switching stages must not jump in level: every track within 1.5 dB of the others.
    double loudest = -200, quietest = 0;
    for (const auto& [path, a] : Tracks()) {
        SCOPED_TRACE(path);
        const std::vector<int16_t> s = Samples16(a);
        ASSERT_FALSE(s.empty());
        double sum = 0, power = 0;
        for (int16_t v : s) {
            sum += v;
            power += double(v) * v;
        }
        EXPECT_LT(std::fabs(sum / double(s.size())), 0.005 * 32768) << "off centre";
        const double db = 10 * std::log10(power / double(s.size()) / (32768.0 * 32768.0));
        loudest = std::max(loudest, db);
        quietest = std::min(quietest, db);
    }
    EXPECT_LE(loudest - quietest, 1.5);
}

// Font descriptions, read by the same rules as the game's parser: lines at "\n", tokens at
// single spaces (empty tokens skipped), key=value pairs with trimmed parts.
struct FontInfo {
    std::map<std::string, int> common;
    std::string pageFile;
    std::map<int, std::map<std::string, int>> chars;
    int kernings = 0;
};

std::string Trim(const std::string& s)
{
    size_t a = 0, b = s.size();
    while (a < b && static_cast<unsigned char>(s[a]) <= 32) ++a;
    while (b > a && static_cast<unsigned char>(s[b - 1]) <= 32) --b;
    return s.substr(a, b - a);
}

FontInfo ParseFont(const std::string& text)
{
    FontInfo f;
    std::stringstream lines(text);
    std::string line;
    while (std::getline(lines, line, '\n')) {
        std::vector<std::string> tokens;
        std::stringstream ts(line);
        std::string tok;
        while (std::getline(ts, tok, ' '))
            if (!tok.empty()) tokens.push_back(tok);
        if (tokens.empty()) continue;
        const std::string tag = Trim(tokens[0]);
        std::map<std::string, std::string> kv;
        for (size_t i = 1; i < tokens.size(); ++i) {
            const size_t eq = tokens[i].find('=');
            if (eq != std::string::npos) kv[Trim(tokens[i].substr(0, eq))] = Trim(tokens[i].substr(eq + 1));
        }
        auto num = [&](const char* k) { return kv.count(k) ? std::atoi(kv[k].c_str()) : 0; };
        if (tag == "common") {
            for (const char* k : {"lineHeight", "base", "scaleW", "scaleH", "pages"}) f.common[k] = num(k);
        } else if (tag == "page") {
            f.pageFile = kv["file"];
            if (f.pageFile.size() >= 2 && f.pageFile.front() == '"' && f.pageFile.back() == '"')
                f.pageFile = f.pageFile.substr(1, f.pageFile.size() - 2);
        } else if (tag == "char") {
            auto& c = f.chars[num("id")];
            for (const char* k : {"x", "y", "width", "height", "xoffset", "yoffset", "xadvance", "page"}) c[k] = num(k);
        } else if (tag == "kerning") {
            ++f.kernings;
        }
    }
    return f;
}

void CheckFont(const std::string& file, int minLineHeight, int maxLineHeight)
{
    SCOPED_TRACE(file);
    const std::vector<uint8_t> raw = ReadAll(DataPath(file));
    ASSERT_FALSE(raw.empty());
    const std::string text(raw.begin(), raw.end());
    EXPECT_EQ(text.find("  "), std::string::npos) << "single spaces only";
    EXPECT_EQ(text.find('\t'), std::string::npos);
    const FontInfo f = ParseFont(text);
    const int lineHeight = f.common.at("lineHeight");
    EXPECT_GE(lineHeight, minLineHeight);
    EXPECT_LE(lineHeight, maxLineHeight);
    EXPECT_EQ(f.kernings, 0);
    // The page is named .png and read from the enciphered .imx beside it.
    ASSERT_GE(f.pageFile.size(), 5u);
    EXPECT_EQ(f.pageFile.substr(f.pageFile.size() - 4), ".png");
    const std::string imx = f.pageFile.substr(0, f.pageFile.size() - 4) + ".imx";
    auto png = FileCrypt::DecryptFileToMem(DataPath(imx));
    ASSERT_TRUE(png.has_value());
    ImageData page;
    ASSERT_TRUE(DecodeImageData(*png, page));
    EXPECT_EQ(page.width, f.common.at("scaleW"));
    EXPECT_EQ(page.height, f.common.at("scaleH"));

    std::vector<int> codes;
    for (int c = 32; c <= 126; ++c) codes.push_back(c);
    for (int c : {0x2020, 0x2039, 0x2021, 0x203A}) codes.push_back(c);   // up, left, down, right arrows
    std::vector<std::array<int, 4>> rects;
    for (int code : codes) {
        SCOPED_TRACE(code);
        auto it = f.chars.find(code);
        ASSERT_NE(it, f.chars.end()) << "glyph missing";
        const auto& c = it->second;
        EXPECT_GT(c.at("xadvance"), 0);
        EXPECT_EQ(c.at("page"), 0);
        if (code == ' ') continue;
        EXPECT_GT(c.at("width"), 0);
        EXPECT_GE(c.at("yoffset"), 0);
        EXPECT_LE(c.at("yoffset") + c.at("height"), lineHeight);
        EXPECT_LE(c.at("x") + c.at("width"), page.width);
        EXPECT_LE(c.at("y") + c.at("height"), page.height);
        rects.push_back({c.at("x"), c.at("y"), c.at("width"), c.at("height")});
        // White ink on clear: every pixel is clear or white.
        int inked = 0;
        for (int y = c.at("y"); y < c.at("y") + c.at("height"); ++y)
            for (int x = c.at("x"); x < c.at("x") + c.at("width"); ++x) {
                const uint8_t* p = &page.pixels[(size_t(y) * page.width + x) * 4];
                if (p[3] == 0) continue;
                ++inked;
                EXPECT_TRUE(p[0] == 255 && p[1] == 255 && p[2] == 255);
            }
        EXPECT_GT(inked, 0);
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
