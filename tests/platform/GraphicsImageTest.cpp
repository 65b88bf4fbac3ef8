#include "platform/graphics/Image.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <vector>

#include "platform/graphics/Graphics.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"

namespace zelka {
namespace {

// Fatal errors print on standard output; death tests match standard error.
void StdoutToStderr()
{
    dup2(STDERR_FILENO, STDOUT_FILENO);
}

class ImageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        graphics::ResetContext();
        graphics::SetGraphicsDevice(&device_);
    }
    void TearDown() override { graphics::ResetContext(); }

    static std::vector<std::array<int, 2>> Corners(const Image& image)
    {
        std::vector<std::array<int, 2>> corners;
        for (int i = 0; i < image.Frames(); ++i) {
            corners.push_back({image.GetFrame(i).x, image.GetFrame(i).y});
        }
        return corners;
    }

    RecordingGraphicsDevice device_;
};

TEST_F(ImageTest, XBorderFramesSkipOnePixelEachSide)
{
    device_.AddFakeImage("font.png", 960, 10);
    Ref<Image> font = graphics::LoadImage("font.png", 96, kImageXPadding);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->Frames(), 96);
    EXPECT_EQ(font->Width(), 8);
    EXPECT_EQ(font->Height(), 10);
    EXPECT_EQ(font->GetFrame(0).x, 1);
    EXPECT_EQ(font->GetFrame(1).x, 11);
    EXPECT_EQ(font->GetFrame(2).x, 21);
    EXPECT_EQ(font->GetFrame(95).x, 951);
    EXPECT_EQ(font->GetFrame(95).y, 0);
    EXPECT_EQ(font->Flags() & kImageFullFrame, 0);
}

TEST_F(ImageTest, GridFramesWrapToTheNextRow)
{
    device_.AddFakeImage("tiles.png", 64, 32);
    Ref<Image> tiles = graphics::LoadImage2("tiles.png", 16, 16, 8);
    ASSERT_NE(tiles, nullptr);
    const std::vector<std::array<int, 2>> expected{{0, 0},  {16, 0},  {32, 0},  {48, 0},
                                                   {0, 16}, {16, 16}, {32, 16}, {48, 16}};
    EXPECT_EQ(Corners(*tiles), expected);
    EXPECT_EQ(tiles->Width(), 16);
    EXPECT_EQ(tiles->Height(), 16);
}

TEST_F(ImageTest, FrameOutsideTheSurfaceIsFatal)
{
    device_.AddFakeImage("tiles.png", 64, 32);
    // A ninth 16x16 frame would start a third row on a 32-pixel-high surface.
    EXPECT_EXIT((StdoutToStderr(), (void)graphics::LoadImage2("tiles.png", 16, 16, 9)),
                ::testing::ExitedWithCode(255), "Kestro Runtime Error : Image frame outside surface");
    // A frame wider than the surface.
    EXPECT_EXIT((StdoutToStderr(), (void)graphics::LoadImage2("tiles.png", 80, 16, 1)),
                ::testing::ExitedWithCode(255), "Image frame outside surface");
}

TEST_F(ImageTest, InitTwiceIsFatal)
{
    Image image;
    image.Init(device_.CreateSurface(8, 8), 1, 0);
    EXPECT_EXIT((StdoutToStderr(), image.Init(device_.CreateSurface(8, 8), 1, 0)),
                ::testing::ExitedWithCode(255), "Kestro Runtime Error : Image already initialized");
}

TEST_F(ImageTest, FlagsSetTheHandleAndTheFullFrameBit)
{
    Image whole;
    whole.Init(device_.CreateSurface(20, 10), 0, kImageMidHandle);   // count 0 counts as 1
    EXPECT_EQ(whole.Frames(), 1);
    EXPECT_FLOAT_EQ(whole.HandleX(), 10);
    EXPECT_FLOAT_EQ(whole.HandleY(), 5);
    EXPECT_EQ(whole.Flags(), kImageFullFrame);   // mid-handle bit cleared once applied

    Image strip;
    strip.Init(device_.CreateSurface(20, 10), 2, kImageYPadding | kImageMidHandle);
    EXPECT_EQ(strip.Flags(), kImageYPadding);
    EXPECT_EQ(strip.Height(), 8);
    EXPECT_EQ(strip.GetFrame(1).x, 10);
    EXPECT_EQ(strip.GetFrame(1).y, 1);
    EXPECT_FLOAT_EQ(strip.HandleY(), 4);

    whole.ApplyFlags(kImageMidHandle);
    whole.SetHandle(1, 2);
    EXPECT_EQ(whole.Flags() & kImageMidHandle, 0);
    EXPECT_FLOAT_EQ(whole.HandleX(), 1);
}

TEST_F(ImageTest, GrabbedImageSharesTheSurfaceAndNeverDiscardsIt)
{
    device_.AddFakeImage("sheet.png", 64, 32);
    Ref<Image> sheet = graphics::LoadImage("sheet.png", 1, kImageXPadding);
    ASSERT_NE(sheet, nullptr);
    Ref<Image> cells = sheet->GrabImage(0, 0, 20, 16, 4, 0);
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->GetSurface(), sheet->GetSurface());
    EXPECT_EQ(cells->Source(), sheet);
    // Inside the 62-wide frame at x = 1: three per row, then the next row.
    const std::vector<std::array<int, 2>> expected{{1, 0}, {21, 0}, {41, 0}, {1, 16}};
    EXPECT_EQ(Corners(*cells), expected);

    auto* surface = static_cast<RecordingSurface*>(sheet->GetSurface().get());
    cells->Discard();
    EXPECT_FALSE(surface->Discarded());
    EXPECT_NE(cells->GetSurface(), nullptr);
    sheet->Discard();
    EXPECT_TRUE(surface->Discarded());
    EXPECT_EQ(sheet->GetSurface(), nullptr);

    Ref<Image> strip = graphics::CreateImage(8, 8, 2);
    EXPECT_EQ(strip->GrabImage(0, 0, 4, 4, 1, 0), nullptr);   // more than one frame
}

TEST_F(ImageTest, WritePixelsGoesThroughTheDeviceWithPitchZeroMeaningWidth)
{
    Ref<Image> image = graphics::CreateImage(2, 2);
    const std::vector<int> red(4, static_cast<int>(0xFFFF0000u));
    image->WritePixels(red, 0, 0, 2, 2);
    EXPECT_EQ(device_.Count(DeviceOp::WritePixels2), 1);
    EXPECT_EQ(device_.Calls().back().args, (std::vector<float>{0, 0, 2, 2, 0, 2}));
    const std::vector<std::uint8_t> expected{255, 0, 0, 255, 255, 0, 0, 255,
                                             255, 0, 0, 255, 255, 0, 0, 255};
    EXPECT_EQ(image->GetSurface()->Pixels(), expected);
}

}  // namespace
}  // namespace zelka
