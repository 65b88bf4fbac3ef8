#include "engine/text/Font.h"

#include <gtest/gtest.h>

#include <fstream>

#include "MediaTestSupport.h"
#include "engine/text/EmbossFont.h"
#include "engine/text/FontCache.h"
#include "engine/text/TextConstants.h"

namespace zelka {
namespace {

using testing_media::StdoutToStderr;

// Two glyphs on page 0 (a 64 x 64 fake image), the space, and a kerning pair A-V.
constexpr const char* kDescription =
    "info face=test size=8\r\n"
    "common lineHeight=17  base=12 scaleW=64 scaleH=64 pages=1\r\n"
    "page id=0 file=\"fontpage.png\"\r\n"
    "chars count=3\r\n"
    "char id=65   x=1 y=2 width=8 height=9 xoffset=-1 yoffset=3 xadvance=10 page=0\r\n"
    "char id=86 x=20 y=2 width=8 height=9 xoffset=0 yoffset=3 xadvance=10 page=0\r\n"
    "char id=32 x=0 y=0 width=0 height=0 xoffset=0 yoffset=0 xadvance=6 page=0\r\n"
    "kernings count=1\r\n"
    "kerning first=65 second=86 amount=-2\r\n";

class FontTest : public testing_media::RecordingFixture {
protected:
    void SetUp() override
    {
        RecordingFixture::SetUp();
        device_.AddFakeImage("fontpage.png", 64, 64);
        font_ = Parse(kDescription);
    }

    void TearDown() override
    {
        font_->Deallocate();
        RecordingFixture::TearDown();
    }

    static Ref<Font> Parse(const char* description)
    {
        auto font = std::make_shared<Font>();
        font->ParseFontDescription_(FromLatin1(description));
        return font;
    }

    // Device-space top-left corners of the glyphs drawn so far.
    std::vector<std::array<float, 2>> GlyphCorners() const
    {
        std::vector<std::array<float, 2>> corners;
        for (const DeviceCall& call : SurfaceDraws()) corners.push_back(DevicePoint(call));
        return corners;
    }

