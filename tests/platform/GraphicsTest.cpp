#include "platform/graphics/Graphics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/files/DataPath.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"

namespace zelka {
namespace {

class GraphicsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        graphics::ResetContext();
        graphics::SetGraphicsDevice(&device_);
    }
    void TearDown() override { graphics::ResetContext(); }

    // Starts a frame and forgets the calls BeginRender made.
    void BeginFrame()
    {
        graphics::BeginRender();
        device_.ClearCalls();
    }

    // Applies a recorded matrix to a point.
    static std::array<float, 2> Apply(const std::array<float, 6>& m, float x, float y)
    {
        return {m[0] * x + m[2] * y + m[4], m[1] * x + m[3] * y + m[5]};
    }

    RecordingGraphicsDevice device_{640, 360};
};

TEST_F(GraphicsTest, TwoTranslatesAndARectSendTheMatrixOnce)
{
    BeginFrame();
    graphics::Translate(10, 5);
    graphics::Translate(3, 4);
    graphics::DrawRect(0, 0, 2, 2);
    graphics::DrawRect(4, 4, 2, 2);   // unchanged matrix: not sent again
    ASSERT_EQ(device_.Count(DeviceOp::SetMatrix), 1);
    const std::array<float, 6> expected{1, 0, 0, 1, 13, 9};
    EXPECT_EQ(device_.Draws().at(0).matrix, expected);
    EXPECT_EQ(device_.Draws().at(1).matrix, expected);

    // Push and pop alone send nothing; the next draw sends the restored matrix.
    graphics::PushMatrix();
    graphics::Scale(2, 2);
    graphics::PopMatrix();
    EXPECT_EQ(device_.Count(DeviceOp::SetMatrix), 1);
    graphics::DrawLine(0, 0, 1, 1);
    EXPECT_EQ(device_.Count(DeviceOp::SetMatrix), 2);
    EXPECT_EQ(device_.Matrix(), expected);
}

TEST_F(GraphicsTest, TransformAppliesTheGivenMatrixFirst)
{
    graphics::Translate(10, 0);
    graphics::Scale(2, 3);
    // Scale first, then the translation.
    auto p = Apply(graphics::GetMatrix(), 1, 1);
    EXPECT_FLOAT_EQ(p[0], 12);
    EXPECT_FLOAT_EQ(p[1], 3);

    graphics::SetMatrix(1, 0, 0, 1, 0, 0);
    EXPECT_FALSE(graphics::Context().tformed);
    graphics::Rotate(90);   // counter-clockwise on a y-down screen
    EXPECT_TRUE(graphics::Context().tformed);
    p = Apply(graphics::GetMatrix(), 1, 0);
    EXPECT_NEAR(p[0], 0, 1e-6);
    EXPECT_NEAR(p[1], -1, 1e-6);

    // A non-uniform shear through Transform2 composes the same way.
    graphics::SetMatrix(2, 0, 0, 2, 5, 5);
    const std::array<float, 6> shear{1, 1, 0, 1, 1, 0};
    graphics::Transform2(shear);
    std::array<float, 6> m{};
    graphics::GetMatrix2(m);
    const std::array<float, 6> expected{2, 2, 0, 2, 7, 5};
    EXPECT_EQ(m, expected);
}

TEST_F(GraphicsTest, MatrixStackGrowsAndPopWithoutPushDoesNothing)
{
    // 40 matrices: more than the 32 of the initial stack.
    for (int i = 0; i < 40; ++i) {
        graphics::PushMatrix();
        graphics::Translate(1, 0);
    }
    EXPECT_FLOAT_EQ(graphics::GetMatrix()[4], 40);
    for (int i = 39; i >= 0; --i) {
        graphics::PopMatrix();
        EXPECT_FLOAT_EQ(graphics::GetMatrix()[4], static_cast<float>(i));
    }
    graphics::Translate(7, 0);
    graphics::PopMatrix();   // unmatched
    EXPECT_FLOAT_EQ(graphics::GetMatrix()[4], 7);
    EXPECT_EQ(graphics::Context().matrixSp, 0);
}

TEST_F(GraphicsTest, BeginRenderResetsStateAndSendsItInOrder)
{
    graphics::Translate(5, 5);
    graphics::PushMatrix();
    graphics::SetColor(1, 2, 3);
    graphics::SetBlend(kBlendAdditive);
    graphics::BeginRender();

    const auto& calls = device_.Calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].op, DeviceOp::SetColor);
    EXPECT_EQ(calls[0].args, (std::vector<float>{255, 255, 255}));
    EXPECT_EQ(calls[1].op, DeviceOp::SetAlpha);
    EXPECT_EQ(calls[1].args, std::vector<float>{1});
    EXPECT_EQ(calls[2].op, DeviceOp::SetBlend);
    EXPECT_EQ(calls[2].args, std::vector<float>{0});
    EXPECT_EQ(calls[3].op, DeviceOp::SetScissor);
    EXPECT_EQ(calls[3].args, (std::vector<float>{0, 0, 640, 360}));
    EXPECT_EQ(graphics::Context().matrixSp, 0);
    EXPECT_FALSE(graphics::Context().tformed);

    // The identity is still sent before the first draw.
    graphics::DrawRect(0, 0, 1, 1);
    EXPECT_EQ(device_.Count(DeviceOp::SetMatrix), 1);
    EXPECT_EQ(device_.Matrix(), (std::array<float, 6>{1, 0, 0, 1, 0, 0}));
}

