#include "platform/graphics/gl/GLGraphicsDevice.h"

#include "platform/graphics/gl/GLCounters.h"
#include "platform/graphics/gl/GLSurface.h"
#include "tests/support/HiddenGlWindow.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

namespace zelka {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 360;
constexpr int kRed = static_cast<int>(0xFFFF0000u);
constexpr int kGreen = static_cast<int>(0xFF00FF00u);
constexpr int kBlack = static_cast<int>(0xFF000000u);
constexpr int kWhite = static_cast<int>(0xFFFFFFFFu);

// A hidden window with a current compatibility context, and the device on it, in a frame
// cleared to black.
class BatchRendererTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenWindow()) << "no display (run under xvfb-run)";
        device_ = std::make_unique<GLGraphicsDevice>([this](int& w, int& h) { window_->Size(w, h); });
        device_->BeginRender();
        device_->Cls(0, 0, 0);
        counters_ = GLStats();
    }

    bool OpenWindow()
    {
        window_ = std::make_unique<testing::HiddenGlWindow>(kWidth, kHeight);
        return window_->IsOpen();
    }

    long DrawCalls() const { return GLStats().drawCalls - counters_.drawCalls; }
    // Draw calls so far, and the vertices still waiting in the batch.
    std::pair<long, int> Batch() const { return {DrawCalls(), device_->BatchedVertices()}; }

    int PixelAt(int x, int y)
    {
        std::vector<int> pixel(1, 0);
        device_->ReadPixels(pixel, x, y, 1, 1, 0, 1);
        return pixel[0];
    }

    // A surface of one colour (0xAARRGGBB).
    Ref<Surface> SolidSurface(int argb, int width = 4, int height = 4)
    {
        Ref<Surface> surface = device_->CreateSurface(width, height);
        const std::vector<int> pixels(static_cast<std::size_t>(width) * height, argb);
        device_->WritePixels2(surface, pixels, 0, 0, width, height, 0, width);
        return surface;
    }

    std::unique_ptr<testing::HiddenGlWindow> window_;
    std::unique_ptr<GLGraphicsDevice> device_;   // declared after the window: destroyed before it
    GLCounters counters_;
};

TEST_F(BatchRendererTest, AFullBatchOfOneSurfaceGoesOutAndTheRestWaits)
{
    Ref<Surface> surface = SolidSurface(kRed);
    const int quads = GLGraphicsDevice::kBatchQuads + 44;
    for (int i = 0; i < quads; ++i) {
        device_->DrawSurface(surface, static_cast<float>(i % 20) * 5, static_cast<float>(i / 20 % 20) * 5);
    }
    // The quad after a full batch did not fit: the batch went out, 44 wait.
    EXPECT_EQ(Batch(), std::pair(1L, 44 * 4));
    device_->EndRender();
    EXPECT_EQ(DrawCalls(), 2);
    EXPECT_EQ(PixelAt(2, 2), kRed);
}

TEST_F(BatchRendererTest, ColourAndMatrixChangesDoNotFlushButBlendKindAndSurfaceChangesDo)
{
    device_->DrawRect(0, 0, 10, 10);
    device_->SetColor(0, 255, 0);
    device_->SetMatrix(1, 0, 0, 1, 20, 0);
    device_->DrawRect(0, 0, 10, 10);
    EXPECT_EQ(Batch(), std::pair(0L, 8));

    device_->SetBlend(kBlendAdditive);
    EXPECT_EQ(Batch(), std::pair(1L, 0));
    // The colours stayed with their vertices.
    EXPECT_EQ(std::pair(PixelAt(5, 5), PixelAt(25, 5)), std::pair(kWhite, kGreen));

    device_->DrawRect(0, 20, 5, 5);
    device_->DrawLine(0, 30, 5, 30);
    EXPECT_EQ(DrawCalls(), 2);
    device_->DrawSurface(SolidSurface(kRed), 0, 40);
    EXPECT_EQ(DrawCalls(), 3);

    // A clear drops what is batched.
    device_->Cls(0, 0, 255);
    EXPECT_EQ(Batch(), std::pair(3L, 0));
    device_->EndRender();
    EXPECT_EQ(DrawCalls(), 3);
    EXPECT_EQ(PixelAt(0, 40), static_cast<int>(0xFF0000FFu));
}