    Ref<Font> font_;
};

// The parser splits lines at every single space (two spaces give an empty token) and trims
// each key and value, so a line's last value keeps no "\r".
TEST_F(FontTest, ParsesEveryPairDespiteRepeatedSpacesAndCarriageReturns)
{
    EXPECT_EQ(font_->GetLineHeight(), 17);
    EXPECT_EQ(font_->GetCommonInfo().base, 12);
    const CharInfo* a = font_->GetGlyph(U'A');
    ASSERT_NE(a, nullptr);
    // x advance is the last pair of the line, "\r" and all.
    EXPECT_EQ((std::array<int, 4>{a->x, a->xOffset, a->yOffset, a->xAdvance}), (std::array<int, 4>{1, -1, 3, 10}));
    EXPECT_EQ(font_->GetKerningAmount_(U'A', U'V'), -2);
    EXPECT_EQ(font_->GetKerningAmount_(U'V', U'A'), 0);
    ASSERT_EQ(font_->GetPages().size(), 1u);
    EXPECT_EQ(font_->GetPages().at(0)->GetSource(), U"fontpage.png");   // quotes gone
}

TEST_F(FontTest, LaterDefinitionsReplaceAndMalformedLinesAreIgnored)
{
    device_.AddFakeImage("\"half.png", 8, 8);
    const Ref<Font> font = Parse(
        "char id=66 xadvance=4\n"
        "char id=66 xadvance=7\n"          // repeated id: replaces
        "kerning first=66 second=66 amount=1\n"
        "kerning first=66 second=66 amount=3\n"
        " char id=67 xadvance=9\n"         // leading blank: the tag is empty
        "char\tid=68 xadvance=9\n"         // tabs do not separate
        "char id=+69 x=\t12abc xadvance=-5 width=none\n"
        "page file=\"half.png\n"           // one quote: kept; no id: page 0
        "bogus id=1\n"
        "\n");
    EXPECT_EQ(font->GetGlyph(66)->xAdvance, 7);
    EXPECT_EQ(font->GetKerningAmount_(66, 66), 3);
    EXPECT_EQ(font->GetGlyph(67), nullptr);
    EXPECT_EQ(font->GetGlyph(68), nullptr);
    const CharInfo* e = font->GetGlyph(69);
    ASSERT_NE(e, nullptr);
    // x: the digits up to the first other character; width: no digits.
    EXPECT_EQ((std::array<int, 3>{e->x, e->xAdvance, e->width}), (std::array<int, 3>{12, -5, 0}));
    ASSERT_EQ(font->GetPages().count(0), 1u);
    EXPECT_EQ(font->GetPages().at(0)->GetSource(), U"\"half.png");
    font->Deallocate();
}

TEST_F(FontTest, KerningNarrowsThePairAtEveryScaleAndTheSharedPageKeepsItsHandle)
{
    EXPECT_EQ(font_->StringWidth(U"AV"), 18);
    EXPECT_EQ(font_->StringWidth(U"VA"), 20);
    font_->RenderString(U"AV", 100, 50);
    font_->RenderString(U"AV", 100, 50, false, 2, 2);
    // Centred in y: the pen rises by half the line height (8 in whole pixels) times 2.
    font_->RenderString(U"A", 0, 100, true, 1, 2);
    // A at offset (-1, 3); V at 100 + 10 - 2; at scale 2 offsets and advances double (V at
    // 100 + 20 - 4); the centred A starts at 100 - 8 * 2, plus its offset times 2.
    EXPECT_EQ(GlyphCorners(), (std::vector<std::array<float, 2>>{
                                  {99, 53}, {108, 53}, {98, 56}, {116, 56}, {-1, 84 + 3 * 2}}));
    // The glyph's own rectangle of the page is drawn.
    const auto draws = SurfaceDraws();
    EXPECT_EQ((std::vector<float>(draws[0].args.begin() + 2, draws[0].args.begin() + 6)),
              (std::vector<float>{1.0f, 2.0f, 8.0f, 9.0f}));
    EXPECT_FLOAT_EQ(draws[2].matrix[0], 2.0f);
    // The page image is shared with other users: its centred handle is unchanged.
    const Ref<Texture> page = font_->GetPages().at(0);
    EXPECT_EQ((std::array<float, 2>{page->GetImage()->HandleX(), page->GetImage()->HandleY()}),
              (std::array<float, 2>{32.0f, 32.0f}));
    font_->Deallocate();
    EXPECT_FALSE(page->IsRegistered());
    EXPECT_TRUE(font_->GetPages().empty());
}

TEST_F(FontTest, ColourCodeTintsTheRestAndTheTintIsRestored)
{
    same::SetTint(10, 20, 30);
    const String text = Font::FT_Color(255, 0, 0) + U"AV";
    EXPECT_EQ(font_->StringWidth(text), font_->StringWidth(U"AV"));
    device_.ClearCalls();
    font_->RenderString(text, 0, 0);
    const auto draws = SurfaceDraws();
    ASSERT_EQ(draws.size(), 2u);
    for (const DeviceCall& call : draws) EXPECT_EQ(call.color, (std::array<float, 3>{255, 0, 0}));
    // Restored, with the tint stack's push and pop balanced.
    EXPECT_EQ((std::array<int, 4>{same::TINTr_, same::TINTg_, same::TINTb_, same::RGBptr_}),
              (std::array<int, 4>{10, 20, 30, 0}));
    EXPECT_EQ(device_.Color(), (std::array<float, 3>{10, 20, 30}));
    // Component characters are raw values, even 10, 13 or 32.
    EXPECT_EQ(Font::FT_Color(10, 13, 32), (String{18, 10, 13, 32}));
}

TEST_F(FontTest, CharacterWithoutGlyphUsesTheSpaceOrIsSkippedWithoutOne)
{
    EXPECT_EQ(font_->StringWidth(U"A?"), 16);   // "?" measured as the space
    const Ref<Font> noSpace = Parse(
        "common lineHeight=10\n"
        "page id=0 file=fontpage.png\n"
        "char id=65 x=0 y=0 width=4 height=4 xadvance=5\n");
    EXPECT_EQ(noSpace->StringWidth(U"A?A"), 10);
    noSpace->RenderString(U"?A?", 0, 0);
    EXPECT_EQ(GlyphCorners(), (std::vector<std::array<float, 2>>{{0, 0}}));
    noSpace->Deallocate();

    // An unreadable description: a font without glyphs or pages that draws nothing.
    const Ref<Font> empty = Font::New(U"no_such_font.fnt");
    EXPECT_EQ(empty->StringWidth(U"ABC"), 0);
    device_.ClearCalls();
    empty->RenderString(U"ABC", 0, 0);
    EXPECT_TRUE(SurfaceDraws().empty());
}

TEST_F(FontTest, EmbossDrawsABlackCopyUpAndLeftFirst)
{
    const std::string path = ::testing::TempDir() + "emboss_test.fnt";
    std::ofstream(path) << kDescription;
    const Ref<EmbossFont> emboss = EmbossFont::New(FromLatin1(path));
    EXPECT_EQ(EmbossFont::New(FromLatin1(path)), emboss);   // shared, not loaded again
    same::SetTint(200, 100, 50);
    device_.ClearCalls();
    emboss->RenderString(U"A", 10, 10);
    const auto draws = SurfaceDraws();
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].color, (std::array<float, 3>{0, 0, 0}));
    EXPECT_EQ(DevicePoint(draws[0]), (std::array<float, 2>{8.0f, 12.0f}));   // (10 - 1) + offset -1
    EXPECT_EQ(draws[1].color, (std::array<float, 3>{200, 100, 50}));
    EXPECT_EQ(DevicePoint(draws[1]), (std::array<float, 2>{9.0f, 13.0f}));
    emboss->Deallocate();   // shared: ignored
    EXPECT_EQ(emboss->GetPages().size(), 1u);
    FontCache::Clear();
    EXPECT_TRUE(emboss->GetPages().empty());
}

using FontDeathTest = FontTest;

TEST_F(FontDeathTest, CutColourCodeMissingPageAndUnloadablePageAreFatal)
{
    const String text = String(U"AV") + kColorCodeChar + U"\x01\x02";
    EXPECT_EQ(font_->StringWidth(text), 18);   // measuring is never fatal
    EXPECT_EXIT((StdoutToStderr(), font_->RenderString(text, 0, 0)), ::testing::ExitedWithCode(255),
                "Kestro Runtime Error : Font:: Not Enough color information at position 2!");
    const Ref<Font> font = Parse("char id=65 width=1 height=1 xadvance=1 page=3\n");
    EXPECT_EXIT((StdoutToStderr(), font->RenderString(U"A", 0, 0)), ::testing::ExitedWithCode(255),
                "Font:: Charset page 3 not found!");
    EXPECT_EXIT((StdoutToStderr(), Parse("page id=0 file=\"nothere.png\"\n")),
                ::testing::ExitedWithCode(255), "Font:: Couldn't load page texture from 'nothere.png'");
}

}  // namespace
}  // namespace zelka
