#include "engine/text/RetroFont.h"

#include <gtest/gtest.h>

#include <limits>

#include "MediaTestSupport.h"
#include "engine/text/FontCache.h"
#include "engine/text/RetroFontWithShadow.h"

namespace zelka {
namespace {

constexpr int kClear = 0x00000000;
constexpr int kInk = static_cast<int>(0x80FFFFFFu);   // half-transparent white
constexpr std::array<int, 3> kColourA = {240, 240, 240};
const RGB kColourB(160, 160, 240);
constexpr int kArgbA = static_cast<int>(0xFFF0F0F0u);
constexpr int kArgbB = static_cast<int>(0xFFA0A0F0u);

CharInfo Glyph(int x, int y, int width, int height, int yOffset, int page)
{
    return {.x = x, .y = y, .width = width, .height = height, .yOffset = yOffset, .page = page};
}

// Line-box rows 10 and 14 onward take colour B, the rest colour A; transparent pixels stay.
TEST(RetroFontRecolour, BandsFollowTheLineBoxRowNotTheGlyphRow)
{
    // One column of ink 20 rows tall, drawn from line-box row 0.
    const int width = 3;
    const int height = 20;
    std::vector<int> pixels(width * height, kClear);
    for (int row = 0; row < height; ++row) pixels[row * width + 1] = kInk;
    RetroFont::RecolourPage(pixels, width, height, {{65, Glyph(0, 0, 3, 20, 0, 0)}}, 0, kColourA, kColourB);
    for (int row = 0; row < height; ++row) {
        const bool lower = row == 10 || row > 13;
        EXPECT_EQ(pixels[row * width + 1], lower ? kArgbB : kArgbA) << "row " << row;
        EXPECT_EQ(pixels[row * width], kClear) << "row " << row;
    }
    // A glyph drawn 8 rows down the line box: its row 2 is line-box row 10.
    std::vector<int> shifted(4 * 4, kInk);
    RetroFont::RecolourPage(shifted, 4, 4, {{66, Glyph(0, 0, 4, 4, 8, 0)}}, 0, kColourA, kColourB);
    EXPECT_EQ((std::vector<int>{shifted[1 * 4], shifted[2 * 4], shifted[3 * 4]}),   // rows 9, 10, 11
              (std::vector<int>{kArgbA, kArgbB, kArgbA}));
}

// The loop as first written wrote out of bounds and onto the wrong page.
TEST(RetroFontRecolour, OnlyGlyphsOfThisPageAndOnlyInsideThePage)
{
    const int width = 8;
    const int height = 8;
    std::vector<int> pixels(width * height, kInk);
    const std::map<int, CharInfo> glyphs = {
        {65, Glyph(6, 6, 5, 5, 0, 0)},    // sticks out right and below: clipped
        {66, Glyph(-2, -2, 4, 4, 0, 0)},  // sticks out left and above: clipped
        {67, Glyph(3, 0, 2, 2, 0, 1)},    // another page: untouched here
        {68, Glyph(0, 4, 2, -1, 0, 0)},   // negative height: skipped
    };
    RetroFont::RecolourPage(pixels, width, height, glyphs, 0, kColourA, kColourB);
    // A's and B's visible parts (B's rows 2 and 3); C is on page 1; D is skipped; (2, 2) is
    // outside every rectangle.
    EXPECT_EQ((std::vector<int>{pixels[7 * width + 7], pixels[6 * width + 6], pixels[1 * width + 1],
                                pixels[0 * width + 3], pixels[4 * width + 0], pixels[2 * width + 2]}),
              (std::vector<int>{kArgbA, kArgbA, kArgbA, kInk, kInk, kInk}));
    // A short pixel array is left alone rather than overrun.
    std::vector<int> shortArray(10, kInk);
    RetroFont::RecolourPage(shortArray, width, height, glyphs, 0, kColourA, kColourB);
    EXPECT_EQ(shortArray[0], kInk);

    // Font files may hold any int: rectangles at INT_MIN or INT_MAX lie outside the page,
    // and a huge y offset still picks a band. Runs clean under UBSan.
    std::vector<int> extreme(4 * 4, kInk);
    const int low = std::numeric_limits<int>::min();
    const int high = std::numeric_limits<int>::max();
    RetroFont::RecolourPage(extreme, 4, 4, {{65, Glyph(low, low, high, high, 0, 0)}, {66, Glyph(high, high, high, high, 0, 0)}},
                            0, kColourA, kColourB);
    EXPECT_EQ(extreme, std::vector<int>(4 * 4, kInk));
    RetroFont::RecolourPage(extreme, 4, 4, {{67, Glyph(0, 0, 1, 2, high, 0)}}, 0, kColourA, kColourB);
    EXPECT_EQ((std::array<int, 2>{extreme[0], extreme[4]}), (std::array<int, 2>{kArgbB, kArgbB}));
}

class RetroFontTest : public testing_media::RecordingFixture {
protected:
    void SetUp() override
    {
        RecordingFixture::SetUp();
        Texture::encryptionEnabled = true;   // the generated data set is enciphered
        probe_ = Font::New(U"press_start_k.fnt");
        ASSERT_FALSE(probe_->GetPages().empty()) << "generated data set not found (build zelka_data)";
    }

