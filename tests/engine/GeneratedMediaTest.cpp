// Draws the generated data set's fonts, a static image and an animated sprite on a real GL
// device in a hidden window and reads the pixels back (run under xvfb-run).

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "engine/display/DrawingState.h"
#include "engine/media/Sprite.h"
#include "engine/media/StaticImage.h"
#include "engine/media/Texture.h"
#include "engine/text/Font.h"
#include "engine/text/FontCache.h"
#include "engine/text/Label.h"
#include "engine/text/RetroFont.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/WindowGeneration.h"
#include "platform/graphics/gl/GLGraphicsDevice.h"
#include "tests/engine/MediaTestSupport.h"
#include "tests/support/HiddenGlWindow.h"

namespace zelka {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 360;

struct Rgb {
    int r, g, b;
};

Rgb Unpack(int argb)
{
    const auto bits = static_cast<unsigned>(argb);
    return {static_cast<int>((bits >> 16) & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
            static_cast<int>(bits & 0xFF)};
}

class GeneratedMedia : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testing::HiddenGlWindow::Available()) << "no display (run under xvfb-run)";
        window_ = std::make_unique<testing::HiddenGlWindow>(kWidth, kHeight);
        ASSERT_TRUE(window_->IsOpen());
        device_ = std::make_unique<GLGraphicsDevice>([this](int& w, int& h) { window_->Size(w, h); });
        graphics::ResetContext();
        same::ResetDrawingState();
        graphics::SetGraphicsDevice(device_.get());
        Texture::encryptionEnabled = true;
        testing_media::ForgetRegisteredTextures();   // made on other devices
        BeginFrame();
    }

    void TearDown() override
    {
        if (!device_) return;
        for (const Ref<Texture>& texture : textures_) texture->Deallocate();
        FontCache::Clear();
        Texture::encryptionEnabled = false;
        graphics::EndRender();
        graphics::ResetContext();
        same::ResetDrawingState();
        device_.reset();
        window_.reset();
    }

    void BeginFrame()
    {
        device_->BeginRender();
        graphics::BeginRender();
        graphics::Cls(0, 0, 0);
    }

    std::vector<int> Read(int x, int y, int w, int h)
    {
        std::vector<int> pixels(static_cast<std::size_t>(w) * h, 0);
        graphics::ReadPixels(pixels, x, y, w, h);
        return pixels;
    }

    // Compares the screen at (left, top) with a w x h block of an image `stride` pixels wide
    // that starts at column `column`; only fully opaque pixels come out unblended. Returns how
    // many were compared.
    int ExpectOpaquePixelsShown(const std::vector<int>& image, int stride, int column, int w, int h, int left, int top)
    {
        const std::vector<int> shown = Read(left, top, w, h);
        int compared = 0;
        for (int i = 0; i < h; ++i) {
            for (int j = 0; j < w; ++j) {
                const int source = image[i * stride + column + j];
                if ((static_cast<unsigned>(source) >> 24) != 255) continue;
                ++compared;
                const Rgb want = Unpack(source);
                const Rgb got = Unpack(shown[i * w + j]);
                EXPECT_NEAR(got.r, want.r, 2) << j << "," << i;
                EXPECT_NEAR(got.g, want.g, 2) << j << "," << i;
                EXPECT_NEAR(got.b, want.b, 2) << j << "," << i;
            }
        }
        return compared;
    }

    // Keeps the loaded textures to release them after the test.
    Ref<Font> LoadFont(const char32_t* path)
    {
        Ref<Font> font = Font::New(path);
        for (const auto& [id, page] : font->GetPages()) textures_.push_back(page);
        return font;
    }

    std::unique_ptr<testing::HiddenGlWindow> window_;
    std::unique_ptr<GLGraphicsDevice> device_;
    std::vector<Ref<Texture>> textures_;
};

TEST_F(GeneratedMedia, FontsDrawInkExactlyWhereTheGlyphIs)
{
    for (const char32_t* file : {U"press_start_k.fnt", U"upheaval.fnt"}) {
        SCOPED_TRACE(ToUtf8(file));
        const Ref<Font> font = LoadFont(file);
        ASSERT_EQ(font->GetPages().size(), 1u) << "generated data set missing (build zelka_data)";
        const CharInfo* a = font->GetGlyph(U'A');
        ASSERT_NE(a, nullptr);
        int size[2] = {0, 0};
        const std::vector<int> page = texture::GetImagePixels(font->GetPages().at(0)->GetSource(), size);
        ASSERT_FALSE(page.empty());

        graphics::Cls(0, 0, 0);
        font->RenderString(U"A", 100, 60);
        const int left = 100 + a->xOffset;
        const int top = 60 + a->yOffset;
        const std::vector<int> shown = Read(left, top, a->width, a->height);
        int ink = 0;
        for (int i = 0; i < a->height; ++i) {
            for (int j = 0; j < a->width; ++j) {
                const unsigned alpha = static_cast<unsigned>(page[(a->y + i) * size[0] + a->x + j]) >> 24;
                const Rgb got = Unpack(shown[i * a->width + j]);
                if (alpha == 255) {
                    ++ink;
                    EXPECT_GE(got.r, 250) << "glyph pixel " << j << "," << i;
                } else if (alpha == 0) {
                    EXPECT_LE(got.r, 5) << "background pixel " << j << "," << i;
                }
            }
        }
        EXPECT_GT(ink, 10);
        // Nothing outside the glyph's box.
        for (const int p : Read(left + a->width + 2, top, 20, a->height)) EXPECT_LE(Unpack(p).r, 5);
    }
}