TEST_F(GraphicsTest, SettersOutsideAFrameOnlyStore)
{
    graphics::SetColor(10, 20, 30);
    graphics::SetAlpha(0.5f);
    graphics::SetScissor(1.9f, 2.9f, 3.9f, 4.9f);
    graphics::DrawRect(0, 0, 1, 1);
    EXPECT_TRUE(device_.Calls().empty());
    EXPECT_EQ(graphics::GetColor(), (std::array<float, 3>{10, 20, 30}));
    EXPECT_FLOAT_EQ(graphics::GetAlpha(), 0.5f);

    BeginFrame();
    graphics::SetScissor(1.9f, 2.9f, 3.9f, 4.9f);   // truncated for the device
    EXPECT_EQ(device_.Scissor(), (std::array<int, 4>{1, 2, 3, 4}));
    EXPECT_EQ(graphics::GetScissor(), (std::array<float, 4>{1.9f, 2.9f, 3.9f, 4.9f}));

    graphics::EndRender();
    EXPECT_EQ(graphics::RenderDevice(), nullptr);
    graphics::DrawRect(0, 0, 1, 1);
    EXPECT_EQ(device_.Draws().size(), 0u);
}

TEST_F(GraphicsTest, DrawImageUsesTheWholeSurfacePathOnlyForAFullFrame)
{
    device_.AddFakeImage("ship.png", 32, 16);
    Ref<Image> whole = graphics::LoadImage("ship.png");
    Ref<Image> bordered = graphics::LoadImage("ship.png", 1, kImageXPadding);
    ASSERT_NE(whole, nullptr);
    ASSERT_NE(bordered, nullptr);
    whole->SetHandle(4, 2);
    BeginFrame();

    graphics::DrawImage(*whole, 10, 10);
    graphics::DrawImage(*bordered, 10, 10);
    const auto draws = device_.Draws();
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].op, DeviceOp::DrawSurface);
    EXPECT_EQ(draws[0].args, (std::vector<float>{6, 8}));
    EXPECT_EQ(draws[0].surface, whole->GetSurface());
    EXPECT_EQ(draws[1].op, DeviceOp::DrawSurface2);
    EXPECT_EQ(draws[1].args, (std::vector<float>{10, 10, 1, 0, 30, 16}));
}

TEST_F(GraphicsTest, DrawImage2DrawsAtTheOriginUnderTheComposedMatrix)
{
    device_.AddFakeImage("strip.png", 40, 10);
    Ref<Image> image = graphics::LoadImage("strip.png", 4, kImageMidHandle);
    ASSERT_NE(image, nullptr);
    BeginFrame();
    graphics::DrawImage2(*image, 100, 50, 90, 2, 1, 2);

    const auto draws = device_.Draws();
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].op, DeviceOp::DrawSurface2);
    EXPECT_EQ(draws[0].args, (std::vector<float>{0, 0, 20, 0, 10, 10}));
    // The frame's centre (5, 5) lands on (100, 50); its right edge centre (10, 5) is scaled
    // by 2 along x, then turned 90 degrees: 10 pixels up.
    auto centre = Apply(draws[0].matrix, 5, 5);
    EXPECT_NEAR(centre[0], 100, 1e-4);
    EXPECT_NEAR(centre[1], 50, 1e-4);
    auto edge = Apply(draws[0].matrix, 10, 5);
    EXPECT_NEAR(edge[0], 100, 1e-4);
    EXPECT_NEAR(edge[1], 40, 1e-4);
    EXPECT_FALSE(graphics::Context().tformed);

    graphics::DrawImageRect(*image, 7, 8, 1, 2, 3, 4, 1);
    EXPECT_EQ(device_.Draws().back().args, (std::vector<float>{2, 3, 11, 2, 3, 4}));
    graphics::DrawImage(*image, 0, 0, 4);   // no such frame: nothing drawn
    EXPECT_EQ(device_.Draws().size(), 2u);
}

TEST_F(GraphicsTest, FontFallsBackToNullWhenTheDefaultImageIsMissing)
{
    graphics::SetPathResolver([](std::string_view path) { return "no-such-folder/" + std::string(path); });
    graphics::SetFont();
    EXPECT_EQ(graphics::GetFont(), nullptr);
    EXPECT_EQ(graphics::Context().firstChar, 32);

    device_.AddFakeImage("no-such-folder/vexo_font.png", 960, 10);
    graphics::SetFont();
    ASSERT_NE(graphics::GetFont(), nullptr);
    EXPECT_EQ(graphics::GetFont()->Frames(), 96);
    EXPECT_EQ(graphics::GetFont()->Width(), 8);

    Ref<Image> own = graphics::CreateImage(8, 8, 4);
    graphics::SetFont(own, 65);
    EXPECT_EQ(graphics::GetFont(), own);
    EXPECT_EQ(graphics::Context().firstChar, 65);
}

TEST_F(GraphicsTest, ImagePathsResolveIntoTheDataFolder)
{
    files::SetApplicationFolder("/opt/zelka-test");
    device_.AddFakeImage("/opt/zelka-test/data/ui/arrow.png", 8, 8);
    EXPECT_NE(graphics::LoadImage("ui/arrow.png"), nullptr);
    EXPECT_NE(graphics::LoadImage("kestro://data/ui/arrow.png"), nullptr);
    EXPECT_EQ(graphics::LoadImage("./ui/arrow.png"), nullptr);   // relative to the working folder
    files::SetApplicationFolder(std::nullopt);
}

TEST_F(GraphicsTest, ReadPixelsPitchZeroMeansTheWidth)
{
    BeginFrame();
    device_.FillReadPixels(0x12345678);
    std::vector<int> pixels(6, 0);
    graphics::ReadPixels(pixels, 0, 0, 3, 2);
    EXPECT_EQ(device_.Calls().back().args, (std::vector<float>{0, 0, 3, 2, 0, 3}));
    EXPECT_EQ(pixels, std::vector<int>(6, 0x12345678));
}

}  // namespace
}  // namespace zelka