    void TearDown() override
    {
        probe_->Deallocate();
        FontCache::Clear();
        RetroFontWithShadow::shadowFont.reset();
        RecordingFixture::TearDown();
    }

    Ref<Font> probe_;
};

// The recoloured pixels themselves are checked on screen by GeneratedMediaTest.
TEST_F(RetroFontTest, PagesAreReplacedByCopiesAndAScreenVisitedAgainAddsNoTextures)
{
    const int before = Texture::RegisteredCount();
    const Ref<RetroFont> first = RetroFont::New(U"press_start_k.fnt", kColourA, kColourB);
    ASSERT_EQ(first->GetPages().size(), 1u);
    const Ref<Texture>& page = first->GetPages().at(0);
    EXPECT_EQ(page->GetSource(), U"__press_start_k_0.png");
    EXPECT_EQ(Texture::RegisteredCount(), before + 1);   // the original page was released
    EXPECT_TRUE(page->IsUndrawn());
    EXPECT_FALSE(page->IsKept());

    const int nextId = Texture::NextId();
    // The screen is left (its fonts are shared, so its release leaves them) and shown again.
    first->Deallocate();
    const Ref<RetroFont> second = RetroFont::New(U"press_start_k.fnt", kColourA, kColourB);
    EXPECT_EQ(second, first);
    EXPECT_EQ(Texture::RegisteredCount(), before + 1);
    EXPECT_EQ(Texture::NextId(), nextId);
    EXPECT_EQ(second->GetPages().size(), 1u);
    // Other colours are another font.
    const Ref<RetroFont> other = RetroFont::New(U"press_start_k.fnt", kColourA, RGB(1, 2, 3));
    EXPECT_NE(other, first);
    EXPECT_EQ(FontCache::Size(), 2);
}

TEST_F(RetroFontTest, ShadowIsTheSecondaryFontTintedAndOffset)
{
    RetroFontWithShadow::shadowFont = Font::New(U"upheaval.fnt");
    ASSERT_FALSE(RetroFontWithShadow::shadowFont->GetPages().empty());
    const Ref<RetroFontWithShadow> font = RetroFontWithShadow::New(kColourA, kColourB);
    EXPECT_EQ(font->GetFilename(), U"upheaval.fnt");
    EXPECT_EQ(RetroFontWithShadow::New(kColourA, kColourB), font);
    same::SetTint(255, 255, 255);
    device_.ClearCalls();
    font->RenderString(U"A", 100, 100);
    const auto draws = SurfaceDraws();
    ASSERT_EQ(draws.size(), 2u);
    const CharInfo* a = font->GetGlyph(U'A');
    EXPECT_EQ(draws[0].surface, RetroFontWithShadow::shadowFont->GetPages().at(0)->GetImage()->GetSurface());
    EXPECT_EQ(draws[0].color, (std::array<float, 3>{56, 56, 116}));
    EXPECT_EQ(DevicePoint(draws[0]), (std::array<float, 2>{104.0f + a->xOffset, 102.0f + a->yOffset}));
    EXPECT_EQ(draws[1].surface, font->GetPages().at(0)->GetImage()->GetSurface());
    EXPECT_EQ(draws[1].color, (std::array<float, 3>{255, 255, 255}));
    EXPECT_EQ(DevicePoint(draws[1]), (std::array<float, 2>{100.0f + a->xOffset, 100.0f + a->yOffset}));
    RetroFontWithShadow::shadowFont->Deallocate();
}

}  // namespace
}  // namespace zelka