TEST_F(BatchRendererTest, FullWindowScissorDisablesTheScissor)
{
    device_->SetScissor(10, 20, 30, 40);
    EXPECT_TRUE(glIsEnabled(GL_SCISSOR_TEST));
    std::array<GLint, 4> box{};
    glGetIntegerv(GL_SCISSOR_BOX, box.data());
    EXPECT_EQ(box, (std::array<GLint, 4>{10, kHeight - 20 - 40, 30, 40}));   // bottom-left origin

    device_->DrawRect(0, 0, 100, 100);
    device_->SetScissor(0, 0, kWidth, kHeight);
    EXPECT_EQ(DrawCalls(), 1);   // the clipped rectangle went out first
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
    EXPECT_EQ(std::pair(PixelAt(15, 25), PixelAt(5, 5)), std::pair(kWhite, kBlack));
}

TEST_F(BatchRendererTest, OvalSegmentsFollowTheRadiiAndBadPolygonsDrawNothing)
{
    device_->DrawOval(0, 0, 10, 10);   // 5 + 5 = 10, raised to 12
    EXPECT_EQ(device_->BatchKind(), 12);
    device_->DrawOval(0, 0, 400, 300);   // 200 + 150 = 350, down to a multiple of 4
    EXPECT_EQ(device_->BatchKind(), 348);
    device_->DrawOval(0, 0, 1e30f, 1e30f);   // capped, without an overflowing conversion
    EXPECT_EQ(device_->BatchKind(), 1024);
    device_->DrawOval(0, 0, 10.9f, 10.9f);   // each radius truncated: 5 + 5
    EXPECT_EQ(device_->BatchKind(), 12);
    // With a matrix the axes' lengths scale the radii, summed before truncation.
    device_->SetMatrix(3, 0, 0, 2, 0, 0);
    device_->DrawOval(0, 0, 10.9f, 10.9f);   // 5.45*3 + 5.45*2 = 27.25
    EXPECT_EQ(std::pair(device_->BatchKind(), device_->BatchedVertices()), std::pair(24, 24));
    device_->EndRender();

    device_->DrawPoly(std::vector<float>{1, 1, 2});   // one vertex and a stray float
    EXPECT_EQ(device_->BatchKind(), 1);
    device_->EndRender();
    device_->DrawPoly(std::vector<float>(2 * (GLGraphicsDevice::kBatchVertices + 1), 1.0f));
    device_->DrawPoly({});
    EXPECT_EQ(device_->BatchedVertices(), 0);
}

TEST_F(BatchRendererTest, RefusedExactSizeTextureFallsBackToPowersOfTwo)
{
    GLSurface::SetRefuseNonPowerOfTwo(true);
    Ref<Surface> surface = SolidSurface(kGreen, 100, 50);
    GLSurface::SetRefuseNonPowerOfTwo(false);
    auto& texture = static_cast<GLSurface&>(*surface);
    EXPECT_EQ(std::pair(texture.TextureWidth(), texture.TextureHeight()), std::pair(128, 64));
    EXPECT_FLOAT_EQ(texture.UScale(), 1.0f / 128);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    // Only the image's part of the texture is shown.
    device_->DrawSurface(surface, 0, 0);
    device_->EndRender();
    EXPECT_EQ(std::tuple(PixelAt(99, 49), PixelAt(100, 49), PixelAt(99, 50)), std::tuple(kGreen, kBlack, kBlack));

    Ref<Surface> exact = device_->CreateSurface(100, 50);   // this driver takes it as is
    EXPECT_EQ(static_cast<GLSurface&>(*exact).TextureWidth(), 100);
}