TEST_F(GeneratedMedia, RecolouredFontAndLabelDrawInTheirColours)
{
    const Ref<RetroFont> retro = RetroFont::New(U"upheaval.fnt", {250, 20, 20}, RGB(20, 20, 250));
    ASSERT_EQ(retro->GetPages().size(), 1u);
    const CharInfo* a = retro->GetGlyph(U'A');
    ASSERT_NE(a, nullptr);
    retro->RenderString(U"A", 200, 100);
    int red = 0;
    int blue = 0;
    for (int i = 0; i < a->height; ++i) {
        for (const int p : Read(200 + a->xOffset, 100 + a->yOffset + i, a->width, 1)) {
            const Rgb got = Unpack(p);
            const int row = a->yOffset + i;
            if (got.r == 250 && got.b == 20) {
                ++red;
                EXPECT_FALSE(row == 10 || row > 13) << "row " << row;
            } else if (got.b == 250 && got.r == 20) {
                ++blue;
                EXPECT_TRUE(row == 10 || row > 13) << "row " << row;
            }
        }
    }
    EXPECT_GT(red, 0);
    EXPECT_GT(blue, 0);

    // A green-tinted label of the standard font, centred on (320, 300).
    const Ref<Font> font = LoadFont(U"press_start_k.fnt");
    const Ref<Label> label = Label::New(font, 0.5f);
    label->SetText(Font::FT_Color(0, 255, 0) + U"HI");
    label->position->Set(320, 300);
    label->Render();
    int green = 0;
    for (const int p : Read(320 - 12, 300 - 7, 24, 14)) {
        const Rgb got = Unpack(p);
        green += (got.g > 100 && got.r < 20 && got.b < 20) ? 1 : 0;
    }
    EXPECT_GT(green, 10);
    EXPECT_EQ(same::RGBptr_, 0);
}

TEST_F(GeneratedMedia, StaticImageAndAnimatedSpriteShowTheirPixels)
{
    // The sprite sheet: 7 tiles of 32 x 32 in a row.
    const Ref<Sprite> sprite = Sprite::New(U"dig2.png", 32, 32, 12);
    const auto tiles = std::dynamic_pointer_cast<TileSet>(sprite->GetTileSet());
    ASSERT_TRUE(tiles);
    textures_.push_back(tiles->GetTexture());
    EXPECT_EQ(tiles->GetTotalDrawables(), 7);
    int size[2] = {0, 0};
    const std::vector<int> sheet = texture::GetImagePixels(U"dig2.png", size);
    ASSERT_EQ(size[0], 224);

    sprite->DefineSequence(U"dig", 0, 6, false);
    sprite->PlaySequence(U"dig");
    for (int n = 0; n < 15; ++n) sprite->Update(16);   // 83 ms frames: frame 2 after 12 updates
    ASSERT_EQ(sprite->GetCurrentFrame(), 2);
    Texture::RenderUndrawnTextures();
    graphics::Cls(0, 0, 0);
    sprite->position->Set(100, 200);
    sprite->Render();
    EXPECT_GT(ExpectOpaquePixelsShown(sheet, size[0], 2 * 32, 32, 32, 100 - 16, 200 - 16), 20);

    // A static image of the cursor, centred on its position.
    const Ref<Texture> cursorTexture = Texture::GetTexture(U"cursor1.png");
    textures_.push_back(cursorTexture);
    const Ref<StaticImage> cursor = StaticImage::New(cursorTexture);
    ASSERT_GT(cursor->GetWidth(), 0.0f);
    const std::vector<int> cursorPixels = texture::GetImagePixels(U"cursor1.png", size);
    cursor->position->Set(400, 100);
    cursor->Render();
    const int w = size[0];
    const int h = size[1];
    EXPECT_GT(ExpectOpaquePixelsShown(cursorPixels, w, 0, w, h, 400 - w / 2, 100 - h / 2), 0);
}

}  // namespace
}  // namespace zelka