TEST_F(BatchRendererTest, ImageRedrawsFromItsPixelsAfterTheWindowReopens)
{
    Ref<Surface> surface = device_->NewSurface();
    ASSERT_TRUE(surface->SetData({255, 0, 0, 255, 0, 255, 0, 255}, 2, 1, 4));
    surface->Bind();
    const long deletedBefore = GLStats().texturesDeleted;

    window_.reset();
    ASSERT_TRUE(OpenWindow());
    device_->BeginRender();
    device_->Cls(0, 0, 0);
    device_->DrawSurface(surface, 10, 10);
    device_->EndRender();
    EXPECT_EQ(std::pair(PixelAt(10, 10), PixelAt(11, 10)), std::pair(kRed, kGreen));
    EXPECT_EQ(static_cast<GLSurface&>(*surface).TextureGeneration(), graphics::WindowGeneration());
    // The old texture died with its context; nothing deleted it.
    EXPECT_EQ(GLStats().texturesDeleted, deletedBefore);
}

TEST_F(BatchRendererTest, SurfaceOutlivingItsContextMakesNoGLCall)
{
    Ref<Surface> live = SolidSurface(kRed);
    const long deleted = GLStats().texturesDeleted;
    live->Discard();
    live->Discard();   // idempotent
    EXPECT_EQ(GLStats().texturesDeleted, deleted + 1);

    Ref<Surface> orphan = SolidSurface(kRed);
    window_.reset();
    orphan->Discard();
    orphan.reset();
    Ref<Surface> late = device_->CreateSurface(8, 8);   // no context: no texture yet
    late.reset();
    EXPECT_EQ(std::pair(GLStats().texturesDeleted, GLStats().texturesCreated),
              std::pair(deleted + 1, counters_.texturesCreated + 2));
}

TEST_F(BatchRendererTest, ColourBytesClampInsteadOfWrapping)
{
    device_->SetColor(300, -5, 128);
    device_->SetAlpha(2);
    EXPECT_EQ(device_->PackedColor(), (std::array<std::uint8_t, 4>{255, 0, 255, 255}));
    device_->SetColor(255, 255, 255);
    device_->SetAlpha(0.5f);   // premultiplied, truncated
    EXPECT_EQ(device_->PackedColor(), (std::array<std::uint8_t, 4>{127, 127, 127, 127}));
    device_->SetAlpha(-1);
    EXPECT_EQ(device_->PackedColor(), (std::array<std::uint8_t, 4>{0, 0, 0, 0}));
}

TEST_F(BatchRendererTest, PixelTransfersClipAndUpdateALiveTexture)
{
    device_->Cls(255, 0, 0);
    const int sentinel = 7;
    // A 2x2 rectangle hanging over the top-left corner: only its last pixel is inside.
    std::vector<int> corner(4, sentinel);
    device_->ReadPixels(corner, -1, -1, 2, 2, 0, 2);
    EXPECT_EQ(corner, (std::vector<int>{sentinel, sentinel, sentinel, kRed}));
    // An array too short for the rectangle keeps to its bounds.
    std::vector<int> shortArray(5, sentinel);
    device_->ReadPixels(shortArray, 0, 0, 10, 10, 3, 10);
    EXPECT_EQ(shortArray, (std::vector<int>{sentinel, sentinel, sentinel, kRed, kRed}));

    // A piece of a row written into a texture already made: uploaded row by row, shown on the
    // next draw. Rows read back top-down with the pitch.
    Ref<Surface> surface = SolidSurface(kWhite, 3, 3);
    device_->WritePixels2(surface, std::vector<int>{kGreen}, 1, 1, 1, 1, 0, 1);
    device_->DrawSurface(surface, 5, 0);
    device_->EndRender();
    EXPECT_EQ(PixelAt(5, 1), kWhite);
    std::vector<int> column(6, sentinel);
    device_->ReadPixels(column, 6, 0, 1, 3, 0, 2);
    EXPECT_EQ(column, (std::vector<int>{kWhite, sentinel, kGreen, sentinel, kWhite, sentinel}));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
}  // namespace zelka
